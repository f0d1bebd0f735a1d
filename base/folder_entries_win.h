// What the file utilities' folder walks share: the entries a search lists,
// which of them a walk sees, and child paths.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct FolderEntry {
  std::string name;
  DWORD attributes = 0;
};

// The entries matching the pattern ("C:\a\*.*") in the order the system lists
// them, without "." and "..". Listing first lets a walk change the folder, and
// holds no search open while it descends.
std::vector<FolderEntry> FolderEntries(const std::string& pattern);

// A walk sees an entry unless it carries a hidden, system, volume or folder
// bit outside the walk's set.
bool WalkSees(const FolderEntry& entry, DWORD attributeSet);
bool IsFolder(const FolderEntry& entry);
// A junction or symbolic link: its target may lie outside the tree.
bool IsLink(const FolderEntry& entry);
bool IsLink(const std::string& path);

// folder + "\" + name, without doubling a trailing backslash ("C:\" + "a" gives "C:\a").
std::string ChildPath(std::string_view folder, std::string_view name);

// Keeps the system from asking for a disk while drives are searched: a drive
// without a medium then simply fails.
class NoDiskPrompts {
 public:
  NoDiskPrompts() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~NoDiskPrompts() { SetErrorMode(previous_); }
  NoDiskPrompts(const NoDiskPrompts&) = delete;
  NoDiskPrompts& operator=(const NoDiskPrompts&) = delete;

 private:
  UINT previous_;
};

}  // namespace vantor
