// A process for the macro tests, since the origin file is read from the
// command line once per process. It writes to OUTPUT, one item a line: the
// origin file, the origin folder without and with a backslash, TEXT expanded
// as the agent expands it; then, once "/OriginExe=" in its command line is
// overwritten, whether the switch is still seen ("1" or "0") and the three
// origin items again.
//
//   macro_probe.exe OUTPUT TEXT [/OriginExe=FILE]
#include <windows.h>

#include <cstring>
#include <string>

#include "base/files.h"
#include "base/switches_win.h"
#include "paths/macros.h"
#include "paths/special_folders.h"

namespace {

constexpr char kOriginSwitch[] = "/OriginExe=";

std::string Origins() {
  using vantor::FolderKind;
  using vantor::GetSpecialFolder;
  return GetSpecialFolder(FolderKind::OriginExe, false) + "\n" + GetSpecialFolder(FolderKind::OriginDir, false) + "\n" +
         GetSpecialFolder(FolderKind::OriginDir, true) + "\n";
}

// Every later read of the command line sees "/XriginExe=" instead.
void OverwriteOriginSwitch() {
  char* at = std::strstr(GetCommandLineA(), kOriginSwitch);
  if (at != nullptr) at[1] = 'X';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 99;
  std::string output = Origins() + vantor::ExpandMacros(argv[2], "\\", true, true) + "\n";
  OverwriteOriginSwitch();
  output += std::string(vantor::HasSwitch(kOriginSwitch) ? "1" : "0") + "\n" + Origins();
  return vantor::WriteTextFile(argv[1], output, 0, false) ? 0 : 97;
}
