#include "base/folder_entries_win.h"

#include "base/handles.h"
#include "base/program_paths.h"
#include "base/text.h"

namespace vantor {

std::vector<FolderEntry> FolderEntries(const std::string& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA(pattern.c_str(), &data));
  if (!find) return entries;
  do {
    const std::string_view name = data.cFileName;
    if (name != "." && name != "..") entries.push_back({std::string(name), data.dwFileAttributes});
  } while (FindNextFileA(find.get(), &data));
  return entries;
}

bool WalkSees(const FolderEntry& entry, DWORD attributeSet) {
  constexpr DWORD kVolumeLabel = 0x8;
  constexpr DWORD kFilteredBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel | FILE_ATTRIBUTE_DIRECTORY;
  return (entry.attributes & kFilteredBits & ~attributeSet) == 0;
}

bool IsFolder(const FolderEntry& entry) { return (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

bool IsLink(const FolderEntry& entry) { return (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

bool IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::string ChildPath(std::string_view folder, std::string_view name) {
  return SetTrailingBackslash(folder, true, IsLeadByte) + std::string(name);
}

}  // namespace vantor
