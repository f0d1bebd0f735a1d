#include "package/language_strings.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace vantor {
namespace {

const std::string kTable = "\x02~ENGLISH~s0=Widget Setup~\x02|GERMAN| S0 = Widget Installation|s1=|\x02";

TEST(LanguageNameForLocale, PrimaryIdFoundAsSubstringOfRows) {
  struct Case {
    unsigned locale;
    const char* name;
  } cases[] = {
      {0x0409, "ENGLISH"},  {0x0407, "GERMAN"},  {0x0C07, "GERMAN"},  // bits 0-9 only
      {0x0414, "NORWEGIAN"},                                          // 20, before any later row
      {0x041A, "CROATIAN"},                                           // 26 before SERBIAN
      {0x0436, "AFRIKAANS"}, {0x0804, "CHINESE"}, {0x042A, "VIETNAMESE"},
      {0x0034, "CHINESE(SIMPLIFIED)"},  // 52 occurs only inside 2052
      {0x0000, ""},                     // "00" is in no row
      {0x007F, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LanguageNameForLocale(c.locale), c.name) << std::hex << c.locale;
}

TEST(LanguageNameForLocale, ListHas51RowsEndingWithSerbianCyrilic) {
  EXPECT_EQ(BarCount(kBuiltInLanguageList), 51);
  EXPECT_EQ(Trim(BarItem(kBuiltInLanguageList, 50, "")), "SERBIAN(CYRILIC)     = 3098");
  EXPECT_EQ(BarItem(kBuiltInLanguageList, 0, ""), "AFRIKAANS    = 54");
}

TEST(SelectLanguageBlock, UserLanguageThenEnglishThenTheOnlyBlock) {
  EXPECT_EQ(BarItem(SelectLanguageBlock(kTable, "GERMAN"), 0, ""), "GERMAN");
  EXPECT_EQ(BarItem(SelectLanguageBlock(kTable, "THAI"), 0, ""), "ENGLISH");
  EXPECT_EQ(BarItem(SelectLanguageBlock(kTable, ""), 0, ""), "ENGLISH");
  EXPECT_EQ(BarItem(SelectLanguageBlock("\x02~FRANCAIS~s0=Bonjour~\x02", "ENGLISH"), 0, ""), "FRANCAIS");
  EXPECT_EQ(SelectLanguageBlock("\x02", "ENGLISH"), "*");
  EXPECT_EQ(SelectLanguageBlock("\x02~GERMAN~\x02~FRENCH~\x02", "THAI"), "*");
  EXPECT_EQ(FindLanguageBlock(kTable, "  german "), "|GERMAN| S0 = Widget Installation|s1=|");
}

TEST(LookupLanguageString, KeysIgnoreCaseEmptyValuesStayEmptyMissingGiveDefault) {
  const std::string german = SelectLanguageBlock(kTable, "GERMAN");
  EXPECT_EQ(LookupLanguageString(german, "s0", "d"), " Widget Installation");  // the blank after "=" stays
  EXPECT_EQ(LookupLanguageString(german, "s1", "d"), "");
  EXPECT_EQ(LookupLanguageString(german, "s2", "d"), "d");
  EXPECT_EQ(LookupLanguageString("*", "s0", "Vantor Installation Suite"), "Vantor Installation Suite");
  EXPECT_EQ(LookupLanguageString("~ENGLISH~s0=x", "s0", "d"), "d");  // not closed by its separator
}

}  // namespace
}  // namespace vantor
