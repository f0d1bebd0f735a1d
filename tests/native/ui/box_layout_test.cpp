// The markup box's measuring, bold widening, size and placement arithmetic.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/box_layout.h"

namespace vantor {
namespace {

// A font whose every character is 7 pixels wide; "W" stands for 300 pixels.
int FakeExtent(std::string_view line) {
  int width = 0;
  for (const char c : line) width += c == 'W' ? 300 : 7;
  return width;
}

TEST(MarkupBoxLayoutTest, MeasureBoxText_CountsLinesAndWidths) {
  struct Case {
    std::string text;
    Extent size;
  };
  const Case cases[] = {
      {"", {17, 13}},                      // measured as one blank
      {"abc", {31, 13}},
      {"abc\r\n", {31, 13}},               // nothing after the final line break
      {"abc\r\n\r\n", {31, 26}},           // but an empty line before it counts
      {"ERROR\r\n\r\nab\r\n", {45, 39}},
      {"a\r\nabcdefghij", {80, 26}},
      {"WWWWW", {600, 39}},                // 1500 pixels: w is cut at 600, three lines high
      {"WW\r\nx", {600, 39}},              // 600 pixels already need two lines of height
      {"ab\ncd", {45, 13}},                // a lone LF does not break a line
  };
  for (const Case& c : cases) EXPECT_EQ(MeasureBoxText(c.text, 13, FakeExtent), c.size) << c.text;
}

TEST(MarkupBoxLayoutTest, BoxLineHeight_AddsOnePixelForMsPGothic) {
  EXPECT_EQ(BoxLineHeight(13, 2, "Tahoma"), 15);
  EXPECT_EQ(BoxLineHeight(13, 2, " ms pgothic "), 16);
  EXPECT_EQ(BoxLineHeight(13, 0, "MS Gothic"), 13);
}

TEST(MarkupBoxLayoutTest, UnwrappedControlHeight_CountsTheEmptyLineAfterAFinalBreak) {
  EXPECT_EQ(UnwrappedControlHeight("ERROR\r\n\r\ntext\r\n", 39, 13), 52);
  EXPECT_EQ(UnwrappedControlHeight("ERROR\r\n\r\ntext", 39, 13), 39);
  EXPECT_EQ(UnwrappedControlHeight("", 13, 13), 13);
  EXPECT_EQ(UnwrappedControlHeight("a\n", 13, 13), 13);
}

TEST(MarkupBoxLayoutTest, FitBoldWidth_WidensInTenPixelStepsUntilTheHeightFits) {
  // The text fits at 135 pixels or more; narrower, it asks for two lines.
  std::vector<int> tried;
  const int width = FitBoldWidth(100, 13, [&](int w) {
    tried.push_back(w);
    return Extent{w, w >= 135 ? 13 : 26};
  });
  EXPECT_EQ(width, 140);
  EXPECT_EQ(tried, (std::vector<int>{100, 110, 120, 130, 140}));
}

TEST(MarkupBoxLayoutTest, FitBoldWidth_AfterTwentyOneFailuresTakesTheWidestRequestPlusTen) {
  int tries = 0;
  const int asked = FitBoldWidth(100, 13, [&](int w) {
    ++tries;
    return Extent{w == 150 ? 400 : w, 26};  // one request wider than any width tried
  });
  EXPECT_EQ(tries, 21);
  EXPECT_EQ(asked, 410);

  // A control that reports only its content's width (as Wine's does) never
  // gets less than the widest width tried.
  EXPECT_EQ(FitBoldWidth(100, 13, [](int) { return Extent{90, 26}; }), 310);
}

TEST(MarkupBoxLayoutTest, BoxOuterSize_MarginsDependOnTheTextSize) {
  const FrameMetrics frame{4, 4, 19};
  struct Case {
    Extent text;
    Extent outer;
  };
  const Case cases[] = {
      {{17, 13}, {360, 13 + 36 + 90 + 8 + 19}},         // small text: margins 64 and 45, minimum width
      {{199, 38}, {199 + 54 + 128 + 8, 38 + 36 + 90 + 27}},
      {{200, 39}, {360, 39 + 36 + 64 + 27}},            // from 200 wide and 39 high the margins are 32
      {{610, 300}, {610 + 54 + 64 + 8, 300 + 36 + 64 + 27}},
  };
  for (const Case& c : cases) EXPECT_EQ(BoxOuterSize(c.text, frame), c.outer) << c.text.width << "x" << c.text.height;
}

TEST(MarkupBoxLayoutTest, TextControlPlace_CentresBesideTheIconBandAndReachesTheButtonBand) {
  struct Case {
    Extent client, text;
    BoxRect place;
  };
  const Case cases[] = {
      {{352, 179}, {27, 13}, {189, 65, 27, 75}},   // 39 above the client's bottom
      {{353, 180}, {28, 14}, {189, 65, 28, 76}},   // halves round down
      {{700, 300}, {610, 39}, {72, 112, 610, 149}},
  };
  for (const Case& c : cases) EXPECT_EQ(TextControlPlace(c.client, c.text), c.place) << c.client.width;
}

TEST(MarkupBoxLayoutTest, ButtonPlaces_TouchAndEndEightyFromTheRight) {
  const std::vector<BoxRect> three = ButtonPlaces(3, {400, 200});
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[2], (BoxRect{320, 171, 70, 23}));
  EXPECT_EQ(three[1], (BoxRect{250, 171, 70, 23}));
  EXPECT_EQ(three[0], (BoxRect{180, 171, 70, 23}));
  EXPECT_EQ(ButtonPlaces(1, {400, 200}), (std::vector<BoxRect>{{320, 171, 70, 23}}));
  EXPECT_TRUE(ButtonPlaces(0, {400, 200}).empty());
}

TEST(MarkupBoxLayoutTest, DeveloperShift_OnlyForTheStoreEntryQuestionInDeveloperMode) {
  const std::string question = "Do you want to store the new Entry in the list?";
  EXPECT_EQ(DeveloperShift(true, question), 150);
  EXPECT_EQ(DeveloperShift(false, question), 0);
  EXPECT_EQ(DeveloperShift(true, "Do you want to store the new entry in the list?"), 0);
  EXPECT_EQ(DeveloperShift(true, "Disk full"), 0);
}

}  // namespace
}  // namespace vantor
