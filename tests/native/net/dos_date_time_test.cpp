#include "net/dos_date_time.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vantor {
namespace {

TEST(PackDosDateTime, PacksValidDatesAndGivesZeroOtherwise) {
  struct Case {
    DateTime when;
    uint32_t packed;
  } cases[] = {
      {{2024, 5, 17, 10, 20, 30}, (44u << 25) | (5u << 21) | (17u << 16) | (10u << 11) | (20u << 5) | 15u},
      {{2024, 5, 17, 10, 20, 31}, (44u << 25) | (5u << 21) | (17u << 16) | (10u << 11) | (20u << 5) | 15u},
      {{1980, 1, 1, 0, 0, 0}, (1u << 21) | (1u << 16)},
      {{2107, 12, 31, 23, 59, 59}, (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u},
      {{2024, 2, 29, 0, 0, 0}, (44u << 25) | (2u << 21) | (29u << 16)},
      {{0, 0, 0, 0, 0, 0}, 0},  // an absent header leaves the record zero
      {{1979, 12, 31, 23, 59, 59}, 0},
      {{2108, 1, 1, 0, 0, 0}, 0},
      {{2023, 2, 29, 0, 0, 0}, 0},
      {{2100, 2, 29, 0, 0, 0}, 0},
      {{2024, 4, 31, 0, 0, 0}, 0},
      {{2024, 13, 1, 0, 0, 0}, 0},
      {{2024, 1, 1, 24, 0, 0}, 0},
      {{2024, 1, 1, 0, 60, 0}, 0},
      {{2024, 1, 1, 0, 0, 60}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PackDosDateTime(c.when), c.packed)
        << c.when.year << "-" << c.when.month << "-" << c.when.day << " " << c.when.hour << ":" << c.when.minute;
  }
}

}  // namespace
}  // namespace vantor
