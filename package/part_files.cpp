#include "package/part_files.h"

#include "base/text.h"

namespace vantor {

namespace {
constexpr std::string_view kFirstPartSuffix = ".001";
}  // namespace

std::string PartFileBase(std::string_view source) {
  if (EndsWith(kFirstPartSuffix, source, false)) source.remove_suffix(kFirstPartSuffix.size());
  return std::string(source);
}

std::string PartFileName(std::string_view base, int part) { return std::string(base) + "." + ZeroPad(part, 3); }

std::string DiskPromptText(std::string_view prompt, int part) {
  return ReplaceText(prompt, "<DISK_NUM>", std::to_string(part), true);
}

bool SourceTakesAgentCopy(std::string_view source) {
  return EndsWith(".exe", source, true) || EndsWith(".exe.001", source, true);
}

}  // namespace vantor
