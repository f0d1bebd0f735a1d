// The agent's test mode as a vendor uses it before publishing: switched on
// in the registry, the running agent takes its files only from the
// test-mode folder (never from the web), checks every five seconds whatever
// the .original file says, and its check question says so.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "agent/update_info_files.h"
#include "agent/update_info_files_win.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/installed_agent.h"
#include "tests/windows/support/machine_setup.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"
#include "tools/vshot/screenshot.h"
#include "ui/markup.h"

namespace vantor::testing {
namespace {

constexpr char kTestModeKey[] = "Software\\Kelmondo\\Vantor\\AutoUpdate";
constexpr char kTexts[] =
    "[AutoUpdate]\r\n"
    "s21=You have the newest version.\r\n"
    "s22=Look for a new version of PROG_NAME now?\r\n"
    "s23=<P>PROG_NAME connects to the internet for this.\r\n"
    "s24=<P>Nothing is installed without your consent.\r\n";
constexpr char kQuestionStart[] = "Look for a new version of Widget now?";
constexpr char kQuestionInternet[] = "<P>Widget connects to the internet for this.";
constexpr char kQuestionEnd[] = "<P>Nothing is installed without your consent.";
constexpr char kTestModeNote[] = "<P><P><T><B>PLEASE NOTE</B> - You are now running in <B>Test Mode</B>!";
constexpr char kDecisionLine[] = "GetOkToPerformAU = ";

std::string Shown(const std::string& markup) { return PrepareMarkup(markup).text; }

// Test mode on, with that folder, for the life of the object.
struct TestModeSwitchedOn {
  explicit TestModeSwitchedOn(const std::string& address)
      : mode(HKEY_CURRENT_USER, kTestModeKey, "TestMode", "1"),
        url(HKEY_CURRENT_USER, kTestModeKey, "TestModeURL", address) {}
  ScopedRegistryValue mode;
  ScopedRegistryValue url;
};

class AgentTestMode : public ::testing::Test {
 protected:
  ScratchFolder folder{"testmode"};
  ScratchFolder testFolder{"testmode_src"};  // where the vendor tries a release out
  InstalledAgent installed{folder.path(), "widget-2024"};
  std::string served = ServedFolder();
  DebugViewer viewer{folder / "viewer.txt"};

  void SetUp() override {
    installed.Pack(TestServerUrl("/files"));
    // The web offers version 9; a check that used it would get further than
    // "not higher".
    Pack("update-info --out " + Quote(served + "\\Widget.info") + " --version 9 --program-name Widget --url " +
         TestServerUrl("/files"));
  }
  void TearDown() override {
    installed.EndCopy();
    DeleteFileA((served + "\\Widget.info").c_str());
  }

