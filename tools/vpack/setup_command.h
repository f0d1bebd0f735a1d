// vpack setup: turns a copy of the program and a set of files into a setup file.
#pragma once

#include "tools/vpack/arguments.h"

namespace vantor::vpack {

int RunSetupCommand(Arguments& args);

}  // namespace vantor::vpack
