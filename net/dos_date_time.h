// The packed DOS date-time that names partial files: date in the high word
// (years since 1980 << 9 | month << 5 | day), time in the low word
// (hour << 11 | minute << 5 | seconds / 2).
#pragma once

#include <cstdint>

#include "base/text.h"

namespace vantor {

// 0 when the date-time is not a valid one (a zero record, month 13, 31 April)
// or lies outside 1980..2107, which the packing cannot hold.
uint32_t PackDosDateTime(const DateTime& when);

}  // namespace vantor
