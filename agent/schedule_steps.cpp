#include "agent/schedule_steps.h"

#include <algorithm>
#include <cstdint>

#include "base/text.h"

namespace vantor {

bool BeginTimerStep(AgentSchedule& schedule) {
  schedule.agentState = 0;
  if (schedule.interactiveCheck == 2) schedule.interactiveCheck = 1;
  if (schedule.interactiveCheck == 1) schedule.AutoUpdateTimerCount = 0;
  const bool quitNow = schedule.quitCountdown == 0;
  if (schedule.quitCountdown >= 0) --schedule.quitCountdown;
  ++schedule.AutoUpdateTimerCount;
  return quitNow;
}

int32_t ShotTimeStatus(AgentSchedule& schedule, int64_t now, int64_t probeSecondsLast,
                       int64_t probeSecondsInterval, bool testMode) {
  constexpr int64_t kTestModeInterval = 5;
  int32_t status = kNoCheck;
  if (schedule.periodicChecks || schedule.checkNowRequest) {
    const int64_t interval = testMode ? kTestModeInterval : probeSecondsInterval;
    // A stored time near the end of the range must not wrap into the past.
    const int64_t last = std::max(probeSecondsLast, schedule.declinedAt);
    int64_t due = 0;
    if (__builtin_add_overflow(last, interval, &due)) due = interval > 0 ? INT64_MAX : INT64_MIN;
    if (now >= due) status = kCheck;
    if (probeSecondsInterval == 0 && status == kCheck) status = kCheckOnce;
    if (probeSecondsInterval == -1) status = kNoCheck;
    if (schedule.checkNowRequest) status = kCheck;
  }
  schedule.checkNowRequest = false;
  return status;
}

std::string CheckQuestionText(std::string_view t1, std::string_view t2, std::string_view t3,
                              std::string_view source, bool testMode, std::string_view programName) {
  const bool drivePath = source.size() < 2 || source[1] == ':';
  std::string text = std::string(t1) + std::string(drivePath ? std::string_view() : t2) + std::string(t3);
  if (testMode) text += "<P><P><T><B>PLEASE NOTE</B> - You are now running in <B>Test Mode</B>!";
  return ReplaceText(text, "PROG_NAME", programName, false);
}

std::string NothingNewText(std::string_view s21, bool developerMode, int32_t code, std::string_view reason) {
  std::string text(s21);
  if (developerMode) text += "<P><P>(" + std::to_string(code) + " - " + std::string(reason) + ")   ";
  return text;
}

}  // namespace vantor
