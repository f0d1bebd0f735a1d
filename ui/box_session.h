// The state of one open markup box, shared by its window procedure, its text
// control, its buttons and its key filter. It lives on the stack of the call
// that shows the box; the box window points to it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/handles.h"
#include "ui/box_layout.h"

namespace vantor {

struct BoxSession {
  unsigned timeoutMs = 0;
  int result = 0;
  bool done = false;
  HWND remembered = nullptr;  // the window active at the call, disabled while the box is up
  HWND box = nullptr;
  HWND text = nullptr;
  bool richText = false;                // false: a plain edit control stands in
  std::array<HWND, 3> slots{};          // the buttons, filled from the left
  Extent requested;                     // the text control's latest resize request
  UniqueGdiObject font;
  HICON icon = nullptr;
};

// Creates the text control, shows the prepared markup in it and sizes it to
// the text; gives its size.
Extent CreateBoxText(BoxSession& session, const std::string& markup, std::uint32_t flags);

void CreateBoxButtons(BoxSession& session, std::string_view captions, std::uint32_t flags);
// Focuses button index i (wrapping) and makes it the default button.
void MoveBoxFocus(BoxSession& session, int index);
// Handles the box's keys before translation; true when a button was chosen.
bool FilterBoxKey(BoxSession& session, const MSG& msg);
// The result code a button keeps; 0 for no button.
int ButtonResult(HWND button);

}  // namespace vantor
