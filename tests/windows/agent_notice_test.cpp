// The new-version notice as the product's user meets it: the .info file on
// the server announces a version instead of installing it, the agent fetches
// the vendor's notice file, checks that it comes from the same vendor, and
// shows its text with a button that opens the download page; once shown, the
// version counts as known and the notice is not shown again.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "agent/update_info_files.h"
#include "agent/update_info_files_win.h"
#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/box_series.h"
#include "tests/windows/support/browser_recorder.h"
#include "tests/windows/support/installed_agent.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"
#include "tools/vshot/screenshot.h"
#include "ui/markup.h"
#include "ui/rich_text_window.h"

namespace vantor::testing {
namespace {

constexpr char kToken[] = "widget-2024";
constexpr char kBody[] = "Widget 2 is out.\r\n\r\nIt starts twice as fast and reads the new file format.";
constexpr char kNoticeClass[] = "VRichEditBox";
constexpr char kNoticeEnd[] = "PerformAutoInform() - END ";
constexpr char kDecisionLine[] = "GetOkToPerformAU = ";

// The shell gives no event for "nothing opened": an address opened by the
// test afterwards marks the end of the record, and must be the only one.
void ExpectNothingOpened(const RecordingBrowser& browser) {
  const std::string marker = "http://127.0.0.1:8080/marker";
  EXPECT_TRUE(ShowRichTextWindow(nullptr, "", "", "", marker, 360, 360, false, "Tahoma", 8, 0));
  ASSERT_TRUE(browser.WaitForOpened(marker));
  EXPECT_EQ(browser.Opened(), std::vector<std::string>{marker});
}

class AgentNotice : public ::testing::Test {
 protected:
  ScratchFolder folder{"notice"};
  ScratchFolder made{"notice_made"};  // the vendor's notice before it is published
  InstalledAgent installed{folder.path(), kToken};
  std::string served = ServedFolder();
  std::string page = TestServerUrl("/files/WidgetSetup2.exe");
  DebugViewer viewer{folder / "viewer.txt"};

  void SetUp() override {
    installed.Pack(TestServerUrl("/files"));
    WriteOriginal();
  }
  // Version 1 is installed; one check per start.
  void WriteOriginal() {
    WriteWholeFile(installed.ini.original,
                   "[OriginalSetup]\r\nVersionOriginal=1\r\nProgramName=Widget\r\nProbeSecondsInterval=0\r\n"
                   "[AutoUpdate]\r\ns34=Widget 2 is here\r\ns35=Get Widget 2\r\n");
  }
  void TearDown() override {
    installed.EndCopy();
    for (const char* name : {"Widget.info", "Notice.txt"}) DeleteFileA((served + "\\" + name).c_str());
  }

