#include "tools/vpack/record_list.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace vantor::vpack {

namespace {

constexpr std::size_t kPiece = 1 << 16;

// Splits a record text into header and content size as it streams past.
struct TextSplitter {
  bool inHeader = true;
  std::string header;
  int64_t contentSize = 0;

  void Add(const char* data, std::size_t size) {
    if (inHeader) {
      const char* zero = static_cast<const char*>(std::memchr(data, 0, size));
      const std::size_t headerPart = zero != nullptr ? static_cast<std::size_t>(zero - data) : size;
      header.append(data, headerPart);
      if (zero == nullptr) return;
      inHeader = false;
      data += headerPart + 1;
      size -= headerPart + 1;
    }
    contentSize += static_cast<int64_t>(size);
  }
};

std::string ReadStored(ByteSource& file, int64_t offset, int64_t size, TextSplitter& text) {
  std::string piece(kPiece, '\0');
  for (int64_t done = 0; done < size;) {
    const auto want = static_cast<std::size_t>(std::min<int64_t>(kPiece, size - done));
    const std::size_t got = file.ReadAt(offset + done, piece.data(), want);
    if (got == 0) return "record runs past the end of the file";
    text.Add(piece.data(), got);
    done += static_cast<int64_t>(got);
  }
  return "";
}

std::string Inflate(ByteSource& file, int64_t offset, int64_t size, TextSplitter& text) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return "zlib cannot start";
  std::string in(kPiece, '\0');
  std::string out(kPiece, '\0');
  int status = Z_OK;
  for (int64_t done = 0; done < size && status == Z_OK;) {
    const auto want = static_cast<std::size_t>(std::min<int64_t>(kPiece, size - done));
    const std::size_t got = file.ReadAt(offset + done, in.data(), want);
    if (got == 0) break;
    done += static_cast<int64_t>(got);
    stream.next_in = reinterpret_cast<Bytef*>(in.data());
    stream.avail_in = static_cast<uInt>(got);
    do {
      stream.next_out = reinterpret_cast<Bytef*>(out.data());
      stream.avail_out = static_cast<uInt>(out.size());
      status = inflate(&stream, Z_NO_FLUSH);
      text.Add(out.data(), out.size() - stream.avail_out);
    } while (status == Z_OK && stream.avail_out == 0);
    if (status == Z_BUF_ERROR) status = Z_OK;  // it only waits for more input
  }
  inflateEnd(&stream);
  return status == Z_STREAM_END ? "" : "not a complete zlib stream";
}

}  // namespace

std::vector<RecordSummary> ListFileRecords(ByteSource& file, const PackageTrailer& trailer, int headerRecords) {
  const int64_t end = IsPeFile(file) && PackageEnd(file) > 0 ? PackageEnd(file) : file.Size();
  std::vector<RecordSummary> records;
  int64_t pos = trailer.PayloadOffset();
  for (int64_t count = 1; end - pos > kTrailerSize; ++count) {
    uint32_t raw = 0;
    if (!ReadU32At(file, pos, raw)) break;
    const auto length = static_cast<int32_t>(raw);
    const int64_t size = length < 0 ? -static_cast<int64_t>(length) : length;
    if (count > headerRecords) {
      RecordSummary record;
      record.offset = pos;
      record.compressed = length > 0;
      TextSplitter text;
      record.error = record.compressed ? Inflate(file, pos + 4, size, text) : ReadStored(file, pos + 4, size, text);
      record.header = text.header;
      record.contentSize = text.contentSize;
      records.push_back(std::move(record));
    }
    pos += size + 4;
  }
  return records;
}

}  // namespace vantor::vpack
