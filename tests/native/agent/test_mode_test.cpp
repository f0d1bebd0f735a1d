// When the test-mode values are read afresh from the registry.
#include <gtest/gtest.h>

#include "agent/test_mode.h"

namespace vantor {
namespace {

TEST(TestModeReadDue, ForcedOrAfterThirtySecondsAcrossTheTickWrap) {
  EXPECT_TRUE(TestModeReadDue(true, 1000, 1000));
  EXPECT_FALSE(TestModeReadDue(false, 31000, 1000));
  EXPECT_TRUE(TestModeReadDue(false, 31001, 1000));
  EXPECT_FALSE(TestModeReadDue(false, 10000, 0xFFFFF000ul));  // 14 s across the wrap
  EXPECT_TRUE(TestModeReadDue(false, 40000, 0xFFFFF000ul));
}

TEST(TestModeReadDue, FirstCallReadsEvenSoonAfterTheSystemStarted) {
  EXPECT_TRUE(TestModeReadDue(false, 5000, std::nullopt));
  EXPECT_TRUE(TestModeReadDue(false, 0, std::nullopt));
}

}  // namespace
}  // namespace vantor
