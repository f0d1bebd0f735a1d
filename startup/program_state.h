// Process-wide state set up by the entry and read by every role: the own
// package information, the agent flag, the main window class and the exit code.
#pragma once

#include <cstdint>
#include <string>

#include "package/file_info.h"
#include "startup/roles.h"

namespace vantor {

// Reads the package of the running file; lives until ReleaseOwnPackage.
void CreateOwnPackage();
void ReleaseOwnPackage();
const TGFileInfo& OwnPackage();

bool ThisIs_AutoUpdateProg();
void SetThisIs_AutoUpdateProg(bool value);

const std::string& MainWindowClass();
void SetMainWindowClass(std::string name);

int32_t ExitCode();
void SetExitCode(int32_t code);

// Role tests over the running process, evaluated afresh at each call.
RoleFacts CurrentRoleFacts();
bool ThisIs_Plain_AutoUpdate_Exe();
bool ThisIs_X_AutoUpdate_Exe();
bool IsSpanCdLevel1();
bool IsSpanCdLevel2();
bool X_ExeIsRunning();

}  // namespace vantor
