#include "base/window_analizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor {
namespace {

constexpr bool kTitled = true, kUntitled = false, kVisible = true, kHidden = false;

TAnalizer Collect(const std::vector<WindowFacts>& windows) {
  TAnalizer analizer(1234);
  for (const WindowFacts& facts : windows) analizer.AddWindow(facts);
  return analizer;
}

TEST(TAnalizer, TheOwnerOfThreeDialogsBeatsAVisibleTitledWindow) {
  const TAnalizer analizer = Collect({
      {10, 0, kTitled, kVisible},     // a lone visible titled window
      {20, 0, kUntitled, kHidden},    // the owner
      {21, 20, kUntitled, kHidden},   // its dialogs
      {22, 20, kUntitled, kHidden},
      {23, 20, kTitled, kVisible},
  });
  EXPECT_EQ(analizer.ScoreWindows(), (std::vector<uint32_t>{3, 12, 0, 0, 3}));
  EXPECT_EQ(analizer.BestWindow(), 20u);
}

TEST(TAnalizer, ScoresAndChoice) {
  struct Case {
    const char* label;
    std::vector<WindowFacts> windows;
    std::vector<uint32_t> scores;
    WindowId best;
  } cases[] = {
      {"nothing collected", {}, {}, 0},
      {"all invisible, untitled, owning nothing",
       {{10, 0, kUntitled, kHidden}, {11, 0, kUntitled, kHidden}},
       {0, 0},
       0},
      {"a title counts more than visibility", {{10, 0, kUntitled, kVisible}, {11, 0, kTitled, kHidden}}, {1, 2}, 11},
      {"equal scores keep the first", {{10, 0, kTitled, kVisible}, {11, 0, kTitled, kVisible}}, {3, 3}, 10},
      // Only the top of an owner chain scores: 30 owns 31, which owns 32.
      {"a chain scores at its root",
       {{30, 0, kUntitled, kHidden}, {31, 30, kUntitled, kHidden}, {32, 30, kUntitled, kHidden}},
       {8, 0, 0},
       30},
      // Owned by a window of another process: nobody here scores for it.
      {"a foreign owner scores nothing", {{10, 99, kUntitled, kHidden}, {11, 99, kUntitled, kHidden}}, {0, 0}, 0},
      {"owning and visible", {{40, 0, kTitled, kVisible}, {41, 40, kUntitled, kHidden}}, {7, 0}, 40},
      // The system's default IME window: titled, never chosen, but it counts
      // for the hidden untitled window that owns it.
      {"a lone system helper", {{50, 0, kUntitled, kHidden}, {51, 0, kTitled, kVisible, true}}, {0, 0}, 0},
      {"a system helper counts for its owner", {{51, 50, kTitled, kHidden, true}, {50, 0, kUntitled, kHidden}}, {0, 4},
       50},
  };
  for (const Case& c : cases) {
    const TAnalizer analizer = Collect(c.windows);
    EXPECT_EQ(analizer.ScoreWindows(), c.scores) << c.label;
    EXPECT_EQ(analizer.BestWindow(), c.best) << c.label;
  }
}

TEST(IsSystemHelperClass, TheDefaultImeWindowsOnly) {
  EXPECT_TRUE(IsSystemHelperClass("IME"));
  EXPECT_TRUE(IsSystemHelperClass("ime"));
  EXPECT_TRUE(IsSystemHelperClass("MSCTFIME UI"));
  EXPECT_FALSE(IsSystemHelperClass("IMEX"));
  EXPECT_FALSE(IsSystemHelperClass(".AutoUpdate."));
  EXPECT_FALSE(IsSystemHelperClass(""));
}

// The system's table held 2001 windows; a process with more must neither
// overrun it nor lose the owner that comes last.
TEST(TAnalizer, ManyMoreWindowsThanTheOldTable) {
  std::vector<WindowFacts> windows;
  for (WindowId w = 1; w <= 3000; ++w) windows.push_back({w, 5000, kTitled, kVisible});
  windows.push_back({5000, 0, kUntitled, kHidden});
  const TAnalizer analizer = Collect(windows);
  EXPECT_EQ(analizer.ScoreWindows().back(), 12000u);  // beyond 16 bits after the shift
  EXPECT_EQ(analizer.BestWindow(), 5000u);
}

}  // namespace
}  // namespace vantor
