// Screen, work area and window-text helpers, and the AutoPlay answer.
#pragma once

#include <windows.h>

#include <string>

#include "base/handles.h"

namespace vantor {

// LOGPIXELSY of the screen, read once per run.
int ScreenDpi();
int PointsToPixels(int points);
RECT GetWorkArea();
// Left and top that centre a box of that size in the work area.
POINT CenterInWorkArea(int width, int height);
std::string GetWindowTextOf(HWND window);
// While on, the windows answer the registered "QueryCancelAutoPlay" message with 1.
void SetAutoPlaySuppression(bool on);
UINT AutoPlayMessage();

// Registers the class of one of the program's own top-level windows: redrawn
// whole when sized, double clicks, the arrow cursor, the button-face
// background. A class left registered (by a window still open further up this
// thread, or by another module) is used as it is.
WindowClassRegistration RegisterOwnWindowClass(const char* className, WNDPROC procedure);

// The object a window was created for (its creation parameter), kept in the
// window's user data from WM_NCCREATE on; null for the messages before it.
template <typename Session>
Session* WindowSession(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Session*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace vantor
