// The proleptic Gregorian calendar as day numbers, for clocks and date
// macros that count whole days between dates.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace vantor {

// Days from 1970-01-01 to the date (negative before it); the time of day is ignored.
int64_t DayNumber(const DateTime& date);
// The date of a day number, at midnight.
DateTime DateOfDayNumber(int64_t days);
// Division rounding toward minus infinity.
int64_t FloorDiv(int64_t a, int64_t b);

}  // namespace vantor
