#include <windows.h>

#include <memory>

#include "base/program_paths.h"
#include "base/switches_win.h"
#include "startup/program_state.h"

namespace vantor {

namespace {
std::unique_ptr<TGFileInfo> ownPackage;
const TGFileInfo emptyPackage(static_cast<ByteSource*>(nullptr));
bool isAgentProgram = false;
std::string mainWindowClass = "VantorStub";
int32_t exitCode = 0;
}  // namespace

void CreateOwnPackage() { ownPackage = std::make_unique<TGFileInfo>(ProgramPath()); }
void ReleaseOwnPackage() { ownPackage.reset(); }
const TGFileInfo& OwnPackage() { return ownPackage ? *ownPackage : emptyPackage; }

bool ThisIs_AutoUpdateProg() { return isAgentProgram; }
void SetThisIs_AutoUpdateProg(bool value) { isAgentProgram = value; }

const std::string& MainWindowClass() { return mainWindowClass; }
void SetMainWindowClass(std::string name) { mainWindowClass = std::move(name); }

int32_t ExitCode() { return exitCode; }
void SetExitCode(int32_t code) { exitCode = code; }

RoleFacts CurrentRoleFacts() {
  RoleFacts facts;
  facts.programPath = ProgramPath();
  facts.agentExeName = OwnPackage().AgentExeName();
  facts.isAgentFile = ThisIs_AutoUpdateProg();
  facts.packageFlags = OwnPackage().Trailer().Flags();
  facts.spanCdLevel = GetSwitchInt("/SpanCdLvl=", 1);
  return facts;
}

bool ThisIs_Plain_AutoUpdate_Exe() { return IsPlainAgent(CurrentRoleFacts()); }
bool ThisIs_X_AutoUpdate_Exe() { return IsAgentCopy(CurrentRoleFacts()); }
bool IsSpanCdLevel1() { return IsSpanLevel1(CurrentRoleFacts()); }
bool IsSpanCdLevel2() { return IsSpanLevel2(CurrentRoleFacts()); }

bool X_ExeIsRunning() {
  const std::string cls = AgentCopyWindowClass(OwnPackage().AgentExeName());
  return FindWindowA(cls.c_str(), nullptr) != nullptr;
}

}  // namespace vantor
