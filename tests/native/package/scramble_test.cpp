#include <gtest/gtest.h>

#include <string>

#include "package/notice_file.h"
#include "package/scramble.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

constexpr const char* kAbcToken = "cceeedgdgcgbjtdd";
constexpr std::string_view kTokenAlphabet = "bcdefghijkstuvwx";

// The stand-in for a token that does not check: a number from 0 to 99998.
bool IsRandomStandIn(const std::string& text) {
  return !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos &&
         std::stoi(text) <= 99998;
}

TEST(Unscramble, ReferenceTokenGivesAbc) {
  EXPECT_EQ(Unscramble(kAbcToken), "abc");
  EXPECT_EQ(TryUnscramble(kAbcToken), "abc");
}

TEST(Unscramble, AnyChangedCharacterFailsTheCheck) {
  const std::string token = kAbcToken;
  for (std::size_t i = 0; i < token.size(); ++i) {
    for (char letter : kTokenAlphabet) {
      if (letter == token[i]) continue;
      std::string changed = token;
      changed[i] = letter;
      EXPECT_EQ(TryUnscramble(changed), std::nullopt) << changed;
      EXPECT_TRUE(IsRandomStandIn(Unscramble(changed))) << changed;
    }
  }
}

TEST(Unscramble, FourBytesOrFewerNeverCheck) {
  // "bbbbbbbb" is four zero bytes, whose sum would check.
  for (const char* token : {"", "b", "bbbbbbbb", "cceeedg"}) {
    EXPECT_EQ(TryUnscramble(token), std::nullopt) << token;
    EXPECT_TRUE(IsRandomStandIn(Unscramble(token))) << token;
  }
}

TEST(ScrambleToken, RoundTripsAnyBytesLengthsSeedsAndPadding) {
  for (std::size_t length = 0; length <= 300; length += (length < 20 ? 1 : 37)) {
    for (uint32_t seed : {0u, 1u, 0xFFFFFFFFu, 123456789u}) {
      for (unsigned padding : {1u, 2u, 4u, 100u, 255u}) {
        const std::string plain = fixtures::RandomBytes(length, seed + static_cast<uint32_t>(length));
        const std::string token = ScrambleToken(plain, seed, padding);
        ASSERT_EQ(TryUnscramble(token), plain) << "length " << length << " seed " << seed << " padding " << padding;
        EXPECT_EQ(token.size(), 2 * (length + padding + 4));
        EXPECT_EQ(token.find_first_not_of(kTokenAlphabet), std::string::npos);
      }
    }
  }
}

TEST(ScrambleToken, PaddingKeptWithinItsRange) {
  EXPECT_EQ(ScrambleToken("x", 5, 0).size(), 2u * (1 + 1 + 4));
  EXPECT_EQ(ScrambleToken("x", 5, 1000).size(), 2u * (1 + 255 + 4));
  EXPECT_EQ(TryUnscramble(ScrambleToken("x", 5, 1000)), "x");
}

TEST(ScrambleToken, SameArgumentsSameToken) {
  EXPECT_EQ(ScrambleToken("product", 42), ScrambleToken("product", 42));
}

TEST(UnscrambleText, WorkedExample) {
  // Key '!' (33): 'A' ^ (1 + 33) = 0x41 ^ 0x22 = 0x63; 'B' ^ ((2 - 33) mod 256)
  // = 0x42 ^ 0xE1 = 0xA3.
  EXPECT_EQ(ScrambleText("AB", '!'), "Scrambled=01!\x63\xA3");
  EXPECT_EQ(UnscrambleText("Scrambled=01!\x63\xA3"), "AB");
}

TEST(UnscrambleText, OtherTextsAndDegenerateForms) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"plain text", "plain text"},
      {"scrambled=01xyz", "scrambled=01xyz"},  // the marker is matched exactly
      {" Scrambled=01!abc", " Scrambled=01!abc"},
      {"Scrambled=01", ""},
      {"Scrambled=01K", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UnscrambleText(c.text), c.expected) << c.text;
}

TEST(UnscrambleText, RoundTripsEveryKeyOverLongTexts) {
  // 600 bytes of every value, so positions wrap past 256 and zero bytes occur.
  std::string plain;
  for (int i = 0; i < 600; ++i) plain.push_back(static_cast<char>(i * 7));
  for (unsigned key = 33; key <= 122; ++key) {
    const std::string scrambled = ScrambleText(plain, static_cast<unsigned char>(key));
    ASSERT_EQ(scrambled.size(), 13 + plain.size());
    EXPECT_EQ(UnscrambleText(scrambled), plain) << key;
  }
}

TEST(ParseNoticeFile, ReferenceNotice) {
  const std::string content = std::string("|") + kAbcToken + "|1|2|Hello";
  const struct {
    std::string content;
    std::string token;
    std::string body;
  } cases[] = {
      {content, "abc", "Hello"},
      {ScrambleText(content, 'K'), "abc", "Hello"},
      {"ignored" + content, "abc", "Hello"},  // the text before the first bar is skipped
      {content + "|with|bars", "abc", "Hello|with|bars"},
  };
  for (const auto& c : cases) {
    const NoticeFile notice = ParseNoticeFile(c.content);
    EXPECT_EQ(notice.token, c.token) << c.content;
    EXPECT_EQ(notice.body, c.body) << c.content;
  }
}

TEST(ParseNoticeFile, WithoutBarsTheBodyIsTheTextAndNoToken) {
  const NoticeFile notice = ParseNoticeFile("Hello");
  EXPECT_EQ(notice.body, "Hello");
  EXPECT_FALSE(notice.token.has_value());
  // A field that does not unscramble gives no token either, never a stand-in.
  EXPECT_FALSE(ParseNoticeFile("|12345|x|y|Hello").token.has_value());
}

TEST(MakeNoticeFile, RoundTripsPlainAndScrambled) {
  const std::string body = std::string("Line 1\r\n|bars| and \0 zero", 26) + fixtures::RandomBytes(300, 9);
  for (std::optional<unsigned char> key : {std::optional<unsigned char>(), std::optional<unsigned char>('z')}) {
    const std::string content = MakeNoticeFile("agent-token", body, 17, key);
    EXPECT_EQ(content.starts_with(kScrambledMarker), key.has_value());
    const NoticeFile notice = ParseNoticeFile(content);
    EXPECT_EQ(notice.token, "agent-token");
    EXPECT_EQ(notice.body, body);
  }
}

}  // namespace
}  // namespace vantor
