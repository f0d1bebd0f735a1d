#include <windows.h>

#include "base/file_names.h"
#include "base/program_paths.h"
#include "base/text.h"

namespace vantor {

namespace {

// The system folders are read into 256-byte buffers, up to the first zero byte.
std::string FolderFrom(UINT(WINAPI* query)(LPSTR, UINT), bool addBackslash) {
  char buffer[256] = {};
  query(buffer, sizeof buffer);
  return SetTrailingBackslash(buffer, addBackslash, IsLeadByte);
}

UINT WINAPI TempPathQuery(LPSTR buffer, UINT size) { return GetTempPathA(size, buffer); }

}  // namespace

std::string ProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ProgramFolder(bool addBackslash) {
  return SetTrailingBackslash(ExtractFilePath(ProgramPath()), addBackslash, IsLeadByte);
}

std::string WindowsFolder(bool addBackslash) { return FolderFrom(GetWindowsDirectoryA, addBackslash); }
std::string SystemFolder(bool addBackslash) { return FolderFrom(GetSystemDirectoryA, addBackslash); }
std::string TempFolder(bool addBackslash) { return FolderFrom(TempPathQuery, addBackslash); }

bool IsLeadByte(unsigned char ch) { return IsDBCSLeadByte(ch) != FALSE; }

bool IsWinNT() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace vantor
