// What a test reads back from an open markup box through window queries:
// caption, places of the box, its text control and buttons, and the text
// with its bold characters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::testing {

struct BoxLook {
  std::string caption;
  RECT window{};
  RECT client{};
  RECT text{};  // the text control, in client coordinates
  std::string textClass;
  std::string shown;  // the text control's text
  int lineCount = 0;  // lines as the text control wraps them
  std::vector<RECT> buttons;
  std::vector<std::string> buttonCaptions;
};

BoxLook LookAt(HWND box);
inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }
std::string TextOf(HWND window);
// The rich-edit control, or the plain edit control standing in for it.
HWND TextControlOf(HWND box);
// Each character of the rich-edit text: "b" bold, "-" not, "." a line break
// (whose format the control keeps as it likes).
std::string BoldMap(HWND box);

// Shows a box without heading, with the default captions: the modal call
// that the driver thread answers.
int ShowPlainBox(std::string_view text, std::uint32_t flags, unsigned timeoutMs = 0);

}  // namespace vantor::testing
