// vpack update-info: writes the .info file an update server publishes beside
// an update's setup file or a notice file.
#pragma once

#include "tools/vpack/arguments.h"

namespace vantor::vpack {

int RunUpdateInfoCommand(Arguments& args);

}  // namespace vantor::vpack
