#include "agent/schedule.h"

namespace vantor {

// The agent's schedule and test mode are not built yet; nothing is read.
void CheckTestMode(bool force) {}

}  // namespace vantor

namespace vantor {

// The agent's schedule is not built yet: the timer ticks without a check.
void AgentTimerStep() {}

}  // namespace vantor
