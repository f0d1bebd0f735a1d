#include "paths/special_folders.h"

#include <windows.h>

#include "base/file_names.h"
#include "base/files.h"
#include "base/machine_identity_win.h"
#include "base/program_paths.h"
#include "base/registry_win.h"
#include "base/switches_win.h"
#include "base/text.h"
#include "paths/shell_folders_win.h"

namespace vantor {

namespace {

// Folder numbers of the shell (CSIDL_...); 0x8000 asks SHGetFolderPathA to
// create the folder when it is missing.
constexpr int kPrograms = 2;
constexpr int kStartMenu = 11;
constexpr int kDesktopDirectory = 16;
constexpr int kCommonStartMenu = 22;
constexpr int kCommonPrograms = 23;
constexpr int kCommonDesktopDirectory = 25;
constexpr int kPersonalCreate = 0x8005;
constexpr int kAppDataCreate = 0x801A;
constexpr int kLocalAppDataCreate = 0x801C;
constexpr int kCommonAppDataCreate = 0x8023;
constexpr int kCommonDocumentsCreate = 0x802E;

constexpr char kShellFoldersKey[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kCurrentVersionKey[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

bool Exists(const std::string& folder) { return !folder.empty() && DirectoryExists(folder); }

std::string Normalised(const std::string& path, bool withBackslash) {
  return SetTrailingBackslash(path, withBackslash, IsLeadByte);
}

// "C:\Users\ann" of "C:\Users\ann\Documents", also when that ends in "\".
std::string Parent(const std::string& path) { return Normalised(ExtractFilePath(Normalised(path, false)), false); }

template <typename Fallback>
std::string ExistingOr(const std::string& folder, Fallback fallback) {
  return Exists(folder) ? folder : fallback();
}

// A shell folder's ancestor levels up, each step taken only from an existing folder.
std::string ShellFolderAncestor(int number, int levels) {
  std::string folder = ShellFolderPath(number);
  for (int i = 0; i < levels && Exists(folder); ++i) folder = Parent(folder);
  return folder;
}

// The user's folder on systems without the shell's answer: the profile under
// "Profiles" of the Windows folder, or the Windows folder itself.
std::string ProfilesDir(bool withBackslash) {
  const std::string profile = WindowsFolder(true) + "Profiles\\" + GetRegisteredOwner();
  return Normalised(Exists(profile) ? profile : WindowsFolder(false), withBackslash);
}

std::string UnderAllUsers(const std::string& name) { return GetSpecialFolder(FolderKind::AllUsersDir, true) + name; }

std::string UnderUserOrAllUsers(const std::string& name) {
  const std::string user = GetSpecialFolder(FolderKind::UserDir, true) + name;
  return Exists(user) ? user : UnderAllUsers(name);
}

// C:\Windows\system of C:\Windows\system32.
std::string WinSys16Dir() {
  std::string folder = SystemFolder(false);
  const std::size_t at = LastPos("32", folder);
  if (at != 0) folder.erase(at - 1, 2);
  if (Exists(folder)) return folder;
  const std::string system = WindowsFolder(true) + "System";
  return Exists(system) ? system : SystemFolder(false);
}

// The file the user started: the launcher passes it to the programs it starts.
std::string OriginExe() {
  static const std::string origin = GetSwitchText("/OriginExe=");
  return origin.empty() ? ProgramPath() : origin;
}

std::string OriginDir() {
  const std::string folder = Parent(OriginExe());
  return folder.empty() ? ProgramFolder(false) : folder;
}

std::string FolderOf(FolderKind kind) {
  switch (kind) {
    case FolderKind::WinDir:
      return WindowsFolder(false);
    case FolderKind::WinSysDir:
      return SystemFolder(false);
    case FolderKind::WinSys16Dir:
      return WinSys16Dir();
    case FolderKind::TempDir:
      return TempFolder(false);
    case FolderKind::SrcDir:
      return ProgramFolder(false);
    case FolderKind::OriginExe:
      return OriginExe();
    case FolderKind::OriginDir:
      return OriginDir();
    case FolderKind::FontDir:
      return ExistingOr(RegReadString(kShellFoldersKey, "Fonts", ""), [] { return WindowsFolder(true) + "Fonts"; });
    case FolderKind::ProgramFilesDir:
      return RegReadString(kCurrentVersionKey, "ProgramFilesDir", "");
    case FolderKind::CommonFilesDir:
      return RegReadString(kCurrentVersionKey, "CommonFilesDir", "");
    case FolderKind::StartMenuDir:
      return RegReadString(kShellFoldersKey, "Start Menu", "");
    case FolderKind::DocumentsAndSettingsDir:
      return ExistingOr(ShellFolderAncestor(kPersonalCreate, 2), [] { return ProfilesDir(false); });
    case FolderKind::UserDir:
      return ExistingOr(ShellFolderAncestor(kPersonalCreate, 1), [] { return ProfilesDir(false); });
    case FolderKind::AllUsersDir:
      return ExistingOr(ShellFolderAncestor(kCommonAppDataCreate, 1), [] { return WindowsFolder(false); });
    case FolderKind::UserLocalAppDataDir:
      return ExistingOr(ShellFolderPath(kLocalAppDataCreate), [] { return ProfilesDir(true) + "Application Data"; });
    case FolderKind::UserAppDataDir:
      return ExistingOr(ShellFolderPath(kAppDataCreate), [] { return ProfilesDir(true) + "Application Data"; });
    case FolderKind::AllUsersAppDataDir:
      return ExistingOr(ShellFolderPath(kCommonAppDataCreate), [] { return WindowsFolder(true) + "Application Data"; });
    case FolderKind::MyDocumentsDir:
      return ExistingOr(ShellFolderPath(kPersonalCreate), [] { return ProfilesDir(true) + "My Documents"; });
    case FolderKind::AllUsersDocumentsDir:
      return ExistingOr(ShellFolderPath(kCommonDocumentsCreate), [] { return WindowsFolder(true) + "Documents"; });
    case FolderKind::UserStartMenuDir:
      return ExistingOr(ShellSpecialFolder(kStartMenu), [] { return UnderUserOrAllUsers("Start Menu"); });
    case FolderKind::AllUsersStartMenuDir:
      return ExistingOr(ShellSpecialFolder(kCommonStartMenu), [] { return UnderAllUsers("Start Menu"); });
    case FolderKind::UserStartProgramMenuDir:
      return ExistingOr(ShellSpecialFolder(kPrograms), [] { return UnderUserOrAllUsers("Start Menu\\Programs"); });
    case FolderKind::AllUsersStartProgramMenuDir:
      return ExistingOr(ShellSpecialFolder(kCommonPrograms), [] { return UnderAllUsers("Start Menu\\Programs"); });
    case FolderKind::UserDesktopDir:
      return ExistingOr(ShellSpecialFolder(kDesktopDirectory), [] { return UnderUserOrAllUsers("Desktop"); });
    case FolderKind::AllUsersDesktopDir:
      return ExistingOr(ShellSpecialFolder(kCommonDesktopDirectory), [] { return UnderAllUsers("Desktop"); });
  }
  return std::string();
}

}  // namespace

std::string GetSpecialFolder(FolderKind kind, bool withBackslash) {
  const std::string folder = FolderOf(kind);
  // Unknown stays empty: a lone "\" would name the root of the current drive.
  return folder.empty() ? folder : Normalised(folder, withBackslash);
}

}  // namespace vantor
