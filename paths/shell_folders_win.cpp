#include "paths/shell_folders_win.h"

#include <windows.h>

#include <cstring>

#include "base/system_helpers.h"

namespace vantor {

namespace {

constexpr char kSpecialFolderLibrary[] = "shell32.dll";
constexpr char kFolderPathLibrary[] = "SHFolder.dll";
// Larger than any path the ANSI functions write, zero-filled before each call.
constexpr std::size_t kFolderBufferSize = 1025;

std::string specialFolderLibraryInUse = kSpecialFolderLibrary;
std::string folderPathLibraryInUse = kFolderPathLibrary;

using SpecialFolderFunction = BOOL(WINAPI*)(HWND owner, LPSTR path, int folder, BOOL create);
using FolderPathFunction = HRESULT(WINAPI*)(HWND owner, int folder, HANDLE token, DWORD flags, LPSTR path);

std::string TextOf(const char* buffer) { return std::string(buffer, strnlen(buffer, kFolderBufferSize)); }

}  // namespace

std::string ShellSpecialFolder(int number) {
  const FARPROC proc = GetLibraryProc(specialFolderLibraryInUse.c_str(), "SHGetSpecialFolderPathA");
  if (proc == nullptr) return std::string();
  char buffer[kFolderBufferSize] = {};
  if (!ProcAs<SpecialFolderFunction>(proc)(nullptr, buffer, number, FALSE)) return std::string();
  return TextOf(buffer);
}

std::string ShellFolderPath(int number) {
  const FARPROC proc = GetLibraryProc(folderPathLibraryInUse.c_str(), "SHGetFolderPathA");
  if (proc == nullptr) return std::string();
  char buffer[kFolderBufferSize] = {};
  if (ProcAs<FolderPathFunction>(proc)(nullptr, number, nullptr, 0, buffer) != S_OK) return std::string();
  return TextOf(buffer);
}

void SetShellFolderLibraries(const std::string& specialFolderLibrary, const std::string& folderPathLibrary) {
  specialFolderLibraryInUse = specialFolderLibrary.empty() ? kSpecialFolderLibrary : specialFolderLibrary;
  folderPathLibraryInUse = folderPathLibrary.empty() ? kFolderPathLibrary : folderPathLibrary;
}

}  // namespace vantor
