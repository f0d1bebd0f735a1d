// The face, size and character set of every markup box's font, process-wide:
// set from the package strings when the main window is created and from the
// agent's settings on its timer ticks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct BoxFontSettings {
  std::string face = "Tahoma";
  int points = 8;
  std::uint8_t charset = 1;  // DEFAULT_CHARSET
};

// Face and character set are always replaced; the size only when it is not 0.
void SetMsgBoxFont(std::string_view face, int points, std::uint8_t charset);
const BoxFontSettings& MsgBoxFont();

}  // namespace vantor
