#include "agent/seconds_clock_win.h"

#include <windows.h>

#include "agent/seconds_clock.h"

namespace vantor {

namespace {

DateTime DateTimeOf(const SYSTEMTIME& st) {
  return DateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

}  // namespace

int64_t SecondsNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return ClockSeconds(DateTimeOf(st), st.wMilliseconds);
}

DateTime LocalNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return DateTimeOf(st);
}

}  // namespace vantor
