#include "net/range_reply.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vantor {
namespace {

TEST(RangeRequestHeader, AsksForEverythingFromTheStart) {
  EXPECT_EQ(RangeRequestHeader(419430), "Range: bytes=419430-\r\n");
}

TEST(ContentRangeCoversRest, OnlyExactlyTheRestOfTheSameFile) {
  struct Case {
    const char* contentRange;
    bool covers;
  } cases[] = {
      {"bytes 400-999/1000", true},
      {"Bytes 400-999/1000", true},
      {"  bytes 400-999/1000\r\n", true},
      {"bytes 0-999/1000", false},    // the whole file again: appending it would double the start
      {"bytes 401-999/1000", false},  // a gap
      {"bytes 400-998/1000", false},  // short of the end
      {"bytes 400-1099/1100", false}, // another version of the file
      {"bytes 400-999/*", false},
      {"bytes */1000", false},
      {"bytes 400-999/1000x", false},
      {"bytes=400-999/1000", false},
      {"400-999/1000", false},
      {"", false},
      {"bytes 400-999/99999999999999999999", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ContentRangeCoversRest(c.contentRange, 400, 1000), c.covers) << c.contentRange;
}

}  // namespace
}  // namespace vantor
