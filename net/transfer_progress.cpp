#include "net/transfer_progress.h"

#include <algorithm>
#include <numeric>

#include "base/text.h"

namespace vantor {

namespace {

// Drops the oldest slot and puts value in the newest.
void Push(std::array<uint32_t, 5>& ring, uint32_t value) {
  std::shift_left(ring.begin(), ring.end(), 1);
  ring.back() = value;
}

}  // namespace

std::string FormatKilobytesPerSecond(uint64_t bytes, uint32_t elapsedMs) {
  // Hundredths of KB/s, rounded half up, in whole numbers so that no locale
  // can turn the decimal point into a comma. Five rings of 32-bit counts stay
  // far below the 64-bit limit.
  const uint64_t divisor = uint64_t{elapsedMs} * 1024;
  const uint64_t hundredths = (bytes * 100000 * 2 + divisor) / (2 * divisor);
  return std::to_string(hundredths / 100) + "." + ZeroPad(static_cast<int64_t>(hundredths % 100), 2);
}

std::string FormatTransferProgress(ProgressRings& rings, bool reset, int64_t total, int64_t done, uint32_t lastRead,
                                   uint32_t now) {
  if (reset) {
    rings.ticks.fill(now);
    rings.bytes.fill(0);
  }
  std::string text = std::to_string(done) + "/" + std::to_string(total) + " Bytes   ";
  Push(rings.ticks, now);
  // Unsigned difference: right across the tick counter's wrap after 49.7 days.
  const uint32_t elapsed = now - rings.ticks.front();
  Push(rings.bytes, lastRead);
  const uint64_t bytes = std::accumulate(rings.bytes.begin(), rings.bytes.end(), uint64_t{0});
  if (elapsed > 0) text += FormatKilobytesPerSecond(bytes, elapsed) + " KB/Sec";
  return text;
}

}  // namespace vantor