  // The server announces version 2 with a notice of that body, made with
  // that token; downloadPage empty: the .info file names none.
  void PublishNotice(const std::string& token, const std::string& body, const std::string& downloadPage) {
    WriteWholeFile(made / "body.txt", body);
    Pack("notice --token " + token + " --body-file " + Quote(made / "body.txt") + " --out " +
         Quote(served + "\\Notice.txt") + " --scramble");
    Pack("update-info --out " + Quote(served + "\\Widget.info") + " --version 2 --program-name Widget --url " +
         TestServerUrl("/files") + " --notice-file " + Quote(served + "\\Notice.txt") +
         (downloadPage.empty() ? "" : " --download-page " + downloadPage));
  }
  int64_t VersionOriginal() const { return ReadAgentInt(installed.ini, OriginalSetup::VersionOriginal); }
  // Waits until the check's notice part has ended; its result.
  std::string NoticeResult() const {
    std::vector<std::string> ends;
    WaitUntil([&] { return !(ends = LogTails(installed.Log(), kNoticeEnd)).empty(); }, 30000);
    return ends.empty() ? "<none>" : ends.back().substr(sizeof kNoticeEnd - 1);
  }
};

TEST_F(AgentNotice, NoticeShowsTheVendorsTextAndItsButtonOpensTheDownloadPage) {
  const RecordingBrowser browser;
  PublishNotice(kToken, kBody, page);
  const std::string record = folder / "host.txt";
  RunningProgram host(Quote(ToolPath("testhost.exe")) + " --record " + Quote(record) + " --agent " +
                      Quote(installed.agent) + " --agent-args /DELAY=0");
  const HWND notice = WaitForWindowOfClass(kNoticeClass);
  ASSERT_NE(notice, nullptr) << installed.Log();
  ASSERT_TRUE(WaitUntilBoxReady(notice, 15000));
  const AgentCopy copy(FindWindowA(kAgentCopyClass, nullptr));
  ASSERT_TRUE(copy.found());

  EXPECT_EQ(GetWindowTextOf(notice), "Widget 2 is here");
  const std::vector<HWND> texts = ChildrenOfClass(notice, "RichEdit");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(TextOf(texts.front()), kBody);
  const std::vector<HWND> buttons = ChildrenOfClass(notice, "Button");
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(GetWindowTextOf(buttons.front()), "Get Widget 2");
  RECT place{};
  GetWindowRect(notice, &place);
  EXPECT_EQ(Width(place), 360) << "the size the .info file does not give";
  EXPECT_EQ(Height(place), 360);
  EXPECT_EQ(copy.Request(7, 0), 2) << "the agent is busy with the notice";
  EXPECT_TRUE(FileIsThere(folder / "Notice.txt"));
  EXPECT_EQ(VersionOriginal(), 1) << "recorded only once shown";
  RedrawWindow(notice, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ASSERT_TRUE(WaitUntilBoxReady(notice, 15000));
  EXPECT_TRUE(SavePng(CaptureWindow(notice), ScreenshotPath("agent_notice.png")));

  PostKey(buttons.front(), VK_SPACE);
  ASSERT_TRUE(browser.WaitForOpened(page));
  EXPECT_EQ(browser.Opened(), std::vector<std::string>{page});
  EXPECT_EQ(NoticeResult(), "TRUE");
  EXPECT_FALSE(IsWindow(notice));
  EXPECT_EQ(VersionOriginal(), 2);
  EXPECT_EQ(copy.Request(7, 0), 0);
  EXPECT_TRUE(FileIsThere(folder / "Notice.txt")) << "the notice file stays";

  // The next check finds the package offered already: no second notice.
  EXPECT_EQ(copy.Request(31, 1), 0);
  ASSERT_TRUE(WaitUntil([&] { return LogTails(installed.Log(), kDecisionLine).size() >= 2; }));
  EXPECT_EQ(LogTails(installed.Log(), kDecisionLine),
            (std::vector<std::string>{"GetOkToPerformAU = 6 - OK", "GetOkToPerformAU = 2 - Too early for retesting"}));
  EXPECT_EQ(FindWindowA(kNoticeClass, nullptr), nullptr);

  installed.Run("/STOP=0");
  ASSERT_TRUE(WaitUntil([&] { return RecordHas(record, "notify 43 0"); })) << ReadWholeFile(record);
  EXPECT_EQ(HostNotifications(record),
            (std::vector<std::string>{"40 1", "40 2", "41 1", "41 2", "40 1", "40 2", "43 0"}));
  PostMessageA(FindWindowA("VantorTestHost", nullptr), WM_CLOSE, 0, 0);
  EXPECT_EQ(host.WaitForExit(), 0u);
}

TEST_F(AgentNotice, EmptyNotice_OpensTheDownloadPageAtOnceOrWithoutOneShowsNothing) {
  struct Case {
    const char* label;
    std::string downloadPage;
    const char* result;
    int64_t version;  // VersionOriginal afterwards
  };
  // The case that opens nothing comes first: the browser's record only grows.
  const Case cases[] = {
      {"no download page", "", "FALSE", 1},
      {"a download page", page, "TRUE", 2},
  };
  const RecordingBrowser browser;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    PublishNotice(kToken, "", c.downloadPage);
    WriteOriginal();
    DeleteFileA(installed.log.c_str());
    installed.Run("/DELAY=0");
    // A notice window would keep the check from ending.
    EXPECT_EQ(NoticeResult(), c.result);
    EXPECT_EQ(FindWindowA(kNoticeClass, nullptr), nullptr);
    EXPECT_EQ(VersionOriginal(), c.version);
    installed.EndCopy();
    if (c.downloadPage.empty()) {
      ExpectNothingOpened(browser);
    } else {
      ASSERT_TRUE(browser.WaitForOpened(c.downloadPage));
    }
  }
}

TEST_F(AgentNotice, NoticeOfAnotherVendor_IsRefusedAndRemovedAndTheVersionStays) {
  const RecordingBrowser browser;
  PublishNotice("someone-else", kBody, page);
  std::vector<std::string> texts;
  BoxSeries boxes([&](HWND box, int) {
    texts.push_back(TextOf(TextControlOf(box)));
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  installed.Run("/DELAY=0");
  EXPECT_EQ(NoticeResult(), "FALSE");
  EXPECT_EQ(boxes.Finish(), 1);
  EXPECT_EQ(texts, std::vector<std::string>{PrepareMarkup(HeadedText("Bad Secret Token!", "Error")).text});
  EXPECT_EQ(FindWindowA(kNoticeClass, nullptr), nullptr);
  EXPECT_EQ(VersionOriginal(), 1);
  EXPECT_FALSE(FileIsThere(folder / "Notice.txt"));
  EXPECT_NE(installed.Log().find("ERROR: Bad Secret Token!\r\n"), std::string::npos) << installed.Log();
  installed.EndCopy();
  ExpectNothingOpened(browser);
}

}  // namespace
}  // namespace vantor::testing
