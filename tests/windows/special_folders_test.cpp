// Where each kind of folder lies under Wine: the system's folders, registry
// values, the shell's folders, and the fallbacks of older systems when the
// shell has no answer, with registry values and folders set up by each test.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/machine_identity_win.h"
#include "base/program_paths.h"
#include "paths/shell_folders_win.h"
#include "paths/special_folders.h"
#include "tests/windows/support/machine_setup.h"

namespace vantor::testing {
namespace {

constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kUserShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr char kCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kWindowsNtKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kMissingLibrary[] = "vantor_no_such_library.dll";

std::string Folder(FolderKind kind) { return GetSpecialFolder(kind, false); }

// C:\users\<name> under Wine.
std::string UserProfile() { return EnvironmentValue("USERPROFILE"); }

struct Expected {
  FolderKind kind;
  std::string folder;
};

void ExpectFolders(const std::vector<Expected>& expected, const char* situation) {
  for (const Expected& e : expected) {
    EXPECT_EQ(Folder(e.kind), e.folder) << situation << ", kind " << static_cast<int>(e.kind);
  }
}

// The shell lookups go to other libraries until the object goes.
class ShellLibraries {
 public:
  ShellLibraries(const std::string& specialFolderLibrary, const std::string& folderPathLibrary) {
    SetShellFolderLibraries(specialFolderLibrary, folderPathLibrary);
  }
  ~ShellLibraries() { SetShellFolderLibraries("", ""); }
  ShellLibraries(const ShellLibraries&) = delete;
  ShellLibraries& operator=(const ShellLibraries&) = delete;
};

TEST(SpecialFolders, SystemKinds_AsTheSystemReportsThem) {
  const Expected cases[] = {
      {FolderKind::WinDir, "C:\\windows"},
      {FolderKind::WinSysDir, "C:\\windows\\system32"},
      {FolderKind::TempDir, EnvironmentValue("TEMP")},
      {FolderKind::SrcDir, ProgramFolder(false)},
      // Started without "/OriginExe=": the program itself.
      {FolderKind::OriginExe, ProgramPath()},
      {FolderKind::OriginDir, ProgramFolder(false)},
  };
  for (const Expected& c : cases) {
    EXPECT_EQ(Folder(c.kind), c.folder) << static_cast<int>(c.kind);
    EXPECT_FALSE(c.folder.empty());
  }
  EXPECT_EQ(ProgramPath(), ProgramFolder(true) + "wine_tests.exe");
}

TEST(SpecialFolders, EveryKind_WithBackslashEndsInExactlyOne) {
  for (int k = static_cast<int>(FolderKind::WinDir); k <= static_cast<int>(FolderKind::AllUsersDesktopDir); ++k) {
    const FolderKind kind = static_cast<FolderKind>(k);
    const std::string without = GetSpecialFolder(kind, false);
    ASSERT_GE(without.size(), 2u) << k;
    EXPECT_NE(without.back(), '\\') << k << ": " << without;
    EXPECT_EQ(GetSpecialFolder(kind, true), without + "\\") << k;
  }
  // Wine's common application data is C:\ProgramData, so all users share the root.
  EXPECT_EQ(GetSpecialFolder(FolderKind::AllUsersDir, false), "C:");
  EXPECT_EQ(GetSpecialFolder(FolderKind::AllUsersDir, true), "C:\\");
}

TEST(SpecialFolders, WinSys16Dir_TheSystemFolderWithout32WhenThatExists) {
  const std::string system = WindowsFolder(true) + "system";
  ASSERT_EQ(SystemFolder(false), system + "32");
  ASSERT_EQ(GetFileAttributesA(system.c_str()), INVALID_FILE_ATTRIBUTES) << "Wine has no 16-bit system folder";
  EXPECT_EQ(Folder(FolderKind::WinSys16Dir), SystemFolder(false));
  {
    const MadeFolder made(system);
    EXPECT_EQ(Folder(FolderKind::WinSys16Dir), system);
    EXPECT_EQ(GetSpecialFolder(FolderKind::WinSys16Dir, true), system + "\\");
  }
  EXPECT_EQ(Folder(FolderKind::WinSys16Dir), SystemFolder(false));
}

TEST(SpecialFolders, RegistryKinds_ReadOnEveryCall) {
  const MadeFolder fonts("C:\\VantorFonts");
  const std::string windowsFonts = WindowsFolder(true) + "Fonts";
  const struct Case {
    FolderKind kind;
    HKEY root;
    const char* key;
    const char* name;
    std::optional<std::string> value;
    std::string expected;
  } cases[] = {
      {FolderKind::FontDir, HKEY_CURRENT_USER, kShellFoldersKey, "Fonts", "C:\\VantorFonts", "C:\\VantorFonts"},
      {FolderKind::FontDir, HKEY_CURRENT_USER, kShellFoldersKey, "Fonts", "C:\\VantorFonts\\", "C:\\VantorFonts"},
      // Only the fonts folder is checked on disk.
      {FolderKind::FontDir, HKEY_CURRENT_USER, kShellFoldersKey, "Fonts", "C:\\NoSuchFonts", windowsFonts},
      {FolderKind::FontDir, HKEY_CURRENT_USER, kShellFoldersKey, "Fonts", std::nullopt, windowsFonts},
      {FolderKind::ProgramFilesDir, HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", "X:\\Programs",
       "X:\\Programs"},
      {FolderKind::ProgramFilesDir, HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", std::nullopt, ""},
      {FolderKind::CommonFilesDir, HKEY_LOCAL_MACHINE, kCurrentVersionKey, "CommonFilesDir", "X:\\Common\\",
       "X:\\Common"},
      {FolderKind::CommonFilesDir, HKEY_LOCAL_MACHINE, kCurrentVersionKey, "CommonFilesDir", std::nullopt, ""},
      {FolderKind::StartMenuDir, HKEY_CURRENT_USER, kShellFoldersKey, "Start Menu", "X:\\Start Menu", "X:\\Start Menu"},
      {FolderKind::StartMenuDir, HKEY_CURRENT_USER, kShellFoldersKey, "Start Menu", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    const ScopedRegistryValue value(c.root, c.key, c.name, c.value);
    EXPECT_EQ(Folder(c.kind), c.expected) << c.name << " = " << c.value.value_or("(none)");
    // Unknown stays unknown: no lone backslash naming the current drive's root.
    EXPECT_EQ(GetSpecialFolder(c.kind, true), c.expected.empty() ? "" : c.expected + "\\") << c.name;
  }
  // As Wine's prefix has them.
  EXPECT_EQ(Folder(FolderKind::ProgramFilesDir), "C:\\Program Files");
  EXPECT_EQ(Folder(FolderKind::CommonFilesDir), "C:\\Program Files\\Common Files");
  EXPECT_EQ(Folder(FolderKind::FontDir), windowsFonts);
}

TEST(SpecialFolders, ShellKinds_TheShellsFoldersOfTheUserAndAllUsers) {
  const std::string profile = UserProfile();
  ASSERT_EQ(profile, "C:\\users\\" + GetUserNameText());
  const std::string roamingStart = profile + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu";
  const std::string commonStart = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu";
  ExpectFolders(
      {
          {FolderKind::DocumentsAndSettingsDir, "C:\\users"},
          {FolderKind::UserDir, profile},
          {FolderKind::AllUsersDir, "C:"},
          {FolderKind::UserLocalAppDataDir, profile + "\\AppData\\Local"},
          {FolderKind::UserAppDataDir, profile + "\\AppData\\Roaming"},
          {FolderKind::AllUsersAppDataDir, "C:\\ProgramData"},
          {FolderKind::MyDocumentsDir, profile + "\\Documents"},
          {FolderKind::AllUsersDocumentsDir, "C:\\users\\Public\\Documents"},
          {FolderKind::UserStartMenuDir, roamingStart},
          {FolderKind::AllUsersStartMenuDir, commonStart},
          {FolderKind::UserStartProgramMenuDir, roamingStart + "\\Programs"},
          {FolderKind::AllUsersStartProgramMenuDir, commonStart + "\\Programs"},
          {FolderKind::UserDesktopDir, profile + "\\Desktop"},
          {FolderKind::AllUsersDesktopDir, "C:\\users\\Public\\Desktop"},
      },
      "the shell answers");
}

TEST(SpecialFolders, DocumentsFolder_ItsParentIsTheUserAndItsGrandparentDocumentsAndSettings) {
  const std::string documents = "C:\\Documents and Settings\\ann\\My Documents";
  const ScopedRegistryValue shellValue(HKEY_CURRENT_USER, kShellFoldersKey, "Personal", std::nullopt);
  const ScopedRegistryValue userValue(HKEY_CURRENT_USER, kUserShellFoldersKey, "Personal", documents);
  const MadeFolder made(documents);
  ExpectFolders(
      {
          {FolderKind::MyDocumentsDir, documents},
          {FolderKind::UserDir, "C:\\Documents and Settings\\ann"},
          {FolderKind::DocumentsAndSettingsDir, "C:\\Documents and Settings"},
      },
      "documents in Documents and Settings");
}

// The shell's folder for the start menu moved to a folder that is not there:
// the user's own "Start Menu", else the one of all users.
TEST(SpecialFolders, ShellFolderThatDoesNotExist_UserFolderThenAllUsers) {
  const ScopedRegistryValue startMenu(HKEY_CURRENT_USER, kUserShellFoldersKey, "Start Menu",
                                      "C:\\NoSuchFolder\\Start Menu");
  const ScopedRegistryValue programs(HKEY_CURRENT_USER, kUserShellFoldersKey, "Programs",
                                     "C:\\NoSuchFolder\\Start Menu\\Programs");
  ExpectFolders(
      {
          {FolderKind::UserStartMenuDir, "C:\\Start Menu"},
          {FolderKind::UserStartProgramMenuDir, "C:\\Start Menu\\Programs"},
      },
      "no user start menu");
  const MadeFolder userPrograms(UserProfile() + "\\Start Menu\\Programs");
  ExpectFolders(
      {
          {FolderKind::UserStartMenuDir, UserProfile() + "\\Start Menu"},
          {FolderKind::UserStartProgramMenuDir, UserProfile() + "\\Start Menu\\Programs"},
      },
      "a user start menu");
  EXPECT_EQ(GetFileAttributesA("C:\\NoSuchFolder"), INVALID_FILE_ATTRIBUTES) << "asking created the folder";
}

std::vector<Expected> AllUsersWithoutShell(const std::string& windows) {
  return {
      {FolderKind::AllUsersDir, windows},
      {FolderKind::AllUsersAppDataDir, windows + "\\Application Data"},
      {FolderKind::AllUsersDocumentsDir, windows + "\\Documents"},
      {FolderKind::AllUsersStartMenuDir, windows + "\\Start Menu"},
      {FolderKind::AllUsersStartProgramMenuDir, windows + "\\Start Menu\\Programs"},
      {FolderKind::AllUsersDesktopDir, windows + "\\Desktop"},
  };
}

TEST(SpecialFolders, WithoutShellLibraries_TheWindowsFolderAndNamesOfOlderSystems) {
  const ShellLibraries missing(kMissingLibrary, kMissingLibrary);
  const ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", "Pat Owner");
  const std::string windows = WindowsFolder(false);
  ExpectFolders(
      {
          {FolderKind::DocumentsAndSettingsDir, windows},
          {FolderKind::UserDir, windows},
          {FolderKind::UserLocalAppDataDir, windows + "\\Application Data"},
          {FolderKind::UserAppDataDir, windows + "\\Application Data"},
          {FolderKind::MyDocumentsDir, windows + "\\My Documents"},
          {FolderKind::UserStartMenuDir, windows + "\\Start Menu"},
          {FolderKind::UserStartProgramMenuDir, windows + "\\Start Menu\\Programs"},
          {FolderKind::UserDesktopDir, windows + "\\Desktop"},
      },
      "no profile folder");
  ExpectFolders(AllUsersWithoutShell(windows), "no profile folder");
}

TEST(SpecialFolders, WithoutShellLibraries_TheOwnersProfileUnderProfiles) {
  const ShellLibraries missing(kMissingLibrary, kMissingLibrary);
  const ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", " Pat Owner ");
  const std::string windows = WindowsFolder(false);
  const MadeFolder profile(windows + "\\Profiles\\Pat Owner");
  const std::string p = profile.path();
  ExpectFolders(
      {
          {FolderKind::DocumentsAndSettingsDir, p},
          {FolderKind::UserDir, p},
          {FolderKind::UserLocalAppDataDir, p + "\\Application Data"},
          {FolderKind::UserAppDataDir, p + "\\Application Data"},
          {FolderKind::MyDocumentsDir, p + "\\My Documents"},
          // No start menu or desktop in the profile: those of all users.
          {FolderKind::UserStartMenuDir, windows + "\\Start Menu"},
          {FolderKind::UserStartProgramMenuDir, windows + "\\Start Menu\\Programs"},
          {FolderKind::UserDesktopDir, windows + "\\Desktop"},
      },
      "an empty profile folder");
  ExpectFolders(AllUsersWithoutShell(windows), "an empty profile folder");

  const MadeFolder programs(p + "\\Start Menu\\Programs");
  const MadeFolder desktop(p + "\\Desktop");
  ExpectFolders(
      {
          {FolderKind::UserStartMenuDir, p + "\\Start Menu"},
          {FolderKind::UserStartProgramMenuDir, p + "\\Start Menu\\Programs"},
          {FolderKind::UserDesktopDir, p + "\\Desktop"},
      },
      "a full profile folder");
  ExpectFolders(AllUsersWithoutShell(windows), "a full profile folder");
}

TEST(SpecialFolders, WithoutShellLibraries_TheLoggedUsersProfileWithoutRegisteredOwner) {
  const ShellLibraries missing(kMissingLibrary, kMissingLibrary);
  const ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", std::nullopt);
  const MadeFolder profile(WindowsFolder(true) + "Profiles\\" + GetUserNameText());
  EXPECT_EQ(Folder(FolderKind::UserAppDataDir), profile.path() + "\\Application Data");
}

// One library missing: the other still answers.
TEST(SpecialFolders, WithoutSHFolder_ApplicationDataUnderTheProfilesFolder) {
  const ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", "Pat Owner");
  const std::string windows = WindowsFolder(false);
  const std::string roamingStart = UserProfile() + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu";
  {
    const ShellLibraries missing("", kMissingLibrary);
    ExpectFolders(
        {
            {FolderKind::UserAppDataDir, windows + "\\Application Data"},
            {FolderKind::UserStartMenuDir, roamingStart},
        },
        "without SHFolder.dll, no profile folder");
    const MadeFolder profile(windows + "\\Profiles\\Pat Owner");
    EXPECT_EQ(Folder(FolderKind::UserAppDataDir), profile.path() + "\\Application Data");
  }
  {
    // shell32.dll missing: the start menu under the user's folder, which
    // SHFolder.dll still reports, or else under all users' (C:\ on Wine).
    const ShellLibraries missing(kMissingLibrary, "");
    ExpectFolders(
        {
            {FolderKind::UserAppDataDir, UserProfile() + "\\AppData\\Roaming"},
            {FolderKind::UserStartMenuDir, "C:\\Start Menu"},
            {FolderKind::AllUsersDesktopDir, "C:\\Desktop"},
        },
        "without shell32.dll");
  }
}

TEST(SpecialFolders, LibraryWithoutTheFunction_CountsAsNoAnswer) {
  const ShellLibraries withoutFunctions("kernel32.dll", "kernel32.dll");
  EXPECT_EQ(ShellSpecialFolder(16), "");
  EXPECT_EQ(ShellFolderPath(0x801A), "");
  EXPECT_EQ(Folder(FolderKind::AllUsersDesktopDir), WindowsFolder(true) + "Desktop");
  EXPECT_EQ(Folder(FolderKind::UserAppDataDir), WindowsFolder(true) + "Application Data");
}

}  // namespace
}  // namespace vantor::testing
