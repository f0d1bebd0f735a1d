// The agent's test mode, switched on in the registry under
// HKCU\Software\Kelmondo\Vantor\AutoUpdate: "TestMode" = "1" turns it on and
// "TestModeURL" names the drive or share folder that then replaces every
// download folder. Test mode checks every five seconds and never uses the web.
#pragma once

#include <optional>
#include <string>

namespace vantor {

// Reads the two values when forced or when the previous call lies more than
// 30 seconds back. Every call counts as the previous one, so the timer's
// unforced calls every second keep the values; the checks force a read.
// Returns whether test mode is on.
bool CheckTestMode(bool force);
// The values of the last read; off and empty before the first.
bool TestModeOn();
const std::string& TestModeAddress();

// Whether a call at nowMs must read afresh after a call at lastMs (tick
// counts, which wrap after 49.7 days); the first call (no lastMs) always reads.
bool TestModeReadDue(bool force, unsigned long nowMs, std::optional<unsigned long> lastMs);

}  // namespace vantor
