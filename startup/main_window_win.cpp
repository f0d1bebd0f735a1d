#include "startup/main_window.h"

#include <commctrl.h>

#include <vector>

#include "agent/schedule.h"
#include "agent/schedule_state.h"
#include "agent/work_folders.h"
#include "base/debug_output.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/log.h"
#include "base/switches_win.h"
#include "base/window_helpers.h"
#include "net/http_abort.h"
#include "net/internet_library.h"
#include "package/launch_sequence.h"
#include "package/language_strings.h"
#include "startup/agent_requests.h"
#include "startup/agent_values.h"
#include "startup/program_state.h"
#include "ui/box_font.h"

namespace vantor {

namespace {

constexpr UINT_PTR kTimerId = 1;
// Repainting the bars for every file unpacked costs more than unpacking a
// small file; their positions change at once, their painting every 40 ms.
constexpr UINT_PTR kRepaintTimerId = 2;
constexpr UINT kRepaintMs = 40;
constexpr UINT kTimerMs = 1000;
constexpr int kWidth = 492;
constexpr int kHeight = 110;
constexpr DWORD kStyle = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
constexpr int kCycleMax = 5;

struct MainWindowState {
  HWND window = nullptr;
  HWND statusText = nullptr;
  HWND fileProgressBar = nullptr;
  HWND cycleBar = nullptr;
  UniqueGdiObject statusFont;
  bool quit = false;
  HWND hostWindow = nullptr;
  UINT hostMessage = 0;
  int cycleCounter = 0;
  bool repaintHeld = false;
  std::vector<HWND> heldBars;  // visible bars whose painting waits
};

MainWindowState& State() {
  static MainWindowState state;
  return state;
}

HICON ProgramIcon() { return LoadIconA(GetModuleHandleA(nullptr), "MainIcon"); }

void CreateChildren(HWND window) {
  MainWindowState& s = State();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const bool rtl = IsRightToLeftCharset(PackageCharset(OwnPackage()));
  s.statusText = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, rtl ? 122 : 70, 20, 340, 18, window,
                                 nullptr, instance, nullptr);
  s.fileProgressBar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 70, 38, 392, 13, window, nullptr,
                                      instance, nullptr);
  s.cycleBar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, rtl ? 70 : 416, 20, 46, 13, window, nullptr,
                               instance, nullptr);
  SetTimer(window, kTimerId, kTimerMs, nullptr);
  s.statusFont.reset(CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"));
  SendMessageA(s.statusText, WM_SETFONT, reinterpret_cast<WPARAM>(s.statusFont.get()), 0);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (const HICON icon = ProgramIcon()) DrawIcon(dc, 18, 20, icon);
  EndPaint(window, &ps);
}

// The first close request only stops a running transfer; the second one closes.
bool CloseMainWindow() {
  WriteLog(".. CloseMainWindow() - Start");
  const bool alreadyAsked = HttpAbortRequested();
  if (!alreadyAsked) SetHttpAbort(true);
  WriteLog(".. CloseMainWindow() - End");
  return alreadyAsked;
}

void DestroyMainWindow() {
  WriteLog(".. DestroyMainWindow() - Start");
  SetHttpAbort(true);
  RemoveSetupWorkFolder();
  PostQuitMessage(0);
  State().quit = true;
  WriteLog(".. DestroyMainWindow() - End");
}

// Only visible bars are held: turning redraw back on also makes a window visible.
void HoldBarRepaint() {
  MainWindowState& s = State();
  if (s.repaintHeld) return;
  s.repaintHeld = true;
  for (const HWND bar : {s.fileProgressBar, s.cycleBar}) {
    if (!IsWindowVisible(bar)) continue;
    SendMessageA(bar, WM_SETREDRAW, FALSE, 0);
    s.heldBars.push_back(bar);
  }
  SetTimer(s.window, kRepaintTimerId, kRepaintMs, nullptr);
}

