// Drives a markup box ("VMsgBox") from a second thread, as a user would: the
// box is modal on the thread that shows it, so a driver thread waits for it
// to appear and answers it with posted keys or commands.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/handles.h"

namespace vantor::testing {

// The box of any process in this prefix, or null when none appeared in time
// or `stop` was signalled first.
HWND WaitForBox(DWORD timeoutMs, HANDLE stop = nullptr);
// True once the box is placed, has painted and its loop takes messages.
bool WaitUntilBoxReady(HWND box, DWORD timeoutMs);

// The window that has the keyboard focus on the box's thread.
HWND FocusedWindowOf(HWND box);
// The box's children of a window class ("Button", "RichEdit", "Edit"), left to right.
std::vector<HWND> ChildrenOfClass(HWND box, const std::string& className);
std::string ClassOf(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);

// Key presses as the system posts them: down and up.
void PostKey(HWND target, UINT virtualKey);
// A letter typed with Alt held.
void PostAltKey(HWND target, char letter);

// Runs answer(box) on its own thread once a box is ready. Finish() is called
// after the box call has returned; if the box is still up 15 seconds after
// the answer, the driver records a failure and closes it, so a test that
// answers wrongly fails instead of hanging.
class BoxDriver {
 public:
  using Answer = std::function<void(HWND box)>;
  explicit BoxDriver(Answer answer);
  ~BoxDriver();
  BoxDriver(const BoxDriver&) = delete;
  BoxDriver& operator=(const BoxDriver&) = delete;
  // Reports the driver's failures to the running test.
  void Finish();

 private:
  static DWORD WINAPI Run(void* self);

  Answer answer_;
  UniqueKernelHandle returned_;
  UniqueKernelHandle thread_;
  std::string failure_;
};

}  // namespace vantor::testing
