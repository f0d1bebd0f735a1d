// The requests a product or the plain agent sends to a running agent as
// wm_AgentMsg (type, value), decided as a pure table.
#pragma once

#include <cstdint>

#include "agent/schedule_state.h"

namespace vantor {

enum class AgentRequestKind { None, Read, Write, SetOverride, QuitCountdown, CheckNow, InfoOnly };

// The agent values that requests read and write.
enum class AgentValue {
  None,
  VersionOriginal,       // OriginalSetup.VersionOriginal
  VersionNew,            // NewSetup.VersionNew
  AgentState,            // the schedule's agent state
  ProbeSecondsInterval,  // OriginalSetup.ProbeSecondsInterval
  ReAskSecondsInterval,  // OriginalSetup.ReAskSecondsInterval
  ProbeSecondsLast,      // OriginalSetup.ProbeSecondsLast
  ReAskSecondsLast,      // OriginalSetup.ReAskSecondsLast
};

struct AgentRequest {
  AgentRequestKind kind = AgentRequestKind::None;
  AgentValue value = AgentValue::None;
  int overrideNumber = 0;  // 1 to 6 for SetOverride
};

// Types 4, 5, 7-15, 20-25 and 30-32 mean something; every other type nothing.
AgentRequest ClassifyAgentRequest(int32_t type);

// Carries out the schedule requests (30, 31, 32) on the schedule's values.
void ApplyScheduleRequest(AgentSchedule& schedule, const AgentRequest& request, int32_t value);

}  // namespace vantor
