#include "startup/agent_requests.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(ClassifyAgentRequest, EveryTypeFromMinusOneTo40) {
  using K = AgentRequestKind;
  using V = AgentValue;
  for (int32_t type = -1; type <= 40; ++type) {
    const AgentRequest r = ClassifyAgentRequest(type);
    SCOPED_TRACE(type);
    if (type == 4 || type == 5 || type == 7 || (type >= 8 && type <= 11)) {
      EXPECT_EQ(r.kind, K::Read);
    } else if (type >= 12 && type <= 15) {
      EXPECT_EQ(r.kind, K::Write);
      EXPECT_EQ(r.value, ClassifyAgentRequest(type - 4).value) << "writes pair with the reads 8-11";
    } else if (type >= 20 && type <= 25) {
      EXPECT_EQ(r.kind, K::SetOverride);
      EXPECT_EQ(r.overrideNumber, type - 19);
    } else if (type >= 30 && type <= 32) {
      EXPECT_NE(r.kind, K::None);
    } else {
      EXPECT_EQ(r.kind, K::None);  // 6, 16-19, 26-29 and anything outside
      EXPECT_EQ(r.value, V::None);
    }
  }
  EXPECT_EQ(ClassifyAgentRequest(7).value, V::AgentState);
  EXPECT_EQ(ClassifyAgentRequest(10).value, V::ProbeSecondsLast);
}

TEST(ApplyScheduleRequest, CheckNowRaisesTheCountAndOnlyValue2IsInteractive) {
  AgentSchedule s;
  ApplyScheduleRequest(s, ClassifyAgentRequest(31), 1);
  EXPECT_TRUE(s.checkNowRequest);
  EXPECT_EQ(s.AutoUpdateTimerCount, 1);
  EXPECT_EQ(s.interactiveCheck, 0);
  s.AutoUpdateTimerCount = 17;
  ApplyScheduleRequest(s, ClassifyAgentRequest(31), 2);
  EXPECT_EQ(s.AutoUpdateTimerCount, 17);  // never lowered
  EXPECT_EQ(s.interactiveCheck, 2);
}

TEST(ApplyScheduleRequest, QuitCountdownAndInfoOnly) {
  AgentSchedule s;
  ApplyScheduleRequest(s, ClassifyAgentRequest(30), 5);
  EXPECT_EQ(s.quitCountdown, 5);
  ApplyScheduleRequest(s, ClassifyAgentRequest(32), 0);
  EXPECT_TRUE(s.infoOnlyRequest);
  const AgentSchedule before = s;
  ApplyScheduleRequest(s, ClassifyAgentRequest(4), 9);  // a read changes no schedule value
  EXPECT_EQ(s.quitCountdown, before.quitCountdown);
  EXPECT_EQ(s.AutoUpdateTimerCount, before.AutoUpdateTimerCount);
}

}  // namespace
}  // namespace vantor
