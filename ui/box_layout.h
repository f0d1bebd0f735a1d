// The markup box's geometry: measuring its text, widening it for bold runs,
// the box's outer size and the places of the text control and the buttons.
//
//   +------+------------------------------------+
//   | icon |          text control              |   icon band 54 wide,
//   | band |                                    |   dark blue
//   |      |                                    |
//   +------+------------------------------------+   lines at CH-37, CH-36
//   |                     [  Yes  ][  No   ]    |   button band 35 high,
//   +-------------------------------------------+   buttons 70 x 23
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr int kIconBandWidth = 54;
inline constexpr int kButtonBandHeight = 36;  // from the bottom to the white line
inline constexpr int kIconLeft = 11;
inline constexpr int kIconTop = 20;
inline constexpr int kButtonWidth = 70;
inline constexpr int kButtonHeight = 23;
inline constexpr int kMaxTextWidth = 600;  // longer lines wrap
inline constexpr int kMinBoxWidth = 360;
inline constexpr int kDeveloperShift = 150;

struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};

struct BoxRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const BoxRect&) const = default;
};

// The font's line height; the face "MS PGothic" needs one pixel more.
int BoxLineHeight(int tmHeight, int tmExternalLeading, std::string_view faceName);

// The pixel width of one line of text in the box font.
using LineExtentFn = std::function<int(std::string_view line)>;
// The text's width w (at most 600) and height h: each line counts as many
// lines of height as 600-pixel widths it needs.
Extent MeasureBoxText(std::string_view text, int lineHeight, const LineExtentFn& lineExtent);

// The height the text control asks for when nothing wraps: the measured
// height plus the empty last line that the control shows after a final line
// break ("ERROR\r\n\r\ntext\r\n" is four lines to it), which the measure
// leaves out.
int UnwrappedControlHeight(std::string_view text, int measuredHeight, int lineHeight);

// Sizes the text control to the given width and gives the size the control
// then asks for.
using TrySizeFn = std::function<Extent(int width)>;
// The width, from w up in steps of 10, at which bold text (wider than the
// measure assumed) asks for no more than unwrappedHeight.
int FitBoldWidth(int w, int unwrappedHeight, const TrySizeFn& trySize);

struct FrameMetrics {
  int frameX = 0;   // SM_CXFRAME
  int frameY = 0;   // SM_CYFRAME
  int caption = 0;  // SM_CYCAPTION
};
// The box's outer size around a text control of the given outer size.
Extent BoxOuterSize(Extent text, const FrameMetrics& frame);
// The text control's place in a client area of the given size.
BoxRect TextControlPlace(Extent client, Extent text);
// The places of count buttons, left to right, the rightmost 80 from the right edge.
std::vector<BoxRect> ButtonPlaces(int count, Extent client);

// Developer mode moves the box that asks to store a new entry out of the way.
int DeveloperShift(bool developerMode, std::string_view composedText);

}  // namespace vantor
