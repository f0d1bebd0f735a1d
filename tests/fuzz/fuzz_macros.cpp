// Macro expansion over arbitrary texts and install folders, with fixed machine
// values, and the invariants of its passes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "paths/macro_expansion.h"
#include "paths/macro_passes.h"

namespace {

using namespace vantor;

void Check(bool condition) {
  if (!condition) std::abort();
}

MacroValues Values(const std::string& application) {
  MacroValues values;
  values.applicationFolder = application;
  values.commonFolder = "D:\\Shared";
  values.date = DateValues{{2024, 3, 5, 14, 7, 9}, "March", '/', ':'};
  values.name = [](MachineName) { return std::string("Ann"); };
  values.folder = [](FolderKind kind) { return kind == FolderKind::OriginDir ? std::string("E:") : "C:\\Windows"; };
  values.fullPath = [](const std::string& path) { return "C:\\" + path; };
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool expandRelative = input.ConsumeBool();
  const bool expandFolders = input.ConsumeBool();
  const std::string separator = input.ConsumeRandomLengthString(4);
  const std::string application = input.ConsumeRandomLengthString(32);
  const std::string text = input.ConsumeRemainingBytesAsString();
  const MacroValues values = Values(application);

  const std::string result = ExpandMacroText(text, separator, expandRelative, expandFolders, values);
  if (text.find('<') == std::string::npos && !expandRelative) Check(result == text);
  Check(ExpandMacroText(text, separator, expandRelative, expandFolders, values) == result);

  // A folder value that cannot form the macro leaves no occurrence behind.
  Check(PosText("<WinDir>", FolderPass(text, "<WinDir>", "C:\\Windows", "\\")) == 0);
  const std::string dated = DatePass(text, values.date);
  if (PosText("<Date=", text) == 0) Check(dated == text);
  if (dated != text) Check(dated.size() + 8 >= text.size() && dated.size() <= text.size() + 16);
  return 0;
}
