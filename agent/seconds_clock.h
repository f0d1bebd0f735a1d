// The agent's clock: local date-time as seconds since 1899-12-30 00:00, the
// days of that calendar times 86400, rounded to the nearest second. Every
// schedule time of the agent and its .original file counts in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/text.h"

namespace vantor {

inline constexpr int64_t kSecondsPerDay = 86400;

int64_t ClockSeconds(const DateTime& local, int milliseconds);
// The local date-time of a clock value; nothing outside the years 1 to 9999.
std::optional<DateTime> DateTimeOfSeconds(int64_t seconds);
// The value as DateTimeText writes it ("14-JAN-2004  00:00:00"), for the
// readable twins beside the stored numbers; empty outside the years 1 to 9999.
std::string ReadableSecondsText(int64_t seconds, char timeSeparator);

}  // namespace vantor
