// Picks the main window among the top-level windows of one process: the one
// that owns most of the others, a title and visibility breaking ties.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vantor {

// A window handle as a number; 0 is no window.
using WindowId = std::uintptr_t;

// What the choice needs to know of one collected window.
struct WindowFacts {
  WindowId window = 0;
  WindowId rootOwner = 0;  // the top-most owner; 0 when the window has no owner
  bool titled = false;
  bool visible = false;
  // A window the system makes for each thread with windows (the default IME
  // window, titled "Default IME"): it counts for its owner, but is never the
  // main window, which would otherwise be it whenever the program's own
  // windows are hidden and untitled.
  bool systemHelper = false;
};

// Whether a window of this class is one of the system's per-thread helpers.
bool IsSystemHelperClass(std::string_view className);

class TAnalizer {
 public:
  explicit TAnalizer(uint32_t processId) : processId_(processId) {}

  uint32_t processId() const { return processId_; }
  // Collects a window of the process, in the order the system enumerates
  // them. The table grows: a process with thousands of windows overruns nothing.
  void AddWindow(const WindowFacts& facts) { windows_.push_back(facts); }

  // One score per collected window: 4 for every collected window whose root
  // owner it is, plus 2 when titled, plus 1 when visible; 0 for a system
  // helper. A window owning three dialogs scores at least 12; a lone visible
  // titled window 3.
  std::vector<uint32_t> ScoreWindows() const;
  // The first window with the highest score; 0 when every score is 0.
  WindowId BestWindow() const;

 private:
  uint32_t processId_;
  std::vector<WindowFacts> windows_;
};

}  // namespace vantor
