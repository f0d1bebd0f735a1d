#include "base/window_helpers.h"

#include "base/device_context.h"

namespace vantor {

namespace {
UINT autoPlayMessage = 0;
}  // namespace

int ScreenDpi() {
  static const int dpi = GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY);
  return dpi;
}

int PointsToPixels(int points) { return MulDiv(points, ScreenDpi(), 72); }

RECT GetWorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

POINT CenterInWorkArea(int width, int height) {
  const RECT area = GetWorkArea();
  return POINT{area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

std::string GetWindowTextOf(HWND window) {
  if (window == nullptr) return {};
  char text[1024] = {};
  const int n = GetWindowTextA(window, text, sizeof text);
  return std::string(text, n > 0 ? n : 0);
}

void SetAutoPlaySuppression(bool on) { autoPlayMessage = on ? RegisterWindowMessageA("QueryCancelAutoPlay") : 0; }

UINT AutoPlayMessage() { return autoPlayMessage; }

WindowClassRegistration RegisterOwnWindowClass(const char* className, WNDPROC procedure) {
  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = className;
  return WindowClassRegistration(RegisterClassA(&wc), wc.hInstance);
}

}  // namespace vantor
