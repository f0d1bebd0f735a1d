// The new-version notice window, shown on a thread of its own as the agent's
// user-interface thread would show it, and looked at and answered from the
// test's thread as a user would: its place and layout, after a resize too,
// its fonts, its text, the Download button that hands the address to the
// browser, the close command, and the libraries the program loads at start.
#include <gtest/gtest.h>

#include <richedit.h>
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/browser_recorder.h"
#include "tests/windows/support/disabled_library.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_support.h"
#include "tools/vshot/screenshot.h"
#include "ui/rich_text_window.h"

namespace vantor::testing {
namespace {

constexpr char kNotice[] =
    "Widget 2.0 is available.\r\n\r\nWhat is new:\r\n- faster start\r\n- a new look\r\n\r\n"
    "Press the button below to download it.";
constexpr DWORD kWaitMs = 15000;

// Runs `show` (a call of ShowRichTextWindow) on a thread of its own: the call
// is modal on that thread, so the test's thread stays free to answer it.
class NoticeThread {
 public:
  explicit NoticeThread(std::function<bool()> show)
      : show_(std::move(show)), returned_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_.reset(CreateThread(nullptr, 0, Run, this, 0, &threadId_));
  }
  ~NoticeThread() { Result(); }
  NoticeThread(const NoticeThread&) = delete;
  NoticeThread& operator=(const NoticeThread&) = delete;

  DWORD threadId() const { return threadId_; }
  bool HasReturned() const { return WaitForSingleObject(returned_.get(), 0) == WAIT_OBJECT_0; }

  // The thread's visible top-level windows once there are `count` of them and
  // each one is painted and takes messages; empty when that does not happen in time.
  std::vector<HWND> WaitForWindows(std::size_t count = 1) const {
    const DWORD start = GetTickCount();
    for (;;) {
      std::vector<HWND> windows = VisibleWindows();
      if (windows.size() >= count) {
        const bool ready = std::all_of(windows.begin(), windows.end(),
                                       [](HWND window) { return WaitUntilBoxReady(window, kWaitMs); });
        if (ready) return windows;
      }
      if (GetTickCount() - start >= kWaitMs || HasReturned()) {
        ADD_FAILURE() << "expected " << count << " notice windows, found " << windows.size();
        return {};
      }
      Sleep(20);  // a window's appearance raises no event in another thread
    }
  }

  // Waits for the call to return. A window still open after the wait fails
  // the test and is closed, so a wrong answer never hangs the suite.
  bool Result() {
    if (!thread_) return result_;
    if (WaitForSingleObject(returned_.get(), kWaitMs) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "the call did not return";
      for (const HWND window : VisibleWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
    }
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
    return result_;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    auto& notice = *static_cast<NoticeThread*>(self);
    notice.result_ = notice.show_();
    SetEvent(notice.returned_.get());
    return 0;
  }

  static BOOL CALLBACK Collect(HWND window, LPARAM param) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
  }

  std::vector<HWND> VisibleWindows() const {
    std::vector<HWND> windows;
    EnumThreadWindows(threadId_, Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
  }

  std::function<bool()> show_;
  bool result_ = false;
  UniqueKernelHandle returned_;
  UniqueKernelHandle thread_;
  DWORD threadId_ = 0;
};

// The notice's usual arguments, changed field by field in the tests.
struct Notice {
  std::string title = "New Version";
  std::string caption = "Download";
  std::string text = kNotice;
  std::string address = "http://127.0.0.1:8080/updates/Widget-2.0.exe";
  int width = 420;
  int height = 360;
  bool rightToLeft = false;
  std::string face = "Tahoma";
  int points = 8;
  std::uint8_t charset = 1;

