#include "net/transfer_plan.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vantor {
namespace {

TEST(TransferChunkSize, ATenthOfTheFileAtMostTheBufferAtLeastOneByte) {
  struct Case {
    int32_t total, chunk;
  } cases[] = {
      {1048576, 10240}, {50000, 5000}, {102400, 10240}, {102409, 10240}, {102399, 10239},
      {10, 1},          {19, 1},       {20, 2},
      // Below 10 bytes a tenth is 0, which would end the transfer before it began.
      {9, 1},           {1, 1},
      {0, 0},           {-1, 0},       {INT32_MAX, 10240},
  };
  for (const Case& c : cases) EXPECT_EQ(TransferChunkSize(c.total), c.chunk) << c.total;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    int64_t numerator, denominator, rounded;
  } cases[] = {
      {1048576, 10240, 102},  // 102.4
      {10, 4, 2},             // 2.5
      {14, 4, 4},             // 3.5
      {11, 4, 3},             // 2.75
      {9, 4, 2},              // 2.25
      {1, 2, 0},              {3, 2, 2}, {0, 7, 0}, {7, 7, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.numerator, c.denominator), c.rounded) << c.numerator << "/" << c.denominator;
  }
}

TEST(ProgressMaximum, FirstProgressCallOfFreshAndResumedDownloads) {
  struct Case {
    int32_t total;
    int64_t done, maximum, position;
  } cases[] = {
      {1048576, 0, 103, 0},          // 102.4 steps of 10240 rounded, plus one
      {50000, 0, 11, 0},             // chunk 5000
      {1048576, 524288, 103, 51},    // resumed halfway: 51.2 steps already held
      {1048576, 1048576, 103, 102},  // complete partial file
      {5, 0, 6, 0},                  // a byte at a time
      {5, 2, 6, 2},
  };
  for (const Case& c : cases) {
    const int32_t chunk = TransferChunkSize(c.total);
    EXPECT_EQ(ProgressMaximum(c.total, chunk), c.maximum) << c.total;
    EXPECT_EQ(ProgressPosition(c.done, chunk), c.position) << c.total << " done " << c.done;
  }
}

}  // namespace
}  // namespace vantor
