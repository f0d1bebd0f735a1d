#include "tests/windows/support/box_series.h"

#include <gtest/gtest.h>

#include "tests/windows/support/box_driver.h"

namespace vantor::testing {

namespace {

constexpr DWORD kPollMs = 20;  // a window's end raises no event in another thread
constexpr DWORD kCloseWaitMs = 15000;

// True once the box is gone; false when it is still up after the wait.
bool WaitUntilGone(HWND box) {
  const DWORD start = GetTickCount();
  while (IsWindow(box)) {
    if (GetTickCount() - start >= kCloseWaitMs) return false;
    Sleep(kPollMs);
  }
  return true;
}

}  // namespace

BoxSeries::BoxSeries(Answer answer) : answer_(std::move(answer)), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

BoxSeries::~BoxSeries() { Finish(); }

int BoxSeries::Finish() {
  if (thread_) {
    SetEvent(stop_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
    if (!failure_.empty()) ADD_FAILURE() << failure_;
  }
  return answered_;
}

DWORD WINAPI BoxSeries::Run(void* self) {
  auto& series = *static_cast<BoxSeries*>(self);
  for (;;) {
    const HWND box = WaitForBox(INFINITE, series.stop_.get());
    if (box == nullptr) return 0;
    if (!WaitUntilBoxReady(box, kCloseWaitMs)) {
      series.failure_ += " a box did not get ready;";
      PostMessageA(box, WM_CLOSE, 0, 0);
    } else {
      series.answer_(box, series.answered_++);
    }
    if (!WaitUntilGone(box)) {
      series.failure_ += " a box did not close after its answer;";
      PostMessageA(box, WM_CLOSE, 0, 0);
      WaitUntilGone(box);
    }
  }
}

}  // namespace vantor::testing
