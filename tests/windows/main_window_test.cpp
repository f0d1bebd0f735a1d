// The main window as other programs meet it: a product registers as host,
// receives the replies and the end notice, sends requests, and closes it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "base/window_helpers.h"

#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/program_driver.h"
#include "tools/vshot/screenshot.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr UINT kLocalMsg = 1124;
constexpr UINT kAgentMsg = 1125;
constexpr UINT kHostMessage = WM_APP + 42;

class MainWindow : public ::testing::Test {
 protected:
  ScratchFolder folder{"mainwindow"};

  // An agent file under a name that is neither of its roles runs the main
  // window with the agent's timer, and stays until it is closed.
  std::string PackAgentUnderOtherName() {
    const std::string payload = folder / "a.txt";
    WriteWholeFile(payload, "a");
    const std::string agent = folder / "Widget Helper.exe";
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
         " --agent --agent-name Agent.exe --info-file Widget.info --flags 16 --file " + Quote(payload));
    return agent;
  }
};

TEST_F(MainWindow, HostRegistersSendsRequestsAndHearsTheEnd) {
  const std::string agent = PackAgentUnderOtherName();
  RunningProgram program(Quote(agent));
  const HWND main = WaitForWindowOfClass(".AutoUpdate.Widget Helper");
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));

  HostWindow host(kHostMessage);
  PostMessageA(main, kLocalMsg, reinterpret_cast<WPARAM>(host.window()), kHostMessage);
  const auto& replies = host.WaitForNotifications(2);
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0], std::make_pair(WPARAM{50}, reinterpret_cast<LPARAM>(main)));
  EXPECT_EQ(replies[1], std::make_pair(WPARAM{51}, LPARAM{1125}));

  // Requests answer through the registered number; writes land in the .original file.
  EXPECT_EQ(SendMessageA(main, kAgentMsg, 7, 0), 0);  // agent state: idle
  EXPECT_EQ(SendMessageA(main, kAgentMsg, 12, 3600), 0);
  EXPECT_EQ(SendMessageA(main, kAgentMsg, 8, 0), 3600);
  EXPECT_EQ(SendMessageA(main, kAgentMsg, 13, -1), 0);
  EXPECT_EQ(SendMessageA(main, kAgentMsg, 9, 0), -1);
  // A time of today's seconds clock (above 2^31) survives a read and a write back.
  const LPARAM today = static_cast<LPARAM>(static_cast<int32_t>(static_cast<uint32_t>(3960000000u)));
  EXPECT_EQ(SendMessageA(main, kAgentMsg, 14, today), 0);
  EXPECT_NE(ReadWholeFile(folder / "Widget.original").find("ProbeSecondsLast=3960000000"), std::string::npos)
      << ReadWholeFile(folder / "Widget.original");
  EXPECT_EQ(static_cast<uint32_t>(SendMessageA(main, kAgentMsg, 10, 0)), 3960000000u);
  for (const WPARAM unused : {0, 3, 6, 16, 19, 26, 29, 33, 1000}) {
    EXPECT_EQ(SendMessageA(main, kAgentMsg, unused, 5), 0) << unused;
  }

  // The first close only raises the abort flag; the second one closes.
  EXPECT_EQ(SendMessageA(main, WM_CLOSE, 0, 0), 0);
  EXPECT_TRUE(IsWindow(main));
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(program.WaitForExit(), 0u);
  const auto& all = host.WaitForNotifications(3);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[2], std::make_pair(WPARAM{43}, LPARAM{0}));

  const std::string log = ReadWholeFile(folder / "X_Widget Helper.log");
  const std::size_t close = log.find(".. CloseMainWindow() - Start");
  const std::size_t destroy = log.find(".. DestroyMainWindow() - Start");
  EXPECT_NE(close, std::string::npos);
  EXPECT_NE(destroy, std::string::npos);
  EXPECT_LT(close, destroy);
}

TEST_F(MainWindow, SecondCloseRemovesTheSetupWorkFolderInUse) {
  // The temporary-drive question keeps the launcher waiting with its work folder made.
  const std::string payload = folder / "a.txt";
  WriteWholeFile(payload, "a");
  const std::string setup = folder / "setup.exe";
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(setup) + " --flags 1 --file " +
       Quote(payload));
  RunningProgram program(Quote(setup));
  const HWND box = WaitForBox(30000);
  ASSERT_NE(box, nullptr);
  const std::string work = SetupWorkFolderOf(setup);
  EXPECT_TRUE(FileIsThere(work)) << work;
  const HWND main = FindWindowA(setup.c_str(), nullptr);  // a setup's class is its full path
  ASSERT_NE(main, nullptr);
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(main));
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(FileIsThere(work));
  // The quit message also ends the question; nothing is unpacked.
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_FALSE(FileIsThere(work + "\\a.txt"));
}

