#include "startup/handover_switches.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(AgentCopyArguments, EachGivenValueBecomesTheCopysSwitch) {
  struct Case {
    const char* transient;
    const char* delay;
    const char* expected;
  };
  const Case cases[] = {
      {"", "", ""},
      {"|1|255|", "", "/TRANSIENTx=|1|255|"},
      {"", "5", "/SleepX=5"},
      {"|1|255|", "5", "/TRANSIENTx=|1|255| /SleepX=5"},  // both reach the copy
      {"| 1|", "", "/TRANSIENTx=\"| 1|\""},              // a blank would end the value
      {"", "a/b", "/SleepX=\"a/b\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.transient) + " / " + c.delay);
    EXPECT_EQ(AgentCopyArguments(c.transient, c.delay), c.expected);
  }
}

TEST(ParseHostRegistration, WindowAndMessageEachZeroWhenMissingOrNotANumber) {
  struct Case {
    const char* value;
    int32_t window;
    int32_t message;
  };
  const Case cases[] = {
      {"1234:49152", 1234, 49152},
      {"1234", 1234, 0},
      {":49152", 0, 49152},
      {"abc:7", 0, 7},
      {"12:x", 12, 0},
      {"", 0, 0},
      {"TRUE", 0, 0},  // the switch without a value
      {"0x10:$20", 16, 32},
      {"4294967295:1:2", -1, 1},  // the low 32 bits; a third item is ignored
      {"-5:49152", -5, 49152},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const HostRegistration r = ParseHostRegistration(c.value);
    EXPECT_EQ(r.window, c.window);
    EXPECT_EQ(r.message, c.message);
  }
}

TEST(SpanCopyArguments, OwnArgumentsThenLevelPartFileAndOrigin) {
  const std::string tail = "/SpanCdLvl=2 /SpanDiskFName1=\"D:\\setup.exe.001\" /OriginExe=\"D:\\setup.exe\"";
  EXPECT_EQ(SpanCopyArguments("", "D:\\setup.exe"), tail);
  EXPECT_EQ(SpanCopyArguments("/X=1 /hide", "D:\\setup.exe"), "/X=1 /hide " + tail);
  EXPECT_EQ(SpanCopyArguments("", "D:\\My Setup\\setup.exe"),
            "/SpanCdLvl=2 /SpanDiskFName1=\"D:\\My Setup\\setup.exe.001\" /OriginExe=\"D:\\My Setup\\setup.exe\"");
}

TEST(SpanCopyArguments, AGivenSpanLevelIsDroppedSoTheCopyDoesNotRelaunchAgain) {
  const std::string tail = "/SpanCdLvl=2 /SpanDiskFName1=\"D:\\s.exe.001\" /OriginExe=\"D:\\s.exe\"";
  EXPECT_EQ(SpanCopyArguments("/SpanCdLvl=1", "D:\\s.exe"), tail);
  EXPECT_EQ(SpanCopyArguments("/a /spancdlvl=1 /b /SPANCDLVL=01", "D:\\s.exe"), "/a  /b  " + tail);
}

}  // namespace
}  // namespace vantor
