// The whole sequence of macro passes over values of a made-up machine.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "paths/macro_expansion.h"

namespace vantor {
namespace {

// A machine whose values are all known, recording what the passes ask for.
struct Machine {
  std::map<FolderKind, std::string> folders = {
      {FolderKind::WinDir, "C:\\Windows"},
      {FolderKind::WinSysDir, "C:\\Windows\\system32"},
      {FolderKind::WinSys16Dir, "C:\\Windows\\system"},
      {FolderKind::TempDir, "C:\\Temp"},
      {FolderKind::SrcDir, "C:\\Program Files\\Vendor\\Agent"},
      {FolderKind::OriginDir, "E:\\Downloads"},
      {FolderKind::FontDir, "C:\\Windows\\Fonts"},
      {FolderKind::ProgramFilesDir, "C:\\Program Files"},
      {FolderKind::CommonFilesDir, "C:\\Program Files\\Common Files"},
      {FolderKind::StartMenuDir, "C:\\Start"},
      {FolderKind::DocumentsAndSettingsDir, "C:\\Documents and Settings"},
      {FolderKind::UserDir, "C:\\Documents and Settings\\ann"},
      {FolderKind::AllUsersDir, "C:\\Documents and Settings\\All Users"},
      {FolderKind::UserAppDataDir, "C:\\ann\\AppData"},
      {FolderKind::UserLocalAppDataDir, "C:\\ann\\Local"},
      {FolderKind::MyDocumentsDir, "C:\\ann\\Docs"},
      {FolderKind::UserStartMenuDir, "C:\\ann\\Start"},
      {FolderKind::UserStartProgramMenuDir, "C:\\ann\\Programs"},
      {FolderKind::UserDesktopDir, "C:\\ann\\Desktop"},
      {FolderKind::AllUsersAppDataDir, "C:\\all\\AppData"},
      {FolderKind::AllUsersDocumentsDir, "C:\\all\\Docs"},
      {FolderKind::AllUsersStartMenuDir, "C:\\all\\Start"},
      {FolderKind::AllUsersStartProgramMenuDir, "C:\\all\\Programs"},
      {FolderKind::AllUsersDesktopDir, "C:\\all\\Desktop"},
  };
  std::map<MachineName, std::string> names = {
      {MachineName::LoggedUserName, "ann"},       {MachineName::UserName, "Ann Owner"},
      {MachineName::CompanyName, "Acme Ltd"},     {MachineName::ComputerName, "PC7"},
      {MachineName::CurrentDomainName, "OFFICE"},
  };
  std::vector<FolderKind> foldersAsked;
  std::vector<MachineName> namesAsked;
  std::vector<std::string> fullPathsAsked;

