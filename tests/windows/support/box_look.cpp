#include "tests/windows/support/box_look.h"

#include <richedit.h>

#include <cstring>

#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "ui/message_box.h"

namespace vantor::testing {

std::string TextOf(HWND window) {
  const auto length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

HWND TextControlOf(HWND box) {
  for (const char* name : {"RichEdit", "Edit"}) {
    const std::vector<HWND> found = ChildrenOfClass(box, name);
    if (!found.empty()) return found.front();
  }
  return nullptr;
}

BoxLook LookAt(HWND box) {
  BoxLook look;
  look.caption = GetWindowTextOf(box);
  GetWindowRect(box, &look.window);
  GetClientRect(box, &look.client);
  if (const HWND text = TextControlOf(box)) {
    look.text = RectInParent(text);
    look.textClass = ClassOf(text);
    look.shown = TextOf(text);
    look.lineCount = static_cast<int>(SendMessageA(text, EM_GETLINECOUNT, 0, 0));
  }
  for (const HWND button : ChildrenOfClass(box, "Button")) {
    look.buttons.push_back(RectInParent(button));
    look.buttonCaptions.push_back(GetWindowTextOf(button));
  }
  return look;
}

std::string BoldMap(HWND box) {
  const HWND text = TextControlOf(box);
  const std::string shown = TextOf(text);
  std::string map;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    CHARRANGE range{static_cast<LONG>(i), static_cast<LONG>(i + 1)};
    SendMessageA(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    if (shown[i] == '\r' || shown[i] == '\n') {
      map.push_back('.');
    } else {
      map.push_back((format.dwEffects & CFE_BOLD) ? 'b' : '-');
    }
  }
  return map;
}
int ShowPlainBox(std::string_view text, std::uint32_t flags, unsigned timeoutMs) {
  return ShowMarkupBox(BoxOwnerMode::NoHeading, text, "Setup", kDefaultButtonCaptions, 1, flags, timeoutMs);
}

}  // namespace vantor::testing
