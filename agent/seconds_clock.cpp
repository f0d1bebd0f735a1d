#include "agent/seconds_clock.h"

namespace vantor {

namespace {

// Day 0 of the clock, 1899-12-30, counted from 1970-01-01.
constexpr int64_t kEpochOffsetDays = -25569;
constexpr int64_t kFirstDay = -693593;  // 0001-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// Proleptic Gregorian calendar in eras of 400 years (146097 days), days
// counted from 1970-01-01.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = FloorDiv(year, 400);
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

DateTime CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = FloorDiv(days, 146097);
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  DateTime when;
  when.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  when.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  when.year = static_cast<int>(yearOfEra + era * 400 + (when.month <= 2 ? 1 : 0));
  return when;
}

}  // namespace

int64_t ClockSeconds(const DateTime& local, int milliseconds) {
  const int64_t days = DaysFromCivil(local.year, local.month, local.day) - kEpochOffsetDays;
  return days * kSecondsPerDay + local.hour * 3600 + local.minute * 60 + local.second + (milliseconds >= 500 ? 1 : 0);
}

std::optional<DateTime> DateTimeOfSeconds(int64_t seconds) {
  const int64_t days = FloorDiv(seconds, kSecondsPerDay);
  if (days < kFirstDay || days > kLastDay) return std::nullopt;
  const int64_t secondOfDay = seconds - days * kSecondsPerDay;
  DateTime when = CivilFromDays(days + kEpochOffsetDays);
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
