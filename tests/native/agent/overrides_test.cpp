// The in-memory overrides of the .info switches and their bar-list form.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "agent/overrides.h"

namespace vantor {
namespace {

Overrides WithBytes(std::initializer_list<int> bytes) {
  Overrides overrides;
  int number = 1;
  for (int byte : bytes) SetOverride(overrides, number++, byte);
  return overrides;
}

TEST(FormatOverrides, NothingSetIsEightTimes255) {
  EXPECT_EQ(FormatOverrides(Overrides{}), "|255|255|255|255|255|255|255|255|");
  EXPECT_EQ(FormatOverrides(WithBytes({1, 0, 2, 255, 1, 0, 7, 1})), "|1|0|2|255|1|0|7|1|");
}

TEST(ParseOverrides, RoundTripsEveryFormattedList) {
  const Overrides samples[] = {Overrides{}, WithBytes({1, 0, 2, 255, 1, 0, 7, 1}), WithBytes({0, 0, 0, 0, 0, 0, 0, 0}),
                               WithBytes({1, 1, 1, 1, 1, 1, 1, 1}), WithBytes({254, 128, 3, 9, 10, 99, 100, 200})};
  for (const Overrides& sample : samples) {
    Overrides parsed = WithBytes({9, 9, 9, 9, 9, 9, 9, 9});
    ParseOverrides(FormatOverrides(sample), parsed);
    EXPECT_EQ(parsed.bytes, sample.bytes) << FormatOverrides(sample);
  }
}

TEST(ParseOverrides, EmptyOrNonNumericOrMissingItemsLeaveOverridesUnchanged) {
  Overrides overrides = WithBytes({255, 0, 1, 255, 0, 1, 255, 0});
  ParseOverrides("|1||x|", overrides);
  EXPECT_EQ(FormatOverrides(overrides), "|1|0|1|255|0|1|255|0|");

  ParseOverrides("", overrides);
  EXPECT_EQ(FormatOverrides(overrides), "|1|0|1|255|0|1|255|0|");
}

TEST(ParseOverrides, StoresLowEightBitsOfTheNumberForm) {
  Overrides overrides;
  // Items beyond the eighth are no override.
  ParseOverrides("|257|-1|$10|0x02| 3|1e|12abc|256|1|", overrides);
  EXPECT_EQ(FormatOverrides(overrides), "|1|255|16|2|3|255|255|0|");
}

TEST(SetOverride, KeepsLowEightBitsAndIgnoresNumbersOutsideTheList) {
  Overrides overrides;
  SetOverride(overrides, 1, 0x1234501);
  SetOverride(overrides, 2, -256);
  SetOverride(overrides, 0, 1);
  SetOverride(overrides, 9, 1);
  SetOverride(overrides, -1, 1);
  EXPECT_EQ(FormatOverrides(overrides), "|1|0|255|255|255|255|255|255|");
}

TEST(OverrideValue, UnsetAt255AndTrueOnlyForOne) {
  const Overrides overrides = WithBytes({255, 1, 0, 2, 254});
  EXPECT_EQ(OverrideValue(overrides, OverrideSlot::AskBeforeCheck), std::nullopt);
  EXPECT_EQ(OverrideValue(overrides, OverrideSlot::RequestConfirmationBeforeDownload), true);
  EXPECT_EQ(OverrideValue(overrides, OverrideSlot::RequestConfirmationBeforeInstall), false);
  EXPECT_EQ(OverrideValue(overrides, OverrideSlot::BackgroundUpdate), false);
  EXPECT_EQ(OverrideValue(overrides, OverrideSlot::InformFinish), false);
  EXPECT_EQ(OverrideValue(overrides, OverrideSlot::RequestConfirmationBeforeInstallForce), std::nullopt);
}

}  // namespace
}  // namespace vantor
