#include "agent/test_mode.h"

#include <cstdint>

namespace vantor {

bool TestModeReadDue(bool force, unsigned long nowMs, unsigned long lastMs) {
  constexpr uint32_t kCacheMs = 30000;
  // Unsigned difference of 32-bit ticks: correct across the wrap.
  return force || static_cast<uint32_t>(nowMs - lastMs) > kCacheMs;
}

}  // namespace vantor
