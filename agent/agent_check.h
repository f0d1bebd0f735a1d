// One check of the agent: ask first when wanted, fetch the .info file, decide
// and run the update or the notice.
#pragma once

#include <cstdint>

namespace vantor {

// Asks whether to check now; sets status to 0 on No.
void AskBeforeCheck(int32_t& status);
// One complete check.
void PerformShot();

}  // namespace vantor
