#include "base/calendar.h"

namespace vantor {

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// In eras of 400 years (146097 days), March first, so that a leap day ends its year.
int64_t DayNumber(const DateTime& date) {
  const int64_t year = date.year - (date.month <= 2 ? 1 : 0);
  const int64_t month = date.month;
  const int64_t era = FloorDiv(year, 400);
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

DateTime DateOfDayNumber(int64_t days) {
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

}  // namespace vantor
