// The markup box's keyboard rules over its button captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/box_keys.h"

namespace vantor {
namespace {

TEST(MarkupBoxKeysTest, FocusSlot_WrapsAroundBothWays) {
  struct Case {
    int index, count, slot;
  };
  const Case cases[] = {
      {0, 2, 0}, {1, 2, 1}, {2, 2, 0},   // Tab from the last button returns to the first
      {-1, 2, 1}, {-1, 3, 2},            // Left from the first goes to the last
      {-2, 3, 1},                        // Left with no focused button (index -1 - 1)
      {-2, 1, 0}, {0, 1, 0}, {5, 3, 2},
      {1, 0, 0},                         // no buttons: nothing to wrap around
  };
  for (const Case& c : cases) EXPECT_EQ(FocusSlot(c.index, c.count), c.slot) << c.index << "/" << c.count;
}

TEST(MarkupBoxKeysTest, AltCharChoice_MatchesTheSecondCharacterLeftmostFirst) {
  const std::vector<std::string> captions = {"&OK", "&Cancel"};
  EXPECT_EQ(AltCharChoice(captions, 'c'), 1);
  EXPECT_EQ(AltCharChoice(captions, 'C'), 1);
  EXPECT_EQ(AltCharChoice(captions, 'o'), 0);
  EXPECT_EQ(AltCharChoice(captions, 'x'), -1);
  EXPECT_EQ(AltCharChoice({"&retry", "&Retry"}, 'R'), 1);  // the typed form or its upper case only
  EXPECT_EQ(AltCharChoice({"&Ja", "&Jein"}, 'j'), 0);
  EXPECT_EQ(AltCharChoice({"", "J", "&J"}, 'j'), 2);     // captions shorter than two never match
}

TEST(MarkupBoxKeysTest, LetterKeyChoice_MatchesAfterTheFirstAmpersandRightmostFirst) {
  EXPECT_EQ(LetterKeyChoice({"&Yes", "&No"}, 'Y'), 0);
  EXPECT_EQ(LetterKeyChoice({"&Yes", "&No"}, 'N'), 1);
  EXPECT_EQ(LetterKeyChoice({"&yes", "&No"}, 'Y'), 0);
  EXPECT_EQ(LetterKeyChoice({"&Ja", "&Jein"}, 'J'), 1);
  EXPECT_EQ(LetterKeyChoice({"Retry", "Cancel"}, 'C'), 1);   // no "&": the first character counts
  EXPECT_EQ(LetterKeyChoice({"Sa&ve", "&Cancel"}, 'V'), 0);
  EXPECT_EQ(LetterKeyChoice({"Sa&ve", "&Cancel"}, 'S'), -1);
  EXPECT_EQ(LetterKeyChoice({"&", ""}, 'A'), -1);
}

}  // namespace
}  // namespace vantor
