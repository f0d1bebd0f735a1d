#include <windows.h>

#include <cstdlib>

#include "base/program_paths.h"
#include "base/switches.h"
#include "base/switches_win.h"

namespace vantor {

std::string GetCommandArgs() { return CommandArgsOf(GetCommandLineA(), ProgramPath()); }

bool HasSwitch(std::string_view name) { return HasSwitchIn(GetCommandArgs(), name); }

std::string GetSwitchText(std::string_view name) { return SwitchTextIn(GetCommandArgs(), name); }

int64_t GetSwitchInt(std::string_view name, int64_t def) { return SwitchIntIn(GetCommandArgs(), name, def); }

bool IsDeveloperMode() {
  // Read once: the first answer holds for the rest of the run.
  static const bool on = DeveloperModeFrom(std::getenv("DVX"));
  return on;
}

}  // namespace vantor
