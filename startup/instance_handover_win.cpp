#include "startup/instance_handover.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "agent/overrides.h"
#include "agent/work_folders.h"
#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/log.h"
#include "base/message_pump.h"
#include "base/processes.h"
#include "base/program_paths.h"
#include "base/switches.h"
#include "base/switches_win.h"
#include "base/text.h"
#include "package/launch_sequence.h"
#include "startup/handover_switches.h"
#include "startup/main_window.h"
#include "startup/program_state.h"

namespace vantor {

namespace {

// The plain agent's requests are posted, and a post finds the copy only once
// its main window exists: it waits for that window rather than for the
// process alone, which would let the requests of a slow start get lost.
constexpr DWORD kCopyWindowWaitMs = 10000;
constexpr unsigned kCopyPollMs = 200;

std::string AgentCopyPath() { return ProgramFolder(true) + "X_" + ExtractFileName(ProgramPath()); }

// A negative /WAIT= would otherwise wrap round to a wait of weeks.
unsigned WaitMilliseconds(int32_t seconds) {
  const int64_t ms = static_cast<int64_t>(std::max<int32_t>(seconds, 0)) * 1000;
  return static_cast<unsigned>(std::min<int64_t>(ms, std::numeric_limits<unsigned>::max()));
}

// Until the copy's window is up, the copy has ended, or the time is over.
void WaitForCopyWindow(HANDLE copyProcess) {
  const DWORD start = GetTickCount();
  while (!X_ExeIsRunning() && copyProcess != nullptr && WaitForSingleObject(copyProcess, 0) == WAIT_TIMEOUT &&
         GetTickCount() - start <= kCopyWindowWaitMs) {
    WaitPumping(kCopyPollMs, 0);
  }
}

bool PostToCopy(const std::string& copy, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostProcessMessage(copy, true, message, wParam, lParam);
}

}  // namespace

void CreateAndRun_X_Exe() {
  WriteLog("CreateAndRun_X_Exe() --- Start");
  const std::string zz = GetSwitchText("/_ZZ=");
  DebugLinePid(" CreateAndRun_X_Exe-1 " + zz);
  const std::string name = ExtractFileName(ProgramPath());
  if (ThisIs_AutoUpdateProg() && (!X_ExeIsRunning() || zz == "99") &&
      SameTextTrimmed(name, OwnPackage().AgentExeName())) {
    DebugLinePid(" CreateAndRun_X_Exe-2");
    const int32_t wait = static_cast<int32_t>(GetSwitchInt("/WAIT=", 0));
    WriteLog("Wait " + std::to_string(wait) + " SEC");
    WaitPumping(WaitMilliseconds(wait), 0);

    const std::string copy = ProgramFolder(true) + "X_" + name;
    CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE);
    WriteLog("Create X_ File ");
    // Both switches are passed on when both are given: the copy needs each.
    const std::string commandLine =
        CommandLineOf(copy, AgentCopyArguments(GetSwitchText("/TRANSIENT="), GetSwitchText("/DELAY=")));
    WriteLog("WinExec: " + commandLine);
    const UniqueKernelHandle process = RunProgram(commandLine, SW_HIDE);
    if (!GetCommandArgs().empty()) WaitForCopyWindow(process.get());
  }
  WriteLog("CreateAndRun_X_Exe() --- End");
}

bool HandleParamOK(bool copyWasRunning) {
  WriteLog("HandleParamOK() --- Start");
  bool result = false;
  const std::string copy = AgentCopyPath();

  if (const int64_t stop = GetSwitchInt("/STOP=", -1); stop >= 0 && FileExists(copy)) {
    WriteLog("PostProcessMessage(wm_ShutDown) to: " + copy);
    PostToCopy(copy, wm_ShutDown, static_cast<WPARAM>(stop), 0);
    result = true;
  }

  if (const std::string host = GetSwitchText("/WM_MSG="); !host.empty() && FileExists(copy)) {
    const HostRegistration registration = ParseHostRegistration(host);
    WriteLog("PostProcessMessage(wm_LocalMsg) to: " + copy + " - :" + host + ":");
    // Window handles are 32-bit values, sign-extended in a 64-bit process.
    PostToCopy(copy, wm_LocalMsg, static_cast<WPARAM>(static_cast<LONG_PTR>(registration.window)),
               registration.message);
    result = true;
  }

  if (const int64_t test = GetSwitchInt("/TEST=", -1); test >= 0 && FileExists(copy)) {
    WriteLog("PostProcessMessage(wm_AgentMsg) to: " + copy + " - AU_PerformUpdateCycle (" + std::to_string(test) +
             ")");
    PostToCopy(copy, wm_AgentMsg, 31, static_cast<LPARAM>(static_cast<int32_t>(test)));
    // A copy started just for this check ends after it.
    if (!copyWasRunning && test > 0) PostToCopy(copy, wm_ShutDown, 2, 0);
    result = true;
  }

  ApplyHandedOverrides();
  WriteLog("HandleParamOK() --- End");
  return result;
}

void ApplyHandedOverrides() {
  if (const std::string list = GetSwitchText("/TRANSIENTx="); !list.empty()) ParseOverrides(list, AgentOverrides());
}

void RelaunchFromTemp() {
  const std::string copy = SetupWorkFolder() + "\\Y_" + ExtractFileName(ProgramPath());
  CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE);
  RunProgram(CommandLineOf(copy, SpanCopyArguments(GetCommandArgs(), ProgramPath())), SW_HIDE);
}

}  // namespace vantor
