// The box's push buttons, the focus that wraps around them, and the keys the
// box answers to before they are translated.
#include <windows.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "base/window_helpers.h"
#include "ui/box_keys.h"
#include "ui/box_options.h"
#include "ui/box_session.h"

namespace vantor {

namespace {

int ButtonCount(const BoxSession& session) {
  if (session.slots[2]) return 3;
  return session.slots[1] ? 2 : 1;
}

int FocusedIndex(const BoxSession& session) {
  const HWND focus = GetFocus();
  for (int i = 0; i < static_cast<int>(session.slots.size()); ++i) {
    if (session.slots[i] && session.slots[i] == focus) return i;
  }
  return -1;
}

std::vector<std::string> Captions(const BoxSession& session) {
  std::vector<std::string> captions;
  for (const HWND button : session.slots) {
    if (button) captions.push_back(GetWindowTextOf(button));
  }
  return captions;
}

int ChosenBy(BoxSession& session, const MSG& msg) {
  if (msg.message == WM_SYSCHAR) return AltCharChoice(Captions(session), static_cast<char>(msg.wParam));
  if (msg.message != WM_KEYDOWN) return -1;
  const int focused = FocusedIndex(session);
  switch (msg.wParam) {
    case VK_LEFT:
    case VK_UP:
      MoveBoxFocus(session, focused - 1);
      return -1;
    case VK_TAB:
    case VK_RIGHT:
    case VK_DOWN:
      MoveBoxFocus(session, focused + 1);
      return -1;
    case VK_RETURN:
      return focused;
    default:
      if (msg.wParam >= 'A' && msg.wParam <= 'Z') {
        return LetterKeyChoice(Captions(session), static_cast<char>(msg.wParam));
      }
      return -1;
  }
}

}  // namespace

int ButtonResult(HWND button) {
  return button ? static_cast<int>(GetWindowLongPtrA(button, GWLP_USERDATA)) : kBoxClosed;
}

void CreateBoxButtons(BoxSession& session, std::string_view captions, std::uint32_t flags) {
  const std::vector<ButtonSpec> set = ButtonSetOf(flags);
  RECT client{};
  GetClientRect(session.box, &client);
  const std::vector<BoxRect> places = ButtonPlaces(static_cast<int>(set.size()), {client.right, client.bottom});
  for (std::size_t i = 0; i < set.size(); ++i) {
    const std::string caption = BarItem(captions, set[i].captionItem, "");
    const BoxRect& place = places[i];
    const HWND button = CreateWindowExA(0, "Button", caption.c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                                        place.width, place.height, session.box,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
                                        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(session.font.get()), FALSE);
    SetWindowLongPtrA(button, GWLP_USERDATA, set[i].result);
    session.slots[i] = button;
  }
  MoveBoxFocus(session, DefaultButtonOf(flags));
}

void MoveBoxFocus(BoxSession& session, int index) {
  const HWND chosen = session.slots[FocusSlot(index, ButtonCount(session))];
  if (!chosen) return;  // a box without buttons
  SetFocus(chosen);
  SetActiveWindow(session.box);
  for (const HWND button : session.slots) {
    if (button) SendMessageA(button, BM_SETSTYLE, button == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

bool FilterBoxKey(BoxSession& session, const MSG& msg) {
  const int chosen = ChosenBy(session, msg);
  if (chosen < 0) return false;
  session.result = ButtonResult(session.slots[chosen]);
  PostMessageA(session.box, WM_CLOSE, 0, 0);
  return true;
}

}  // namespace vantor