  MacroValues Values() {
    MacroValues values;
    values.applicationFolder = "D:\\Apps\\Product";
    values.commonFolder = "D:\\Apps\\Shared";
    values.auxiliaryFolder = "D:\\Apps\\Aux";
    values.date = DateValues{{2024, 3, 5, 14, 7, 9}, "March", '/', ':'};
    values.name = [this](MachineName name) {
      namesAsked.push_back(name);
      return names.at(name);
    };
    values.folder = [this](FolderKind kind) {
      foldersAsked.push_back(kind);
      return folders.at(kind);
    };
    values.fullPath = [this](const std::string& path) {
      fullPathsAsked.push_back(path);
      return "full(" + path + ")";
    };
    return values;
  }
  std::string Expand(const std::string& text, bool expandRelative = false, bool expandFolders = true) {
    return ExpandMacroText(text, "\\", expandRelative, expandFolders, Values());
  }
};

struct Case {
  const char* text;
  const char* expected;
};

void ExpectAll(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    Machine machine;
    EXPECT_EQ(machine.Expand(c->text), c->expected) << c->text;
  }
}

TEST(ExpandMacroText, FolderMacrosJoinFileNamesWithOneBackslash) {
  const Case cases[] = {
      {"<WinDir>notepad.exe", "C:\\Windows\\notepad.exe"},
      {"<WinDir>\\notepad.exe", "C:\\Windows\\notepad.exe"},
      {"<WinDir>", "C:\\Windows"},
      {"<WinDir> /s", "C:\\Windows /s"},
      {"\"<WinDir>\"", "\"C:\\Windows\""},
      {"\"<WinDir>\\notepad.exe\" /s", "\"C:\\Windows\\notepad.exe\" /s"},
      {"<windir>\\NOTEPAD.EXE", "C:\\Windows\\NOTEPAD.EXE"},
      {"<WINSYSDIR>\\a.dll", "C:\\Windows\\system32\\a.dll"},
      {"<WinSys32Dir>a.dll", "C:\\Windows\\system32\\a.dll"},
      {"<WinSys16Dir>a.drv", "C:\\Windows\\system\\a.drv"},
      {"<System Directory>a.dll", "C:\\Windows\\system32\\a.dll"},
      {"<System16 Directory>a.drv", "C:\\Windows\\system\\a.drv"},
      {"<ServiceDir>\\agent.exe", "C:\\Program Files\\Vendor\\Agent\\agent.exe"},
      {"<UserAppDataDir>\\Vendor\\app.ini", "C:\\ann\\AppData\\Vendor\\app.ini"},
      // A server path keeps its two leading backslashes.
      {"\\\\\\server\\<TempDir>", "\\\\server\\C:\\Temp"},
  };
  ExpectAll(std::begin(cases), std::end(cases));
}

TEST(ExpandMacroText, EveryFolderMacroHasItsKind) {
  const struct {
    const char* macro;
    FolderKind kind;
  } macros[] = {
      {"<Windows Directory>", FolderKind::WinDir},
      {"<System Directory>", FolderKind::WinSysDir},
      {"<System16 Directory>", FolderKind::WinSys16Dir},
      {"<WinDir>", FolderKind::WinDir},
      {"<WinSysDir>", FolderKind::WinSysDir},
      {"<WinSys32Dir>", FolderKind::WinSysDir},
      {"<WinSys16Dir>", FolderKind::WinSys16Dir},
      {"<StartMenuDir>", FolderKind::StartMenuDir},
      {"<ProgramFilesDir>", FolderKind::ProgramFilesDir},
      {"<CommonFilesDir>", FolderKind::CommonFilesDir},
      {"<FontDir>", FolderKind::FontDir},
      {"<SrcDir>", FolderKind::SrcDir},
      {"<OriginDir>", FolderKind::OriginDir},
      {"<TempDir>", FolderKind::TempDir},
      {"<ServiceDir>", FolderKind::SrcDir},
      {"<UserDir>", FolderKind::UserDir},
      {"<UserAppDataDir>", FolderKind::UserAppDataDir},
      {"<UserLocalAppDataDir>", FolderKind::UserLocalAppDataDir},
      {"<MyDocumentsDir>", FolderKind::MyDocumentsDir},
      {"<UserStartMenuDir>", FolderKind::UserStartMenuDir},
      {"<UserStartProgramMenuDir>", FolderKind::UserStartProgramMenuDir},
      {"<UserDesktopDir>", FolderKind::UserDesktopDir},
      {"<DocumentsAndSettingsDir>", FolderKind::DocumentsAndSettingsDir},
      {"<AllUsersDir>", FolderKind::AllUsersDir},
      {"<AllUsersAppDataDir>", FolderKind::AllUsersAppDataDir},
      {"<AllUsersDocumentsDir>", FolderKind::AllUsersDocumentsDir},
      {"<AllUsersStartMenuDir>", FolderKind::AllUsersStartMenuDir},
      {"<AllUsersStartProgramMenuDir>", FolderKind::AllUsersStartProgramMenuDir},
      {"<AllUsersDesktopDir>", FolderKind::AllUsersDesktopDir},
  };
  for (const auto& m : macros) {
    Machine machine;
    EXPECT_EQ(machine.Expand(std::string(m.macro) + "x"), machine.folders.at(m.kind) + "\\x") << m.macro;
    EXPECT_EQ(machine.foldersAsked, std::vector<FolderKind>{m.kind}) << m.macro;
    EXPECT_TRUE(machine.namesAsked.empty()) << m.macro;
  }
}

TEST(ExpandMacroText, InstallMacrosDropWhereALongFolderMacroWasExpanded) {
  const Case cases[] = {
      {"<InstallDir>\\app.exe", "D:\\Apps\\Product\\app.exe"},
      {"<InstallCommonDir>lib.dll", "D:\\Apps\\Shared\\lib.dll"},
      {"<InstallAuxDir>", "D:\\Apps\\Aux"},
      {"<Windows Directory>\\<InstallDir>app.exe", "C:\\Windows\\app.exe"},
      {"<Application Folder>\\<InstallCommonDir><InstallAuxDir>x.exe", "D:\\Apps\\Product\\x.exe"},
      {"<Common Folder>x.exe", "D:\\Apps\\Shared\\x.exe"},
      {"<Auxiliary Folder>x.exe", "D:\\Apps\\Aux\\x.exe"},
      {"<UnInstallExePath><InstallDir>x.exe", "x.exe"},
      {"<RunTimeDir_2><InstallDir>x.exe", "\\x.exe"},
      // The short folder macros do not count.
      {"<WinDir>\\<InstallDir>app.exe", "C:\\Windows\\D:\\Apps\\Product\\app.exe"},
      {"<AbsoluteDir>C:\\x.exe", "C:\\x.exe"},
  };
  ExpectAll(std::begin(cases), std::end(cases));
}

TEST(ExpandMacroText, DriveMacrosTakeTheStartOfTheirFolder) {
  const Case cases[] = {
      {"<InstallDrive>", "D:\\"},
      {"<InstallDisk>", "D:"},
      {"<InstallDrive>setup.exe", "D:\\setup.exe"},
      {"<WinDrive>|<WinDisk>|<WinSysDrive>|<WinSysDisk>", "C:\\|C:|C:\\|C:"},
      {"<OriginDrive>|<OriginDisk>", "E:\\|E:"},
  };
  ExpectAll(std::begin(cases), std::end(cases));
}

// GetSpecialFolder gives a drive root as "D:"; the drive macro still ends in "\".
TEST(ExpandMacroText, DriveOfARootFolderKeepsItsBackslash) {
  Machine machine;
  machine.folders[FolderKind::OriginDir] = "D:";
  EXPECT_EQ(machine.Expand("<OriginDrive>setup.exe"), "D:\\setup.exe");
  EXPECT_EQ(machine.Expand("<OriginDisk>"), "D:");
  machine.folders[FolderKind::OriginDir] = "";
  EXPECT_EQ(machine.Expand("[<OriginDrive>]"), "[]");
}

TEST(ExpandMacroText, NamesDateAndRemovedMacros) {
  const Case cases[] = {
      {"<LoggedUserName>|<UserName>|<CompanyName>|<ComputerName>|<CurrentDomainName>",
       "ann|Ann Owner|Acme Ltd|PC7|OFFICE"},
      {"<username>", "Ann Owner"},
      {"<LastExecutableExitCode>", "0"},
      {"a<EnteredUserName><EnteredCompanyName><EnteredSerialNum><EnteredStartProgramMenu>b", "ab"},
      {"a<VendorCompanyName><ProjectName><ProgramDescriptiveName><ProgramVersion><SelectedLanguage>b", "ab"},
      {"<NotAMacro>\\<WinDir>", "<NotAMacro>\\C:\\Windows"},
      {"<RunTimeDir_9>", "<RunTimeDir_9>"},
      {"<RunTimeDir_1>", ""},
      {"<TempDir>\\log_<Date=6>.txt", "C:\\Temp\\log_2024-03-05.txt"},
      {"<Date=#> <Date=6>", "05/March/2024 <Date=6>"},
      {"<Date=9>", "<Date=9>"},
  };
  ExpectAll(std::begin(cases), std::end(cases));
}

TEST(ExpandMacroText, LaterPassesExpandMacrosInsideEarlierValues) {
  Machine machine;
  machine.names[MachineName::UserName] = "<WinDir>";
  EXPECT_EQ(machine.Expand("<UserName>\\x"), "C:\\Windows\\x");
}

TEST(ExpandMacroText, ValuesAreAskedForOnlyWhenTheirMacroOccurs) {
  Machine machine;
  EXPECT_EQ(machine.Expand("<ComputerName>\\<WinDir>\\<ProgramFilesDir> <InstallDrive>"),
            "PC7\\C:\\Windows\\C:\\Program Files D:\\");
  EXPECT_EQ(machine.namesAsked, std::vector<MachineName>{MachineName::ComputerName});
  EXPECT_EQ(machine.foldersAsked, (std::vector<FolderKind>{FolderKind::WinDir, FolderKind::ProgramFilesDir}));
  EXPECT_TRUE(machine.fullPathsAsked.empty());
}

TEST(ExpandMacroText, WithoutFoldersOnlyNamesAndDateAreExpanded) {
  Machine machine;
  EXPECT_EQ(machine.Expand("<WinDir>\\\\<UserName>\\\\<Date=3>", false, false), "<WinDir>\\\\Ann Owner\\\\24-03-05");
  EXPECT_TRUE(machine.foldersAsked.empty());
}

// Backslashes are collapsed only when a folder pass changed the text.
TEST(ExpandMacroText, BackslashesOfTheGivenTextStayWithoutFolderMacros) {
  const Case cases[] = {
      {"a\\\\b<ComputerName>", "a\\\\bPC7"},
      {"a\\\\b<TempDir>", "a\\bC:\\Temp"},
      {"a\\\\b<Unknown>", "a\\\\b<Unknown>"},
      {"a\\\\b", "a\\\\b"},
  };
  ExpectAll(std::begin(cases), std::end(cases));
}

TEST(ExpandMacroText, RelativePartsBecomeFullPaths) {
  const struct {
    const char* text;
    const char* expected;
    std::vector<std::string> asked;
  } cases[] = {
      {"<SrcDir>\\..\\x.exe",
       "full(C:\\Program Files\\Vendor\\Agent\\..\\x.exe)",
       {"C:\\Program Files\\Vendor\\Agent\\..\\x.exe"}},
      {"..\\x.exe", "full(..\\x.exe)", {"..\\x.exe"}},
      {"C:\\a\\..", "full(C:\\a\\..)", {"C:\\a\\.."}},
      {"C:\\a\\x.exe", "C:\\a\\x.exe", {}},
      {"C:\\a..b\\x.exe", "C:\\a..b\\x.exe", {}},
      {"C:/a/../x.exe", "C:/a/../x.exe", {}},  // matched exactly: backslashes only
      // A bar list: only the items with relative parts.
      {"|<SrcDir>\\..\\x.exe|<WinDir>\\y.exe|",
       "|full(C:\\Program Files\\Vendor\\Agent\\..\\x.exe)|C:\\Windows\\y.exe|",
       {"C:\\Program Files\\Vendor\\Agent\\..\\x.exe"}},
      // BarSetItem writes the list with its own separator.
      {",a.exe,..\\b.exe,", "|a.exe|full(..\\b.exe)|", {"..\\b.exe"}},
      // Not a bar list (no closing separator): the whole text.
      {"|..\\a|b", "full(|..\\a|b)", {"|..\\a|b"}},
  };
  for (const auto& c : cases) {
    Machine machine;
    EXPECT_EQ(machine.Expand(c.text, true), c.expected) << c.text;
    EXPECT_EQ(machine.fullPathsAsked, c.asked) << c.text;
  }
}

TEST(ExpandMacroText, RelativePartsStayWithoutExpandRelative) {
  Machine machine;
  EXPECT_EQ(machine.Expand("<SrcDir>\\..\\x.exe", false), "C:\\Program Files\\Vendor\\Agent\\..\\x.exe");
  EXPECT_EQ(machine.Expand("..\\x.exe", false), "..\\x.exe");
  EXPECT_TRUE(machine.fullPathsAsked.empty());
}

}  // namespace
}  // namespace vantor
