// The schedule's timer-step bookkeeping, the due test and the check texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "agent/schedule_steps.h"
#include "startup/agent_requests.h"

namespace vantor {
namespace {

// The step at which the first check runs: the first whose count exceeds 0.
int FirstCheckStep(AgentSchedule schedule) {
  for (int step = 1; step <= 100; ++step) {
    BeginTimerStep(schedule);
    if (schedule.AutoUpdateTimerCount > 0) return step;
  }
  return 0;
}

TEST(BeginTimerStep, FirstCheckStepFollowsTheStartCount) {
  AgentSchedule byDefault;
  EXPECT_EQ(FirstCheckStep(byDefault), 4);
  AgentSchedule sleepZero;
  sleepZero.AutoUpdateTimerCount = 0;  // /SleepX=0
  EXPECT_EQ(FirstCheckStep(sleepZero), 1);
  AgentSchedule sleepFive;
  sleepFive.AutoUpdateTimerCount = -5;  // /DELAY=5 handed on as /SleepX=5
  EXPECT_EQ(FirstCheckStep(sleepFive), 6);
}

TEST(BeginTimerStep, CheckNowRequestCutsTheStartDelay) {
  AgentSchedule schedule;
  ApplyScheduleRequest(schedule, ClassifyAgentRequest(31), 1);
  EXPECT_EQ(FirstCheckStep(schedule), 1);
}

TEST(BeginTimerStep, InteractiveCheckStartsAtTheNextStep) {
  AgentSchedule schedule;
  schedule.AutoUpdateTimerCount = -100;
  schedule.agentState = 3;
  ApplyScheduleRequest(schedule, ClassifyAgentRequest(31), 2);
  EXPECT_EQ(schedule.interactiveCheck, 2);
  BeginTimerStep(schedule);
  EXPECT_EQ(schedule.interactiveCheck, 1);
  EXPECT_EQ(schedule.AutoUpdateTimerCount, 1);
  EXPECT_EQ(schedule.agentState, 0);
}

TEST(BeginTimerStep, QuitCountdownPostsAtTheStepAfterItsCount) {
  struct Case {
    int64_t countdown;
    int quitStep;  // 0: never
  };
  for (const Case c : {Case{-1, 0}, Case{0, 1}, Case{2, 3}}) {
    AgentSchedule schedule;
    schedule.quitCountdown = c.countdown;
    int quitStep = 0;
    for (int step = 1; step <= 10 && quitStep == 0; ++step) {
      if (BeginTimerStep(schedule)) quitStep = step;
    }
    EXPECT_EQ(quitStep, c.quitStep) << "countdown " << c.countdown;
  }
}

TEST(ShotTimeStatus, DueByIntervalTestModeAndRequest) {
  constexpr int64_t kNow = 3'900'000'000;
  struct Case {
    const char* name;
    int64_t last, interval;
    bool testMode, periodic, request;
    int32_t status;
  };
  const Case cases[] = {
      {"interval passed", kNow - 3600, 3600, false, true, false, kCheck},
      {"interval not passed", kNow - 3599, 3600, false, true, false, kNoCheck},
      {"interval 0 checks once", kNow, 0, false, true, false, kCheckOnce},
      {"interval 0 never in the future", kNow + 10, 0, false, true, false, kNoCheck},
      {"interval -1 never", 0, -1, false, true, false, kNoCheck},
      {"interval -1 on request", 0, -1, false, true, true, kCheck},
      {"periodic off", 0, 3600, false, false, false, kNoCheck},
      {"periodic off on request", kNow, 3600, false, false, true, kCheck},
      {"test mode every 5 s", kNow - 5, 3600, true, true, false, kCheck},
      {"test mode not yet", kNow - 4, 3600, true, true, false, kNoCheck},
      {"stored time at the range end", INT64_MAX, 3600, false, true, false, kNoCheck},
  };
  for (const Case& c : cases) {
    AgentSchedule schedule;
    schedule.periodicChecks = c.periodic;
    schedule.checkNowRequest = c.request;
    EXPECT_EQ(ShotTimeStatus(schedule, kNow, c.last, c.interval, c.testMode), c.status) << c.name;
    EXPECT_FALSE(schedule.checkNowRequest) << c.name;
  }
}

TEST(ShotTimeStatus, ADeclinedQuestionWaitsOneIntervalUnlessAskedToCheck) {
  constexpr int64_t kNow = 3'900'000'000;
  AgentSchedule schedule;
  schedule.declinedAt = kNow - 10;
  EXPECT_EQ(ShotTimeStatus(schedule, kNow, 0, 60, false), kNoCheck);
  EXPECT_EQ(ShotTimeStatus(schedule, kNow + 50, 0, 60, false), kCheck);
  EXPECT_EQ(ShotTimeStatus(schedule, kNow, 0, 0, false), kCheckOnce) << "interval 0 still checks once";
  schedule.checkNowRequest = true;
  EXPECT_EQ(ShotTimeStatus(schedule, kNow, 0, 60, false), kCheck);
}

TEST(CheckQuestionText, DrivesDropTheInternetSentenceAndTestModeAddsItsNote) {
  const std::string note = "<P><P><T><B>PLEASE NOTE</B> - You are now running in <B>Test Mode</B>!";
  EXPECT_EQ(CheckQuestionText("Check PROG_NAME", " online", "?", "http://x/", false, "Editor"),
            "Check Editor online?");
  EXPECT_EQ(CheckQuestionText("Check PROG_NAME", " online", "?", "D:\\updates", true, "Editor"),
            "Check Editor?" + note);
  EXPECT_EQ(CheckQuestionText("A", "B", "C", "\\\\server\\share", true, ""), "ABC" + note);
  EXPECT_EQ(CheckQuestionText("A", "B", "C", "x", false, ""), "AC");
  EXPECT_EQ(CheckQuestionText("prog_name", "", "", "", false, "Editor"), "prog_name");
}

TEST(NothingNewText, DeveloperModeAddsCodeAndReason) {
  EXPECT_EQ(NothingNewText("No update.", false, 3, "New version is not higher then old version"), "No update.");
  EXPECT_EQ(NothingNewText("No update.", true, 3, "New version is not higher then old version"),
            "No update.<P><P>(3 - New version is not higher then old version)   ");
}

}  // namespace
}  // namespace vantor
