#include "net/dos_date_time.h"

namespace vantor {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2107;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

uint32_t PackDosDateTime(const DateTime& when) {
  if (when.year < kFirstYear || when.year > kLastYear || when.month < 1 || when.month > 12 || when.day < 1 ||
      when.day > DaysInMonth(when.year, when.month) || when.hour < 0 || when.hour > 23 || when.minute < 0 ||
      when.minute > 59 || when.second < 0 || when.second > 59) {
    return 0;
  }
  const auto date = static_cast<uint32_t>((when.year - kFirstYear) << 9 | when.month << 5 | when.day);
  const auto time = static_cast<uint32_t>(when.hour << 11 | when.minute << 5 | when.second / 2);
  return date << 16 | time;
}

}  // namespace vantor
