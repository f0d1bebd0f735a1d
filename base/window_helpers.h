// Screen, work area and window-text helpers, and the AutoPlay answer.
#pragma once

#include <windows.h>

#include <string>

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

}  // namespace vantor