struct ChildFacts {
  std::string cls;
  RECT rect;  // in the main window's client coordinates
  bool visible;
  HWND window;
};

std::vector<ChildFacts> ChildrenOf(HWND parent) {
  std::vector<ChildFacts> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    children.push_back({cls, r, IsWindowVisible(child) != FALSE, child});
  }
  return children;
}

class ProgressDisplay : public MainWindow, public ::testing::WithParamInterface<int> {};

// A two-part package whose second part is missing keeps the launcher at the
// disk prompt with its progress window showing eight unpacked files.
TEST_P(ProgressDisplay, BarsAfterEightFilesAndLayoutByCharacterSet) {
  const int charset = GetParam();
  std::string files;
  for (int i = 1; i <= 8; ++i) {
    const std::string name = folder / ("f" + std::to_string(i) + ".txt");
    WriteWholeFile(name, std::string(200, static_cast<char>('a' + i)));
    files += " --file " + Quote(name);
  }
  // Sorted last by name, so it is the one that goes to the second part.
  WriteWholeFile(folder / "z9.bin", std::string(3000, 'z'));
  files += " --file " + Quote(folder / "z9.bin");
  const std::string setup = folder / "setup.exe";
  const std::size_t stubSize = ReadWholeFile(ToolPath("VantorStub.exe")).size();
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(setup) + " --store --part-size " +
       std::to_string(stubSize + 2600) + " --lang-block \"~ENGLISH~s0=Widget Setup~Charset=" +
       std::to_string(charset) + "~\"" + files);
  ASSERT_TRUE(FileIsThere(setup + ".002"));
  ASSERT_TRUE(DeleteFileA((setup + ".002").c_str()));

  RunningProgram program(Quote(setup));
  const HWND box = WaitForBox(30000);
  ASSERT_NE(box, nullptr);
  const HWND main = FindWindowA(setup.c_str(), nullptr);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(GetWindowTextOf(main), "Widget Setup");
  const std::vector<ChildFacts> children = ChildrenOf(main);
  ASSERT_EQ(children.size(), 3u);
  const ChildFacts& status = children[0];
  const ChildFacts& files8 = children[1];
  const ChildFacts& cycle = children[2];
  EXPECT_EQ(status.cls, "Static");
  EXPECT_EQ(files8.cls, "msctls_progress32");
  const bool rtl = charset == 177 || charset == 178;
  EXPECT_EQ(status.rect.left, rtl ? 122 : 70);
  EXPECT_EQ(status.rect.top, 20);
  EXPECT_EQ(files8.rect.left, 70);
  EXPECT_EQ(files8.rect.top, 38);
  EXPECT_EQ(files8.rect.right - files8.rect.left, 392);
  EXPECT_EQ(cycle.rect.left, rtl ? 70 : 416);
  EXPECT_FALSE(cycle.visible) << "the cycling bar shows only for packages that ask for it";
  // Nine files in all; eight of them unpacked from the first part. The
  // cycling bar went 1, 2, 3, 4, 5, 0, 1, 2.
  EXPECT_EQ(SendMessageA(files8.window, PBM_GETRANGE, FALSE, 0), 9);
  EXPECT_EQ(SendMessageA(files8.window, PBM_GETPOS, 0, 0), 8);
  EXPECT_EQ(SendMessageA(cycle.window, PBM_GETRANGE, FALSE, 0), 5);
  EXPECT_EQ(SendMessageA(cycle.window, PBM_GETPOS, 0, 0), 2);
  if (charset == 0) {
    // The prompt sits over the progress window: move it aside for the picture.
    SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(main, HWND_TOP, 0, 400, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SavePng(CaptureWindow(main), ScreenshotPath("progress_window.png")));
  }

  PostKey(FocusedWindowOf(box), 'C');  // Cancel
  EXPECT_EQ(program.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Charsets, ProgressDisplay, ::testing::Values(0, 178));

}  // namespace
}  // namespace vantor::testing
