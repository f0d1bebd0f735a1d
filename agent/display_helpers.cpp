#include "agent/display_helpers.h"

#include <cstdio>

namespace vantor {

std::string FormatMegabytes(double bytes) {
  // Written so that an undefined size (NaN) counts as 0 too.
  const double megabytes = bytes > 0 ? bytes / 1048576 : 0;
  const int decimals = megabytes > 10 ? 1 : megabytes >= 1 ? 2 : 3;
  const int length = std::snprintf(nullptr, 0, "%.*f", decimals, megabytes);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, megabytes);
  return text;
}

uint32_t ResolveColour(int32_t value, SystemColourLookup systemColour) {
  if (value < 0) return systemColour(static_cast<int>(static_cast<uint32_t>(value) & 0xFFu));
  return static_cast<uint32_t>(value);
}

}  // namespace vantor
