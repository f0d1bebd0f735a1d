// The progress routine handed to extraction and downloads: mode 0 sets up a
// display with the range minimum..maximum, the position and the step size;
// mode 1 advances it by one step. The text is the current progress text.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace vantor {

constexpr int kProgressSetUp = 0;
constexpr int kProgressAdvance = 1;

using ProgressCallback = std::function<void(int mode, int64_t minimum, int64_t maximum, int64_t position,
                                            int64_t step, std::string_view text)>;

}  // namespace vantor
