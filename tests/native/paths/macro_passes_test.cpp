// The folder pass with its separator rule and the date pass.
#include <gtest/gtest.h>

#include <string>

#include "paths/macro_passes.h"

namespace vantor {
namespace {

TEST(FolderPass, SeparatorRuleDecidedByTheFirstOccurrence) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"<WinDir>notepad.exe", "C:\\Windows\\notepad.exe"},
      {"<WinDir>\\notepad.exe", "C:\\Windows\\\\notepad.exe"},  // collapsed later
      {"<WinDir>", "C:\\Windows"},                              // ends the text
      {"<WinDir> /s", "C:\\Windows /s"},                        // before a blank
      {"\"<WinDir>\"", "\"C:\\Windows\""},                      // before the closing quote
      {"'<WinDir>'", "'C:\\Windows'"},
      {"\"<WinDir>\" /s", "\"C:\\Windows\\\" /s"},          // the quote does not close the text
      {"x<WinDir>x", "xC:\\Windows\\x"},                    // a letter never closes a text
      {"<<WinDir><", "<C:\\Windows\\<"},                    // nor does "<"
      {"run <windir>NOTEPAD", "run C:\\Windows\\NOTEPAD"},  // any letter case
      {"<WinDir> <WinDir>x", "C:\\Windows C:\\Windowsx"},   // every occurrence as the first
      {"<WinDir>x <WinDir>", "C:\\Windows\\x C:\\Windows\\"},
      {"<WinDir", "<WinDir"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderPass(c.text, "<WinDir>", "C:\\Windows", "\\"), c.expected) << c.text;
}

TEST(FolderPass, InsertedValueIsNotSearchedAgain) { EXPECT_EQ(FolderPass("<A>x", "<A>", "<A>", "\\"), "<A>\\x"); }

DateValues March5() { return DateValues{{2024, 3, 5, 14, 7, 9}, "March", '.', '-'}; }

TEST(DatePass, EveryCodeForm) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"<Date=#>", "05.March.2024"},
      {"<Date=0>", "8830"},
      {"<Date=1>", "05-03-24"},
      {"<Date=2>", "03-05-24"},
      {"<Date=3>", "24-03-05"},
      {"<Date=4>", "05-03-2024"},
      {"<Date=5>", "03-05-2024"},
      {"<Date=6>", "2024-03-05"},
      {"<Date=7>", "2024-03-05 14-07-09"},
      {"log_<date=6>.txt", "log_2024-03-05.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(DatePass(c.text, March5()), c.expected) << c.text;
}

TEST(DatePass, IncompleteOrUnknownFormsStay) {
  const char* const texts[] = {
      "<Date=9>",          "<Date=6", "<Date=", "x<Date=>", "<Date=6x>", "<Date=6 >", "no date",
      "<Date=9> <Date=6>",  // only the first "<Date=" counts
  };
  for (const char* text : texts) EXPECT_EQ(DatePass(text, March5()), text);
  EXPECT_EQ(DatePass("<Date=6><Date=1>", March5()), "2024-03-05<Date=1>");
}

TEST(DatePass, WholeDaysSince2000) {
  struct Case {
    DateTime now;
    const char* days;
  };
  const Case cases[] = {
      {{2000, 1, 1, 0, 0, 0}, "0"},
      {{2000, 1, 1, 23, 59, 59}, "0"},
      {{2000, 3, 1, 0, 0, 0}, "60"},  // after the leap day of 2000
      {{2024, 3, 5, 0, 0, 0}, "8830"},
      {{1999, 12, 31, 12, 0, 0}, "0"},  // half a day before: no whole day
      {{1999, 12, 30, 0, 0, 0}, "-2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DatePass("<Date=0>", DateValues{c.now, "", '/', ':'}), c.days) << DateTimeText(c.now, ':');
  }
}

TEST(DatePass, YearsBelowAThousandKeepFourDigits) {
  EXPECT_EQ(DatePass("<Date=6>", DateValues{{987, 1, 2, 0, 0, 0}, "", '/', ':'}), "0987-01-02");
  EXPECT_EQ(DatePass("<Date=1>", DateValues{{2005, 1, 2, 0, 0, 0}, "", '/', ':'}), "02-01-05");
}

}  // namespace
}  // namespace vantor
