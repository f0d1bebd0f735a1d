// The notice window's layout, placement and text face.
#include <gtest/gtest.h>

#include <string>

#include "ui/rich_text_layout.h"

namespace vantor {
namespace {

TEST(RichTextLayoutTest, LayOutRichTextWindow_TextAreaAndCentredButton) {
  struct Case {
    Extent client;
    bool withButton;
    BoxRect text;
    BoxRect button;
  };
  const Case cases[] = {
      {{354, 331}, true, {3, 0, 351, 288}, {97, 298, 160, 25}},
      {{354, 331}, false, {3, 0, 351, 331}, {}},  // no band: the text reaches the bottom
      {{355, 400}, true, {3, 0, 352, 357}, {97, 367, 160, 25}},  // (355 - 160) / 2 rounds down
      {{100, 60}, true, {3, 0, 97, 17}, {-30, 27, 160, 25}},     // narrower than the button: it overhangs both sides
      {{101, 60}, true, {3, 0, 98, 17}, {-29, 27, 160, 25}},     // a negative half rounds toward zero
      {{2, 30}, true, {3, 0, 0, 0}, {-79, -3, 160, 25}},         // smaller than the strip and the band
      {{0, 0}, false, {3, 0, 0, 0}, {}},
  };
  for (const Case& c : cases) {
    const RichTextLayout layout = LayOutRichTextWindow(c.client, c.withButton);
    EXPECT_EQ(layout.text, c.text) << c.client.width << "x" << c.client.height << " " << c.withButton;
    EXPECT_EQ(layout.button, c.button) << c.client.width << "x" << c.client.height << " " << c.withButton;
  }
}

TEST(RichTextLayoutTest, RichTextWindowPlace_CentresOnTheScreenRoundingTowardZero) {
  struct Case {
    Extent screen;
    Extent window;
    BoxRect place;
  };
  const Case cases[] = {
      {{1280, 1024}, {360, 360}, {460, 332, 360, 360}},
      {{1280, 1024}, {361, 363}, {459, 330, 361, 363}},     // 919 / 2 and 661 / 2 round down
      {{800, 600}, {801, 603}, {0, -1, 801, 603}},          // -1 / 2 is 0, -3 / 2 is -1
      {{800, 600}, {1000, 600}, {-100, 0, 1000, 600}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RichTextWindowPlace(c.screen, c.window), c.place) << c.window.width << "x" << c.window.height;
  }
}

TEST(RichTextLayoutTest, RichTextFace_VerdanaForTahomaOrNoFace) {
  struct Case {
    std::string given;
    std::string face;
  };
  const Case cases[] = {
      {"Tahoma", "Verdana"},
      {"", "Verdana"},
      {"tahoma", "tahoma"},  // compared with case
      {"Tahoma ", "Tahoma "},
      {"Arial", "Arial"},
      {"MS PGothic", "MS PGothic"},
  };
  for (const Case& c : cases) EXPECT_EQ(RichTextFace(c.given), c.face) << "'" << c.given << "'";
}

}  // namespace
}  // namespace vantor
