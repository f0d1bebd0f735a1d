// Fixed-width little-endian fields, read and written byte by byte so that the
// package layout never depends on the host's byte order or struct layout.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

inline uint32_t LoadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline void StoreU32(uint8_t* p, uint32_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
  p[2] = static_cast<uint8_t>(value >> 16);
  p[3] = static_cast<uint8_t>(value >> 24);
}

inline void AppendU32(std::string& out, uint32_t value) {
  uint8_t bytes[4];
  StoreU32(bytes, value);
  out.append(reinterpret_cast<const char*>(bytes), 4);
}

}  // namespace vantor
