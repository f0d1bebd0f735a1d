#include <windows.h>

#include <algorithm>

#include "base/handles.h"
#include "base/message_pump.h"
#include "base/process_list_win.h"
#include "base/processes.h"
#include "base/text.h"

namespace vantor {

namespace {

constexpr unsigned kCheckIntervalMs = 1000;

// The handle, held for the whole wait, keeps the id from being given to a
// new process, which a check of the id list alone would take for the old one.
bool StillRunning(uint32_t id, const UniqueKernelHandle& process) {
  if (process && WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) return false;
  const std::vector<uint32_t> ids = ProcessIds();
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

void WaitForProcessEnd(const std::string& path, int timeoutMs) {
  const std::string target = Unquote(path, false);
  // Elapsed time rather than an end tick, so the tick counter's wrap cannot end the wait early.
  const DWORD start = GetTickCount();
  const auto timedOut = [&] { return timeoutMs >= 1 && GetTickCount() - start > static_cast<DWORD>(timeoutMs); };

  WaitPumping(kCheckIntervalMs, 0);
  if (PlatformListing() == ProcessListing::Psapi) {
    const uint32_t id = FindProcessByPath(target, false, ProcessListing::Psapi);
    if (id == 0) return;
    const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    do {
      WaitPumping(kCheckIntervalMs, 0);
    } while (!timedOut() && StillRunning(id, process));
  } else {
    // Without an id list the path is searched again every second.
    do {
      WaitPumping(kCheckIntervalMs, 0);
    } while (!timedOut() && IsProcessRunning(target));
  }
}

bool TerminateProcessByPath(const std::string& path, bool fullPathOnly) {
  const uint32_t id = FindProcessByPath(path, fullPathOnly);
  if (id == 0) return false;
  const UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
  return process && TerminateProcess(process.get(), 0) != FALSE;
}

void WaitWindowGone(const char* className, const char* title) {
  while (FindWindowA(className, title) != nullptr) PumpMessages(100);
}

}  // namespace vantor
