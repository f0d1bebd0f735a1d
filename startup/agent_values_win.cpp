#include "startup/agent_values.h"

#include "agent/overrides.h"
#include "agent/schedule_state.h"
#include "agent/update_info_files_win.h"

namespace vantor {

int64_t ReadAgentValue(AgentValue value) {
  switch (value) {
    case AgentValue::VersionOriginal: return ReadAgentInt(OriginalSetup::VersionOriginal);
    case AgentValue::VersionNew: return ReadAgentInt(NewSetup::VersionNew);
    case AgentValue::AgentState: return Schedule().agentState;
    case AgentValue::ProbeSecondsInterval: return ReadAgentInt(OriginalSetup::ProbeSecondsInterval);
    case AgentValue::ReAskSecondsInterval: return ReadAgentInt(OriginalSetup::ReAskSecondsInterval);
    case AgentValue::ProbeSecondsLast: return ReadAgentInt(OriginalSetup::ProbeSecondsLast);
    case AgentValue::ReAskSecondsLast: return ReadAgentInt(OriginalSetup::ReAskSecondsLast);
    case AgentValue::None: break;
  }
  return 0;
}

void WriteAgentValue(AgentValue value, int32_t requested) {
  // Intervals may be negative (-1 stops the checks), so they are sign-extended.
  // Times on the seconds clock lie above 2^31 today: a product that reads one
  // (its low 32 bits) and writes it back must get the same time, not a
  // negative one, so they are taken as unsigned.
  const int64_t time = static_cast<uint32_t>(requested);
  switch (value) {
    case AgentValue::ProbeSecondsInterval: WriteAgentInt(OriginalSetup::ProbeSecondsInterval, requested); break;
    case AgentValue::ReAskSecondsInterval: WriteAgentInt(OriginalSetup::ReAskSecondsInterval, requested); break;
    case AgentValue::ProbeSecondsLast: WriteAgentSeconds(OriginalSetup::ProbeSecondsLast, time); break;
    case AgentValue::ReAskSecondsLast: WriteAgentSeconds(OriginalSetup::ReAskSecondsLast, time); break;
    default: break;
  }
}

void SetAgentOverride(int number, uint8_t value) { SetOverride(AgentOverrides(), number, value); }

}  // namespace vantor
