#pragma once

namespace vantor {

// The plain agent writes and starts its X_ copy.
void CreateAndRun_X_Exe();
// The plain agent forwards its switches to the running copy; the result is
// whether they were handled.
bool HandleParamOK(bool copyWasRunning);
// A removable-media setup copies itself to the temporary folder and runs there.
void RelaunchFromTemp();

}  // namespace vantor
