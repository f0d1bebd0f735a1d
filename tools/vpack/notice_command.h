// vpack token and vpack notice: the scrambled identity texts of the agent.
#pragma once

#include "tools/vpack/arguments.h"

namespace vantor::vpack {

int RunTokenCommand(Arguments& args);
int RunNoticeCommand(Arguments& args);

}  // namespace vantor::vpack
