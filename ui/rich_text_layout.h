// The notice window's geometry and its text font's face, for a client area
// of CW x CH pixels:
//
//   +---+-------------------------------------+
//   |   | text control                        |   3-pixel strip at the left;
//   |   |                                     |   CH high, or CH-43 with a button
//   +---+-------------------------------------+   dark line at CH-43
//   |          [       Download       ]       |   band from CH-42; button
//   +-----------------------------------------+   160 x 25, top CH-33
#pragma once

#include <string>
#include <string_view>

#include "ui/box_layout.h"

namespace vantor {

inline constexpr int kRichTextLeft = 3;
inline constexpr int kRichTextBandHeight = 43;  // from the bottom to the dark line
inline constexpr int kRichTextButtonWidth = 160;
inline constexpr int kRichTextButtonHeight = 25;
inline constexpr int kRichTextButtonRise = 33;  // from the bottom to the button's top
inline constexpr int kRichTextFontHeight = 15;  // cell height of the text font

struct RichTextLayout {
  BoxRect text;
  BoxRect button;  // all 0 without a button
  bool operator==(const RichTextLayout&) const = default;
};

// Widths and heights never go below 0, however small the window is made.
RichTextLayout LayOutRichTextWindow(Extent client, bool withButton);

// The window's left and top: centred on the whole screen, halves rounded
// toward zero, so a window wider than the screen starts left of it.
BoxRect RichTextWindowPlace(Extent screen, Extent window);

// The text font's face: "Verdana" stands in for the message box's usual
// "Tahoma" and for no face at all; any other face is used as given.
std::string RichTextFace(std::string_view faceName);

}  // namespace vantor
