#include "agent/system_colour_win.h"

#include <windows.h>

#include "agent/display_helpers.h"

namespace vantor {

namespace {

uint32_t SystemColour(int index) { return GetSysColor(index); }

}  // namespace

uint32_t ResolveColour(int32_t value) { return ResolveColour(value, SystemColour); }

}  // namespace vantor
