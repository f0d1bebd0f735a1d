// The agent's message boxes, titled and captioned from its .original file.
#pragma once

#include <string_view>

#include "agent/update_info_files.h"
#include "ui/message_box.h"

namespace vantor {

void AgentErrorBox(BoxOwner owner, std::string_view text);
void AgentWarningBox(BoxOwner owner, std::string_view text);
bool AgentAskYesNo(BoxOwner owner, std::string_view text);

}  // namespace vantor
