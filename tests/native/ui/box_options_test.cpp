// What the markup box makes of its flags, owner mode, charset and defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/box_font.h"
#include "ui/box_options.h"

namespace vantor {
namespace {

TEST(MarkupBoxOptionsTest, ButtonSetOf_GivesCaptionItemsAndResultsLeftToRight) {
  struct Case {
    std::uint32_t flags;
    std::vector<ButtonSpec> buttons;
  };
  const Case cases[] = {
      {0x0, {{0, kBoxOk}}},
      {0x1, {{0, kBoxOk}, {1, kBoxCancel}}},
      {0x2, {{4, kBoxAbort}, {5, kBoxRetry}, {6, kBoxIgnore}}},
      {0x3, {{2, kBoxYes}, {3, kBoxNo}, {1, kBoxCancel}}},
      {0x24, {{2, kBoxYes}, {3, kBoxNo}}},
      {0x10000105, {{5, kBoxRetry}, {1, kBoxCancel}}},  // other fields do not matter
      {0x6, {}},
      {0xF, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ButtonSetOf(c.flags), c.buttons) << std::hex << c.flags;
}

TEST(MarkupBoxOptionsTest, IconAndDefaultButtonFields) {
  EXPECT_EQ(IconOf(0x10), BoxIcon::Hand);
  EXPECT_EQ(IconOf(0x24), BoxIcon::Question);
  EXPECT_EQ(IconOf(0x30), BoxIcon::Exclamation);
  EXPECT_EQ(IconOf(0x40), BoxIcon::Asterisk);
  EXPECT_EQ(IconOf(0x00), BoxIcon::Program);
  EXPECT_EQ(IconOf(0x50), BoxIcon::Program);
  EXPECT_EQ(DefaultButtonOf(0x24), 0);
  EXPECT_EQ(DefaultButtonOf(0x124), 1);
  EXPECT_EQ(DefaultButtonOf(0x10000203), 2);
}

TEST(MarkupBoxOptionsTest, PrepareBoxCall_FollowsOwnerModeAndCharset) {
  struct Case {
    std::uintptr_t owner;
    std::uint8_t charset;
    std::string text;
    std::uint32_t flags;
    bool ownerIsActive;
  };
  const std::uint32_t rtl = kBoxRight | kBoxRtlReading;
  const Case cases[] = {
      {0, 1, "<<b>ERROR</b><P><P>body<P>", 0x24, true},
      {1, 1, "body", 0x24, true},
      {2, 1, "body", 0x24 | kBoxNoClose, true},
      {0x10010, 1, "body", 0x24, false},  // a window handle: no heading
      {1, 177, "body", 0x24 | rtl, true},
      {1, 178, "body", 0x24 | rtl, true},
      {1, 186, "body", 0x24, true},  // Baltic reads left to right
  };
  for (const Case& c : cases) {
    const BoxCall call = PrepareBoxCall(c.owner, "body", "Error", c.charset, 0x24);
    EXPECT_EQ(call.text, c.text) << c.owner << "/" << int{c.charset};
    EXPECT_EQ(call.flags, c.flags) << c.owner << "/" << int{c.charset};
    EXPECT_EQ(call.ownerIsActiveWindow, c.ownerIsActive) << c.owner;
  }
}

TEST(MarkupBoxOptionsTest, WrapperDefaults_FillOnlyEmptyTexts) {
  EXPECT_EQ(ButtonsOrDefault(""), "|&OK|&Cancel|&Yes|&No|&Abort|&Retry|&Ignore|");
  EXPECT_EQ(ButtonsOrDefault("|&Ja|"), "|&Ja|");
  EXPECT_EQ(TitleOrDefault("", TitleItem::Error), "Error");
  EXPECT_EQ(TitleOrDefault("", TitleItem::Warning), "Attention");
  EXPECT_EQ(TitleOrDefault("", TitleItem::Question), "Confirm");
  EXPECT_EQ(TitleOrDefault("Frage", TitleItem::Question), "Frage");
}

TEST(MarkupBoxFontTest, SetMsgBoxFont_KeepsTheSizeWhenGivenZero) {
  const BoxFontSettings start = MsgBoxFont();
  EXPECT_EQ(start.face, "Tahoma");
  EXPECT_EQ(start.points, 8);
  EXPECT_EQ(start.charset, 1);
  SetMsgBoxFont("MS PGothic", 0, 128);
  EXPECT_EQ(MsgBoxFont().face, "MS PGothic");
  EXPECT_EQ(MsgBoxFont().points, 8);
  EXPECT_EQ(MsgBoxFont().charset, 128);
  SetMsgBoxFont("", 11, 0);
  EXPECT_EQ(MsgBoxFont().face, "");
  EXPECT_EQ(MsgBoxFont().points, 11);
  EXPECT_EQ(MsgBoxFont().charset, 0);
  SetMsgBoxFont(start.face, start.points, start.charset);
}

}  // namespace
}  // namespace vantor
