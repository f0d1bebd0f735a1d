// The agent's seconds clock read from the system's local time.
#pragma once

#include <cstdint>

namespace vantor {

// "Now" of every agent schedule time: see seconds_clock.h.
int64_t SecondsNow();

}  // namespace vantor
