// Searching, comparing, replacing and editing texts.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/text.h"
#include "tests/common/literal_replace_text.h"

namespace vantor {
namespace {

using namespace std::string_literals;

TEST(TextSearchTest, UpperAscii_FoldsOnlyLatinLetters) {
  EXPECT_EQ(UpperAscii("abz AZ09_{}`@\xe4\xfc\xff"), "ABZ AZ09_{}`@\xe4\xfc\xff");
  EXPECT_EQ(UpperAscii('a'), 'A');
  EXPECT_EQ(UpperAscii('z'), 'Z');
  EXPECT_EQ(UpperAscii('{'), '{');
  EXPECT_EQ(UpperAscii('\xe4'), '\xe4');
}

TEST(TextSearchTest, Trim_RemovesCodes32AndBelowOnly) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {" \t\r\n\x01 a b \x1f\x20", "a b"},
      {"\0a\0"s, "a"},
      {"\x7f" "a", "\x7f" "a"},
      {"\xa0" "a\xa0", "\xa0" "a\xa0"},  // a non-breaking space is above 32
      {"x", "x"},
  };
  for (const Case& c : cases) EXPECT_EQ(Trim(c.text), c.expected) << c.text;
}

TEST(TextSearchTest, PosText_FindsFirstOccurrenceIgnoringCase) {
  struct Case {
    std::string sub, text;
    std::size_t expected;
  };
  const Case cases[] = {
      {"b", "abc", 2},      {"B", "abc", 2},   {"ABC", "xabc", 2}, {"", "abc", 0},    {"abcd", "abc", 0},
      {"x", "", 0},         {"\xe4", "\xc4", 0}, {"c", "abcabc", 3}, {"a\0b"s, "xa\0b"s, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(PosText(c.sub, c.text), c.expected) << c.sub << " in " << c.text;
}

TEST(TextSearchTest, PosFrom_StartsAtPositionAndStopsAtZeroByte) {
  struct Case {
    std::string sub, text;
    std::size_t start, sensitive, folded;
  };
  const Case cases[] = {
      {"a", "abcabc", 1, 1, 1},
      {"a", "abcabc", 2, 4, 4},
      {"a", "abcabc", 4, 4, 4},
      {"a", "abcabc", 5, 0, 0},
      {"a", "abcabc", 6, 0, 0},
      {"c", "abcabc", 6, 6, 6},
      {"c", "abcabc", 7, 0, 0},   // start beyond the length
      {"A", "abcabc", 2, 0, 4},
      {"bc", "abcaBC", 3, 0, 5},
      {"", "abc", 1, 0, 0},
      {"a", "abc", 0, 1, 1},      // start below 1 counts as 1
      {"c", "ab\0c"s, 1, 0, 0},   // the search ends at a zero byte
      {"b", "ab\0c"s, 1, 2, 2},
      {"c", "ab\0cc"s, 4, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PosFrom(c.sub, c.text, c.start), c.sensitive) << c.sub << " in " << c.text << " from " << c.start;
    EXPECT_EQ(PosFromText(c.sub, c.text, c.start), c.folded) << c.sub << " in " << c.text << " from " << c.start;
  }
}

TEST(TextSearchTest, LastPos_FindsLastOccurrenceWithCase) {
  struct Case {
    std::string sub, text;
    std::size_t expected;
  };
  const Case cases[] = {
      {"a", "abcabc", 4}, {"bc", "abcabc", 5}, {"A", "abcabc", 0}, {"", "abc", 0},
      {"x", "abc", 0},    {"aa", "aaa", 2},    {"abc", "abc", 1},  {"abcd", "abc", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(LastPos(c.sub, c.text), c.expected) << c.sub << " in " << c.text;
}

TEST(TextSearchTest, StartsWithEndsWith_HonourIgnoreCase) {
  struct Case {
    std::string affix, text;
    bool ignoreCase, starts, ends;
  };
  const Case cases[] = {
      {"ab", "abc", false, true, false},  {"AB", "abc", false, false, false}, {"AB", "abc", true, true, false},
      {"bc", "abc", false, false, true},  {"BC", "abc", true, false, true},   {"", "abc", false, true, true},
      {"abcd", "abc", true, false, false}, {"abc", "abc", false, true, true},  {"a", "", true, false, false},
      {"\xe4", "\xc4", true, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StartsWith(c.affix, c.text, c.ignoreCase), c.starts) << c.affix << " / " << c.text;
    EXPECT_EQ(EndsWith(c.affix, c.text, c.ignoreCase), c.ends) << c.affix << " / " << c.text;
  }
}

TEST(TextSearchTest, SameTextTrimmed_ComparesTrimmedIgnoringLatinCase) {
  struct Case {
    std::string a, b;
    bool same;
  };
  const Case cases[] = {
      {" Abc\t", "aBC", true}, {"", "  ", true},     {"a b", "A  B", false},
      {"abc", "abd", false},   {"\xe4", "\xc4", false}, {"\r\nX\r\n", "x", true},
  };
  for (const Case& c : cases) EXPECT_EQ(SameTextTrimmed(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(TextSearchTest, TextBeforeTextAfter_SplitAtFirstOccurrence) {
  struct Case {
    std::string text, sub, before, after;
  };
  const Case cases[] = {
      {"key=value", "=", "key", "value"},
      {"a=b=c", "=", "a", "b=c"},
      {"abc", "=", "DEF", "abc"},
      {"=abc", "=", "", "abc"},
      {"abc=", "=", "abc", ""},
      {"aXbxc", "x", "aXb", "c"},   // with case
      {"abc", "", "DEF", "abc"},    // an empty sub never occurs
      {"", "x", "DEF", ""},
      {"a::b", "::", "a", "b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextBefore(c.text, c.sub, "DEF"), c.before) << c.text << " / " << c.sub;
    EXPECT_EQ(TextAfter(c.text, c.sub), c.after) << c.text << " / " << c.sub;
  }
}

TEST(ReplaceTextTest, ReplaceText_LeftToRightAndRejoinsOnlyForEmptyReplacement) {
  struct Case {
    std::string text, find, replacement;
    bool ignoreCase;
    std::string expected;
  };
  const Case cases[] = {
      {"aaa", "aa", "a", false, "aa"},
      {"aabb", "ab", "", false, ""},
      {"abc", "", "x", false, "abc"},
      {"abc", "d", "x", false, "abc"},
      {"", "a", "x", false, ""},
      {"aXbxc", "x", "-", false, "aXb-c"},
      {"aXbxc", "x", "-", true, "a-b-c"},
      {"Hello World", "WORLD", "There", true, "Hello There"},
      {"abab", "ab", "ba", false, "baba"},
      {"aaaa", "a", "aa", false, "aaaaaaaa"},  // a replacement is never searched again
      {"abab", "AB", "Ab", true, "AbAb"},      // the replacement keeps its case
      {"xAaBbY", "ab", "", true, "xY"},        // the sides meet: "AaBb" -> "Ab" -> ""
      {"aaabbb", "ab", "", false, ""},
      {"abaab", "ab", "", false, "a"},
      {"a\0b"s, "\0"s, "-", false, "a-b"},    // a filler other than 0 is chosen
      {"|a b| c", "| ", "|", false, "|a b|c"},
      {"cabab", "ab", "", false, "c"},
      {"ababa", "aba", "", false, "ba"},       // the first occurrence goes first
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceText(c.text, c.find, c.replacement, c.ignoreCase), c.expected)
        << c.text << " / " << c.find << " / " << c.replacement;
    EXPECT_EQ(LiteralReplaceText(c.text, c.find, c.replacement, c.ignoreCase), c.expected) << c.text;
  }
}

TEST(ReplaceTextTest, ReplaceText_AgreesWithWorkingCopyAndFillerMethod) {
  std::mt19937 random(11);
  const std::string alphabet = "aAbB\0"s;
  auto randomText = [&](unsigned maxLength) {
    std::string s;
    for (unsigned k = random() % (maxLength + 1); k > 0; --k) s += alphabet[random() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string text = randomText(12), find = randomText(3), replacement = randomText(3);
    const bool ignoreCase = random() % 2 == 0;
    ASSERT_EQ(ReplaceText(text, find, replacement, ignoreCase),
              LiteralReplaceText(text, find, replacement, ignoreCase))
        << "text " << text << " find " << find << " replacement " << replacement << " ignore " << ignoreCase;
  }
}

TEST(ReplaceTextTest, ReplaceText_KeyHoldingEveryByteIsStillReplaced) {
  std::string key;
  for (int c = 0; c < 256; ++c) key += static_cast<char>(c);
  const std::string text = "<" + key + key + ">";
  EXPECT_EQ(ReplaceText(text, key, "#", false), "<##>");
  EXPECT_EQ(ReplaceText(text, key, "", false), "<>");
}

TEST(TextEditTest, ReplaceCharReverseText_KeepZeroBytes) {
  EXPECT_EQ(ReplaceChar("a/b/c", '/', '\\'), "a\\b\\c");
  EXPECT_EQ(ReplaceChar("aaa", 'a', 'a'), "aaa");
  EXPECT_EQ(ReplaceChar("", 'a', 'b'), "");
  EXPECT_EQ(ReplaceChar("a\0a"s, '\0', 'x'), "axa");
  EXPECT_EQ(ReverseText("abc"), "cba");
  EXPECT_EQ(ReverseText(""), "");
  EXPECT_EQ(ReverseText("a\0b"s), "b\0a"s);
}

TEST(TextEditTest, StripEnclosing_StripsPairedOrUnpairedRuns) {
  struct Case {
    std::string text;
    bool unpaired, oneOnly;
    std::string expected;
  };
  const Case cases[] = {
      {"\"", false, false, ""},
      {"\"", true, true, ""},
      {"\"abc\"", false, false, "abc"},
      {"\"\"abc\"\"", false, false, "abc"},
      {"\"\"abc\"\"", false, true, "\"abc\""},
      {"\"abc", false, false, "\"abc"},     // unpaired not allowed
      {"\"abc", true, false, "abc"},
      {"abc\"", true, false, "abc"},
      {"abc", true, false, "abc"},
      {"\"\"", false, false, ""},
      {"\"\"\"", false, true, "\""},
      {"\"\"", false, true, ""},
      {"a", false, false, "a"},
      {"", true, false, ""},
      {" \"a\" ", false, false, " \"a\" "},  // no trimming here
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripEnclosing(c.text, '"', c.unpaired, c.oneOnly), c.expected)
        << c.text << " unpaired " << c.unpaired << " one only " << c.oneOnly;
  }
  EXPECT_EQ(StripEnclosing("'x'", '\'', false, false), "x");
}

TEST(TextEditTest, Unquote_TrimsThenStripsDoubleQuotes) {
  struct Case {
    std::string text;
    bool unpaired;
    std::string expected;
  };
  const Case cases[] = {
      {" \"C:\\Program Files\\a b\" ", false, "C:\\Program Files\\a b"},
      {"\"\"x\"\"", false, "x"},
      {" \"x ", false, "\"x"},
      {" \"x ", true, "x"},
      {"  ", false, ""},
      {"\"", false, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Unquote(c.text, c.unpaired), c.expected) << c.text;
}

TEST(TextEditTest, PadLeftZeroPad_PadUpToWidthOnly) {
  EXPECT_EQ(PadLeft("7", 3, ' '), "  7");
  EXPECT_EQ(PadLeft("abc", 3, '0'), "abc");
  EXPECT_EQ(PadLeft("abcd", 3, '0'), "abcd");
  EXPECT_EQ(PadLeft("", 2, '*'), "**");
  EXPECT_EQ(PadLeft("x", 0, '*'), "x");
  struct Case {
    int64_t number;
    std::size_t width;
    std::string expected;
  };
  const Case cases[] = {
      {5, 3, "005"}, {-5, 3, "0-5"}, {123, 2, "123"}, {0, 1, "0"}, {0, 0, "0"}, {7, 2, "07"},
      {INT64_MIN, 1, "-9223372036854775808"}, {42, 5, "00042"},
  };
  for (const Case& c : cases) EXPECT_EQ(ZeroPad(c.number, c.width), c.expected) << c.number << " " << c.width;
}

TEST(TextEditTest, ExpandLineCodes_ConvertsCodesWithTheirCaseRules) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"a\\\\nb", "a\r\nb"},
      {"a\\\\Nb", "a\\\\Nb"},  // with case
      {"a\\\\tb", "a\tb"},
      {"a\\\\Tb", "a\\\\Tb"},
      {"a\\nb", "a\\nb"},      // one backslash is no code
      {"a<p>b<P>c", "a\r\nb\r\nc"},
      {"a<t>b<T>c", "a\tb\tc"},
      {"<P<T>>", "<P\t>"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandLineCodes(c.text), c.expected) << c.text;
}

bool TestLeadByte(unsigned char c) { return c >= 0x81 && c <= 0x9f; }

TEST(CollapseBackslashesTest, CollapseBackslashes_ShrinksInnerRunsAndKeepsEnds) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"", ""},
      {"\\\\", "\\\\"},
      {"a\\", "a\\"},
      {"C:\\\\Windows\\\\\\System", "C:\\Windows\\System"},
      {"C:\\Program Files\\\\\\\\App\\x", "C:\\Program Files\\App\\x"},
      {"\\\\\\server\\share", "\\\\server\\share"},     // three become two
      {"\\\\server\\share", "\\\\server\\share"},       // a UNC name keeps its two
      {"\\\\\\\\server", "\\\\server"},
      {"C:\\dir\\\\", "C:\\dir\\\\"},                   // a pair at the end stays
      {"C:\\dir\\\\\\", "C:\\dir\\\\"},                 // three at the end keep two
      {"\\\\\\", "\\\\\\"},                              // n = 3: the last pair is kept
      {"a\\\\", "a\\\\"},
      {"a\\\\b", "a\\b"},                                // pair at 2-3, n = 4: step 3 only
      {"ab\\\\c", "ab\\c"},
      {"\"C:\\\\x\"", "\"C:\\x\""},
      {"\"a\"\\\\b\"", "\"a\"\\\\b\""},                 // after an inner quote in a quoted text
      {"\"a\"\\\\b", "\"a\"\\b"},                       // not enclosed: collapsed
      {"\"\\\\a\"", "\"\\a\""},                         // step 3 has no exception
      {"x\\\\\\\\x", "x\\x"},                           // the scan, then step 3
  };
  for (const Case& c : cases) EXPECT_EQ(CollapseBackslashes(c.text), c.expected) << c.text;
}

TEST(CollapseBackslashesTest, CollapseBackslashes_LeadByteKeepsFollowingPair) {
  EXPECT_EQ(CollapseBackslashes("C:\\a\x81\\\\b", TestLeadByte), "C:\\a\x81\\\\b");
  EXPECT_EQ(CollapseBackslashes("C:\\a\x81\\\\b"), "C:\\a\x81\\b");
  EXPECT_EQ(CollapseBackslashes("C:\\a\x81\\\\\\b", TestLeadByte), "C:\\a\x81\\\\b");
}

TEST(CollapseBackslashesTest, CollapseBackslashes_RandomTextsLoseOnlyInnerBackslashes) {
  std::mt19937 random(3);
  const std::string alphabet = "\\\\\\ab:";
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (unsigned k = random() % 14; k > 0; --k) text += alphabet[random() % alphabet.size()];
    const std::string out = CollapseBackslashes(text);
    ASSERT_LE(out.size(), text.size());
    if (text.size() <= 2) {
      EXPECT_EQ(out, text);
      continue;
    }
    EXPECT_EQ(out.front(), text.front()) << text;
    EXPECT_EQ(out.substr(out.size() - 2), text.substr(text.size() - 2)) << text;
    // Removing every backslash gives the same text: only backslashes are deleted.
    auto strip = [](std::string s) {
      std::erase(s, '\\');
      return s;
    };
    EXPECT_EQ(strip(out), strip(text)) << text;
    if (text.front() != text.back()) {
      // Pairs remain only at positions 1-2 or in the last two positions.
      for (std::size_t i = 1; i + 2 < out.size(); ++i) {
        EXPECT_FALSE(out[i] == '\\' && out[i + 1] == '\\') << text << " -> " << out;
      }
    }
  }
}

TEST(TextPathTest, SetTrailingBackslash_DropsThenAddsOneBackslash) {
  struct Case {
    std::string path;
    bool add;
    std::string expected;
  };
  const Case cases[] = {
      {"C:\\", false, "C:"},   {"C:\\", true, "C:\\"},   {"a\\", true, "a\\\\"},   {"a\\", false, "a\\"},
      {"C:\\x", true, "C:\\x\\"}, {"C:\\x", false, "C:\\x"}, {"C:\\x\\\\", false, "C:\\x\\"},
      {"", true, "\\"},        {"", false, ""},          {"\\", true, "\\\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(SetTrailingBackslash(c.path, c.add), c.expected) << c.path << " " << c.add;
  EXPECT_EQ(SetTrailingBackslash("C:\\\x81\\", false, TestLeadByte), "C:\\\x81\\");
  EXPECT_EQ(SetTrailingBackslash("C:\\\x81\\", true, TestLeadByte), "C:\\\x81\\\\");
  EXPECT_EQ(SetTrailingBackslash("C:\\\x81\\", false), "C:\\\x81");
}

TEST(TextWaitTest, WaitPumpingInterval_TenthOfWaitWithin1To25) {
  struct Case {
    unsigned milliseconds, interval;
  };
  const Case cases[] = {{100, 10}, {1000, 25}, {5, 1}, {0, 1}, {9, 1}, {10, 1}, {19, 1}, {20, 2},
                        {250, 25}, {249, 24}, {4294967295u, 25}};
  for (const Case& c : cases) EXPECT_EQ(WaitPumpingInterval(c.milliseconds), c.interval) << c.milliseconds;
}

}  // namespace
}  // namespace vantor
