#include "ui/rich_text_window.h"

#include <richedit.h>

#include "base/handles.h"
#include "base/system_helpers.h"
#include "base/text.h"
#include "base/window_helpers.h"
#include "ui/rich_edit_library.h"
#include "ui/rich_text_layout.h"

namespace vantor {

namespace {

constexpr char kWindowClass[] = "VRichEditBox";
constexpr LONG_PTR kButtonResult = 1;

// One open window. It lives on the stack of the call that shows it and the
// window points to it, so a window opened while another one waits (from a
// timer of the same thread) keeps its own address and its own end.
struct RichTextSession {
  std::string address;
  UniqueGdiObject textFont;
  UniqueGdiObject buttonFont;
  HWND window = nullptr;
  HWND text = nullptr;
  HWND button = nullptr;
  bool richText = false;  // false: a plain edit control stands in
  bool done = false;
};

Extent ClientExtent(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

void Place(HWND control, const BoxRect& place) {
  if (control) {
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

void FillWith(HDC dc, int left, int top, int right, int bottom, int colour) {
  const RECT rect{left, top, right, bottom};
  FillRect(dc, &rect, GetSysColorBrush(colour));
}

void Paint(HWND window, const RichTextSession& session) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  const Extent client = ClientExtent(window);
  const int cw = client.width, ch = client.height;
  FillWith(dc, 0, 0, cw, ch, COLOR_WINDOW);
  if (session.button) {
    FillWith(dc, 0, ch - kRichTextBandHeight, cw, ch - kRichTextBandHeight + 1, COLOR_3DDKSHADOW);
    FillWith(dc, 0, ch - kRichTextBandHeight + 1, cw, ch, COLOR_BTNFACE);
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK RichTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  RichTextSession* session = WindowSession<RichTextSession>(window, message, lParam);
  if (session == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_SIZE: {
      const RichTextLayout layout = LayOutRichTextWindow(ClientExtent(window), session->button != nullptr);
      Place(session->text, layout.text);
      Place(session->button, layout.button);
      return 0;
    }
    case WM_PAINT:
      Paint(window, *session);
      return 0;
    case WM_CTLCOLORSTATIC:  // the plain edit control that stands in for the rich-edit one
      if (reinterpret_cast<HWND>(lParam) == session->text) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_COMMAND:
      if (session->button && reinterpret_cast<HWND>(lParam) == session->button && HIWORD(wParam) == BN_CLICKED) {
        ShellOpen(session->address, "", SW_SHOW);
        PostMessageA(window, WM_CLOSE, 0, 0);
      }
      break;
    case WM_DESTROY:
      session->done = true;
      return 1;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

UniqueGdiObject CreateWindowFont(int height, const std::string& face, std::uint8_t charset) {
  return UniqueGdiObject(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face.c_str()));
}

HWND CreateTextWindow(const char* className, HWND window, const BoxRect& place, bool rightToLeft) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_WANTRETURN |
                      (rightToLeft ? ES_RIGHT : 0);
  return CreateWindowExA(rightToLeft ? WS_EX_RTLREADING : 0, className, "", style, place.left, place.top,
                         place.width, place.height, window, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Without the rich-edit library a plain edit control shows the text, so the
// notice still reaches the user.
void CreateText(RichTextSession& session, const BoxRect& place, const std::string& text, bool rightToLeft) {
  session.text = CreateTextWindow("RICHEDIT", session.window, place, rightToLeft);
  session.richText = session.text != nullptr;
  if (!session.richText) session.text = CreateTextWindow("EDIT", session.window, place, rightToLeft);
  if (session.text == nullptr) return;
  if (session.richText) SendMessageA(session.text, EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
  SendMessageA(session.text, WM_SETFONT, reinterpret_cast<WPARAM>(session.textFont.get()), FALSE);
  if (session.richText) SendMessageA(session.text, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));
  SetWindowTextA(session.text, text.c_str());
}

void CreateButton(RichTextSession& session, const BoxRect& place, const std::string& caption) {
  session.button = CreateWindowExA(0, "Button", caption.c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                                   place.width, place.height, session.window, nullptr, GetModuleHandleA(nullptr),
                                   nullptr);
  if (session.button == nullptr) return;
  SendMessageA(session.button, WM_SETFONT, reinterpret_cast<WPARAM>(session.buttonFont.get()), FALSE);
  SetWindowLongPtrA(session.button, GWLP_USERDATA, kButtonResult);
  SetFocus(session.button);
  SendMessageA(session.button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

}  // namespace

bool ShowRichTextWindow(HWND owner, const std::string& title, const std::string& buttonCaption,
                        const std::string& text, const std::string& address, int width, int height,
                        bool rightToLeft, const std::string& faceName, int fontSize, std::uint8_t charset) {
  RichTextSession session;
  session.address = Trim(address);
  if (text.empty()) {
    if (session.address.empty()) return false;
    ShellOpen(session.address, "", SW_SHOW);
    return true;
  }

  EnsureRichEditLoaded();
  session.buttonFont = CreateWindowFont(-PointsToPixels(fontSize), faceName, charset);
  session.textFont = CreateWindowFont(kRichTextFontHeight, RichTextFace(faceName), charset);
  // Declared after the fonts: the class goes first, once the window is gone.
  const WindowClassRegistration registration = RegisterOwnWindowClass(kWindowClass, RichTextProc);

  const BoxRect place = RichTextWindowPlace({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                            {width, height});
  session.window = CreateWindowExA(WS_EX_DLGMODALFRAME, kWindowClass, title.c_str(),
                                   WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, place.left, place.top,
                                   place.width, place.height, owner, nullptr, GetModuleHandleA(nullptr), &session);
  // Nothing shown: waiting for a window that never comes would hang the thread.
  if (session.window == nullptr) return false;

  const bool withButton = !session.address.empty();
  const RichTextLayout layout = LayOutRichTextWindow(ClientExtent(session.window), withButton);
  CreateText(session, layout.text, text, rightToLeft);
  if (withButton) CreateButton(session, layout.button, buttonCaption);

  // A quit message taken here ends the window and is posted again, so the
  // program's own loop still ends.
  bool quit = false;
  int quitCode = 0;
  MSG msg;
  while (!session.done) {
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
      DestroyWindow(session.window);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (quit) PostQuitMessage(quitCode);
  return true;
}

}  // namespace vantor