  bool Show(HWND owner = nullptr) const {
    return ShowRichTextWindow(owner, title, caption, text, address, width, height, rightToLeft, face, points,
                              charset);
  }
};

HWND TextControl(HWND window) {
  const std::vector<HWND> found = ChildrenOfClass(window, "RichEdit");
  return found.size() == 1 ? found.front() : nullptr;
}

HWND ButtonOf(HWND window) {
  const std::vector<HWND> found = ChildrenOfClass(window, "Button");
  return found.size() == 1 ? found.front() : nullptr;
}

// The text control fills the client area but a 3-pixel strip at the left and,
// with a button, the 43-pixel band at the bottom; the button is 160 x 25,
// centred, 33 pixels above the bottom.
void ExpectLaidOut(HWND window, HWND text, HWND button, const std::string& when) {
  RECT client{};
  GetClientRect(window, &client);
  const int cw = client.right, ch = client.bottom;
  const RECT textPlace = RectInParent(text);
  EXPECT_EQ(textPlace.left, 3) << when;
  EXPECT_EQ(textPlace.top, 0) << when;
  EXPECT_EQ(textPlace.right, cw) << when;
  EXPECT_EQ(textPlace.bottom, button ? ch - 43 : ch) << when;
  EXPECT_TRUE(IsWindowVisible(text)) << when;
  if (button) {
    const RECT buttonPlace = RectInParent(button);
    EXPECT_EQ(buttonPlace.left, (cw - 160) / 2) << when;
    EXPECT_EQ(buttonPlace.top, ch - 33) << when;
    EXPECT_EQ(Width(buttonPlace), 160) << when;
    EXPECT_EQ(Height(buttonPlace), 25) << when;
    EXPECT_TRUE(IsWindowVisible(button)) << when;
  }
}

// What a window-closing answer must not do: open anything. An address opened
// at once afterwards marks the end of the record, since the shell gives no
// event for "nothing opened".
void ExpectOnlyMarkerOpened(const RecordingBrowser& browser) {
  Notice marker;
  marker.text = "";
  marker.address = "http://127.0.0.1:8080/marker";
  EXPECT_TRUE(marker.Show());
  ASSERT_TRUE(browser.WaitForOpened(marker.address));
  EXPECT_EQ(browser.Opened(), std::vector<std::string>{marker.address});
}

LOGFONTA FontOf(HWND control) {
  LOGFONTA font{};
  const auto handle = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  EXPECT_NE(handle, nullptr) << ClassOf(control) << " has no font";
  if (handle) GetObjectA(handle, sizeof font, &font);
  return font;
}

// The distance from the first line of the text control to the second.
int LineStep(HWND text) {
  const auto second = static_cast<LPARAM>(SendMessageA(text, EM_LINEINDEX, 1, 0));
  POINTL first{}, next{};
  SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), 0);
  SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&next), second);
  return static_cast<int>(next.y - first.y);
}

TEST(RichTextWindow, ShowRichTextWindow_PlacesTheWindowAndLaysOutTextAndButtonAlsoAfterResizes) {
  struct Case {
    std::string address;
    bool rightToLeft;
  };
  const Case cases[] = {
      {"http://127.0.0.1:8080/updates/Widget-2.0.exe", false},
      {"", false},  // no address: no button and no band
      {"http://127.0.0.1:8080/updates/Widget-2.0.exe", true},
  };
  RecordingBrowser browser;
  for (const Case& c : cases) {
    const std::string label = "address '" + c.address + "' rtl " + std::to_string(c.rightToLeft);
    Notice notice;
    notice.address = c.address;
    notice.rightToLeft = c.rightToLeft;
    std::atomic<HWND> owner{nullptr};
    NoticeThread shown([&] {
      const UniqueWindow ownerWindow(CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                                   GetModuleHandleA(nullptr), nullptr));
      owner = ownerWindow.get();
      return notice.Show(ownerWindow.get());
    });
    const std::vector<HWND> windows = shown.WaitForWindows();
    ASSERT_EQ(windows.size(), 1u) << label;
    const HWND window = windows.front();
    EXPECT_EQ(ClassOf(window), "VRichEditBox") << label;
    EXPECT_EQ(GetWindowTextOf(window), "New Version") << label;
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner.load()) << label;
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME, 0) << "resizable; " << label;

    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(Width(place), 420) << label;
    EXPECT_EQ(Height(place), 360) << label;
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 420) / 2) << label;
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 360) / 2) << label;

    const HWND text = TextControl(window);
    ASSERT_NE(text, nullptr) << label;
    EXPECT_EQ(TextOf(text), kNotice) << "shown unchanged; " << label;
    const LONG style = GetWindowLongA(text, GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY), ES_MULTILINE | ES_READONLY) << label;
    EXPECT_EQ((style & ES_RIGHT) != 0, c.rightToLeft) << label;
    EXPECT_EQ((GetWindowLongA(text, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0, c.rightToLeft) << label;

    const HWND button = ButtonOf(window);
    EXPECT_EQ(button != nullptr, !c.address.empty()) << label;
    if (button) {
      EXPECT_EQ(GetWindowTextOf(button), "Download") << label;
      EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << label;
      EXPECT_EQ(GetWindowLongPtrA(button, GWLP_USERDATA), 1) << label;
      EXPECT_EQ(FocusedWindowOf(window), button) << label;
    }
    ExpectLaidOut(window, text, button, "as opened; " + label);

    for (const SIZE size : {SIZE{613, 477}, SIZE{251, 120}}) {
      SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      GetWindowRect(window, &place);
      ASSERT_EQ(Width(place), size.cx) << label;
      ExpectLaidOut(window, text, button, "resized to " + std::to_string(size.cx) + "; " + label);
    }
    // Too small for the text now: the vertical scroll bar shows.
    EXPECT_TRUE(WaitUntil([&] { return (GetWindowLongA(text, GWL_STYLE) & WS_VSCROLL) != 0; }, kWaitMs)) << label;

    // The close command, as the caption's close button gives it.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(shown.Result()) << label;
    EXPECT_FALSE(IsWindow(window)) << label;
  }
  ExpectOnlyMarkerOpened(browser);
}

