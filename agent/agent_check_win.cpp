#include <windows.h>

#include "agent/agent_boxes.h"
#include "agent/agent_check.h"
#include "agent/agent_downloads.h"
#include "agent/new_version_notice.h"
#include "agent/schedule_state.h"
#include "agent/schedule_steps.h"
#include "agent/seconds_clock_win.h"
#include "agent/test_mode.h"
#include "agent/update_cycle.h"
#include "agent/update_decision_win.h"
#include "agent/update_info_files_win.h"
#include "base/debug_output.h"
#include "base/local_time_win.h"
#include "base/locale_win.h"
#include "base/message_pump.h"
#include "base/switches_win.h"
#include "base/text.h"
#include "net/internet_connection.h"
#include "startup/main_window.h"
#include "startup/program_state.h"

namespace vantor {

namespace {

// Runs the update or the notice that the decision allowed.
void PerformAllowed() {
  DebugLinePid(" ==== PerformShot-1 ====");
  const int64_t now = SecondsNow();
  WriteAgentSeconds(OriginalSetup::ReAskSecondsLast, now);
  WriteAgentInt(OriginalSetup::Stamp, ReadAgentInt(NewSetup::Stamp));
  if (IsAutoInform()) {
    PerformAutoInform();
  } else if (PerformAutoUpdate()) {
    ReStartAutoUpdateExe();
  }
  DebugLinePid(" ==== PerformShot-2 ====");
}

// An interactive check tells the user why nothing was installed.
void ReportNothingPerformed(const std::string& downloadError, int32_t code, const std::string& reason) {
  std::string connectionError;
  const bool connected = IsInternetConnected(connectionError);
  DebugLinePid(" TestMode=" + BoolText(TestModeOn()) + " InternetConnected=" + BoolText(connected));
  if (!TestModeOn() && !connected) {
    std::string message = LoadAgentString("s2", "");
    if (!connectionError.empty()) message += "<P><P>" + connectionError;
    AgentErrorBox(BoxOwnerMode::WithHeading, message);
  } else if (!TestModeOn() && !downloadError.empty()) {
    AgentErrorBox(BoxOwnerMode::WithHeading, downloadError);
  } else {
    AgentWarningBox(BoxOwnerMode::NoHeading, NothingNewText(LoadAgentString("s21", ""), IsDeveloperMode(), code, reason));
  }
}

}  // namespace

void AskBeforeCheck(int32_t& status) {
  const bool testMode = CheckTestMode(true);
  const std::string source = testMode ? TestModeAddress() : OwnPackage().UpdateBase();
  const std::string text = CheckQuestionText(LoadAgentString("s22", ""), LoadAgentString("s23", ""),
                                             LoadAgentString("s24", ""), source, testMode,
                                             ReadAgentText(OriginalSetup::ProgramName));
  if (!AgentAskYesNo(BoxOwnerMode::NoHeading, text)) status = kNoCheck;
}

void PerformShot() {
  DebugLinePid(" Fire  " + DateTimeText(LocalNow(), UserTimeSeparator()));
  CheckTestMode(true);
  bool performed = false;
  Schedule().agentState = 1;
  PostToHost(40, 1);
  std::string downloadError;
  const bool fetched = DownloadFileAU(OwnPackage().UpdateBase(), InfoIniPath(), kInfoFile, downloadError);
  PostToHost(40, 2);
  WriteAgentSeconds(OriginalSetup::ProbeSecondsLast, SecondsNow());

  int32_t code = 0;
  std::string reason;
  if (GetOkToPerformAU(fetched, code, reason)) {
    performed = true;
    PerformAllowed();
  }
  if (InteractiveCheckRunning()) {
    WaitPumping(1000, 0);
    ShowWindow(MainWindow(), SW_HIDE);
    if (!performed) ReportNothingPerformed(downloadError, code, reason);
  }
}

}  // namespace vantor
