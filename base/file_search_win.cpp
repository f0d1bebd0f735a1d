#include <windows.h>

#include "base/files.h"
#include "base/folder_entries_win.h"
#include "base/text.h"

namespace vantor {

namespace {

// Normal and system entries, folders included; hidden ones stay unseen.
constexpr DWORD kSearchSees = FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

using TreeSearch = std::string (*)(const std::string& folder, const std::string& name);

// Depth first in the order the system lists the entries. Links are not
// entered: they may lead out of the tree or back into it.
std::string SearchSubfolders(const std::string& folder, const std::string& name, TreeSearch search) {
  for (const FolderEntry& entry : FolderEntries(ChildPath(folder, "*.*"))) {
    if (!IsFolder(entry) || IsLink(entry) || !WalkSees(entry, kSearchSees)) continue;
    std::string found = search(ChildPath(folder, entry.name), name);
    if (!found.empty()) return found;
  }
  return {};
}

std::string DriveRoot(char letter) { return std::string(1, letter) + ":\\"; }

std::string SearchDrives(char first, const std::string& name, unsigned driveType, TreeSearch search) {
  NoDiskPrompts quiet;
  for (char letter = first; letter <= 'Z'; ++letter) {
    const std::string root = DriveRoot(letter);
    if (GetDriveTypeA(root.c_str()) != driveType) continue;
    std::string found = search(root, name);
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace

std::string FindFileInTree(const std::string& folder, const std::string& name) {
  std::string path = ChildPath(folder, name);
  if (FileExists(path)) return path;
  return SearchSubfolders(folder, name, FindFileInTree);
}

std::string FindFileOnDrives(const std::string& name, unsigned driveType) {
  return SearchDrives('C', name, driveType, FindFileInTree);
}

std::string FindFolderInTree(const std::string& folder, const std::string& name) {
  if (EndsWith("\\" + name, folder, true)) return folder;
  return SearchSubfolders(folder, name, FindFolderInTree);
}

std::string FindFolderOnDrives(const std::string& name, unsigned driveType) {
  const char drive = name.empty() ? '\0' : UpperAscii(name[0]);
  const bool fullPath = drive >= 'A' && drive <= 'Z' && StartsWith(":\\", std::string_view(name).substr(1), false);
  if (fullPath) {
    NoDiskPrompts quiet;
    const bool found = GetDriveTypeA(DriveRoot(drive).c_str()) == driveType && DirectoryExists(name);
    return found ? name : std::string();
  }
  // Folders are looked for from D: on: the system drive is left out.
  return SearchDrives('D', name, driveType, FindFolderInTree);
}

}  // namespace vantor
