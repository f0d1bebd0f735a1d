#pragma once

namespace vantor {

// Reads the test-mode settings (afresh when forced).
void CheckTestMode(bool force);

}  // namespace vantor
