// The markup box's answers as a user gives them: keys and commands posted
// from a second thread to a real box under Wine, the owner window it disables
// and reactivates, and the thread's other messages while it is up.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "ui/message_box.h"

// <windows.h> maps MessageBox to MessageBoxA; the suites are named after our box.
#undef MessageBox

namespace vantor::testing {
namespace {

constexpr std::uint8_t kDefaultCharset = 1;

// ---- Answers ----

TEST(MessageBox, ShowMarkupBox_KeysChooseButtonsAsTheKeyFilterSays) {
  using Keys = std::function<void(HWND box)>;
  auto keys = [](std::vector<UINT> list) -> Keys {
    return [list](HWND box) {
      for (const UINT key : list) PostKey(FocusedWindowOf(box), key);
    };
  };
  struct Case {
    const char* name;
    std::uint32_t flags;
    Keys answer;
    int result;
  };
  const Case cases[] = {
      {"Y answers Yes", 0x24, keys({'Y'}), kBoxYes},
      {"N answers No", 0x24, keys({'N'}), kBoxNo},
      {"Enter presses the default No", 0x124, keys({VK_RETURN}), kBoxNo},
      {"Tab wraps back to Yes", 0x124, keys({VK_TAB, VK_RETURN}), kBoxYes},
      {"Left from Yes wraps to No", 0x24, keys({VK_LEFT, VK_RETURN}), kBoxNo},
      {"Up moves left", 0x203, keys({VK_UP, VK_RETURN}), kBoxNo},
      {"Right and Down move right", 0x3, keys({VK_RIGHT, VK_DOWN, VK_RETURN}), kBoxCancel},
      {"plain C answers Cancel", 0x1, keys({'C'}), kBoxCancel},
      {"Alt+C answers Cancel", 0x1, [](HWND box) { PostAltKey(FocusedWindowOf(box), 'C'); }, kBoxCancel},
      {"I answers Ignore", 0x2, keys({'I'}), kBoxIgnore},
      {"R answers Retry", 0x5, keys({'R'}), kBoxRetry},
      {"Escape means nothing", 0x24, keys({VK_ESCAPE, 'N'}), kBoxNo},
      {"an unknown letter means nothing", 0x0, keys({'Q', VK_RETURN}), kBoxOk},
      {"Space presses the focused button", 0x124, keys({VK_SPACE}), kBoxNo},
  };
  for (const Case& c : cases) {
    BoxDriver driver(c.answer);
    const int result = ShowPlainBox("Continue?", c.flags);
    driver.Finish();
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(MessageBox, ShowMarkupBox_DefaultButtonFieldFocusesAndMarksThatButton) {
  HWND focused = nullptr;
  std::vector<HWND> buttons;
  std::vector<LONG> styles;
  BoxDriver driver([&](HWND box) {
    focused = FocusedWindowOf(box);
    buttons = ChildrenOfClass(box, "Button");
    for (const HWND b : buttons) styles.push_back(GetWindowLongA(b, GWL_STYLE) & 0x0F);
    PostKey(focused, 'Y');
  });
  EXPECT_EQ(ShowPlainBox("Continue?", 0x124), kBoxYes);
  driver.Finish();
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(focused, buttons[1]);
  EXPECT_EQ(styles, (std::vector<LONG>{BS_PUSHBUTTON, BS_DEFPUSHBUTTON}));
}

TEST(MessageBox, ShowMarkupBox_ButtonClickAnswersWithItsCode) {
  BoxDriver driver([](HWND box) {
    const std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
    if (buttons.size() == 3) PostMessageA(buttons[1], BM_CLICK, 0, 0);  // Retry
  });
  EXPECT_EQ(ShowPlainBox("The disk is not ready.", 0x2), kBoxRetry);
}

TEST(MessageBox, ShowMarkupBox_CloseCommandAnswersZeroSoQuestionsAnswerNo) {
  auto close = [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };
  {
    BoxDriver driver(close);
    EXPECT_EQ(ShowPlainBox("Continue?", 0x3), kBoxClosed);
  }
  {
    BoxDriver driver(close);
    EXPECT_FALSE(AskYesNo(BoxOwnerMode::NoHeading, "Continue?", "", "", kDefaultCharset, 0));
  }
}

TEST(MessageBox, ShowMarkupBox_OwnerModeTwoGraysTheCloseCommand) {
  for (const BoxOwnerMode mode : {BoxOwnerMode::NoHeading, BoxOwnerMode::NoClose}) {
    UINT state = 0;
    BoxDriver driver([&](HWND box) {
      state = GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND);
      PostKey(FocusedWindowOf(box), VK_RETURN);
    });
    EXPECT_EQ(ShowMarkupBox(mode, "Please wait.", "Setup", "", kDefaultCharset, 0x0, 0), kBoxOk);
    driver.Finish();
    EXPECT_EQ((state & MF_GRAYED) != 0, mode == BoxOwnerMode::NoClose) << static_cast<int>(mode);
  }
}

TEST(MessageBox, ShowMarkupBox_TimeOutAnswersWithTheLeftmostButton) {
  {
    BoxDriver driver([](HWND) {});
    EXPECT_EQ(ShowPlainBox("Continue?", 0x124, 300), kBoxYes);  // Yes, although No is the default
  }
  {
    BoxDriver driver([](HWND) {});
    EXPECT_EQ(ShowPlainBox("No buttons at all.", 0x6, 300), kBoxClosed);
  }
}

TEST(MessageBox, Wrappers_FillDefaultTitlesAndCaptions) {
  // The wrappers that answer a question give their answer; the others none.
  using Call = std::function<std::optional<bool>()>;
  struct Case {
    const char* name;
    Call call;
    std::string caption;
    std::vector<std::string> buttons;
    UINT key;
    std::optional<bool> answer;
  };
  const std::string german = "|&OK|&Abbrechen|&Ja|&Nein|";
  const Case cases[] = {
      {"error",
       [] {
         ShowErrorBox(BoxOwnerMode::NoHeading, "Disk full", "", "", kDefaultCharset);
         return std::optional<bool>();
       },
       "Error", {"&OK"}, VK_RETURN, std::nullopt},
      {"warning",
       [] {
         ShowWarningBox(BoxOwnerMode::NoHeading, "Low on space", "", "", kDefaultCharset, 0);
         return std::optional<bool>();
       },
       "Attention", {"&OK"}, VK_RETURN, std::nullopt},
      {"yes/no", [] { return std::optional(AskYesNo(BoxOwnerMode::NoHeading, "Go?", "", "", kDefaultCharset, 0)); },
       "Confirm", {"&Yes", "&No"}, 'Y', true},
      {"ok/cancel", [] { return std::optional(AskOkCancel(BoxOwnerMode::NoHeading, "Go?", "", "", kDefaultCharset)); },
       "Confirm", {"&OK", "&Cancel"}, 'C', false},
      {"ok/cancel with OK",
       [] { return std::optional(AskOkCancel(BoxOwnerMode::NoHeading, "Go?", "", "", kDefaultCharset)); }, "Confirm",
       {"&OK", "&Cancel"}, 'O', true},
      {"translated",
       [&] { return std::optional(AskYesNo(BoxOwnerMode::NoHeading, "Los?", "Frage", german, kDefaultCharset, 0)); },
       "Frage", {"&Ja", "&Nein"}, 'J', true},
  };
  for (const Case& c : cases) {
    BoxLook look;
    BoxDriver driver([&](HWND box) {
      look = LookAt(box);
      PostKey(FocusedWindowOf(box), c.key);
    });
    const std::optional<bool> answer = c.call();
    driver.Finish();
    EXPECT_EQ(answer, c.answer) << c.name;
    EXPECT_EQ(look.caption, c.caption) << c.name;
    EXPECT_EQ(look.buttonCaptions, c.buttons) << c.name;
  }
}

// ---- Owner, activation and the thread's other messages ----

class TestWindow {
 public:
  TestWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantorBoxOwnerTest";
    registration_ = WindowClassRegistration(RegisterClassA(&wc), wc.hInstance);
    window_.reset(CreateWindowA("VantorBoxOwnerTest", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, wc.hInstance, nullptr));
  }
  HWND get() const { return window_.get(); }

 private:
  WindowClassRegistration registration_;
  UniqueWindow window_;
};

TEST(MessageBox, ShowMarkupBox_DisablesTheActiveWindowAndActivatesItAgain) {
  TestWindow active;
  ASSERT_NE(active.get(), nullptr);
  SetForegroundWindow(active.get());
  SetActiveWindow(active.get());
  ASSERT_EQ(GetActiveWindow(), active.get());

  HWND owner = nullptr;
  BOOL enabledMeanwhile = TRUE;
  BoxDriver driver([&](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    enabledMeanwhile = IsWindowEnabled(active.get());
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  EXPECT_EQ(ShowPlainBox("Done.", 0x40), kBoxOk);
  driver.Finish();
  EXPECT_EQ(owner, active.get());
  EXPECT_FALSE(enabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(active.get()));
  EXPECT_EQ(GetActiveWindow(), active.get());
}

TEST(MessageBox, ShowMarkupBox_WindowHandleBecomesTheOwner) {
  TestWindow ownerWindow;
  ASSERT_NE(ownerWindow.get(), nullptr);
  HWND owner = nullptr;
  std::string shown;
  BoxDriver driver([&](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    shown = TextOf(TextControlOf(box));
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  EXPECT_EQ(ShowMarkupBox(ownerWindow.get(), "Done.", "Error", "", kDefaultCharset, 0x0, 0), kBoxOk);
  driver.Finish();
  EXPECT_EQ(owner, ownerWindow.get());
  EXPECT_EQ(shown, "Done.") << "a window owner shows no heading";
}

TEST(MessageBox, ShowMarkupBox_AnswersTheAutoPlayQueryWhileSuppressed) {
  SetAutoPlaySuppression(true);
  DWORD_PTR answer = 0;
  BoxDriver driver([&](HWND box) {
    SendMessageTimeoutA(box, AutoPlayMessage(), 0, 0, SMTO_NORMAL, 5000, &answer);
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  ShowPlainBox("Insert disk 2.", 0x1);
  driver.Finish();
  SetAutoPlaySuppression(false);
  EXPECT_EQ(answer, 1u);
}

TEST(MessageBox, ShowMarkupBox_QuitMessageEndsTheBoxAndIsPostedAgain) {
  const DWORD thread = GetCurrentThreadId();
  BoxDriver driver([&](HWND) { PostThreadMessageA(thread, WM_QUIT, 5, 0); });
  EXPECT_EQ(ShowPlainBox("Continue?", 0x24), kBoxClosed);
  driver.Finish();
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was lost";
  EXPECT_EQ(msg.wParam, 5u);
}

}  // namespace
}  // namespace vantor::testing
