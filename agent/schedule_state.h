// The agent schedule's process-wide values, steered by the timer steps and by
// the main window's requests.
#pragma once

#include <climits>
#include <cstdint>

namespace vantor {

struct AgentSchedule {
  int64_t AutoUpdateTimerCount = -3;  // no check runs while 0 or less
  bool periodicChecks = true;
  bool checkNowRequest = false;
  int interactiveCheck = 0;  // 2 pending, 1 running, 0 none
  bool infoOnlyRequest = false;
  int64_t quitCountdown = -1;
  // When the user last said No to the check question: the check then counts
  // as done for one probe interval, so the question does not come back every
  // second. Kept in memory only; the stored last check time stays as it is.
  int64_t declinedAt = INT64_MIN;
  int32_t agentState = 0;  // 0 idle, 1 checking, 2 downloading, 3 installing
  bool busy = false;
};

AgentSchedule& Schedule();
// An interactive check is running: no questions, the result reported.
inline bool InteractiveCheckRunning() { return Schedule().interactiveCheck == 1; }

}  // namespace vantor
