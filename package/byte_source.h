// A readable run of bytes at 64-bit offsets: a file through a Win32 handle, a
// file through the C library (the packer), or bytes in memory (tests, fuzzing).
// Package readers take one of these instead of a path so they stay pure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Physical length in bytes; -1 when it cannot be told.
  virtual int64_t Size() = 0;
  // Reads up to count bytes at offset into buffer and returns how many were
  // read; 0 for an offset outside the source or on any failure.
  virtual std::size_t ReadAt(int64_t offset, void* buffer, std::size_t count) = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  int64_t Size() override { return static_cast<int64_t>(bytes_.size()); }
  std::size_t ReadAt(int64_t offset, void* buffer, std::size_t count) override;

 private:
  std::string_view bytes_;
};

// Reads the little-endian u32 at offset; false (value untouched) when fewer
// than 4 bytes are there.
bool ReadU32At(ByteSource& source, int64_t offset, uint32_t& value);

}  // namespace vantor
