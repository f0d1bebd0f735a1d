// The update decision's chain over given values, and its three tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "agent/update_decision.h"

namespace vantor {
namespace {

constexpr int64_t kNow = 3283200000;  // 14 January 2004 on the seconds clock

// Every test passes: installed 4, offered 5 under a new stamp, sizes match.
DecisionFacts Passing() {
  DecisionFacts facts;
  facts.infoDownloaded = true;
  facts.versionOriginal = 4;
  facts.stampOriginal = 10;
  facts.stampNew = 11;
  facts.now = kNow;
  facts.reAskSecondsLast = kNow - 100;
  facts.reAskSecondsInterval = 0;
  facts.versionNew = 5;
  facts.validVersions = "3,4";
  facts.sizeMatches = [] { return true; };
  return facts;
}

// The same package as before: only the re-ask test or an interactive check lets it through.
DecisionFacts SameStamp(int64_t interval, int64_t secondsAgo) {
  DecisionFacts facts = Passing();
  facts.stampNew = facts.stampOriginal;
  facts.reAskSecondsInterval = interval;
  facts.reAskSecondsLast = kNow - secondsAgo;
  return facts;
}

TEST(DecisionCode, EachTestStopsTheChainWithItsCodeAndReason) {
  const struct {
    const char* name;
    DecisionFacts facts;
    int32_t code;
    const char* reason;
  } cases[] = {
      {"not fetched", [] { auto f = Passing(); f.infoDownloaded = false; return f; }(), 0,
       "Error downloading .INFO file"},
      {"no .original", [] { auto f = Passing(); f.versionOriginal = 0; return f; }(), 1,
       "Error reading .ORIGINAL file"},
      {"negative version", [] { auto f = Passing(); f.versionOriginal = -3; return f; }(), 1,
       "Error reading .ORIGINAL file"},
      {"same stamp, no re-ask", SameStamp(0, 1000000), 2, "Too early for retesting"},
      {"version equal", [] { auto f = Passing(); f.versionNew = 4; return f; }(), 3,
       "New version is not higher then old version"},
      {"version lower", [] { auto f = Passing(); f.versionNew = 2; return f; }(), 3,
       "New version is not higher then old version"},
      {"not listed", [] { auto f = Passing(); f.validVersions = "1,2"; return f; }(), 4,
       "\"Valid for version\" mismatch"},
      {"size off", [] { auto f = Passing(); f.sizeMatches = [] { return false; }; return f; }(), 5,
       "Download file size error"},
      {"no size test", [] { auto f = Passing(); f.sizeMatches = nullptr; return f; }(), 5,
       "Download file size error"},
      {"all pass", Passing(), 6, "OK"},
  };
  for (const auto& c : cases) {
    const int32_t code = DecisionCode(c.facts);
    EXPECT_EQ(code, c.code) << c.name;
    EXPECT_EQ(DecisionReason(code), c.reason) << c.name;
  }
}

TEST(DecisionCode, SameStampGoesOnOnlyWhenReAskIsDueOrTheCheckIsInteractive) {
  const struct {
    int64_t interval;
    int64_t secondsAgo;
    bool interactive;
    int32_t code;
  } cases[] = {
      {86400, 86401, false, 6},
      {86400, 86400, false, 2},  // exactly the interval: not yet
      {0, 1000000, false, 2},    // 0 = never again
      {-1, 1000000, false, 2},
      {0, 1000000, true, 6},
      {86400, 10, true, 6},
  };
  for (const auto& c : cases) {
    DecisionFacts facts = SameStamp(c.interval, c.secondsAgo);
    facts.interactiveCheck = c.interactive;
    EXPECT_EQ(DecisionCode(facts), c.code) << c.interval << " " << c.secondsAgo << " " << c.interactive;
  }
}

TEST(DecisionCode, VersionsAndStampsCountAsTheirLow32Bits) {
  DecisionFacts facts = Passing();
  facts.versionNew = 0x100000001;  // low half 1, below 4
  EXPECT_EQ(DecisionCode(facts), kDecisionNotNewer);
  facts.versionNew = 0x7FFFFFFF;
  EXPECT_EQ(DecisionCode(facts), kDecisionOk);
  facts.versionNew = 0x80000000;  // negative as 32 bits
  EXPECT_EQ(DecisionCode(facts), kDecisionNotNewer);

  facts = Passing();
  facts.versionOriginal = 0x100000000;  // low half 0: unreadable
  EXPECT_EQ(DecisionCode(facts), kDecisionNoOriginal);

  facts = SameStamp(0, 0);
  facts.stampNew = facts.stampOriginal + 0x100000000;  // the same stamp once written back
  EXPECT_EQ(DecisionCode(facts), kDecisionTooEarly);
}

TEST(DecisionCode, AsksForTheSizeOnlyWhenEveryOtherTestPassed) {
  int asked = 0;
  DecisionFacts facts = Passing();
  facts.sizeMatches = [&asked] {
    ++asked;
    return true;
  };
  facts.validVersions = "7";
  EXPECT_EQ(DecisionCode(facts), kDecisionNotValidFor);
  facts.infoDownloaded = false;
  EXPECT_EQ(DecisionCode(facts), kDecisionNoInfo);
  EXPECT_EQ(asked, 0);
  facts.infoDownloaded = true;
  facts.validVersions = "";
  EXPECT_EQ(DecisionCode(facts), kDecisionOk);
  EXPECT_EQ(asked, 1);
}

TEST(DecisionReason, OutsideTheCodesIsEmpty) {
  EXPECT_EQ(DecisionReason(-1), "");
  EXPECT_EQ(DecisionReason(7), "");
}

TEST(ReAskDue, StrictlyAfterLastPlusAPositiveInterval) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const struct {
    int64_t now, last, interval;
    bool due;
  } cases[] = {
      {kNow, kNow - 86401, 86400, true},
      {kNow, kNow - 86400, 86400, false},
      {kNow, kNow - 5, 0, false},
      {kNow, 0, -1, false},
      {kNow, 0, 1, true},
      {kNow, kNow + 10, 1, false},  // a last offer in the future
      {kMax, kMax - 5, 10, false},  // last + interval beyond the range: never due
      {kMax, kMax - 10, 5, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReAskDue(c.now, c.last, c.interval), c.due) << c.now << " " << c.last << " " << c.interval;
  }
}

TEST(ValidVersionsMatch, TheVersionMustBeAnItemOfTheList) {
  const struct {
    const char* list;
    int32_t version;
    bool match;
  } cases[] = {
      {"", 4, true},       {"3,4", 4, true},   {"3,4", 3, true},     {"3, 4", 4, false},
      {"34", 4, false},    {"34", 34, true},   {"4", 4, true},       {"14,41", 4, false},
      {"3,,4", 4, true},   {"-2,5", -2, true}, {"3,4,", 4, true},    {" 4", 4, false},
  };
  for (const auto& c : cases) EXPECT_EQ(ValidVersionsMatch(c.list, c.version), c.match) << c.list << " " << c.version;
}

TEST(SizesMatch, WithinNinetyNineBytes) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const struct {
    int32_t actual, expected;
    bool match;
  } cases[] = {
      {1000, 1000, true}, {1099, 1000, true}, {1100, 1000, false}, {901, 1000, true}, {900, 1000, false},
      {-1, 0, true},      // no length from the server, no size announced
      {-1, 5000, false},  // no length from the server
      {-1, 98, true},     {-1, 99, false},     {kMin, kMax, false}, {kMax, kMin, false},
  };
  for (const auto& c : cases) EXPECT_EQ(SizesMatch(c.actual, c.expected), c.match) << c.actual << " " << c.expected;
}

}  // namespace
}  // namespace vantor