TEST(RichTextWindow, ShowRichTextWindow_TextInVerdanaFor15PixelsUnlessAnotherFaceButtonAsGiven) {
  struct Case {
    std::string face;
    int points;
    std::uint8_t charset;
    std::string textFace;
  };
  const Case cases[] = {
      {"Tahoma", 8, 1, "Verdana"},
      {"", 10, 1, "Verdana"},
      {"Courier New", 12, 0, "Courier New"},
      {"tahoma", 9, 204, "tahoma"},  // the face is compared with case
  };
  for (const Case& c : cases) {
    Notice notice;
    notice.face = c.face;
    notice.points = c.points;
    notice.charset = c.charset;
    LOGFONTA buttonFont{};
    CHARFORMATA shown{};
    int lineStep = 0;
    NoticeThread thread([&] { return notice.Show(); });
    const std::vector<HWND> windows = thread.WaitForWindows();
    ASSERT_EQ(windows.size(), 1u) << c.face;
    const HWND text = TextControl(windows.front());
    const HWND button = ButtonOf(windows.front());
    ASSERT_NE(text, nullptr);
    ASSERT_NE(button, nullptr);
    shown.cbSize = sizeof shown;
    SendMessageA(text, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&shown));
    lineStep = LineStep(text);
    buttonFont = FontOf(button);
    PostMessageA(windows.front(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(thread.Result());

    EXPECT_STREQ(shown.szFaceName, c.textFace.c_str()) << c.face;
    EXPECT_EQ(shown.bCharSet, c.charset) << c.face;
    EXPECT_EQ(shown.bPitchAndFamily, FF_SWISS) << c.face;
    EXPECT_EQ(shown.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT), 0u) << c.face;
    EXPECT_EQ(lineStep, 15) << "lines follow each other at the font's cell height; " << c.face;

    EXPECT_STREQ(buttonFont.lfFaceName, c.face.c_str()) << c.face;
    EXPECT_EQ(buttonFont.lfHeight, -MulDiv(c.points, ScreenDpi(), 72)) << c.face;
    EXPECT_EQ(buttonFont.lfCharSet, c.charset) << c.face;
    EXPECT_EQ(buttonFont.lfWeight, FW_NORMAL) << c.face;
  }
}

TEST(RichTextWindow, DownloadButton_OpensTheTrimmedAddressInTheBrowserAndClosesTheWindow) {
  RecordingBrowser browser;
  const std::string address = "http://127.0.0.1:8080/updates/Widget-2.0.exe?from=notice";
  Notice notice;
  notice.address = " \t" + address + " \r\n";
  NoticeThread thread([&] { return notice.Show(); });
  const std::vector<HWND> windows = thread.WaitForWindows();
  ASSERT_EQ(windows.size(), 1u);
  const HWND button = ButtonOf(windows.front());
  ASSERT_NE(button, nullptr);
  PostKey(button, VK_SPACE);  // the focused push button answers the space bar
  EXPECT_TRUE(thread.Result());
  EXPECT_FALSE(IsWindow(windows.front()));
  ASSERT_TRUE(browser.WaitForOpened(address));
  EXPECT_EQ(browser.Opened(), std::vector<std::string>{address});
}

TEST(RichTextWindow, EmptyText_OpensTheAddressAtOnceWithoutWindowOrReturnsFalseWithoutAddress) {
  struct Case {
    std::string address;
    bool result;
  };
  // The cases that open nothing come first: the last one's address ends the record.
  const Case cases[] = {
      {"", false},
      {" \t\r\n", false},  // blank once trimmed
      {"  http://127.0.0.1:8080/notice/at-once\t", true},
  };
  RecordingBrowser browser;
  for (const Case& c : cases) {
    Notice notice;
    notice.text = "";
    notice.address = c.address;
    // A window shown here would keep the call from returning: the thread fails the test.
    NoticeThread thread([&] { return notice.Show(); });
    EXPECT_EQ(thread.Result(), c.result) << "'" << c.address << "'";
  }
  ASSERT_TRUE(browser.WaitForOpened("http://127.0.0.1:8080/notice/at-once"));
  EXPECT_EQ(browser.Opened(), std::vector<std::string>{"http://127.0.0.1:8080/notice/at-once"});
}

