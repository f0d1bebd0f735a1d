#include "agent/test_mode.h"

#include <cstdint>

namespace vantor {

bool TestModeReadDue(bool force, unsigned long nowMs, std::optional<unsigned long> lastMs) {
  constexpr uint32_t kCacheMs = 30000;
  // A tick count of its own says nothing before the first call: an agent
  // started within 30 s of the system's start must still read the registry.
  if (force || !lastMs) return true;
  // Unsigned difference of 32-bit ticks: correct across the wrap.
  return static_cast<uint32_t>(nowMs - *lastMs) > kCacheMs;
}

}  // namespace vantor
