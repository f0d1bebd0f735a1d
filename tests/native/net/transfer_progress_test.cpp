#include "net/transfer_progress.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vantor {
namespace {

TEST(FormatTransferProgress, ResetShowsBytesWithoutSpeed) {
  ProgressRings rings;
  EXPECT_EQ(FormatTransferProgress(rings, true, 1048576, 0, 0, 5000), "0/1048576 Bytes   ");
  // Earlier transfers are forgotten: a new one starts without their speed.
  ProgressRings used;
  FormatTransferProgress(used, true, 100, 0, 0, 1);
  FormatTransferProgress(used, false, 100, 50, 50, 2000);
  EXPECT_EQ(FormatTransferProgress(used, true, 100, 0, 0, 9000), "0/100 Bytes   ");
}

TEST(FormatTransferProgress, SpeedOverTheLastFiveUpdates) {
  ProgressRings rings;
  FormatTransferProgress(rings, true, 1048576, 0, 0, 0);
  EXPECT_EQ(FormatTransferProgress(rings, false, 1048576, 10240, 10240, 800), "10240/1048576 Bytes   12.50 KB/Sec");
  EXPECT_EQ(FormatTransferProgress(rings, false, 1048576, 20480, 10240, 1600), "20480/1048576 Bytes   12.50 KB/Sec");
  for (uint32_t tick = 2600; tick <= 4600; tick += 1000) FormatTransferProgress(rings, false, 1048576, 0, 10240, tick);
  // Ticks 1600..5600: 4000 ms over five slots of 10240 bytes.
  EXPECT_EQ(FormatTransferProgress(rings, false, 1048576, 61440, 10240, 5600), "61440/1048576 Bytes   12.50 KB/Sec");
  // The oldest slot drops out of the window: four of 10240 and a read of 0 over 4000 ms.
  EXPECT_EQ(FormatTransferProgress(rings, false, 1048576, 61440, 0, 6600), "61440/1048576 Bytes   10.00 KB/Sec");
}

TEST(FormatTransferProgress, NoSpeedWithoutElapsedTimeAndRightAcrossTheTickWrap) {
  ProgressRings rings;
  FormatTransferProgress(rings, true, 100, 0, 0, 0xFFFFFF00u);
  // Five updates within the same tick: no time has passed.
  for (int i = 0; i < 4; ++i) FormatTransferProgress(rings, false, 100, 0, 10, 0xFFFFFF00u);
  EXPECT_EQ(FormatTransferProgress(rings, false, 100, 50, 10, 0xFFFFFF00u), "50/100 Bytes   ");
  // 0xFFFFFF00 to 0x300 is 1024 ms across the wrap, not four billion.
  EXPECT_EQ(FormatTransferProgress(rings, false, 100, 60, 10, 0x300u), "60/100 Bytes   0.05 KB/Sec");
}

TEST(FormatKilobytesPerSecond, TwoDecimalsWithAPeriod) {
  struct Case {
    uint64_t bytes;
    uint32_t elapsedMs;
    const char* text;
  } cases[] = {
      {51200, 4000, "12.50"},  {1000, 1000, "0.98"},  // 0.9766
      {1, 3, "0.33"},          {0, 5, "0.00"},        {5ull * 0xFFFFFFFFull, 1, "20971519995.12"},
      {1024, 1000, "1.00"},    {1535, 1000, "1.50"},  // 1.4990 rounds up
  };
  for (const Case& c : cases) EXPECT_EQ(FormatKilobytesPerSecond(c.bytes, c.elapsedMs), c.text) << c.bytes;
}

}  // namespace
}  // namespace vantor