TEST(RichTextWindow, ShowRichTextWindow_CanBeShownAgainInTheSameRun) {
  for (const std::string title : {"First notice", "Second notice", "Third notice"}) {
    Notice notice;
    notice.title = title;
    notice.text = title + " text";
    NoticeThread thread([&] { return notice.Show(); });
    const std::vector<HWND> windows = thread.WaitForWindows();
    ASSERT_EQ(windows.size(), 1u) << title;
    EXPECT_EQ(GetWindowTextOf(windows.front()), title);
    const HWND text = TextControl(windows.front());
    ASSERT_NE(text, nullptr) << title;
    EXPECT_EQ(TextOf(text), title + " text");
    ExpectLaidOut(windows.front(), text, ButtonOf(windows.front()), title);
    PostMessageA(windows.front(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(thread.Result()) << title;
  }
}

// A notice opened from a timer of the thread while another one waits, as the
// agent's timer keeps ticking under an open notice.
struct InnerNotice {
  std::atomic<bool> returned{false};
  bool result = false;
};
InnerNotice* innerNotice = nullptr;

void CALLBACK ShowInnerNotice(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  Notice notice;
  notice.title = "Inner";
  notice.address = "";
  notice.width = 300;
  notice.height = 200;
  innerNotice->result = notice.Show();
  innerNotice->returned = true;
}

TEST(RichTextWindow, ShowRichTextWindow_ANoticeOpenedUnderAnotherEndsOnlyWithItsOwnWindow) {
  InnerNotice inner;
  innerNotice = &inner;
  NoticeThread thread([] {
    SetTimer(nullptr, 0, 1, ShowInnerNotice);
    Notice notice;
    notice.title = "Outer";
    return notice.Show();
  });
  const std::vector<HWND> windows = thread.WaitForWindows(2);
  ASSERT_EQ(windows.size(), 2u);
  const bool innerFirst = GetWindowTextOf(windows[0]) == "Inner";
  const HWND innerWindow = windows[innerFirst ? 0 : 1];
  const HWND outerWindow = windows[innerFirst ? 1 : 0];
  ASSERT_EQ(GetWindowTextOf(innerWindow), "Inner");
  ASSERT_EQ(GetWindowTextOf(outerWindow), "Outer");

  PostMessageA(innerWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return inner.returned.load(); }, kWaitMs));
  EXPECT_TRUE(inner.result);
  // Once the thread has gone round its loop again, the outer call still waits for its window.
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutA(outerWindow, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored), 0);
  EXPECT_FALSE(thread.HasReturned());
  ASSERT_TRUE(IsWindow(outerWindow));
  const HWND text = TextControl(outerWindow);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(TextOf(text), kNotice);
  ExpectLaidOut(outerWindow, text, ButtonOf(outerWindow), "after the inner notice");

  PostMessageA(outerWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(thread.Result());
  innerNotice = nullptr;
}

TEST(RichTextWindow, QuitMessage_EndsTheWindowAndIsPostedAgainForTheProgramsLoop) {
  std::atomic<int> reposted{-1};
  NoticeThread thread([&] {
    Notice notice;
    const bool shown = notice.Show();
    MSG msg;
    if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) reposted = static_cast<int>(msg.wParam);
    return shown;
  });
  const std::vector<HWND> windows = thread.WaitForWindows();
  ASSERT_EQ(windows.size(), 1u);
  PostThreadMessageA(thread.threadId(), WM_QUIT, 7, 0);
  EXPECT_TRUE(thread.Result());
  EXPECT_FALSE(IsWindow(windows.front()));
  EXPECT_EQ(reposted, 7);
}

