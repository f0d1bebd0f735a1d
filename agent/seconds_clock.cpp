#include "agent/seconds_clock.h"

#include "base/calendar.h"

namespace vantor {

namespace {

// Day 0 of the clock, 1899-12-30, counted from 1970-01-01.
constexpr int64_t kEpochOffsetDays = -25569;
constexpr int64_t kFirstDay = -693593;  // 0001-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31

}  // namespace

int64_t ClockSeconds(const DateTime& local, int milliseconds) {
  const int64_t days = DayNumber(local) - kEpochOffsetDays;
  return days * kSecondsPerDay + local.hour * 3600 + local.minute * 60 + local.second + (milliseconds >= 500 ? 1 : 0);
}

std::optional<DateTime> DateTimeOfSeconds(int64_t seconds) {
  const int64_t days = FloorDiv(seconds, kSecondsPerDay);
  if (days < kFirstDay || days > kLastDay) return std::nullopt;
  const int64_t secondOfDay = seconds - days * kSecondsPerDay;
  DateTime when = DateOfDayNumber(days + kEpochOffsetDays);
  when.hour = static_cast<int>(secondOfDay / 3600);
  when.minute = static_cast<int>(secondOfDay / 60 % 60);
  when.second = static_cast<int>(secondOfDay % 60);
  return when;
}

std::string ReadableSecondsText(int64_t seconds, char timeSeparator) {
  const std::optional<DateTime> when = DateTimeOfSeconds(seconds);
  return when ? DateTimeText(*when, timeSeparator) : std::string();
}

}  // namespace vantor
