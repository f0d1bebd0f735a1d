#include <windows.h>

#include "base/file_names.h"
#include "base/file_rules.h"
#include "base/files.h"
#include "base/folder_entries_win.h"
#include "base/program_paths.h"

namespace vantor {

namespace {

constexpr DWORD kDeleteFilesSees =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
// Normal folders only: a hidden or system subfolder keeps its tree.
constexpr DWORD kDeleteTreeSees = FILE_ATTRIBUTE_DIRECTORY;

}  // namespace

bool DeleteFiles(const std::string& pattern, bool clearAttributes) {
  const std::string folder = ExtractFilePath(pattern);
  bool matched = false;
  for (const FolderEntry& entry : FolderEntries(pattern)) {
    if (!WalkSees(entry, kDeleteFilesSees)) continue;
    matched = true;
    const std::string path = folder + entry.name;
    if (clearAttributes) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
  return matched;
}

bool DeleteTree(const std::string& folder, bool clearAttributes) {
  if (folder.empty()) return false;
  const bool existed = DirectoryExists(folder);
  // A link is removed as a link: what it points to lies outside the tree.
  if (!IsLink(folder)) {
    DeleteFiles(ChildPath(folder, "*.*"), clearAttributes);
    for (const FolderEntry& entry : FolderEntries(ChildPath(folder, "*.*"))) {
      if (!IsFolder(entry) || !WalkSees(entry, kDeleteTreeSees)) continue;
      const std::string subfolder = ChildPath(folder, entry.name);
      if (IsLink(entry)) {
        RemoveDirectoryA(subfolder.c_str());
      } else {
        DeleteTree(subfolder, clearAttributes);
      }
    }
  }
  RemoveDirectoryA(folder.c_str());
  return existed && !DirectoryExists(folder);
}

void DeleteMySelf(bool removeFolder) {
  const std::string temp = TempFolder(true);
  const std::string scriptPath = temp + kSelfDeleteScriptName;
  std::string script = SelfDeleteScript(ProgramPath(), ProgramFolder(false), scriptPath, removeFolder);
  // cmd reads a batch file in the OEM code page: "é" of an ANSI path would
  // name another file there.
  CharToOemBuffA(script.data(), script.data(), static_cast<DWORD>(script.size()));
  // The program's folder must not stay busy as this process's current folder.
  SetCurrentDirectoryA(temp.c_str());
  if (!WriteTextFile(scriptPath, script, 0, false)) return;
  // Quoted: an unquoted path with blanks ("Documents and Settings") is cut at
  // the first blank by cmd.
  WinExec(("\"" + scriptPath + "\"").c_str(), SW_HIDE);
}

}  // namespace vantor
