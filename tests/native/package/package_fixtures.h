// Builders and decoders shared by the package tests.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "package/little_endian.h"

namespace vantor::fixtures {

// A program image that passes IsPeFile: "MZ" at 0, "PE" at 256.
inline std::string PeStub(std::size_t size) {
  std::string stub(size, '\0');
  stub.replace(0, 2, "MZ");
  stub.replace(256, 2, "PE");
  return stub;
}

inline std::string U32Bytes(uint32_t value) {
  std::string out;
  AppendU32(out, value);
  return out;
}

inline std::string RandomBytes(std::size_t size, uint32_t seed) {
  std::mt19937 generator(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(generator() & 0xFF);
  return out;
}

struct DecodedRecord {
  int32_t length = 0;
  std::string text;  // inflated when the length is positive
};

// count records framed as i32 length + data, starting at offset.
inline std::vector<DecodedRecord> DecodeRecords(const std::string& file, std::size_t offset, std::size_t count) {
  std::vector<DecodedRecord> records;
  for (std::size_t i = 0; i < count && offset + 4 <= file.size(); ++i) {
    DecodedRecord record;
    record.length = static_cast<int32_t>(LoadU32(reinterpret_cast<const uint8_t*>(file.data()) + offset));
    const std::size_t size = record.length < 0 ? static_cast<std::size_t>(-static_cast<int64_t>(record.length))
                                               : static_cast<std::size_t>(record.length);
    const std::string data = file.substr(offset + 4, size);
    if (record.length > 0) {
      z_stream stream{};
      inflateInit(&stream);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
      stream.avail_in = static_cast<uInt>(data.size());
      char buffer[65536];
      int status = Z_OK;
      while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        record.text.append(buffer, sizeof buffer - stream.avail_out);
      }
      inflateEnd(&stream);
      if (status != Z_STREAM_END) record.text = "<broken stream>";
    } else {
      record.text = data;
    }
    records.push_back(record);
    offset += 4 + size;
  }
  return records;
}

}  // namespace vantor::fixtures
