#include "ui/box_font.h"

namespace vantor {

namespace {
BoxFontSettings settings;
}  // namespace

void SetMsgBoxFont(std::string_view face, int points, std::uint8_t charset) {
  settings.face = std::string(face);
  if (points != 0) settings.points = points;
  settings.charset = charset;
}

const BoxFontSettings& MsgBoxFont() { return settings; }

}  // namespace vantor
