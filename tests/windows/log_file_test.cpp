// The log file's exact line layout, its regional separators and its appending.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

class LogFile : public ::testing::Test {
 protected:
  ScratchFolder folder{"log"};

  std::string RunLoggingAgent() {
    const std::string payload = folder / "a.txt";
    WriteWholeFile(payload, "a");
    const std::string agent = folder / "Agent.exe";
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
         " --agent --agent-name Agent.exe --flags 16 --info-file Widget.info --file " + Quote(payload));
    // A window of the copy's class stands in for a running copy: the agent
    // then makes none and ends at once.
    const ClassWindow copyStandIn(".AutoUpdate.X_Agent");
    const ProcessResult r = RunAndWait(Quote(agent));
    EXPECT_TRUE(r.finished);
    return ReadWholeFile(folder / "X_Agent.log");
  }
};

TEST_F(LogFile, EveryLineHasStampPaddedThreadIdIndentAndCrLf) {
  const std::string log = RunLoggingAgent();
  const std::regex line(R"((\d\d)/(\d\d)/(\d\d) (\d\d):(\d\d):(\d\d) ([ \d]{5}|\d{6,})   (.*)\r)");
  std::size_t start = 0, count = 0;
  for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1, ++count) {
    const std::string text = log.substr(start, end - start);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, line)) << "[" << text << "]";
    EXPECT_LE(std::stoi(m[1]), 31);
    EXPECT_LE(std::stoi(m[2]), 12);
    EXPECT_LE(std::stoi(m[4]), 23);
  }
  EXPECT_EQ(start, log.size());
  EXPECT_EQ(count, 15u);
  // The first two lines carry an empty message: the line ends right after the indent.
  EXPECT_EQ(log.substr(0, log.find('\n')).size(), 17u + 1 + 5 + 3 + 1);
}

TEST_F(LogFile, RegionalSeparatorsReplaceSlashAndColon) {
  ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, "."));
  ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, "-"));
  const std::string log = RunLoggingAgent();
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, "/");
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, ":");
  EXPECT_TRUE(std::regex_search(log, std::regex(R"(^\d\d\.\d\d\.\d\d \d\d-\d\d-\d\d )"))) << log.substr(0, 40);
}

TEST_F(LogFile, SecondRunAppendsToTheSameFile) {
  const std::string first = RunLoggingAgent();
  const std::string both = RunLoggingAgent();
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(both.substr(0, first.size()), first);
  EXPECT_EQ(both.size(), 2 * first.size());
}

}  // namespace
}  // namespace vantor::testing
