#include "package/byte_source.h"

#include <algorithm>
#include <cstring>

#include "package/little_endian.h"

namespace vantor {

std::size_t MemorySource::ReadAt(int64_t offset, void* buffer, std::size_t count) {
  if (offset < 0 || static_cast<uint64_t>(offset) >= bytes_.size()) return 0;
  const std::size_t start = static_cast<std::size_t>(offset);
  const std::size_t n = std::min(count, bytes_.size() - start);
  std::memcpy(buffer, bytes_.data() + start, n);
  return n;
}

bool ReadU32At(ByteSource& source, int64_t offset, uint32_t& value) {
  uint8_t bytes[4];
  if (source.ReadAt(offset, bytes, 4) != 4) return false;
  value = LoadU32(bytes);
  return true;
}

}  // namespace vantor
