#include <windows.h>

#include "base/file_names.h"
#include "base/files.h"
#include "base/program_paths.h"
#include "base/text.h"

namespace vantor {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceDirectories(const std::string& folder) {
  const std::string path = SetTrailingBackslash(folder, false, IsLeadByte);
  if (path.empty()) return false;
  if (DirectoryExists(path)) return true;
  const std::string parent = SetTrailingBackslash(ExtractFilePath(path), false, IsLeadByte);
  // A drive ("C:") is its own parent: nothing above it can be created.
  if (!parent.empty() && parent != path && !DirectoryExists(parent) && !ForceDirectories(parent)) return false;
  CreateDirectoryA(path.c_str(), nullptr);
  return DirectoryExists(path);
}

}  // namespace vantor
