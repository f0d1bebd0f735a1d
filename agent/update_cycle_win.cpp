#include "agent/update_cycle.h"

#include <windows.h>

#include <string>

#include "agent/agent_boxes.h"
#include "agent/agent_downloads.h"
#include "agent/overrides.h"
#include "agent/schedule_state.h"
#include "agent/update_cycle_steps.h"
#include "agent/update_info_files_win.h"
#include "agent/work_folders.h"
#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/log.h"
#include "base/message_pump.h"
#include "base/processes.h"
#include "base/program_paths.h"
#include "base/text.h"
#include "package/launch_sequence.h"
#include "paths/macros.h"
#include "startup/main_window.h"
#include "startup/program_state.h"

namespace vantor {

namespace {

std::string WithProgramName(const std::string& text, const std::string& name) {
  return ReplaceText(text, "PROG_NAME", name, false);
}

// The question (or, when forced, the notice) before a download or an install;
// false when the user declined.
bool Confirm(const std::string& text, bool force) {
  if (force) {
    AgentWarningBox(BoxOwnerMode::NoClose, text);
    return true;
  }
  return AgentAskYesNo(BoxOwnerMode::WithHeading, text);
}

bool ConfirmDownload() {
  const bool force = ReadAgentFlag(NewSetup::RequestConfirmationBeforeDownloadForce);
  const bool install = ReadAgentFlag(NewSetup::RequestConfirmationBeforeInstall);
  const std::string text = WithProgramName(
      LoadAgentString("s11", "") + LoadAgentString(std::string(DownloadQuestionTailKey(force, install)), ""),
      ReadAgentText(NewSetup::ProgramName));
  if (!ReadAgentFlag(NewSetup::RequestConfirmationBeforeDownload) || InteractiveCheckRunning()) return true;
  const bool go = Confirm(text, force);
  WaitPumping(500, 0);
  return go;
}

bool ConfirmInstall() {
  const bool force = ReadAgentFlag(NewSetup::RequestConfirmationBeforeInstallForce);
  const std::string text =
      WithProgramName(LoadAgentString(force ? "s20" : "s14", ""), ReadAgentText(NewSetup::ProgramName));
  if (!ReadAgentFlag(NewSetup::RequestConfirmationBeforeInstall) || InteractiveCheckRunning()) return true;
  const bool go = Confirm(text, force);
  WaitPumping(100, 0);
  return go;
}

// Closes the product as the .info file says; true when it ran before and has
// ended now.
bool ShutDownProduct(const std::string& program) {
  const std::string methodText = ReadAgentText(NewSetup::ShutDownMethod);
  const ShutDownMethod method = ParseShutDownMethod(methodText);
  const bool wasRunning = IsProcessRunning(program);
  WriteLog("Shut Down Process() - START  (" + program + ")  Method: " + methodText);
  if (method == ShutDownMethod::MessageBox) {
    const std::string text = WithProgramName(LoadAgentString("s15", ""), ExtractFileName(program));
    DebugLine("s1=" + text + "<");
    while (IsProcessRunning(program)) AgentWarningBox(BoxOwnerMode::WithHeading, text);
  }
  DebugLinePid(" ==== PerformAutoUpdate-8 ====");
  switch (method) {
    case ShutDownMethod::WmClose: CloseProcessWindow(program, true); break;
    case ShutDownMethod::WmQuit: QuitProcessWindow(program, true); break;
    case ShutDownMethod::Terminate: TerminateProcessByPath(program, true); break;
    default: break;
  }
  if (method != ShutDownMethod::DontShutDown) WaitForProcessEnd(program, 0);
  DebugLinePid(" ==== PerformAutoUpdate-9 ====");
  WriteLog("Shut Down Process() - END");
  return wasRunning && !IsProcessRunning(program);
}

bool InstallUpdate(const std::string& updateFile) {
  Schedule().agentState = 3;
  PostToHost(42, 1);
  DebugLinePid(" ==== PerformAutoUpdate-10 ====");
  const bool result = RunSetupPackage(SetupWorkFolder(), updateFile, OwnPackage().AgentExeName(),
                                      OriginalInfoFileSwitch(InfoIniPath()),
                                      !ReadAgentFlag(NewSetup::BackgroundUpdate));
  DeleteTree(SetupWorkFolder(), false);
  DebugLinePid(" ==== PerformAutoUpdate-11 ====");
  PostToHost(42, 2);
  return result;
}

// The finish message; false when the user does not want the product restarted.
bool ReportFinished(bool result, bool restart) {
  const std::string text = WithProgramName(LoadAgentString("s16", ""), ReadAgentText(NewSetup::ProgramName));
  if (!result || !(ReadAgentFlag(NewSetup::InformFinish) || InteractiveCheckRunning())) return true;
  if (restart) return AgentAskYesNo(BoxOwnerMode::NoHeading, text + LoadAgentString("s17", ""));
  AgentWarningBox(BoxOwnerMode::NoHeading, text);
  return true;
}

bool RunCycle() {
  const std::string folder = ReadAgentText(NewSetup::DownloadURL_UPDATE);
  const std::string updateName = ReadAgentText(NewSetup::NameOfUpdateFile);
  if (folder.empty() || updateName.empty()) return false;
  DebugLinePid(" ==== PerformAutoUpdate-5 ====");
  if (!ConfirmDownload()) return false;

  DebugLinePid(" ==== PerformAutoUpdate-6 ====");
  Schedule().agentState = 2;
  PostToHost(41, 1);
  std::string downloadError;
  const bool downloaded = DownloadFileAU(folder, updateName, kUpdateFile, downloadError);
  PostToHost(41, 2);
  const std::string updateFile = ProgramFolder(true) + ExtractFileName(updateName);
  if (!downloaded) return false;
  if (!ConfirmInstall()) {
    // Declined: the next offer downloads afresh, so the file would only lie about.
    DeleteFileA(updateFile.c_str());
    return false;
  }

  DebugLinePid(" ==== PerformAutoUpdate-7 ====");
  SetInstallFolders(ReadAgentText(Directories::TargetDir), ReadAgentText(Directories::SharedDir),
                    ReadAgentText(Directories::AuxiliaryDir));
  const std::string program = ExpandMacros(ReadAgentText(NewSetup::RunningProcess), "\\", true, true);
  const bool closed = ShutDownProduct(program);
  const bool restart = ReadAgentFlag(NewSetup::RestartProcess) && closed;

  const bool result = InstallUpdate(updateFile);
  if (result) WriteAgentInt(OriginalSetup::VersionOriginal, ReadAgentInt(NewSetup::VersionNew));
  DeleteFileA(updateFile.c_str());
  // A product closed for the update comes back even when the setup failed.
  if (ReportFinished(result, restart) && restart) RunProgram(program, SW_SHOW);
  return result;
}

}  // namespace

bool PerformAutoUpdate() {
  WriteLog("PerformAutoUpdate() - START");
  DebugLinePid(" ==== PerformAutoUpdate-4 ====");
  const bool result = RunCycle();
  DebugLinePid(" ==== PerformAutoUpdate-12 ====");
  WriteLog("PerformAutoUpdate() - END    Result=" + BoolText(result));
  return result;
}

void ReStartAutoUpdateExe() {
  WriteLog(".. ReStartAutoUpdateExe() - Start");
  if (Schedule().quitCountdown > 0) return;
  const std::string command = RestartCommand(ProgramFolder(true), OwnPackage().AgentExeName(), AgentOverrides());
  WriteLog(".. WinExec - " + command);
  RunProgram(command, SW_HIDE);
  WaitPumping(1000, 0);
  WriteLog(".. PostMessage(WM_DESTROY)");
  PostMessageA(MainWindow(), WM_DESTROY, 0, 0);
  WriteLog(".. ReStartAutoUpdateExe() - End");
}

}  // namespace vantor
