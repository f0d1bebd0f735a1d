// Macro expansion on the values of a Wine machine: folders, install folders,
// names from the registry and the system, the date, relative parts, and the
// origin folder of a process started with "/OriginExe=".
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/file_names.h"
#include "base/machine_identity_win.h"
#include "base/program_paths.h"
#include "paths/macros.h"
#include "tests/windows/support/machine_setup.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr char kWindowsNtKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::string Expand(const std::string& text, bool expandRelative = true) {
  return ExpandMacros(text, "\\", expandRelative, true);
}

struct Case {
  std::string text;
  std::string expected;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(Expand(c.text), c.expected) << c.text;
}

// The install folders are the process's; each test sets its own and clears them.
class InstallFolders {
 public:
  InstallFolders(const std::string& application, const std::string& common, const std::string& auxiliary) {
    SetInstallFolders(application, common, auxiliary);
  }
  ~InstallFolders() { SetInstallFolders("", "", ""); }
  InstallFolders(const InstallFolders&) = delete;
  InstallFolders& operator=(const InstallFolders&) = delete;
};

TEST(Macros, FolderMacros_JoinFileNamesWithOneBackslash) {
  const std::string windows = WindowsFolder(false);
  ASSERT_EQ(windows, "C:\\windows");
  ExpectAll({
      {"<WinDir>notepad.exe", "C:\\windows\\notepad.exe"},
      {"<WinDir>\\notepad.exe", "C:\\windows\\notepad.exe"},
      {"<WinDir>", "C:\\windows"},
      {"<WinDir> /s", "C:\\windows /s"},
      {"\"<WinDir>\"", "\"C:\\windows\""},
      {"\"<WinDir>\\notepad.exe\" /s", "\"C:\\windows\\notepad.exe\" /s"},
      {"<windir>\\NOTEPAD.EXE", "C:\\windows\\NOTEPAD.EXE"},
      {"<WinSysDir>\\kernel32.dll", "C:\\windows\\system32\\kernel32.dll"},
      {"<WinDrive>boot.ini <WinDisk>", "C:\\boot.ini C:"},
      {"<ProgramFilesDir>\\Vendor\\app.exe", "C:\\Program Files\\Vendor\\app.exe"},
      {"<UserAppDataDir>Vendor\\app.ini", EnvironmentValue("USERPROFILE") + "\\AppData\\Roaming\\Vendor\\app.ini"},
      {"<SrcDir>\\x.exe", ProgramFolder(true) + "x.exe"},
      {"<TempDir>", TempFolder(false)},
      {"<NoSuchMacro>\\x.exe", "<NoSuchMacro>\\x.exe"},
  });
}

TEST(Macros, InstallFolders_DroppedAfterLongFolderMacros) {
  {
    const InstallFolders folders("D:\\Apps\\Product", "D:\\Apps\\Shared", "D:\\Apps\\Aux");
    ExpectAll({
        {"<InstallDir>\\app.exe", "D:\\Apps\\Product\\app.exe"},
        {"<InstallCommonDir>lib.dll", "D:\\Apps\\Shared\\lib.dll"},
        {"<InstallAuxDir>\\aux.exe", "D:\\Apps\\Aux\\aux.exe"},
        {"<Windows Directory>\\<InstallDir>app.exe", "C:\\windows\\app.exe"},
        {"<WinDir>\\<InstallDir>app.exe", "C:\\windows\\D:\\Apps\\Product\\app.exe"},
        {"<Application Folder>\\bin\\app.exe", "D:\\Apps\\Product\\bin\\app.exe"},
        {"<InstallDrive>", "D:\\"},
        {"<InstallDisk>", "D:"},
    });
  }
  {
    const InstallFolders folders("E:\\Other", "", "");
    ExpectAll({
        {"<InstallDir>app.exe", "E:\\Other\\app.exe"},
        {"<InstallCommonDir>lib.dll", "\\lib.dll"},
    });
  }
}

