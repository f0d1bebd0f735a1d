// The setup launcher as a user meets it: a setup file from the packer,
// double-clicked, unpacks, starts the packaged engine and ends with its exit code.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/program_driver.h"
#include "tools/vshot/screenshot.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

std::string Field(const std::string& record, const std::string& name) {
  const std::size_t at = record.find(name + "=");
  if (at == std::string::npos) return "<none>";
  const std::size_t end = record.find("\r\n", at);
  return record.substr(at + name.size() + 1, end - at - name.size() - 1);
}

std::string BoxText(HWND box) { return TextOf(TextControlOf(box)); }

class Launcher : public ::testing::Test {
 protected:
  ScratchFolder folder{"launcher"};
  ScratchFolder records{"engine"};

  void SetUp() override {
    SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", records.path().c_str());
    CreateDirectoryA((folder / "product").c_str(), nullptr);
    CreateDirectoryA((folder / "product\\docs").c_str(), nullptr);
    WriteWholeFile(folder / "product\\readme.txt", "Widget Studio\r\n");
    WriteWholeFile(folder / "product\\docs\\changes.txt", "1.0 first release\r\n");
    ASSERT_TRUE(CopyFileA(ToolPath("testengine.exe").c_str(), (folder / "product\\Engine.exe").c_str(), FALSE));
  }
  void TearDown() override { SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", nullptr); }

  std::string PackSetup(const std::string& options, const std::string& name = "setup.exe") {
    const std::string setup = folder / name;
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(setup) + " --dir " +
         Quote(folder / "product") + " " + options);
    return setup;
  }

  std::string EngineRecord() { return ReadWholeFile(records / "testengine.txt"); }
};

TEST_F(Launcher, UnpacksStartsTheEngineAndEndsWithItsExitCode) {
  const std::string setup = PackSetup("--engine \"Engine.exe*/TE_EXIT=7\"");
  const std::string work = SetupWorkFolderOf(setup);
  RunningProgram program(Quote(setup) + " /X=1");
  EXPECT_EQ(program.WaitForExit(), 7u);

  const std::string record = EngineRecord();
  const std::string line = Field(record, "CommandLine");
  const std::regex expected(std::regex_replace(work, std::regex(R"([\\.^$|()\[\]{}*+?])"), R"(\$&)") +
                            R"(\\Engine\.exe /X=1 /TE_EXIT=7 /TH_ID=_(\d+) /OriginExe=")" +
                            std::regex_replace(setup, std::regex(R"([\\.^$|()\[\]{}*+?])"), R"(\$&)") + "\"");
  EXPECT_TRUE(std::regex_match(line, expected)) << line;
  EXPECT_EQ(Field(record, "AtomAtStart"), "TRUE");
  EXPECT_EQ(Field(record, "Folder"), work);
  EXPECT_FALSE(FileIsThere(work)) << "the work folder is removed";
}

TEST_F(Launcher, HideAndAnOriginOnTheLineArePassedOnOnce) {
  const std::string setup = PackSetup("--engine Engine.exe");
  RunningProgram program(Quote(setup) + " /hide /OriginExe=\"D:\\first.exe\" /SpanCdLvl=2x");
  // /SpanCdLvl=2x is not the number 2: no span copy, and the switch is not passed on.
  EXPECT_EQ(program.WaitForExit(), 0u);
  const std::string line = Field(EngineRecord(), "CommandLine");
  // The removed switch leaves the blank before it: two blanks before /TH_ID=.
  EXPECT_NE(line.find("\\Engine.exe /hide /OriginExe=\"D:\\first.exe\"  /TH_ID=_"), std::string::npos) << line;
  EXPECT_EQ(line.find("/OriginExe=", line.find("/OriginExe=") + 1), std::string::npos) << line;
  EXPECT_EQ(line.find("/SpanCdLvl="), std::string::npos) << line;
}

TEST_F(Launcher, CorruptedPackageShowsBadCrcAndStartsNothing) {
  for (const char* switches : {"", " /hide"}) {
    SCOPED_TRACE(switches);
    const std::string setup = PackSetup("--engine Engine.exe --store");
    std::string bytes = ReadWholeFile(setup);
    const std::size_t at = bytes.find("Widget Studio");
    ASSERT_NE(at, std::string::npos);
    bytes[at] = 'w';
    WriteWholeFile(setup, bytes);
    std::string seen;
    BoxDriver driver([&seen](HWND box) {
      seen = BoxText(box);
      PostKey(box, VK_RETURN);
    });
    RunningProgram program(Quote(setup) + switches);
    EXPECT_EQ(program.WaitForExit(), 0u);
    driver.Finish();
    EXPECT_NE(seen.find("Bad CRC!"), std::string::npos) << seen;
    EXPECT_FALSE(FileIsThere(records / "testengine.txt"));
  }
}

TEST_F(Launcher, TempDriveQuestionShowsTheFiguresAndNoEndsCleanly) {
  const std::string setup = PackSetup("--engine Engine.exe --flags 1");
  std::string seen;
  BoxDriver driver([&seen](HWND box) {
    seen = BoxText(box);
    SavePng(CaptureWindow(box), ScreenshotPath("launcher_temp_drive_question.png"));
    PostKey(box, 'N');
  });
  RunningProgram program(Quote(setup));
  EXPECT_EQ(program.WaitForExit(), 0u);
  driver.Finish();
  EXPECT_NE(seen.find("Vantor will extract files to your Temp Drive (C:)"), std::string::npos) << seen;
  EXPECT_NE(seen.find("Estimated space required on your Temp drive is:"), std::string::npos) << seen;
  EXPECT_TRUE(std::regex_search(seen, std::regex(R"(\d+\.\d+ MB)"))) << seen;
  EXPECT_EQ(seen.find("<SPACE_REQ>"), std::string::npos);
  EXPECT_NE(seen.find("Continue with Setup?"), std::string::npos) << seen;
  EXPECT_FALSE(FileIsThere(records / "testengine.txt"));
  EXPECT_FALSE(FileIsThere(SetupWorkFolderOf(setup)));
}

