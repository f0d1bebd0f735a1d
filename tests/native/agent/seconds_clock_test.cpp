// The agent's seconds clock and the readable texts beside its values.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "agent/seconds_clock.h"

namespace vantor {
namespace {

constexpr int64_t kFirstSecond = -693593 * kSecondsPerDay;     // 0001-01-01 00:00:00
constexpr int64_t kLastSecond = 2958466 * kSecondsPerDay - 1;  // 9999-12-31 23:59:59

bool Same(const DateTime& a, const DateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
         a.second == b.second;
}

TEST(ClockSeconds, KnownInstants) {
  const struct {
    DateTime when;
    int milliseconds;
    int64_t seconds;
  } cases[] = {
      {{1899, 12, 30, 0, 0, 0}, 0, 0},
      {{1899, 12, 31, 0, 0, 1}, 0, 86401},
      {{1899, 12, 29, 12, 0, 0}, 0, -43200},
      {{2004, 1, 14, 0, 0, 0}, 0, 38000 * kSecondsPerDay},
      {{2000, 3, 1, 0, 0, 0}, 0, 36586 * kSecondsPerDay},  // after a leap day
      {{2024, 12, 9, 13, 5, 9}, 0, 45635 * kSecondsPerDay + 13 * 3600 + 5 * 60 + 9},
      // Rounded to the nearest second.
      {{2024, 12, 9, 13, 5, 9}, 499, 45635 * kSecondsPerDay + 47109},
      {{2024, 12, 9, 13, 5, 9}, 500, 45635 * kSecondsPerDay + 47110},
      {{2024, 12, 31, 23, 59, 59}, 999, 45658 * kSecondsPerDay},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClockSeconds(c.when, c.milliseconds), c.seconds) << DateTimeText(c.when, ':') << " ms " << c.milliseconds;
  }
}

TEST(DateTimeOfSeconds, InvertsClockSecondsAcrossTheCalendar) {
  // A step prime to the day's length visits every time of day and every kind of year.
  for (int64_t seconds = kFirstSecond; seconds <= kLastSecond; seconds += 9'999'991) {
    const std::optional<DateTime> when = DateTimeOfSeconds(seconds);
    ASSERT_TRUE(when.has_value()) << seconds;
    EXPECT_EQ(ClockSeconds(*when, 0), seconds);
  }
}

TEST(DateTimeOfSeconds, ValuesOutsideYearsOneTo9999HaveNoDate) {
  const struct {
    int64_t seconds;
    std::optional<DateTime> when;
  } cases[] = {
      {kFirstSecond, DateTime{1, 1, 1, 0, 0, 0}},
      {kLastSecond, DateTime{9999, 12, 31, 23, 59, 59}},
      {-1, DateTime{1899, 12, 29, 23, 59, 59}},
      {kFirstSecond - 1, std::nullopt},
      {kLastSecond + 1, std::nullopt},
      {std::numeric_limits<int64_t>::min(), std::nullopt},
      {std::numeric_limits<int64_t>::max(), std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<DateTime> when = DateTimeOfSeconds(c.seconds);
    ASSERT_EQ(when.has_value(), c.when.has_value()) << c.seconds;
    if (when) EXPECT_TRUE(Same(*when, *c.when)) << c.seconds << " gives " << DateTimeText(*when, ':');
  }
}

TEST(ReadableSecondsText, DayAndTimeWithTheGivenSeparator) {
  EXPECT_EQ(ReadableSecondsText(3283200000, ':'), "14-JAN-2004  00:00:00");
  EXPECT_EQ(ReadableSecondsText(3283200000 + 14 * 3600 + 5 * 60 + 9, '.'), "14-JAN-2004  14.05.09");
  EXPECT_EQ(ReadableSecondsText(0, ':'), "30-DEC-1899  00:00:00");
  EXPECT_EQ(ReadableSecondsText(kLastSecond + 1, ':'), "");
}

}  // namespace
}  // namespace vantor