TEST(Macros, Names_OfTheUserAndTheMachine) {
  const std::string user = EnvironmentValue("USERNAME");
  ASSERT_FALSE(user.empty());
  const std::string domain = GetUserDomain();
  EXPECT_FALSE(domain.empty());
  {
    const ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", "  Pat Owner ");
    const ScopedRegistryValue organization(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOrganization", "Acme Ltd\t");
    ExpectAll({
        {"<LoggedUserName>", user},
        {"<ComputerName>", EnvironmentValue("COMPUTERNAME")},
        {"<UserName>", "Pat Owner"},
        {"<username>/<CompanyName>", "Pat Owner/Acme Ltd"},
        {"<CurrentDomainName>\\<LoggedUserName>", domain + "\\" + user},
        {"<EnteredUserName><ProgramVersion>x", "x"},
        {"<LastExecutableExitCode>", "0"},
    });
  }
  {
    const ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", std::nullopt);
    const ScopedRegistryValue organization(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOrganization", std::nullopt);
    ExpectAll({
        {"<UserName>", user},
        {"[<CompanyName>]", "[]"},
    });
  }
}

std::string DateOfToday(const std::string& picture) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[100] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, &now, picture.c_str(), text, sizeof text);
  return text;
}

// The date may turn between reading it here and in the expansion.
void ExpectToday(const std::string& text, const std::string& picture) {
  const std::string before = DateOfToday(picture);
  const std::string expanded = Expand(text);
  const std::string after = DateOfToday(picture);
  EXPECT_TRUE(expanded == before || expanded == after) << text << " gave " << expanded << ", not " << before;
}

TEST(Macros, Date_InTheFormOfItsCode) {
  char separator[8] = {};
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator), 0);
  ExpectToday("<Date=6>", "yyyy-MM-dd");
  ExpectToday("log_<date=4>.txt", "'log_'dd-MM-yyyy'.txt'");
  ExpectToday("<Date=#>", std::string("dd") + separator[0] + "MMMM" + separator[0] + "yyyy");
  EXPECT_EQ(Expand("<Date=9>"), "<Date=9>");
  EXPECT_EQ(Expand("<Date=6"), "<Date=6");
}

TEST(Macros, RelativeParts_BecomeFullPaths) {
  const std::string parent = ExtractFilePath(ProgramFolder(false));
  ExpectAll({
      {"<SrcDir>\\..\\x.exe", parent + "x.exe"},
      {"|<SrcDir>\\..\\x.exe|<WinDir>\\y.exe|", "|" + parent + "x.exe|C:\\windows\\y.exe|"},
      {"C:\\a\\.\\b\\..\\c.exe", "C:\\a\\c.exe"},
  });
  EXPECT_EQ(Expand("<SrcDir>\\..\\x.exe", false), ProgramFolder(true) + "..\\x.exe");

  const ScratchFolder folder("relative");
  const std::string sub = folder / "sub";
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(sub.c_str()));
  EXPECT_EQ(Expand("..\\x.exe"), folder / "x.exe");
  EXPECT_EQ(Expand("x.exe"), "x.exe");
  SetCurrentDirectoryA(previous);
}

// The probe's output lines for the text and switches.
std::vector<std::string> RunProbe(const std::string& text, const std::string& switches) {
  const ScratchFolder folder("macro_probe");
  const std::string output = folder / "output.txt";
  const std::string probe = ProgramFolder(true) + "macro_probe.exe";
  const ProcessResult result = RunAndWait(Quote(probe) + " " + Quote(output) + " " + Quote(text) + " " + switches);
  EXPECT_TRUE(result.finished && result.exitCode == 0) << switches << " ended with " << result.exitCode;
  std::vector<std::string> lines;
  const std::string all = ReadWholeFile(output);
  for (std::size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(all.substr(start, end - start));
  }
  return lines;
}

TEST(Macros, OriginFolder_FromTheSwitchKeptForTheRun) {
  const std::string probe = ProgramFolder(true) + "macro_probe.exe";
  const std::string probeFolder = ProgramFolder(false);
  const struct {
    std::string switches;
    std::string text;
    std::string originExe, originDir, expanded;
  } cases[] = {
      {"", "<OriginDir> <OriginDrive>", probe, probeFolder, probeFolder + " " + probeFolder.substr(0, 3)},
      {"/OriginExe=\"E:\\Downloads\\setup.exe\"", "<OriginDir>\\x.exe|<OriginDrive>|<OriginDisk>",
       "E:\\Downloads\\setup.exe", "E:\\Downloads", "E:\\Downloads\\x.exe|E:\\|E:"},
      // From a drive's root, as from a CD: the drive macro keeps its backslash.
      {"/OriginExe=D:\\setup.exe", "<OriginDrive>setup.exe <OriginDir>", "D:\\setup.exe", "D:", "D:\\setup.exe D:"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> expected = {c.originExe, c.originDir, c.originDir + "\\", c.expanded,
                                               "0",         c.originExe, c.originDir,        c.originDir + "\\"};
    EXPECT_EQ(RunProbe(c.text, c.switches), expected) << c.switches;
  }
}

}  // namespace
}  // namespace vantor::testing
