#include "base/locale_win.h"

#include <windows.h>

namespace vantor {

char UserTimeSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, buffer, sizeof buffer) > 0 && buffer[0] != '\0') {
    return buffer[0];
  }
  return ':';
}

}  // namespace vantor
