// The setup launcher's job from the first timer tick to the end: check the
// temporary drive, unpack the package, start the setup engine, wait for it,
// tidy up and end with the engine's exit code.
#pragma once

#include <windows.h>

#include <string>

#include "base/handles.h"

namespace vantor {

class TGFileInfo;

// The launcher's one-shot timer step.
void StubTimerStep(HWND window);
// Returns true when the engine reported completion (it deleted the atom).
bool RunSetupPackage(std::string workFolder, const std::string& packageFile, const std::string& agentName,
                     const std::string& extraArguments, bool foregroundOp);
bool TempFolderUsable(const std::string& folder, const std::string& packageFile);
bool ConfirmTempSpace(const std::string& folder, const std::string& packageFile, const TGFileInfo& pkg);
UniqueKernelHandle RunProgram(const std::string& commandLine, int showState);
void WaitForProcessHandle(HANDLE process);

// Cluster size of the drive named by the path's first three characters (0: unknown).
uint32_t GetClusterSize(const std::string& path);
double GetSpaceRequired(const TGFileInfo& info, const std::string& path);

}  // namespace vantor
