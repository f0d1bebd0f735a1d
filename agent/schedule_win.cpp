#include "agent/schedule.h"

#include <windows.h>

#include "agent/agent_check.h"
#include "agent/agent_downloads.h"
#include "agent/overrides.h"
#include "agent/schedule_state.h"
#include "agent/schedule_steps.h"
#include "agent/seconds_clock_win.h"
#include "agent/test_mode.h"
#include "agent/update_info_files_win.h"
#include "base/debug_output.h"
#include "ui/box_font.h"

namespace vantor {

namespace {

void SetAgentBoxFont() {
  SetMsgBoxFont(ReadAgentText(MsgBox::FontName), static_cast<int>(ReadAgentInt(MsgBox::FontSize)),
                static_cast<uint8_t>(ReadAgentInt(MsgBox::CharSet)));
}

void RunDueCheck(AgentSchedule& schedule) {
  CheckTestMode(false);
  int32_t status = ShotTimeStatus(schedule, SecondsNow(), ReadAgentInt(OriginalSetup::ProbeSecondsLast),
                                  ReadAgentInt(OriginalSetup::ProbeSecondsInterval), TestModeOn());
  DebugLinePid(" ShotTimeStatus=" + std::to_string(status));
  if (status == kCheckOnce) schedule.periodicChecks = false;
  const bool askFirst = OverrideValue(AgentOverrides(), OverrideSlot::AskBeforeCheck).value_or(false);
  if (status > 0 && (InteractiveCheckRunning() || askFirst)) {
    AskBeforeCheck(status);
    if (status == kNoCheck) schedule.declinedAt = SecondsNow();
  }
  if (status > 0) PerformShot();
  if (InteractiveCheckRunning()) schedule.interactiveCheck = 0;
}

}  // namespace

void AgentTimerStep() {
  AgentSchedule& schedule = Schedule();
  // A step's waits and boxes dispatch messages, so a tick can arrive while
  // the previous step still runs.
  if (schedule.busy) return;
  schedule.busy = true;
  if (schedule.infoOnlyRequest) {
    DebugLine("-------------- JustDownloadInfoFile ---------------");
    schedule.infoOnlyRequest = false;
    JustDownloadInfoFile();
  } else {
    SetAgentBoxFont();
    const bool quitNow = BeginTimerStep(schedule);
    DebugLinePid(" AutoUpdateTimerCount=" + std::to_string(schedule.AutoUpdateTimerCount));
    if (schedule.AutoUpdateTimerCount > 0) RunDueCheck(schedule);
    // Posted once the step's check is over: the waits and boxes of a check
    // would take the quit message from the queue, and the agent would never end.
    if (quitNow) PostQuitMessage(0);
  }
  schedule.agentState = 0;
  schedule.busy = false;
}

}  // namespace vantor
