// A process for the work-folder tests, whose folder names are computed once
// per process. It writes what it found to OUTPUT, one item a line.
//
//   work_folder_probe.exe OUTPUT setup     SetupWorkFolder twice, then leaves it
//   work_folder_probe.exe OUTPUT setup-end SetupWorkFolder, then RemoveSetupWorkFolder
//   work_folder_probe.exe OUTPUT end       RemoveSetupWorkFolder alone
//   work_folder_probe.exe OUTPUT fallback  FindFallbackTempRoot, FallbackWorkFolder
//                                          and RemoveFallbackWorkFolder
#include <string>

#include "agent/work_folders.h"
#include "base/files.h"

int main(int argc, char** argv) {
  if (argc < 3) return 99;
  const std::string mode = argv[2];
  std::string output;
  if (mode == "setup" || mode == "setup-end") {
    const std::string folder = vantor::SetupWorkFolder();
    output = folder + "\n" + vantor::SetupWorkFolder() + "\n" + (vantor::DirectoryExists(folder) ? "made" : "missing");
    if (mode == "setup-end") vantor::RemoveSetupWorkFolder();
  } else if (mode == "end") {
    vantor::RemoveSetupWorkFolder();
    output = "ended";
  } else if (mode == "fallback") {
    output = std::string(vantor::FindFallbackTempRoot() ? "root" : "no root") + "\n" + vantor::FallbackWorkFolder();
    vantor::RemoveFallbackWorkFolder();
  } else {
    return 98;
  }
  return vantor::WriteTextFile(argv[1], output + "\n", 0, false) ? 0 : 97;
}
