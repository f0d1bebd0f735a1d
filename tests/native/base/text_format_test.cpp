// Fixed-format texts and numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

#include "base/text.h"

namespace vantor {
namespace {

constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

TEST(DateTextTest, DateTextFamily_FormatFixedTexts) {
  struct Case {
    DateTime when;
    std::string date, dateTime, stamp;
  };
  const Case cases[] = {
      {{2007, 3, 5, 0, 0, 0}, "05-MAR-2007", "05-MAR-2007  00:00:00", "05/03/07 00:00:00"},
      {{2024, 12, 9, 13, 5, 9}, "09-DEC-2024", "09-DEC-2024  13:05:09", "09/12/24 13:05:09"},
      {{1999, 1, 31, 23, 59, 59}, "31-JAN-1999", "31-JAN-1999  23:59:59", "31/01/99 23:59:59"},
      {{2000, 6, 1, 7, 8, 9}, "01-JUN-2000", "01-JUN-2000  07:08:09", "01/06/00 07:08:09"},
      {{987, 11, 10, 12, 0, 1}, "10-NOV-0987", "10-NOV-0987  12:00:01", "10/11/87 12:00:01"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(c.when), c.date);
    EXPECT_EQ(DateTimeText(c.when, ':'), c.dateTime);
    EXPECT_EQ(LogTimeStamp(c.when, '/', ':'), c.stamp);
  }
}

TEST(DateTextTest, DateText_UsesEveryMonthName) {
  const char* names[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(DateText({2020, m, 15, 0, 0, 0}), std::string("15-") + names[m - 1] + "-2020");
}

TEST(DateTextTest, DateTimeTextLogTimeStamp_UseGivenSeparators) {
  const DateTime when{2024, 12, 9, 13, 5, 9};
  EXPECT_EQ(DateTimeText(when, '.'), "09-DEC-2024  13.05.09");
  EXPECT_EQ(LogTimeStamp(when, '.', '-'), "09.12.24 13-05-09");
}

TEST(DateTextTest, DateText_MonthOutOfRangeHasEmptyName) {
  EXPECT_EQ(DateText({2020, 0, 1, 0, 0, 0}), "01--2020");
  EXPECT_EQ(DateText({2020, 13, 1, 0, 0, 0}), "01--2020");
  EXPECT_EQ(DateText({2020, -1, 1, 0, 0, 0}), "01--2020");
}

TEST(NumberTextTest, BoolText_GivesTrueOrFalse) {
  EXPECT_EQ(BoolText(true), "TRUE");
  EXPECT_EQ(BoolText(false), "FALSE");
}

TEST(NumberTextTest, ParseNumberBase_UnknownDigitsCountMinusOneAndWrap) {
  struct Case {
    std::string text;
    int base;
    int64_t expected;
  };
  const Case cases[] = {
      {"ff", 16, 255},
      {"FF", 16, 255},
      {"1G", 16, 15},  // G counts -1
      {"", 16, 0},
      {"   ", 10, 0},
      {" 10 ", 10, 10},
      {"\t123\r\n", 10, 123},
      {"101", 2, 5},
      {"12", 8, 10},
      {"9", 8, 9},     // digits are not tested against the base
      {"Z", 10, -1},
      {"-1", 10, -9},  // "-" counts -1 at weight 10
      {"FFFFFFFFFFFFFFFF", 16, -1},
      {"7FFFFFFFFFFFFFFF", 16, kMax},
      {"8000000000000000", 16, kMin},
      {"10000000000000000", 16, 0},  // wraps
      {std::string(100, 'F'), 16, -1},
      {"9223372036854775807", 10, kMax},
      {"9223372036854775808", 10, kMin},
      {"zz", 2, -3},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumberBase(c.text, c.base), c.expected) << c.text << " base " << c.base;
}

TEST(NumberTextTest, HexToInt64_DropsLeadingPrefixOnly) {
  struct Case {
    std::string text;
    int64_t expected;
  };
  const Case cases[] = {
      {"0x1F", 31}, {"0X1f", 31}, {"1F", 31}, {"0x", 0}, {"", 0}, {"ffffffff", 4294967295},
      {"0xFFFFFFFFFFFFFFFF", -1},
      {"x1F", -225},     // no "0": the X stays and counts -1
      {"0x1F ", 31},     // trimmed after the prefix is dropped
  };
  for (const Case& c : cases) EXPECT_EQ(HexToInt64(c.text), c.expected) << c.text;
}

TEST(NumberTextTest, Min64Max64EnsureRange64_RaiseThenLower) {
  EXPECT_EQ(Min64(3, -4), -4);
  EXPECT_EQ(Max64(3, -4), 3);
  EXPECT_EQ(Min64(kMin, kMax), kMin);
  EXPECT_EQ(Max64(kMin, kMax), kMax);
  struct Case {
    int64_t value, min, max, expected;
  };
  const Case cases[] = {
      {5, 1, 10, 5}, {0, 1, 10, 1}, {11, 1, 10, 10}, {5, 10, 3, 3},  // raised to min, then lowered to max
      {kMin, kMin, kMax, kMin}, {kMax, 0, 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(EnsureRange64(c.value, c.min, c.max), c.expected);
}

TEST(NumberTextTest, TryParseInt64_AcceptsOnlyTheWholeStrictForm) {
  struct Case {
    std::string text;
    bool ok;
    int64_t value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"10", true, 10},
      {"+10", true, 10},
      {"-10", true, -10},
      {"   10", true, 10},
      {"00000000000000000000000010", true, 10},
      {"$1F", true, 31},
      {"x1F", true, 31},
      {"X1f", true, 31},
      {"0x1F", true, 31},
      {"0X1f", true, 31},
      {"-0x1F", true, -31},
      {"+$10", true, 16},
      {"9223372036854775807", true, kMax},
      {"-9223372036854775808", true, kMin},
      {"$7FFFFFFFFFFFFFFF", true, kMax},
      {"-$8000000000000000", true, kMin},
      {"0x00000000000000000000001", true, 1},
      {"9223372036854775808", false, 0},
      {"-9223372036854775809", false, 0},
      {"18446744073709551616", false, 0},
      {"$8000000000000000", false, 0},
      {"$FFFFFFFFFFFFFFFF", false, 0},
      {"$10000000000000000", false, 0},
      {"", false, 0},
      {" ", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"x", false, 0},
      {"0x", false, 0},
      {"10 ", false, 0},
      {"\t10", false, 0},
      {"- 1", false, 0},
      {"--1", false, 0},
      {"+-1", false, 0},
      {"$-1", false, 0},
      {"0x0x1", false, 0},
      {"12abc", false, 0},
      {"1F", false, 0},
      {"1.5", false, 0},
      {"1e3", false, 0},
      {"TRUE", false, 0},
      {std::string("1\0", 2), false, 0},
  };
  for (const Case& c : cases) {
    int64_t value = 12345;
    EXPECT_EQ(TryParseInt64(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(NumberTextTest, RandomNumberText_StaysWithinBounds) {
  struct Case {
    int64_t low, high;
  };
  const Case cases[] = {{5, 7}, {-3, 3}, {0, 0}, {100, 100}, {0, 4294967295}, {kMin, kMax}, {kMax - 1, kMax}};
  for (const Case& c : cases) {
    for (int i = 0; i < 200; ++i) {
      int64_t value = 0;
      const std::string text = RandomNumberText(c.low, c.high);
      ASSERT_TRUE(TryParseInt64(text, value)) << text;
      EXPECT_GE(value, c.low);
      EXPECT_LE(value, c.high);
    }
  }
  EXPECT_EQ(RandomNumberText(9, 9), "9");
  EXPECT_EQ(RandomNumberText(9, 2), "9");  // an empty range gives low
}

TEST(NumberTextTest, RandomNumberText_VariesBetweenCalls) {
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) seen.insert(RandomNumberText(0, 1000000000));
  EXPECT_GT(seen.size(), 1u);
}

}  // namespace
}  // namespace vantor
