#include "base/log_line.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(FormatLogLine, FieldsFollowEachOtherWithPaddedThreadId) {
  EXPECT_EQ(FormatLogLine("09/12/24 14:03:07", 1234, "   ", "DoRunStubWin() --- Start"),
            "09/12/24 14:03:07  1234   DoRunStubWin() --- Start\r\n");
  // An empty message leaves only stamp, blank, thread id and indent.
  EXPECT_EQ(FormatLogLine("09.12.24 14.03.07", 7, " X ", ""), "09.12.24 14.03.07     7 X \r\n");
  // A six-digit thread id is written whole, without a leading blank.
  EXPECT_EQ(FormatLogLine("s", 200000, "   ", "m"), "s 200000   m\r\n");
}

TEST(LogFileNameFor, AgentAndItsCopyShareOneFile) {
  struct Case {
    const char* program;
    const char* log;
  } cases[] = {
      {"C:\\App\\agent.exe", "C:\\App\\X_agent.log"},
      {"C:\\App\\X_agent.exe", "C:\\App\\X_agent.log"},
      {"C:\\App\\x_agent.exe", "C:\\App\\X_x_agent.log"},  // the prefix test counts case
      {"C:\\App\\agent", "C:\\App\\X_agent.log"},
      {"C:\\App\\Agent.old.exe", "C:\\App\\X_Agent.old.log"},
      {"C:\\agent.exe", "C:\\X_agent.log"},
  };
  for (const Case& c : cases) EXPECT_EQ(LogFileNameFor(c.program), c.log) << c.program;
}

}  // namespace
}  // namespace vantor
