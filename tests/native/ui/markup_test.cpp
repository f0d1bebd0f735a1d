// Markup preparation: line codes, bold runs and the heading of owner mode 0.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/markup.h"

namespace vantor {
namespace {

TEST(MarkupTest, PrepareMarkup_ConvertsLineAndTabCodes) {
  struct Case {
    std::string markup;
    std::string text;
  };
  const Case cases[] = {
      {"a<P>b\\\\nc", "a\r\nb\r\nc"},
      {"a<p>b", "a\r\nb"},
      {"a<t>b<T>c\\\\td", "a\tb\tc\td"},
      {"keep\\\\Nthis\\\\T", "keep\\\\Nthis\\\\T"},  // the backslash codes keep their case
      {"one \\n backslash", "one \\n backslash"},
      {"<i>italic</i> <DRIVE> 1 < 2", "<i>italic</i> <DRIVE> 1 < 2"},
      {"", ""},
  };
  for (const Case& c : cases) {
    const PreparedMarkup prepared = PrepareMarkup(c.markup);
    EXPECT_EQ(prepared.text, c.text) << c.markup;
    EXPECT_TRUE(prepared.boldRuns.empty()) << c.markup;
  }
}

TEST(MarkupTest, PrepareMarkup_PairsBoldTagsAndCountsPositionsInTheFinalText) {
  struct Case {
    std::string markup;
    std::string text;
    std::vector<BoldRun> runs;
  };
  const Case cases[] = {
      {"<B>Setup</B><P>Insert disk 2.", "Setup\r\nInsert disk 2.", {{0, 5}}},
      {"x<b>bold</B>y", "xboldy", {{1, 5}}},                      // tags in any case
      {"<<b>E</b> rest", "E rest", {{0, 1}}},                     // the heading's doubled "<" at the start
      {"a<<b>E</b>", "a<E", {{2, 3}}},                            // elsewhere "<<b>" is "<" and a tag
      {"</B>a<B>b</B>", "ab", {{1, 2}}},                          // a closing tag before any opening one
      {"<B>x", "x", {}},                                          // an opening tag without a partner
      {"<B></B>x", "x", {}},                                      // an empty run
      {"<B>a<B>b</B>c</B>", "abc", {{0, 2}, {1, 3}}},             // each opening takes the nearest free closing
      {"<P><B>a</B><P><B>bc</B>", "\r\na\r\nbc", {{2, 3}, {5, 7}}},
      {"<<B>B>", "<B>", {}},                                      // removing a tag never forms a new one
  };
  for (const Case& c : cases) {
    const PreparedMarkup prepared = PrepareMarkup(c.markup);
    EXPECT_EQ(prepared.text, c.text) << c.markup;
    EXPECT_EQ(prepared.boldRuns, c.runs) << c.markup;
  }
}

TEST(MarkupTest, HeadedText_ShoutsOnlyTheDefaultTitles) {
  struct Case {
    std::string title;
    std::string text;
  };
  const Case cases[] = {
      {"Error", "<<b>ERROR</b><P><P>Disk full<P>"},
      {"Attention", "<<b>ATTENTION</b><P><P>Disk full<P>"},
      {"Confirm", "<<b>CONFIRM</b><P><P>Disk full<P>"},
      {"Fehler", "<<b>Fehler</b><P><P>Disk full<P>"},
      {"error", "<<b>error</b><P><P>Disk full<P>"},  // the default titles are matched with their case
      {"", "<<b></b><P><P>Disk full<P>"},
  };
  for (const Case& c : cases) EXPECT_EQ(HeadedText("Disk full", c.title), c.text) << c.title;
}

TEST(MarkupTest, HeadedText_PreparesToABoldFirstLineAndAnEmptyLine) {
  const PreparedMarkup prepared = PrepareMarkup(HeadedText("Insert disk <DISK_NUM>", "Error"));
  EXPECT_EQ(prepared.text, "ERROR\r\n\r\nInsert disk <DISK_NUM>\r\n");
  EXPECT_EQ(prepared.boldRuns, (std::vector<BoldRun>{{0, 5}}));
}

}  // namespace
}  // namespace vantor
