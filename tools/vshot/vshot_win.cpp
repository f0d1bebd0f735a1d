// vshot: saves a picture of a program's window as a person sees it.
//
//   vshot.exe WINDOW_CLASS OUTPUT.png [TIMEOUT_MS]
//
// Waits (up to TIMEOUT_MS, default 60000) until a top-level window of that
// class is visible, lets it paint, and writes it as PNG. Exit code 0 when a
// picture was saved, 1 when no such window showed in time.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tools/vshot/screenshot.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    MessageBoxA(nullptr, "usage: vshot.exe WINDOW_CLASS OUTPUT.png [TIMEOUT_MS]", "vshot", MB_OK);
    return 2;
  }
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 60000;
  const DWORD start = GetTickCount();
  // Another process's window gives no event when it shows: look every 20 ms.
  for (;;) {
    const HWND window = FindWindowA(argv[1], nullptr);
    if (window != nullptr && IsWindowVisible(window)) {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
      return vantor::SavePng(vantor::CaptureWindow(window), argv[2]) ? 0 : 1;
    }
    if (GetTickCount() - start >= timeout) return 1;
    Sleep(20);
  }
}