TEST(RichTextWindow, ShowRichTextWindow_PaintsTheButtonBandAndIsSavedAsScreenshot) {
  for (const bool withButton : {true, false}) {
    Notice notice;
    if (!withButton) notice.address = "";
    Image image;
    RECT client{}, window{};
    POINT origin{0, 0};
    NoticeThread thread([&] { return notice.Show(); });
    const std::vector<HWND> windows = thread.WaitForWindows();
    ASSERT_EQ(windows.size(), 1u);
    const HWND shown = windows.front();
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(WaitUntilBoxReady(shown, kWaitMs));
    GetClientRect(shown, &client);
    GetWindowRect(shown, &window);
    ClientToScreen(shown, &origin);
    image = CaptureWindow(shown);
    PostMessageA(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(thread.Result());
    ASSERT_GT(image.width, 0);
    EXPECT_TRUE(SavePng(image, ScreenshotPath(withButton ? "rich_text_window.png" : "rich_text_window_no_button.png")));

    // Client coordinates into the captured window image.
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    const int cw = client.right, ch = client.bottom;
    auto at = [&](int x, int y) { return image.At(x + dx, y + dy); };
    EXPECT_EQ(at(1, 5), GetSysColor(COLOR_WINDOW)) << "left strip";
    EXPECT_EQ(at(cw / 2, ch - 60), GetSysColor(COLOR_WINDOW)) << "text area";
    if (withButton) {
      EXPECT_EQ(at(1, ch - 43), GetSysColor(COLOR_3DDKSHADOW)) << "dark line";
      EXPECT_EQ(at(cw - 2, ch - 43), GetSysColor(COLOR_3DDKSHADOW)) << "dark line";
      EXPECT_EQ(at(1, ch - 42), GetSysColor(COLOR_BTNFACE)) << "button band";
      EXPECT_EQ(at(cw - 2, ch - 2), GetSysColor(COLOR_BTNFACE)) << "button band";
    } else {
      EXPECT_EQ(at(1, ch - 2), GetSysColor(COLOR_WINDOW)) << "no band";
      EXPECT_EQ(at(cw / 2, ch - 20), GetSysColor(COLOR_WINDOW)) << "no band";
    }
  }
}

std::string ProbePath() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string path = self;
  return path.substr(0, path.rfind('\\') + 1) + "rich_text_probe.exe";
}

TEST(RichTextWindow, WithoutRichEditLibrary_ShowsTheTextInAPlainEditControl) {
  ScratchFolder folder("norich");
  const std::string program = folder / "rich_text_probe_norich.exe";
  ASSERT_TRUE(CopyFileA(ProbePath().c_str(), program.c_str(), FALSE));
  const DisabledLibraryFor disabled("rich_text_probe_norich.exe", "riched32");
  const std::string text = "Widget 2.0 is available. Press the button to download it.";
  RunningProgram probe(Quote(program) + " " + Quote(text) + " http://127.0.0.1:8080/updates/Widget-2.0.exe");
  const HWND window = WaitForWindowOfClass("VRichEditBox");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntilBoxReady(window, kWaitMs));
  EXPECT_TRUE(ChildrenOfClass(window, "RichEdit").empty());
  const std::vector<HWND> edits = ChildrenOfClass(window, "Edit");
  ASSERT_EQ(edits.size(), 1u);
  EXPECT_EQ(TextOf(edits.front()), text);
  ExpectLaidOut(window, edits.front(), ButtonOf(window), "plain edit control");
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(probe.WaitForExit(), 1u) << "the window was shown";
}

std::vector<std::string> ModulesOf(DWORD processId) {
  std::vector<std::string> names;
  const UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!snapshot) return names;
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32First(snapshot.get(), &entry); more; more = Module32Next(snapshot.get(), &entry)) {
    names.push_back(UpperAscii(entry.szModule));
  }
  return names;
}

TEST(RichTextWindow, ProgramStart_LoadsTheWindowLibrariesAndKeepsThem) {
  // An agent under another name runs its main window until it is closed and
  // shows neither a box nor a notice on its own.
  ScratchFolder folder("libraries");
  WriteWholeFile(folder / "readme.txt", "hello");
  const std::string agent = folder / "Widget Agent.exe";
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
       " --agent --agent-name Agent.exe --info-file Widget.2.info --update-base http://127.0.0.1/ --file " +
       Quote(folder / "readme.txt"));
  RunningProgram program(Quote(agent));
  const HWND main = WaitForWindowOfClass(".AutoUpdate.Widget Agent");
  ASSERT_NE(main, nullptr);
  const std::vector<std::string> modules = ModulesOf(program.processId());
  SendMessageA(main, WM_CLOSE, 0, 0);
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
  ASSERT_FALSE(modules.empty()) << "no module list";
  for (const char* library : {"SHELL32.DLL", "USP10.DLL", "MSLS31.DLL", "RICHED32.DLL"}) {
    EXPECT_NE(std::find(modules.begin(), modules.end(), library), modules.end()) << library;
  }
}

}  // namespace
}  // namespace vantor::testing
