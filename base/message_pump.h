// Waits that keep the calling thread's windows served.
#pragma once

namespace vantor {

// Dispatches every waiting message of the thread's windows, then sleeps.
void PumpMessages(unsigned milliseconds);
// Pumps every interval milliseconds (0: automatic) until the time is up; at least once.
void WaitPumping(unsigned milliseconds, unsigned interval);

}  // namespace vantor
