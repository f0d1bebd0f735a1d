// Inflating one compressed file record in memory. The package does not store
// the inflated size, so the output grows as zlib produces it, up to a bound:
// a damaged or hostile stream must not take all memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// The bound when a package does not state its total size (SpaceRequired[0]
// is 0, as older packaging tools leave it): larger than any file such a
// setup carries, and still an allocation a 32-bit process can make.
constexpr uint64_t kInflateCeiling = uint64_t{512} << 20;
// Room for the file header (name, date, byte 0) before the content.
constexpr uint64_t kRecordHeaderAllowance = uint64_t{64} << 10;

// The largest record text a package may inflate to: its total size plus the
// header allowance, or the ceiling when the total is not stated.
uint64_t RecordInflateLimit(uint32_t spaceRequiredTotal);

enum class InflateResult { Ok, BadStream, TooLarge };
// Inflates one complete zlib stream into text (cleared on failure). Bytes
// after the end of the stream are ignored.
InflateResult InflateRecord(std::string_view data, uint64_t limit, std::string& text);

}  // namespace vantor
