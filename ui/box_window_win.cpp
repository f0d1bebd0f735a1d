#include "ui/box_window.h"

#include <richedit.h>

#include "base/switches_win.h"
#include "base/window_helpers.h"
#include "ui/box_font.h"
#include "ui/box_layout.h"
#include "ui/box_session.h"
#include "base/device_context.h"

namespace vantor {

namespace {

constexpr char kBoxClass[] = "VMsgBox";
constexpr UINT_PTR kTimeoutTimer = 1;
constexpr COLORREF kIconBandColour = RGB(0, 78, 152);

void FillWith(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
  const RECT rect{left, top, right, bottom};
  FillRect(dc, &rect, brush);
}

void Paint(HWND box, const BoxSession& session) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(box, &ps);
  RECT client{};
  GetClientRect(box, &client);
  const int cw = client.right, ch = client.bottom;
  FillWith(dc, 0, 0, cw, ch, GetSysColorBrush(COLOR_WINDOW));
  FillWith(dc, 0, ch - 37, cw, ch - 36, GetSysColorBrush(COLOR_3DDKSHADOW));
  FillWith(dc, 0, ch - 36, cw, ch - 35, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FillWith(dc, 0, ch - 35, cw, ch, GetSysColorBrush(COLOR_BTNFACE));
  const UniqueGdiObject band(CreateSolidBrush(kIconBandColour));
  FillWith(dc, 0, 0, kIconBandWidth, ch - 37, static_cast<HBRUSH>(band.get()));
  if (session.icon) DrawIcon(dc, kIconLeft, kIconTop, session.icon);
  EndPaint(box, &ps);
}

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  BoxSession* session = WindowSession<BoxSession>(box, message, lParam);
  if (session == nullptr) return DefWindowProcA(box, message, wParam, lParam);
  if (AutoPlayMessage() != 0 && message == AutoPlayMessage()) return 1;

  switch (message) {
    case WM_CREATE:
      if (session->timeoutMs > 0) SetTimer(box, kTimeoutTimer, session->timeoutMs, nullptr);
      break;
    case WM_PAINT:
      Paint(box, *session);
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == EN_REQUESTRESIZE) {
        const RECT& rc = reinterpret_cast<const REQRESIZE*>(lParam)->rc;
        session->requested = {rc.right - rc.left, rc.bottom - rc.top};
      }
      break;
    }
    case WM_CTLCOLORSTATIC:  // the plain edit control that stands in for the rich-edit one
      if (reinterpret_cast<HWND>(lParam) == session->text) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_COMMAND:
      for (const HWND button : session->slots) {
        if (button && button == reinterpret_cast<HWND>(lParam) && HIWORD(wParam) == BN_CLICKED) {
          session->result = ButtonResult(button);
          PostMessageA(box, WM_CLOSE, 0, 0);
        }
      }
      break;
    case WM_TIMER:
      session->result = ButtonResult(session->slots[0]);
      PostMessageA(box, WM_CLOSE, 0, 0);
      break;
    case WM_CLOSE:
      // Before the box goes, so that activation returns to that window.
      if (session->remembered) {
        EnableWindow(session->remembered, TRUE);
        SetActiveWindow(session->remembered);
        SetFocus(session->remembered);
      }
      if (session->timeoutMs > 0) KillTimer(box, kTimeoutTimer);
      break;
    case WM_DESTROY:
      session->done = true;
      return 1;
    default:
      break;
  }
  return DefWindowProcA(box, message, wParam, lParam);
}

HICON IconFor(std::uint32_t flags) {
  switch (IconOf(flags)) {
    case BoxIcon::Hand: return LoadIconA(nullptr, IDI_HAND);
    case BoxIcon::Question: return LoadIconA(nullptr, IDI_QUESTION);
    case BoxIcon::Exclamation: return LoadIconA(nullptr, IDI_EXCLAMATION);
    case BoxIcon::Asterisk: return LoadIconA(nullptr, IDI_ASTERISK);
    case BoxIcon::Program: break;
  }
  // A program built without its icon resource still shows an icon.
  const HICON own = LoadIconA(GetModuleHandleA(nullptr), "MainIcon");
  return own ? own : LoadIconA(nullptr, IDI_APPLICATION);
}

UniqueGdiObject CreateBoxFont() {
  const BoxFontSettings& settings = MsgBoxFont();
  return UniqueGdiObject(CreateFontA(-PointsToPixels(settings.points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     settings.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     FF_SWISS, settings.face.empty() ? nullptr : settings.face.c_str()));
}

void PlaceBox(BoxSession& session, Extent text, const BoxCall& call) {
  const Extent outer = BoxOuterSize(
      text, {GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYCAPTION)});
  const POINT at = CenterInWorkArea(outer.width, outer.height);
  const int shift = DeveloperShift(IsDeveloperMode(), call.text);
  SetWindowPos(session.box, HWND_TOP, at.x + shift, at.y + shift, outer.width, outer.height, SWP_SHOWWINDOW);

  RECT client{};
  GetClientRect(session.box, &client);
  const BoxRect place = TextControlPlace({client.right, client.bottom}, text);
  SetWindowPos(session.text, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace

BoxOutcome RunBox(HWND owner, HWND remembered, const BoxCall& call, std::string_view title,
                  std::string_view captions, unsigned timeoutMs) {
  BoxSession session;
  session.timeoutMs = timeoutMs;
  session.remembered = remembered;
  session.font = CreateBoxFont();
  // Declared after the font: the class goes first, once the window is gone.
  const WindowClassRegistration registration = RegisterOwnWindowClass(kBoxClass, BoxProc);

  const std::string caption(title);
  session.box = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kBoxClass, caption.c_str(),
                                WS_VISIBLE | WS_CAPTION | WS_SYSMENU, -100, -100, 10, 10, owner, nullptr,
                                GetModuleHandleA(nullptr), &session);
  BoxOutcome outcome;
  if (session.box == nullptr) return outcome;

  std::uint32_t flags = call.flags;
  if (flags & kBoxNoClose) {
    EnableMenuItem(GetSystemMenu(session.box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    flags &= ~kBoxNoClose;
  }
  const Extent text = CreateBoxText(session, call.text, flags);
  PlaceBox(session, text, call);
  session.icon = IconFor(flags);
  CreateBoxButtons(session, captions, flags);

  MSG msg;
  while (!session.done) {
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      outcome.quit = true;
      outcome.quitCode = static_cast<int>(msg.wParam);
      PostMessageA(session.box, WM_CLOSE, 0, 0);
      continue;
    }
    if (FilterBoxKey(session, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  outcome.result = session.result;
  return outcome;
}

}  // namespace vantor
