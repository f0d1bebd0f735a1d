#include "agent/agent_boxes.h"

#include "agent/update_info_files_win.h"

namespace vantor {

namespace {

uint8_t AgentCharset() { return static_cast<uint8_t>(ReadAgentInt(MsgBox::CharSet)); }

}  // namespace

void AgentErrorBox(BoxOwner owner, std::string_view text) {
  ShowErrorBox(owner, text, ReadAgentText(MsgBox::Error), ReadAgentText(MsgBox::BtnText), AgentCharset());
}

void AgentWarningBox(BoxOwner owner, std::string_view text) {
  ShowWarningBox(owner, text, ReadAgentText(MsgBox::Attention), ReadAgentText(MsgBox::BtnText), AgentCharset(), 0);
}

bool AgentAskYesNo(BoxOwner owner, std::string_view text) {
  return AskYesNo(owner, text, ReadAgentText(MsgBox::Confirm), ReadAgentText(MsgBox::BtnText), AgentCharset(), 0);
}

}  // namespace vantor
