#include <windows.h>

#include "base/locale_win.h"

namespace vantor {

namespace {
char FirstCharacterOf(LCTYPE type, char fallback) {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) > 0 && buffer[0] != '\0') return buffer[0];
  return fallback;
}
}  // namespace

char UserTimeSeparator() { return FirstCharacterOf(LOCALE_STIME, ':'); }
char UserDateSeparator() { return FirstCharacterOf(LOCALE_SDATE, '/'); }

}  // namespace vantor
