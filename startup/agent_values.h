// The agent values that wm_AgentMsg requests read and write.
#pragma once

#include <cstdint>

#include "startup/agent_requests.h"

namespace vantor {

int64_t ReadAgentValue(AgentValue value);
void WriteAgentValue(AgentValue value, int32_t requested);
void SetAgentOverride(int number, uint8_t value);

}  // namespace vantor
