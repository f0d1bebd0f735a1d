// The progress text of a transfer: bytes done of the total and the speed over
// the last five updates, "20480/1048576 Bytes   12.50 KB/Sec".
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

// The tick counts (milliseconds) and byte counts of the last five updates,
// oldest first.
struct ProgressRings {
  std::array<uint32_t, 5> ticks{};
  std::array<uint32_t, 5> bytes{};
};

// Records an update at tick now that read lastRead bytes and returns the text.
// reset starts a transfer: the rings forget earlier updates, so the text has
// no speed until time has passed.
std::string FormatTransferProgress(ProgressRings& rings, bool reset, int64_t total, int64_t done, uint32_t lastRead,
                                   uint32_t now);

// bytes per elapsed milliseconds as KB/s with two decimals ("12.50").
std::string FormatKilobytesPerSecond(uint64_t bytes, uint32_t elapsedMs);

}  // namespace vantor
