#pragma once

namespace vantor {

// The plain agent writes and starts its X_ copy.
void CreateAndRun_X_Exe();
// The plain agent forwards its switches to the running copy; the result is
// whether a request was posted.
bool HandleParamOK(bool copyWasRunning);
// The override list handed on as "/TRANSIENTx=" becomes this process's
// overrides: the copy applies it at start, so that the list of a restart
// reaches the process that runs the checks.
void ApplyHandedOverrides();
// A removable-media setup copies itself to the temporary folder and runs there.
void RelaunchFromTemp();

}  // namespace vantor
