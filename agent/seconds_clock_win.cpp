#include "agent/seconds_clock_win.h"

#include <windows.h>

#include "agent/seconds_clock.h"

namespace vantor {

int64_t SecondsNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return ClockSeconds(DateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond}, st.wMilliseconds);
}

}  // namespace vantor
