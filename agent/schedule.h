#pragma once

namespace vantor {

// Reads the test-mode settings (afresh when forced).
void CheckTestMode(bool force);

}  // namespace vantor

namespace vantor {

// The agent's step on every tick of the main window's timer.
void AgentTimerStep();

}  // namespace vantor
