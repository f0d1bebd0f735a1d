// The agent's seconds clock read from the system's local time.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace vantor {

// "Now" of every agent schedule time: see seconds_clock.h.
int64_t SecondsNow();
// The local date-time now, to the second.
DateTime LocalNow();

}  // namespace vantor
