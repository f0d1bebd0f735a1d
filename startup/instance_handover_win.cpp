#include "startup/instance_handover.h"

namespace vantor {

// The hand-over between instances is not built yet: these steps do nothing,
// so the plain agent and the first stage of a removable-media setup simply end.
void CreateAndRun_X_Exe() {}

bool HandleParamOK(bool copyWasRunning) { return false; }

void RelaunchFromTemp() {}

}  // namespace vantor
