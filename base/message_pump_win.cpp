#include <windows.h>

#include "base/message_pump.h"
#include "base/text.h"

namespace vantor {

void PumpMessages(unsigned milliseconds) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  Sleep(milliseconds);
}

void WaitPumping(unsigned milliseconds, unsigned interval) {
  if (interval == 0) interval = WaitPumpingInterval(milliseconds);
  // Elapsed time rather than an end tick, so a wait that spans the tick
  // counter's wrap after 49.7 days is not cut short.
  const DWORD start = GetTickCount();
  do {
    PumpMessages(interval);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace vantor
