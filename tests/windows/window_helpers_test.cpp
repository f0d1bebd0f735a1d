// The window, shell and system helpers against the real system under Wine.
#include <gtest/gtest.h>

#include <string>

#include "base/message_pump.h"
#include "base/program_paths.h"
#include "base/system_helpers.h"
#include "base/window_helpers.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

int messagesSeen = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP + 7) {
    ++messagesSeen;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WindowHelpers, WaitPumpingDispatchesPostedMessagesAndConsumesQuit) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VantorPumpTest";
  WindowClassRegistration registration(RegisterClassA(&wc), wc.hInstance);
  UniqueWindow window(CreateWindowA("VantorPumpTest", "", 0, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr));
  ASSERT_TRUE(window.valid());
  messagesSeen = 0;
  PostMessageA(window.get(), WM_APP + 7, 0, 0);
  PostMessageA(window.get(), WM_APP + 7, 0, 0);
  PostQuitMessage(0);
  WaitPumping(30, 0);
  EXPECT_EQ(messagesSeen, 2);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the quit message was dispatched";
}

TEST(WindowHelpers, CentreAndPointsFollowTheSystemFigures) {
  const RECT area = GetWorkArea();
  ASSERT_GT(area.right - area.left, 0);
  const POINT p = CenterInWorkArea(301, 200);
  EXPECT_EQ(p.x, area.left + (area.right - area.left - 301) / 2);
  EXPECT_EQ(p.y, area.top + (area.bottom - area.top - 200) / 2);
  EXPECT_GT(ScreenDpi(), 0);
  EXPECT_EQ(PointsToPixels(72), ScreenDpi());
  EXPECT_EQ(PointsToPixels(8), MulDiv(8, ScreenDpi(), 72));
}

TEST(WindowHelpers, WindowTextIsCutAt1023Characters) {
  const std::string title(1500, 't');
  UniqueWindow window(CreateWindowA("STATIC", title.c_str(), 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window.valid());
  EXPECT_EQ(GetWindowTextOf(window.get()), std::string(1023, 't'));
  EXPECT_EQ(GetWindowTextOf(nullptr), "");
}

TEST(WindowHelpers, AutoPlaySuppressionRegistersTheMessage) {
  EXPECT_EQ(AutoPlayMessage(), 0u);
  SetAutoPlaySuppression(true);
  EXPECT_EQ(AutoPlayMessage(), RegisterWindowMessageA("QueryCancelAutoPlay"));
  SetAutoPlaySuppression(false);
  EXPECT_EQ(AutoPlayMessage(), 0u);
}

TEST(WindowHelpers, LibraryFunctionsAreFoundByName) {
  const LibraryProc found = LoadLibraryProc("kernel32.dll", "GetDiskFreeSpaceExA");
  EXPECT_NE(found.proc, nullptr);
  EXPECT_TRUE(found.library.valid());
  EXPECT_EQ(LoadLibraryProc("kernel32.dll", "NoSuchFunctionAnywhere").proc, nullptr);
  const LibraryProc missing = LoadLibraryProc("no_such_library_here.dll", "X");
  EXPECT_EQ(missing.proc, nullptr);
  EXPECT_FALSE(missing.library.valid());
  EXPECT_NE(GetLibraryProc("psapi.dll", "EnumProcesses"), nullptr);
  EXPECT_NE(GetModuleHandleA("psapi.dll"), nullptr) << "GetLibraryProc keeps the library loaded";
}

TEST(WindowHelpers, LastErrorTextHasNoTrailingDotAndKeepsTheError) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  const std::string text = LastErrorText();
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '.');
  EXPECT_GT(static_cast<unsigned char>(text.back()), 32);
  SetLastError(0x80000005u);
  EXPECT_EQ(LastErrorText(), "Error Reading \"SysUtils.SysErrorMessage(GetLastError)\"");
}

TEST(WindowHelpers, ShellOpenStartsProgramsAndReportsMissingFiles) {
  ScratchFolder folder("shell");
  EXPECT_FALSE(ShellOpen(folder / "missing.exe", "", SW_HIDE));
  const std::string plain = folder / "plain.exe";
  ASSERT_TRUE(CopyFileA(ToolPath("VantorStub.exe").c_str(), plain.c_str(), FALSE));
  EXPECT_TRUE(ShellOpen(plain, "/X=1", SW_HIDE));
}

TEST(WindowHelpers, ProgramAndSystemFolders) {
  const std::string program = ProgramPath();
  EXPECT_EQ(ProgramFolder(true) + program.substr(program.rfind('\\') + 1), program);
  EXPECT_NE(ProgramFolder(false).back(), '\\');
  EXPECT_EQ(vantor::TempFolder(true).back(), '\\');
  EXPECT_NE(WindowsFolder(false).back(), '\\');
  EXPECT_EQ(GetFileAttributesA(SystemFolder(false).c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_TRUE(IsWinNT());
}

}  // namespace
}  // namespace vantor::testing
