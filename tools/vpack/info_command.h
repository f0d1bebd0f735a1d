// vpack info: what a setup file holds, one Name=value per line.
#pragma once

#include "tools/vpack/arguments.h"

namespace vantor::vpack {

int RunInfoCommand(Arguments& args);

}  // namespace vantor::vpack
