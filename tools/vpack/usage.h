// The help text and the one-line error report of vpack.
#pragma once

#include <string>

namespace vantor::vpack {

constexpr int kExitBadUse = 2;

const char* HelpText();
// Writes "vpack: message" to stderr and returns kExitBadUse.
int Fail(const std::string& message);

}  // namespace vantor::vpack
