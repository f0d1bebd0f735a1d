// Answers every markup box that appears, one after the other, from a second
// thread: for calls that may show several boxes (or none), such as one disk
// prompt per missing part.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "base/handles.h"

namespace vantor::testing {

class BoxSeries {
 public:
  // answer(box, index) runs once each box is ready; index counts from 0.
  using Answer = std::function<void(HWND box, int index)>;
  explicit BoxSeries(Answer answer);
  ~BoxSeries();
  BoxSeries(const BoxSeries&) = delete;
  BoxSeries& operator=(const BoxSeries&) = delete;
  // Ends the series after the call under test has returned; the number of
  // boxes answered. A box still up 15 seconds after its answer is closed and
  // recorded as a failure of the running test.
  int Finish();

 private:
  static DWORD WINAPI Run(void* self);

  Answer answer_;
  UniqueKernelHandle stop_;
  UniqueKernelHandle thread_;
  int answered_ = 0;
  std::string failure_;
};

}  // namespace vantor::testing
