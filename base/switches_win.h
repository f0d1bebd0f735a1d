// The switches of the running process: every call reads the command line afresh.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

std::string GetCommandArgs();
bool HasSwitch(std::string_view name);
std::string GetSwitchText(std::string_view name);
int64_t GetSwitchInt(std::string_view name, int64_t def);
bool IsDeveloperMode();

}  // namespace vantor
