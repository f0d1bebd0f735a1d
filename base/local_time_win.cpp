#include "base/local_time_win.h"

#include <windows.h>

namespace vantor {

DateTime LocalNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return DateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

}  // namespace vantor
