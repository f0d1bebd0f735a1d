#include "ui/box_layout.h"

#include <algorithm>

#include "base/text.h"

namespace vantor {

namespace {

constexpr int kTextPadding = 10;
constexpr int kBoldTries = 21;

int HorizontalMargin(int textWidth) { return textWidth < 200 ? 64 : 32; }
int VerticalMargin(int textHeight) { return textHeight < 39 ? 45 : 32; }

}  // namespace

int BoxLineHeight(int tmHeight, int tmExternalLeading, std::string_view faceName) {
  return tmHeight + tmExternalLeading + (SameTextTrimmed(faceName, "MS PGothic") ? 1 : 0);
}

Extent MeasureBoxText(std::string_view text, int lineHeight, const LineExtentFn& lineExtent) {
  if (text.empty()) text = " ";
  int width = 0, height = 0;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = text.find("\r\n", begin);
    const std::string_view line = text.substr(begin, end == std::string_view::npos ? end : end - begin);
    const int e = lineExtent(line);
    width = std::max(width, e + kTextPadding);
    height += (e / kMaxTextWidth + 1) * lineHeight;
    if (end == std::string_view::npos) break;
    // An empty piece after a final CR LF is no line.
    begin = end + 2;
  }
  return {std::min(width, kMaxTextWidth), height};
}

int UnwrappedControlHeight(std::string_view text, int measuredHeight, int lineHeight) {
  return measuredHeight + (EndsWith("\r\n", text, false) ? lineHeight : 0);
}

int FitBoldWidth(int w, int unwrappedHeight, const TrySizeFn& trySize) {
  int largest = w;
  for (int i = 0; i < kBoldTries; ++i) {
    const int width = w + kTextPadding * i;
    const Extent requested = trySize(width);
    if (requested.height <= unwrappedHeight) return width;
    // Some controls (Wine's) ask for their content's width, which may be
    // less than the width that was too narrow; never fall back below it.
    largest = std::max({largest, requested.width, width});
  }
  return largest + kTextPadding;
}

Extent BoxOuterSize(Extent text, const FrameMetrics& frame) {
  const int width = text.width + kIconBandWidth + 2 * HorizontalMargin(text.width) + 2 * frame.frameX;
  const int height =
      text.height + kButtonBandHeight + 2 * VerticalMargin(text.height) + 2 * frame.frameY + frame.caption;
  return {std::max(width, kMinBoxWidth), height};
}

BoxRect TextControlPlace(Extent client, Extent text) {
  const int left = (client.width - kIconBandWidth - text.width) / 2 + kIconBandWidth;
  const int top = (client.height - kButtonBandHeight - text.height) / 2;
  return {left, top, text.width, client.height - top - 39};
}

std::vector<BoxRect> ButtonPlaces(int count, Extent client) {
  std::vector<BoxRect> places;
  const int rightmostLeft = client.width - 80;
  for (int i = 0; i < count; ++i) {
    places.push_back({rightmostLeft - kButtonWidth * (count - 1 - i), client.height - 29, kButtonWidth, kButtonHeight});
  }
  return places;
}

int DeveloperShift(bool developerMode, std::string_view composedText) {
  return developerMode && PosFrom("Do you want to store the new Entry in", composedText, 1) > 0 ? kDeveloperShift : 0;
}

}  // namespace vantor
