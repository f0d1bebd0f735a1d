#include <windows.h>

#include "agent/schedule.h"
#include "agent/test_mode.h"
#include "base/files.h"
#include "base/log.h"
#include "base/program_paths.h"
#include "base/text.h"
#include "startup/instance_handover.h"
#include "startup/main_window.h"
#include "startup/program_state.h"
#include "startup/run_stub.h"

namespace vantor {

void DoRunStubWin() {
  WriteLog("DoRunStubWin() --- Start");
  SetMainWindowClass(MainWindowClassFor(ThisIs_AutoUpdateProg(), ProgramPath()));
  const bool copyWasRunning = X_ExeIsRunning();
  WriteLog("X_ExeIsRunning=" + BoolText(X_ExeIsRunning()));
  WriteLog("ThisIs_Plain_AutoUpdate_Exe=" + BoolText(ThisIs_Plain_AutoUpdate_Exe()));
  WriteLog("ThisIs_X_AutoUpdate_Exe=" + BoolText(ThisIs_X_AutoUpdate_Exe()));

  // A window of our class means another process of the same file and role is at work.
  if (FindWindowA(MainWindowClass().c_str(), nullptr) == nullptr) {
    if (ThisIs_Plain_AutoUpdate_Exe()) {
      CreateAndRun_X_Exe();
    } else if (ThisIs_X_AutoUpdate_Exe()) {
      ApplyHandedOverrides();
      WriteLog("CheckTestMode");
      CheckTestMode(true);
      WriteLog("WinMain");
      WinMain();
      WriteLog("DeleteMySelf");
      DeleteMySelf(false);
    } else if (IsSpanCdLevel1()) {
      RelaunchFromTemp();
    } else {
      WinMain();
      if (IsSpanCdLevel2()) DeleteMySelf(true);
    }
  }
  if (ThisIs_Plain_AutoUpdate_Exe()) HandleParamOK(copyWasRunning);
  WriteLog("DoRunStubWin() --- End");
}

}  // namespace vantor
