#include "agent/schedule.h"

namespace vantor {

// The agent's schedule is not built yet: the timer ticks without a check.
void AgentTimerStep() {}

}  // namespace vantor
