// The program entry: reads the own package, sets the process-wide flags,
// writes the start and end trace and runs the role.
#include <windows.h>

#include <string>

#include "base/debug_output.h"
#include "base/log.h"
#include "base/program_paths.h"
#include "base/text.h"
#include "startup/program_state.h"
#include "startup/run_stub.h"
#include "ui/window_libraries.h"

using namespace vantor;

int main() {
  InstallDebugOutput();
  PreloadWindowLibraries();
  SetDebugSource(2);
  const std::string commandLine = GetCommandLineA();
  DebugLinePid(" ==== STUB START ====> " + commandLine + "<");

  CreateOwnPackage();
  SetThisIs_AutoUpdateProg(OwnPackage().IsAgent());
  SetLogEnabled(ThisIs_AutoUpdateProg() && OwnPackage().Logging());
  if (ThisIs_X_AutoUpdate_Exe()) SetLogIndent(" X ");
  WriteLog("");
  WriteLog("");
  WriteLog("=== START === " + ProgramPath());
  WriteLog("CommandLine=" + commandLine);
  DebugLinePid(" ==== ThisIs_AutoUpdateProg=" + BoolText(ThisIs_AutoUpdateProg()));

  DoRunStubWin();

  ReleaseOwnPackage();
  DebugLinePid(" ==== STUB END ====> " + commandLine + "<");
  DebugLine("");
  WriteLog("=== EXIT === " + ProgramPath());
  WriteLog("");
  DebugOut().Flush();
  return ExitCode();
}
