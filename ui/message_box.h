// The one way any part of the program shows an error, warning or question: a
// modal box of its own ("VMsgBox") that renders Markup, takes its font from
// SetMsgBoxFont, its captions from a translatable bar list, and returns the
// result code of the button pressed (0 when closed by its Close command).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "ui/box_font.h"
#include "ui/box_options.h"

namespace vantor {

// The owner argument: a mode (the title as bold heading; no heading; no
// heading and no Close command), whose box is owned by the active window, or
// a window to own the box. Implicit both ways, so that callers write
// ShowErrorBox(BoxOwnerMode::NoHeading, ...) or ShowErrorBox(window, ...).
class BoxOwner {
 public:
  constexpr BoxOwner(BoxOwnerMode mode) : value_(static_cast<std::uintptr_t>(mode)) {}
  BoxOwner(HWND window) : value_(reinterpret_cast<std::uintptr_t>(window)) {}
  std::uintptr_t value() const { return value_; }
  HWND window() const { return reinterpret_cast<HWND>(value_); }

 private:
  std::uintptr_t value_;
};

// charset 177 (Hebrew) or 178 (Arabic) shows the text right-aligned and
// right to left; the font's own character set is the one of SetMsgBoxFont.
// timeoutMs > 0 answers with the leftmost button when the time is up.
int ShowMarkupBox(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                  std::uint8_t charset, std::uint32_t flags, unsigned timeoutMs);

// The wrappers fill an empty caption list and an empty title with the defaults.
void ShowErrorBox(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                  std::uint8_t charset);
void ShowWarningBox(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                    std::uint8_t charset, unsigned timeoutMs);
// Closing the box without a button answers No (or Cancel).
bool AskYesNo(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
              std::uint8_t charset, unsigned timeoutMs);
bool AskOkCancel(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                 std::uint8_t charset);

}  // namespace vantor
