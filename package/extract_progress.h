// The two progress calls the extraction makes; an empty routine is allowed.
#pragma once

#include "net/progress.h"

namespace vantor {

inline void ProgressSetUp(const ProgressCallback& progress, int64_t maximum) {
  if (progress) progress(kProgressSetUp, 0, maximum, 0, 1, {});
}

inline void ProgressAdvance(const ProgressCallback& progress) {
  if (progress) progress(kProgressAdvance, 0, 0, 0, 1, {});
}

}  // namespace vantor