  // Version 1 of Widget is installed; `values` are more OriginalSetup lines.
  void WriteOriginal(const std::string& values) {
    WriteWholeFile(installed.ini.original,
                   "[OriginalSetup]\r\nVersionOriginal=1\r\nProgramName=Widget\r\n" + values + kTexts);
  }
  std::vector<std::string> CopyLines(const AgentCopy& copy) const { return LinesOf(viewer.Lines(), copy.processId()); }
  std::size_t Count(const AgentCopy& copy, const std::string& prefix) const {
    return CountStarting(CopyLines(copy), prefix);
  }
  // Waits for the n-th check and the step after it, so that the check is over.
  bool WaitForCheckDone(const AgentCopy& copy, std::size_t n) {
    return WaitUntil([&] {
      const std::vector<std::string> lines = CopyLines(copy);
      return FirstStarting(lines, kStatusLine, NthStarting(lines, kCheckLine, n)) < lines.size();
    });
  }
  std::vector<std::string> Decisions() const { return LogTails(installed.Log(), kDecisionLine); }
};

TEST_F(AgentTestMode, ChecksEveryFiveSecondsFromTheTestModeFolderOnly) {
  Pack("update-info --out " + Quote(testFolder / "Widget.info") + " --version 1 --program-name Widget --url " +
       Quote(testFolder.path()));
  // An hour between checks, were it not for test mode.
  WriteOriginal("ProbeSecondsInterval=3600\r\n");
  const TestModeSwitchedOn testMode(testFolder.path());
  installed.Run("/DELAY=0");
  const AgentCopy copy = AgentCopy::Wait();
  ASSERT_TRUE(copy.found());

  std::vector<int64_t> checkedAt;
  for (std::size_t check = 1; check <= 2; ++check) {
    ASSERT_TRUE(WaitForCheckDone(copy, check)) << "check " << check;
    checkedAt.push_back(ReadAgentInt(installed.ini, OriginalSetup::ProbeSecondsLast));
  }
  EXPECT_GE(checkedAt[1], checkedAt[0] + 5);
  EXPECT_EQ(ReadWholeFile(installed.ini.info), ReadWholeFile(testFolder / "Widget.info"));
  EXPECT_EQ(copy.Request(5, 0), 1) << "the .info file of the test-mode folder";
  EXPECT_EQ(Decisions(), std::vector<std::string>(2, std::string(kDecisionLine) +
                                                         "3 - New version is not higher then old version"));
  const std::string log = installed.Log();
  EXPECT_NE(log.find("TestMode=TRUE\r\n"), std::string::npos);
  EXPECT_NE(log.find("Download START: " + testFolder.path() + "\\Widget.info\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("http://"), std::string::npos) << "the web was used";
}

TEST_F(AgentTestMode, CheckQuestion_CarriesTheTestModeNoteAndKeepsTheInternetTextForAShare) {
  struct Case {
    const char* label;
    std::string address;
    std::string question;
    const char* screenshot;  // "" none
  };
  const Case cases[] = {
      {"drive folder", testFolder.path(), std::string(kQuestionStart) + kQuestionEnd + kTestModeNote,
       "agent_test_mode_question.png"},
      // Two backslashes in front, as a share path has them.
      {"share-form path", "\\\\?\\" + testFolder.path(),
       std::string(kQuestionStart) + kQuestionInternet + kQuestionEnd + kTestModeNote, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    WriteOriginal("ProbeSecondsInterval=-1\r\n");
    const TestModeSwitchedOn testMode(c.address);
    installed.Run("/DELAY=0");
    const AgentCopy copy = AgentCopy::Wait();
    ASSERT_TRUE(copy.found());

    std::string text;
    AskBeforeACheck(
        copy,
        [&](HWND box) {
          text = TextOf(TextControlOf(box));
          if (*c.screenshot) {
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            WaitUntilBoxReady(box, 15000);
            EXPECT_TRUE(SavePng(CaptureWindow(box), ScreenshotPath(c.screenshot)));
          }
        },
        'N');
    EXPECT_EQ(text, Shown(c.question));
    EXPECT_EQ(Count(copy, kCheckLine), 0u) << "No skips the check";
    installed.EndCopy();
  }
}

TEST_F(AgentTestMode, WebAddressAsTestModeFolder_NothingIsDownloadedAndTheCheckSaysNothingNew) {
  WriteOriginal("ProbeSecondsInterval=-1\r\n");
  const TestModeSwitchedOn testMode(TestServerUrl("/files"));
  // Unconnected as well: in test mode the connection is never the reason.
  const ScopedEnvironment offline("VANTOR_TEST_OFFLINE", "1");
  const ScopedEnvironment developerMode("DVX", "974");
  const CheckNowRun run = RunCheckNow(installed);
  EXPECT_TRUE(run.ended) << "the copy did not end after its check";
  ASSERT_EQ(run.texts.size(), 2u);
  EXPECT_EQ(run.texts[0], Shown(std::string(kQuestionStart) + kQuestionInternet + kQuestionEnd + kTestModeNote));
  EXPECT_EQ(run.texts[1], Shown("You have the newest version.<P><P>(0 - Error downloading .INFO file)   "));
  EXPECT_EQ(Decisions(), std::vector<std::string>{std::string(kDecisionLine) + "0 - Error downloading .INFO file"});
  EXPECT_FALSE(FileIsThere(installed.ini.info));
  const std::string log = installed.Log();
  EXPECT_NE(log.find("Download START: " + TestServerUrl("/files") + "\\Widget.info\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Download END:   " + TestServerUrl("/files") + "\\Widget.info\r\n"), std::string::npos)
      << "no web transfer was tried";
}

}  // namespace
}  // namespace vantor::testing
