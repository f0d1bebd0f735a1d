// vshot: saves a picture of a program's window as a person sees it.
//
//   vshot.exe WINDOW_CLASS OUTPUT.png [TIMEOUT_MS]
//     Waits (up to TIMEOUT_MS, default 60000) until a top-level window of that
//     class is visible, lets it paint, and writes it as PNG. Exit code 0 when
//     a picture was saved, 1 when no such window showed in time.
//
//   vshot.exe --answer WINDOW_CLASS PREFIX [TIMEOUT_MS]
//     Answers every window of that class as a hurried user would: saves
//     PREFIX-1.png, PREFIX-2.png, ... and presses Enter on its focused
//     control. Ends when no new window has shown for TIMEOUT_MS (default
//     60000); the exit code is the number of windows answered.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tools/vshot/screenshot.h"

namespace {

// Another process's window gives no event when it shows: look every 20 ms.
constexpr DWORD kLookMs = 20;

HWND WaitForVisible(const char* className, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    const HWND window = FindWindowA(className, nullptr);
    if (window != nullptr && IsWindowVisible(window)) return window;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(kLookMs);
  }
}

bool Save(HWND window, const std::string& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return vantor::SavePng(vantor::CaptureWindow(window), path);
}

void PressEnter(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  const HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr ? info.hwndFocus : window;
  PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageA(target, WM_KEYUP, VK_RETURN, 0xC0000001);
}

int Answer(const char* className, const std::string& prefix, DWORD timeoutMs) {
  int answered = 0;
  while (const HWND window = WaitForVisible(className, timeoutMs)) {
    Sleep(1500);  // under load Wine paints a window's buttons well after it shows
    Save(window, prefix + "-" + std::to_string(++answered) + ".png");
    PressEnter(window);
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < timeoutMs) Sleep(kLookMs);
  }
  return answered;
}

DWORD TimeoutArgument(int argc, char** argv, int index) {
  return argc > index ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 10)) : 60000;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[1]) == "--answer") return Answer(argv[2], argv[3], TimeoutArgument(argc, argv, 4));
  if (argc < 3) {
    MessageBoxA(nullptr, "usage: vshot.exe [--answer] WINDOW_CLASS OUTPUT [TIMEOUT_MS]", "vshot", MB_OK);
    return 2;
  }
  const HWND window = WaitForVisible(argv[1], TimeoutArgument(argc, argv, 3));
  return window != nullptr && Save(window, argv[2]) ? 0 : 1;
}
