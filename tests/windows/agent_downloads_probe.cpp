// An update agent for the agent-download tests. The test packs it as an
// agent (with its token, .info name and log flag) into a folder of its own,
// so that its files lie beside it as the agent's do. It runs one operation
// inside its main window's loop, as the agent's timer step would, and writes
// what came out to OUTPUT, one Name=value a line.
//
//   Probe.exe OUTPUT download KIND FOLDER NAME  DownloadFileAU: result, error
//   Probe.exe OUTPUT decide FETCHED             GetOkToPerformAU: result, code, reason
//   Probe.exe OUTPUT justinfo HOST MESSAGE      JustDownloadInfoFile, the host window
//                                               (decimal handle) registered first
// A last argument "interactive" runs it as an interactive check.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "agent/agent_downloads.h"
#include "agent/schedule_state.h"
#include "agent/test_mode.h"
#include "agent/update_decision_win.h"
#include "base/debug_output.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"
#include "startup/main_window.h"
#include "startup/program_state.h"

namespace {

using namespace vantor;

std::vector<std::string> arguments;
bool written = false;

std::string Run() {
  const std::string& operation = arguments[2];
  if (operation == "download" && arguments.size() >= 6) {
    std::string error;
    const bool result = DownloadFileAU(arguments[4], arguments[5], std::atoi(arguments[3].c_str()), error);
    return "result=" + BoolText(result) + "\nerror=" + error + "\n";
  }
  if (operation == "decide" && arguments.size() >= 4) {
    int32_t code = -1;
    std::string reason;
    const bool result = GetOkToPerformAU(arguments[3] == "1", code, reason);
    return "result=" + BoolText(result) + "\ncode=" + std::to_string(code) + "\nreason=" + reason + "\n";
  }
  if (operation == "justinfo" && arguments.size() >= 5) {
    const auto host = static_cast<uintptr_t>(std::strtoull(arguments[3].c_str(), nullptr, 10));
    SendMessageA(MainWindow(), wm_LocalMsg, static_cast<WPARAM>(host), std::atoi(arguments[4].c_str()));
    JustDownloadInfoFile();
    return "result=done\n";
  }
  return "result=unknown operation\n";
}

void CALLBACK RunOnce(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  written = WriteTextFile(arguments[1], Run(), 0, false);
  DestroyWindow(MainWindow());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 99;
  arguments.assign(argv, argv + argc);
  InstallDebugOutput();
  CreateOwnPackage();
  SetThisIs_AutoUpdateProg(true);
  SetLogEnabled(OwnPackage().Logging());
  SetMainWindowClass("VantorAgentProbe");
  CheckTestMode(true);
  // The operation stands in for a timer step: the agent's own steps stay out.
  Schedule().busy = true;
  if (arguments.back() == "interactive") Schedule().interactiveCheck = 1;
  SetTimer(nullptr, 0, 1, RunOnce);
  WinMain();
  ReleaseOwnPackage();
  DebugOut().Flush();
  return written ? 0 : 97;
}
