#include "agent/schedule_state.h"

namespace vantor {

AgentSchedule& Schedule() {
  static AgentSchedule schedule;
  return schedule;
}

}  // namespace vantor
