// Command-line switches over a given command line.
#include "base/switches.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor {
namespace {

TEST(SwitchTest, CommandArgsOf_DeletesFirstQuotedOrBarePath) {
  struct Case {
    std::string line, path, expected;
  };
  const std::string path = "C:\\Apps\\setup.exe";
  const Case cases[] = {
      {"\"C:\\Apps\\setup.exe\" /WAIT=10 /hide", path, "/WAIT=10 /hide"},
      {"\"c:\\apps\\SETUP.EXE\" /a", path, "/a"},                           // without regard to case
      {"C:\\Apps\\setup.exe /a", path, "/a"},                               // the bare path
      {"/a \"C:\\Apps\\setup.exe\"", path, "/a"},
      {"\"C:\\Apps\\setup.exe /a", path, "\" /a"},                          // no closing quote: bare path
      {"\"C:\\Apps\\setup.exe\" /OriginExe=\"C:\\Apps\\setup.exe\"", path,  // first occurrence only
       "/OriginExe=\"C:\\Apps\\setup.exe\""},
      {"C:\\Apps\\setup.exe /OriginExe=\"C:\\Apps\\setup.exe\"", path,      // the quoted form wins
       "C:\\Apps\\setup.exe /OriginExe="},
      {"setup.exe /X=1", path, "setup.exe /X=1"},                           // started by a relative name
      {"C:\\APPS~1\\setup.exe /X=1", path, "C:\\APPS~1\\setup.exe /X=1"},   // short name
      {"\t\"C:\\Apps\\setup.exe\"\t/a\r\n", path, "/a"},
      {"\"C:\\Apps\\setup.exe\"", path, ""},
      {"", path, ""},
      {"  \"x\" /a  ", "", "\"x\" /a"},                                     // no path: only trimmed
      {"\"\" /a", "", "\"\" /a"},
  };
  for (const Case& c : cases) EXPECT_EQ(CommandArgsOf(c.line, c.path), c.expected) << c.line;
}

TEST(SwitchTest, HasSwitchIn_SubstringIgnoringLatinCase) {
  struct Case {
    std::string args, name;
    bool expected;
  };
  const Case cases[] = {
      {"/WAIT=10 /hide", "/HIDE", true},
      {"/hide /WAIT=10", "/hide", true},
      {"/hideall", "/hide", true},          // no word boundaries
      {"/X=a/hide", "/hide", true},         // also inside a value
      {"/hid", "/hide", false},
      {"", "/a", false},
      {"/a", "", false},
      {"/\xe4", "/\xc4", false},            // only a-z fold
      {"/_ZZ=99", "/_zz=", true},
  };
  for (const Case& c : cases) EXPECT_EQ(HasSwitchIn(c.args, c.name), c.expected) << c.args << " / " << c.name;
}

TEST(SwitchTest, SwitchTextIn_CutsQuotedOrUnquotedValue) {
  struct Case {
    std::string args, name, expected;
  };
  const Case cases[] = {
      {"/WAIT=10 /hide", "/WAIT=", "10"},
      {"/WAIT=10 /hide", "/hide", "TRUE"},         // last on the line
      {"/hide /WAIT=10", "/hide", ""},             // the rest begins with a blank
      {"/X=a/b c", "/X=", "a"},                    // the blank cut, then the "/" cut
      {"/X=\"C:\\Program Files\\a b\" /Y", "/X=", "C:\\Program Files\\a b"},
      {"/X=\"C:\\Program Files\\a b", "/X=", "C:\\Program Files\\a b"},  // no closing quote
      {"/X=\"abc def  \t", "/X=", "abc def"},     // ... everything after it, trimmed
      {"/X=\" a/b c \"", "/X=", "a/b c"},
      {"/X= abc", "/X=", ""},                      // a blank right after "="
      {"/x=Value", "/X=", "Value"},                // values keep their case
      {"/A=1 /A=2", "/A=", "1"},                   // the first occurrence counts
      {"/B=/A=1 /A=2", "/A=", "1"},                // ... even inside another value
      {"/hideall", "/hide", "all"},
      {"", "/X=", ""},
      {"/Y=1", "/X=", ""},
      {"/X=", "/X=", "TRUE"},
      {"/X=\"\"", "/X=", ""},
      {"/X=\"", "/X=", ""},
      {"/X=\"a\"b", "/X=", "a"},
      {"/X=a=b", "/X=", "a=b"},
      {"/X=a\tb /Y", "/X=", "a\tb"},               // a tab is no blank
      {"/X=abc\t", "/X=", "abc"},
      {"/X=http://host/file", "/X=", "http:"},     // unquoted values end at "/"
      {"/X=\"http://host/file\"", "/X=", "http://host/file"},
      {"/X=/Y", "/X=", ""},
      {"/X", "", ""},                              // an empty name is never found
  };
  for (const Case& c : cases) EXPECT_EQ(SwitchTextIn(c.args, c.name), c.expected) << c.args << " / " << c.name;
}

TEST(SwitchTest, SwitchIntIn_OneDefaultForEveryFailure) {
  struct Case {
    std::string args, name;
    int64_t expected;
  };
  const Case cases[] = {
      {"/WAIT=10 /hide", "/WAIT=", 10},
      {"/X=0x1F", "/X=", 31},
      {"/X=$1F", "/X=", 31},
      {"/X=x1f /Y=2", "/X=", 31},
      {"/X=-5", "/X=", -5},
      {"/X=\" 7 \"", "/X=", 7},
      {"/X=12abc", "/X=", -1},
      {"/X=", "/X=", -1},                          // "TRUE"
      {"/WAIT= 10", "/WAIT=", -1},                 // empty text
      {"/Y=1", "/X=", -1},                         // absent
      {"/X=99999999999999999999", "/X=", -1},
      {"/X=9223372036854775807", "/X=", INT64_MAX},
      {"/X=-9223372036854775808", "/X=", INT64_MIN},
      {"/X=1/2", "/X=", 1},
      {"/_ZZ=99 /WAIT=10 /TRANSIENT=", "/_ZZ=", 99},
  };
  for (const Case& c : cases) EXPECT_EQ(SwitchIntIn(c.args, c.name, -1), c.expected) << c.args << " / " << c.name;
}

TEST(SwitchTest, CommandArgsOf_LookupsOnWholeCommandLines) {
  const std::string path = "C:\\Apps\\setup.exe";
  const std::string args = CommandArgsOf("\"C:\\Apps\\setup.exe\" /WAIT=10 /hide", path);
  EXPECT_EQ(args, "/WAIT=10 /hide");
  EXPECT_EQ(SwitchIntIn(args, "/WAIT=", 0), 10);
  EXPECT_TRUE(HasSwitchIn(args, "/HIDE"));
  EXPECT_EQ(SwitchTextIn(args, "/hide"), "TRUE");

  const std::string swapped = CommandArgsOf("\"C:\\Apps\\setup.exe\" /hide /WAIT=10", path);
  EXPECT_EQ(SwitchTextIn(swapped, "/hide"), "");
  EXPECT_TRUE(HasSwitchIn(swapped, "/hide"));
  EXPECT_EQ(SwitchIntIn(swapped, "/WAIT=", 0), 10);

  const std::string relative = CommandArgsOf("setup.exe /X=1", path);
  EXPECT_EQ(relative, "setup.exe /X=1");
  EXPECT_EQ(SwitchIntIn(relative, "/X=", 0), 1);
  EXPECT_EQ(SwitchIntIn(CommandArgsOf("\"C:\\Apps\\setup.exe\" /x=5 /WAIT=", path), "/WAIT=", 7), 7);
}

TEST(SwitchTest, CommandLineOf_ProgramQuotedArgumentsAfterOneBlank) {
  EXPECT_EQ(CommandLineOf("C:\\Program Files\\W\\X_Agent.exe", ""), "\"C:\\Program Files\\W\\X_Agent.exe\"");
  EXPECT_EQ(CommandLineOf("C:\\W\\X_Agent.exe", "/SleepX=5"), "\"C:\\W\\X_Agent.exe\" /SleepX=5");
}

TEST(SwitchTest, DeveloperModeFrom_OnlyExactly974) {
  EXPECT_TRUE(DeveloperModeFrom("974"));
  EXPECT_FALSE(DeveloperModeFrom(nullptr));
  EXPECT_FALSE(DeveloperModeFrom(""));
  EXPECT_FALSE(DeveloperModeFrom("0974"));
  EXPECT_FALSE(DeveloperModeFrom("974 "));
  EXPECT_FALSE(DeveloperModeFrom(" 974"));
  EXPECT_FALSE(DeveloperModeFrom("97"));
  EXPECT_FALSE(DeveloperModeFrom("9740"));
}

}  // namespace
}  // namespace vantor
