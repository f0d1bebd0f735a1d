#include "startup/agent_requests.h"

#include <algorithm>

namespace vantor {

AgentRequest ClassifyAgentRequest(int32_t type) {
  using K = AgentRequestKind;
  using V = AgentValue;
  switch (type) {
    case 4: return {K::Read, V::VersionOriginal};
    case 5: return {K::Read, V::VersionNew};
    case 7: return {K::Read, V::AgentState};
    case 8: return {K::Read, V::ProbeSecondsInterval};
    case 9: return {K::Read, V::ReAskSecondsInterval};
    case 10: return {K::Read, V::ProbeSecondsLast};
    case 11: return {K::Read, V::ReAskSecondsLast};
    case 12: return {K::Write, V::ProbeSecondsInterval};
    case 13: return {K::Write, V::ReAskSecondsInterval};
    case 14: return {K::Write, V::ProbeSecondsLast};
    case 15: return {K::Write, V::ReAskSecondsLast};
    case 30: return {K::QuitCountdown};
    case 31: return {K::CheckNow};
    case 32: return {K::InfoOnly};
    default: break;
  }
  if (type >= 20 && type <= 25) return {K::SetOverride, V::None, type - 19};
  return {};
}

void ApplyScheduleRequest(AgentSchedule& schedule, const AgentRequest& request, int32_t value) {
  switch (request.kind) {
    case AgentRequestKind::QuitCountdown:
      schedule.quitCountdown = value;
      break;
    case AgentRequestKind::CheckNow:
      schedule.checkNowRequest = true;
      schedule.AutoUpdateTimerCount = std::max<int64_t>(1, schedule.AutoUpdateTimerCount);
      if (value == 2) schedule.interactiveCheck = 2;
      break;
    case AgentRequestKind::InfoOnly:
      schedule.infoOnlyRequest = true;
      break;
    default:
      break;
  }
}

}  // namespace vantor
