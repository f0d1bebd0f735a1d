// The agent's schedule, run by the main window's one-second timer.
#pragma once

namespace vantor {

// The agent's step on every tick of the main window's timer.
void AgentTimerStep();

}  // namespace vantor