TEST_F(Launcher, EngineThatFinishedRemovesTheOldShortcutsAsTheUpdateAsks) {
  // The launcher's folder holds the agent's files: the shortcut names are read before the engine runs.
  const std::string link = folder / "Widget Start.lnk";
  WriteWholeFile(link, "link");
  WriteWholeFile(folder / "Widget.original", "[UnInstall]\r\nStartUpLink=" + link + "\r\n");
  WriteWholeFile(folder / "Widget.info", "[NewSetup]\r\nRemoveStartUpShortcut=1\r\n");
  const std::string setup = PackSetup("--engine Engine.exe --info-file Widget.info");
  RunningProgram program(Quote(setup));
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_FALSE(FileIsThere(link));

  // An engine that keeps the atom did not finish: the shortcut stays.
  WriteWholeFile(link, "link");
  const std::string unfinished = PackSetup("--engine \"Engine.exe*/TE_KEEPATOM\" --info-file Widget.info", "s2.exe");
  RunningProgram second(Quote(unfinished));
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(FileIsThere(link));
}

TEST_F(Launcher, WaitsForTheEnginesWindowAndShowsProgressMeanwhile) {
  const std::string setup = PackSetup("--engine \"Engine.exe*/TE_WINDOW=1500\"");
  RunningProgram program(Quote(setup));
  const HWND main = WaitForWindowOfClass(setup);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(program.WaitForExit(), 0u);
  const std::string line = Field(EngineRecord(), "CommandLine");
  EXPECT_NE(line.find("/TE_WINDOW=1500 /TH_ID=_"), std::string::npos) << line;
}

TEST_F(Launcher, SpanCopyUnpacksTheMediaFileAndRemovesItself) {
  const std::string media = PackSetup("--engine \"Engine.exe*/TE_EXIT=5\"");
  const std::string copyFolder = folder / "Y_run";
  CreateDirectoryA(copyFolder.c_str(), nullptr);
  const std::string copy = copyFolder + "\\Y_setup.exe";
  ASSERT_TRUE(CopyFileA(media.c_str(), copy.c_str(), FALSE));
  RunningProgram program(Quote(copy) + " /SpanCdLvl=2 /SpanDiskFName1=" + Quote(media));
  EXPECT_EQ(program.WaitForExit(), 5u);
  const std::string line = Field(EngineRecord(), "CommandLine");
  EXPECT_EQ(line.find("/SpanCdLvl="), std::string::npos) << line;
  EXPECT_EQ(line.find("/SpanDiskFName1="), std::string::npos) << line;
  EXPECT_NE(line.find("/OriginExe=\"" + copy + "\""), std::string::npos) << line;
  // The removal script runs after the copy ended: look every 100 ms, 20 s at most.
  const DWORD start = GetTickCount();
  while (FileIsThere(copyFolder) && GetTickCount() - start < 20000) Sleep(100);
  EXPECT_FALSE(FileIsThere(copyFolder));
  EXPECT_TRUE(FileIsThere(media)) << "the medium is only read";
}

TEST_F(Launcher, TranslatedCaptionFromTheOnlyBlockWhateverItsName) {
  const std::string setup = PackSetup("--engine Engine.exe --flags 1 --lang-block \"~FRANCAIS~s0=Installation de Widget~\"");
  std::string caption;
  BoxDriver driver([&caption, &setup](HWND box) {
    caption = GetWindowTextOf(FindWindowA(setup.c_str(), nullptr));
    PostKey(box, 'N');
  });
  RunningProgram program(Quote(setup));
  EXPECT_EQ(program.WaitForExit(), 0u);
  driver.Finish();
  EXPECT_EQ(caption, "Installation de Widget");
}

}  // namespace
}  // namespace vantor::testing

namespace vantor::testing {
namespace {

// Runs in a prefix whose processes have a German locale (see CMakeLists.txt).
TEST(LauncherGerman, GermanBlockIsChosenOverEnglish) {
  ASSERT_EQ(PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())), LANG_GERMAN);
  ScratchFolder folder("german");
  WriteWholeFile(folder / "a.txt", "a");
  const std::string setup = folder / "setup.exe";
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(setup) + " --flags 1 --file " +
       Quote(folder / "a.txt") + " --lang-block \"~ENGLISH~s0=Widget Setup~Confirm=Confirm~\"" +
       " --lang-block \"~GERMAN~s0=Widget Installation~Confirm=Bestaetigen~\"");
  std::string caption, title;
  BoxDriver driver([&](HWND box) {
    caption = GetWindowTextOf(FindWindowA(setup.c_str(), nullptr));
    title = GetWindowTextOf(box);
    PostKey(FocusedWindowOf(box), 'N');
  });
  RunningProgram program(Quote(setup));
  EXPECT_EQ(program.WaitForExit(), 0u);
  driver.Finish();
  EXPECT_EQ(caption, "Widget Installation");
  EXPECT_EQ(title, "Bestaetigen");
}

}  // namespace
}  // namespace vantor::testing
