// The agent schedule's decisions, over values they are given: the start of a
// timer step, whether a check is due, and the texts a check shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "agent/schedule_state.h"

namespace vantor {

// Status of ShotTimeStatus: no check, a check, or one check and then no more
// periodic checks (a probe interval of 0).
inline constexpr int32_t kNoCheck = 0;
inline constexpr int32_t kCheck = 1;
inline constexpr int32_t kCheckOnce = 2;

// The schedule's part of a timer step before any check: resets the agent
// state, starts a pending interactive check, counts the quit countdown down
// and the step counter up. True when the quit message is due now.
bool BeginTimerStep(AgentSchedule& schedule);

// Whether a check is due at now, from the .original file's probe values (or
// a declined check question, if later); in test mode the interval is 5
// seconds. Consumes the check-now request.
int32_t ShotTimeStatus(AgentSchedule& schedule, int64_t now, int64_t probeSecondsLast,
                       int64_t probeSecondsInterval, bool testMode);

// The question before a check: t1 + t2 + t3 and, in test mode, the test-mode
// note, with PROG_NAME replaced. t2 is dropped for a drive source (or one too
// short to tell), since it speaks of the internet.
std::string CheckQuestionText(std::string_view t1, std::string_view t2, std::string_view t3,
                              std::string_view source, bool testMode, std::string_view programName);

// The report of an interactive check that found nothing to do; developer
// mode adds the decision's code and reason.
std::string NothingNewText(std::string_view s21, bool developerMode, int32_t code, std::string_view reason);

}  // namespace vantor