void ReleaseBarRepaint() {
  MainWindowState& s = State();
  KillTimer(s.window, kRepaintTimerId);
  s.repaintHeld = false;
  for (const HWND bar : s.heldBars) {
    SendMessageA(bar, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(bar, nullptr, TRUE);
  }
  s.heldBars.clear();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const UINT autoPlay = AutoPlayMessage();
  if (autoPlay != 0 && message == autoPlay) return 1;
  switch (message) {
    case WM_CREATE:
      CreateChildren(window);
      break;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_CLOSE:
      if (!CloseMainWindow()) return 0;
      break;
    case WM_DESTROY:
      DebugLine("- wm_Destroy -");
      DestroyMainWindow();
      break;
    case WM_QUIT:
      DebugLine("- wm_Quit -");
      DestroyMainWindow();
      break;
    case WM_TIMER:
      if (wParam == kRepaintTimerId) {
        ReleaseBarRepaint();
        return 0;
      }
      if (ThisIs_AutoUpdateProg()) {
        AgentTimerStep();
      } else {
        StubTimerStep(window);
      }
      break;
    case wm_ShutDown:
      Schedule().quitCountdown = static_cast<int64_t>(wParam);
      break;
    case wm_LocalMsg:
      State().hostWindow = reinterpret_cast<HWND>(wParam);
      State().hostMessage = static_cast<UINT>(lParam);
      PostToHost(50, reinterpret_cast<LPARAM>(State().window));
      PostToHost(51, wm_AgentMsg);
      break;
    case wm_AgentMsg:
      return DispatchAgentMsg(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND MainWindow() { return State().window; }
HWND StatusText() { return State().statusText; }
HWND FileProgressBar() { return State().fileProgressBar; }
HWND CycleBar() { return State().cycleBar; }

void WinMain() {
  const int64_t sleep = GetSwitchInt("/SleepX=", -1);
  if (sleep >= 0) Schedule().AutoUpdateTimerCount = -sleep;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = ProgramIcon();
  wc.lpszClassName = MainWindowClass().c_str();
  WindowClassRegistration registration(RegisterClassA(&wc), instance);
  const POINT at = CenterInWorkArea(kWidth, kHeight);
  const std::string caption = LoadPackageString(OwnPackage(), "s0", "Vantor Installation Suite");
  MainWindowState& s = State();
  s.window = CreateWindowExA(0, MainWindowClass().c_str(), caption.c_str(), kStyle, at.x, at.y, kWidth, kHeight,
                             nullptr, nullptr, instance, nullptr);
  SetMsgBoxFont(PackageFontName(OwnPackage()), PackageFontSize(OwnPackage()),
                static_cast<uint8_t>(PackageCharset(OwnPackage())));

  if (s.window != nullptr) {
    ShowWindow(s.window, SW_HIDE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      if (s.quit) break;
    }
  }
  if (s.window != nullptr) KillTimer(s.window, kTimerId);
  SetHttpAbort(true);
  FreeInternetLibrary();
  PostToHost(43, 0);
}

void UpdateProgressBars(int mode, int64_t minimum, int64_t maximum, int64_t position, int64_t step,
                        std::string_view text) {
  MainWindowState& s = State();
  if (mode == 0) {
    // The bar keeps a 16-bit maximum.
    SendMessageA(s.fileProgressBar, PBM_SETRANGE, 0, MAKELPARAM(0, static_cast<WORD>(maximum)));
    SendMessageA(s.fileProgressBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    SendMessageA(s.fileProgressBar, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
    SendMessageA(s.cycleBar, PBM_SETRANGE, 0, MAKELPARAM(0, kCycleMax));
    SendMessageA(s.cycleBar, PBM_SETPOS, 0, 0);
    SendMessageA(s.cycleBar, PBM_SETSTEP, 1, 0);
  } else if (mode == 1) {
    HoldBarRepaint();
    SendMessageA(s.fileProgressBar, PBM_STEPIT, 0, 0);
    s.cycleCounter = s.cycleCounter >= kCycleMax ? 0 : s.cycleCounter + 1;
    SendMessageA(s.cycleBar, PBM_SETPOS, static_cast<WPARAM>(s.cycleCounter), 0);
  }
}

void PostToHost(WPARAM wParam, LPARAM lParam) {
  const MainWindowState& s = State();
  if (s.hostWindow != nullptr && s.hostMessage != 0) PostMessageA(s.hostWindow, s.hostMessage, wParam, lParam);
}

int32_t DispatchAgentMsg(int32_t type, int32_t value) {
  const AgentRequest request = ClassifyAgentRequest(type);
  switch (request.kind) {
    case AgentRequestKind::Read:
      return static_cast<int32_t>(ReadAgentValue(request.value));
    case AgentRequestKind::Write:
      WriteAgentValue(request.value, value);
      return 0;
    case AgentRequestKind::SetOverride:
      SetAgentOverride(request.overrideNumber, static_cast<uint8_t>(value));
      return 0;
    default:
      ApplyScheduleRequest(Schedule(), request, value);
      return 0;
  }
}

}  // namespace vantor
