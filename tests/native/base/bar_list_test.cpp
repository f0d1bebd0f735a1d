// Bar lists: counting, reading, writing and key=value lookup.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "base/text.h"

namespace vantor {
namespace {

using namespace std::string_literals;

TEST(BarListTest, BarCount_CountsSeparatorsOnlyWhenListEndsWithIt) {
  struct Case {
    std::string list;
    int count;
  };
  const Case cases[] = {
      {"", 0},          {"|", 0},          {"||", 1},     {"|a|b|", 2},      {"|a|b", 0},
      {"||JAN|FEB|", 3}, {"|&OK|&Cancel|", 2}, {"a", 0},  {"aa", 1},         {",x,y,,", 3},
      {"|a^b|", 1},     {"^a|b^", 1},      {"\0x\0"s, 1}, {"xax", 1},        {"|||||", 4},
  };
  for (const Case& c : cases) EXPECT_EQ(BarCount(c.list), c.count) << "list: " << c.list;
}

TEST(BarListTest, BarItem_GivesDefaultForEmptyMissingOrUnclosedItems) {
  struct Case {
    std::string list;
    int index;
    std::string expected;  // "DEF" stands for the default
  };
  const Case cases[] = {
      {"", 0, "DEF"},
      {"|", 0, "DEF"},
      {"||", 0, "DEF"},
      {"|&OK|&Cancel|", 0, "&OK"},
      {"|&OK|&Cancel|", 1, "&Cancel"},
      {"|&OK|&Cancel|", 2, "DEF"},
      {"|a|b", 0, "a"},
      {"|a|b", 1, "DEF"},  // no closing separator
      {"|a||c|", 1, "DEF"},
      {"|a||c|", 2, "c"},
      {"|a||c|", -1, "DEF"},
      {"|a||c|", INT_MIN, "DEF"},
      {"|a||c|", INT_MAX, "DEF"},
      {"||JAN|FEB|", 0, "DEF"},
      {"||JAN|FEB|", 1, "JAN"},
      {"||JAN|FEB|", 2, "FEB"},
      {":10:20:", 1, "20"},
      {"^a|b^c^", 0, "a|b"},
      {"^a|b^c^", 1, "c"},
      {"x", 0, "DEF"},
      {"xx", 0, "DEF"},
      {"|  |", 0, "  "},  // blanks are not empty
      {"\0a\0b\0"s, 1, "b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BarItem(c.list, c.index, "DEF"), c.expected) << "list: " << c.list << " index " << c.index;
  }
}

TEST(BarListTest, BarSetItem_ExtendsListAndChoosesFreeSeparator) {
  struct Case {
    std::string list;
    int index;
    std::string value;
    std::string expected;
  };
  const Case cases[] = {
      {"", 2, "v", "|||v|"},
      {"", 0, "v", "|v|"},
      {"|x|", 0, "a|b", "^a|b^"},
      {"|x|", 0, "y", "|y|"},
      {"|a|b|c|", 1, "B", "|a|B|c|"},
      {"|a|b|", 3, "d", "|a|b||d|"},
      {"|a|b|", 1, "", "|a||"},
      {"|a|b|", -1, "z", "|a|b|"},
      {"", -1, "z", "|"},
      {"|", -1, "z", "|"},
      {"^a|b^c^", 1, "d", "^a|b^d^"},   // an item keeps "|", so "^" is chosen
      {"^a|b^c^", 0, "e", "|e|c|"},     // no "|" any more: back to "|"
      {"|a|b", 0, "x", "|x|"},          // malformed: count 0, only index + 1 items
      {"|a|b", 1, "x", "|a|x|"},
      {"|a|b|", 0, "|^!~@#$&*", "\xFF|^!~@#$&*\xFF" "b\xFF"},
      {"|a|b|", 0, "|^!~@#$&*\xFF", "\0|^!~@#$&*\xFF\0b\0"s},  // all ten occur
      {"|a|b|", 0, "^", "|^|b|"},
      {",a,b,", 0, "c", "|c|b|"},       // the separator may change
  };
  for (const Case& c : cases) {
    std::string list = c.list;
    BarSetItem(list, c.index, c.value);
    EXPECT_EQ(list, c.expected) << "list: " << c.list << " index " << c.index << " value " << c.value;
  }
}

TEST(BarListTest, BarSetItem_RandomListsReadBackValueAndKeepOtherItems) {
  std::mt19937 random(7);
  const std::string alphabet = "ab|^!~@#$&*\xFF ";
  for (int round = 0; round < 3000; ++round) {
    std::string list;
    const int setCount = static_cast<int>(random() % 5);
    for (int s = 0; s < setCount; ++s) {
      std::string value;
      for (unsigned k = random() % 4; k > 0; --k) value += alphabet[random() % alphabet.size()];
      BarSetItem(list, static_cast<int>(random() % 5), value);
    }
    std::string value;
    for (unsigned k = random() % 12; k > 0; --k) value += alphabet[random() % alphabet.size()];
    const int index = static_cast<int>(random() % 6);
    const int before = BarCount(list);
    std::string changed = list;
    BarSetItem(changed, index, value);
    ASSERT_EQ(changed.front(), changed.back());
    EXPECT_EQ(BarCount(changed), std::max(before, index + 1)) << list << " -> " << changed;
    if (changed.front() != '\0') {
      EXPECT_EQ(BarItem(changed, index, "DEF"), value.empty() ? "DEF" : value) << changed;
      for (int i = 0; i < BarCount(changed); ++i) {
        if (i != index) {
          EXPECT_EQ(BarItem(changed, i, ""), BarItem(list, i, "")) << list << " -> " << changed;
        }
      }
    }
  }
}

TEST(BarListTest, BarSetItem_FarIndexPadsWithEmptyItems) {
  std::string list = "|a|";
  BarSetItem(list, 1000, "z");
  EXPECT_EQ(BarCount(list), 1001);
  EXPECT_EQ(BarItem(list, 1000, ""), "z");
  EXPECT_EQ(BarItem(list, 0, ""), "a");
}

TEST(BarListTest, BarSetItem_ValueMayViewTheListItself) {
  std::string list = "|abc|def|";
  BarSetItem(list, 2, std::string_view(list).substr(1, 3));
  EXPECT_EQ(list, "|abc|def|abc|");
}

TEST(BarListTest, BarKeyValue_IgnoresOneBlankAroundKeyAndCase) {
  struct Case {
    std::string list;
    std::string key;
    std::string expected;  // "DEF" stands for the default
  };
  const Case cases[] = {
      {"| Name = abc|Size=4|", "name", " abc"},
      {"| Name = abc|Size=4|", "Si", "DEF"},
      {"| Name = abc|Size=4|", "size", "4"},
      {"| Name = abc|Size=4|", "SIZE=", "4"},  // key already ends with "="
      {"|Size=|", "Size", ""},                   // present but empty: not the default
      {"|a=1|b=2", "a", "DEF"},                  // last character is no separator
      {"|=", "", "DEF"},                         // fewer than 3 characters
      {"||", "a", "DEF"},
      {"|a=1|", "b", "DEF"},
      {"|  a=1|", "a", "DEF"},                   // a second blank stays
      {"|a  =1|", "a", "DEF"},
      {"|a= 1 |", "a", " 1 "},
      {"|a=1|a=2|", "a", "1"},                   // first occurrence wins
      {"|xa=1|a=2|", "a", "2"},                  // keys start after a separator
      {"|a=x =y|", "a", "x=y"},                  // blanks before "=" go in values too
      {":w=10:h=20:", "H", "20"},
      {"|a=1|", "", "DEF"},
      {"|=1|", "", "1"},
      {"|path=C:\\x|", "PATH", "C:\\x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BarKeyValue(c.list, c.key, "DEF"), c.expected) << "list: " << c.list << " key " << c.key;
  }
}

}  // namespace
}  // namespace vantor
