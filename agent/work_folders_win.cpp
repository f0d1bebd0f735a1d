#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "agent/work_folder_names.h"
#include "agent/work_folders.h"
#include "base/files.h"
#include "base/program_paths.h"
#include "base/text.h"

namespace vantor {

namespace {

struct WorkFolders {
  std::string setup;  // empty until this process asks for it
  std::optional<std::string> fallbackRoot;
  std::string fallback;
};

WorkFolders& State() {
  static WorkFolders folders;
  return folders;
}

// The last-write date in local time, packed as DOS date-time; an unreadable
// date counts as -1, the system's "no date".
uint32_t FileDosDateTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  WORD date = 0, time = 0;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToDosDateTime(&local, &date, &time)) {
    return 0xFFFFFFFFu;
  }
  return (static_cast<uint32_t>(date) << 16) | time;
}

bool PathTaken(const std::string& path) { return FileExists(path) || DirectoryExists(path); }

// prefix + a number in 10000..100000 that nothing has yet, so that removing
// the folder later can only remove what this process made. After 100 taken
// numbers (a full or odd disk) the last one is used.
std::string UnusedNumberedPath(const std::string& prefix) {
  std::string path;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = prefix + RandomNumberText(10000, 100000);
    if (!PathTaken(path)) break;
  }
  return path;
}

// Writes a probe file on the drive: its free space when the file could be
// written (-1 when unknown), else 0. Leaves nothing behind.
double ProbeDriveSpace(char letter) {
  const std::string temp = DriveTempFolder(letter);
  const std::string probe = DirectoryExists(temp) ? UnusedNumberedPath(temp + "\\TEMP") : temp;
  ForceDirectories(probe);
  const std::string file = probe + "\\~aa.tmp";
  WriteTextFile(file, "aa", 0, false);
  const double freeBytes = FileExists(file) ? DiskFreeSpace(probe) : 0;
  DeleteTree(probe, false);
  return freeBytes;
}

std::string ComputeFallbackTempRoot() {
  std::vector<DriveSpace> drives;
  for (const char letter : {'C', 'D', 'E'}) {
    const std::string root = std::string(1, letter) + ":\\";
    if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED) drives.push_back(DriveSpace{letter, ProbeDriveSpace(letter)});
  }
  const char best = FallbackDrive(TempFolder(true), drives);
  if (best == '\0') return {};
  return FallbackTempRootOn(best, DirectoryExists(DriveTempFolder(best)));
}

}  // namespace

std::string SetupWorkFolder() {
  WorkFolders& state = State();
  if (state.setup.empty()) {
    const std::string folder = SetupWorkFolderName(TempFolder(true), FileDosDateTime(ProgramPath()));
    if (DirectoryExists(folder)) DeleteTree(folder, true);
    ForceDirectories(folder);
    state.setup = folder;
  }
  return state.setup;
}

void RemoveSetupWorkFolder() {
  const WorkFolders& state = State();
  if (!state.setup.empty()) DeleteTree(state.setup, false);
}

bool FindFallbackTempRoot() {
  WorkFolders& state = State();
  if (!state.fallbackRoot) state.fallbackRoot = ComputeFallbackTempRoot();
  return !state.fallbackRoot->empty();
}

std::string FallbackWorkFolder() {
  WorkFolders& state = State();
  if (!state.fallbackRoot || state.fallbackRoot->empty()) return {};
  if (state.fallback.empty()) {
    state.fallback = UnusedNumberedPath(*state.fallbackRoot + "_");
    ForceDirectories(state.fallback);
  }
  return state.fallback;
}

void RemoveFallbackWorkFolder() {
  const WorkFolders& state = State();
  if (!state.fallback.empty()) DeleteTree(state.fallback, false);
}

}  // namespace vantor
