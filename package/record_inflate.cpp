#include "package/record_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace vantor {

namespace {

constexpr uint64_t kFirstOutput = 64 << 10;
// zlib counts its buffers in 32-bit units.
constexpr std::size_t kMaxZlibChunk = std::size_t{1} << 30;

class InflateStream {
 public:
  InflateStream() { ok_ = inflateInit(&stream_) == Z_OK; }
  ~InflateStream() {
    if (ok_) inflateEnd(&stream_);
  }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  bool ok() const { return ok_; }
  z_stream& get() { return stream_; }

 private:
  z_stream stream_{};
  bool ok_ = false;
};

InflateResult Fail(InflateResult result, std::string& text) {
  text.clear();
  text.shrink_to_fit();
  return result;
}

}  // namespace

uint64_t RecordInflateLimit(uint32_t spaceRequiredTotal) {
  return spaceRequiredTotal == 0 ? kInflateCeiling : spaceRequiredTotal + kRecordHeaderAllowance;
}

InflateResult InflateRecord(std::string_view data, uint64_t limit, std::string& text) {
  text.clear();
  InflateStream inflater;
  if (!inflater.ok()) return InflateResult::BadStream;
  z_stream& stream = inflater.get();
  const uint64_t cap = std::min<uint64_t>(limit, text.max_size() - 1);
  std::size_t consumed = 0;
  std::size_t produced = 0;
  try {
    for (;;) {
      if (produced == text.size()) {
        // One byte beyond the cap is room enough to see that a stream is too long.
        const uint64_t wanted = std::max<uint64_t>({kFirstOutput, 2 * uint64_t{produced}, 2 * uint64_t{data.size()}});
        text.resize(static_cast<std::size_t>(std::min<uint64_t>(cap + 1, wanted)));
      }
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + consumed));
      stream.avail_in = static_cast<uInt>(std::min(data.size() - consumed, kMaxZlibChunk));
      stream.next_out = reinterpret_cast<Bytef*>(text.data() + produced);
      stream.avail_out = static_cast<uInt>(std::min(text.size() - produced, kMaxZlibChunk));
      const uInt inBefore = stream.avail_in;
      const uInt outBefore = stream.avail_out;
      const int status = inflate(&stream, Z_NO_FLUSH);
      consumed += inBefore - stream.avail_in;
      produced += outBefore - stream.avail_out;
      if (produced > cap) return Fail(InflateResult::TooLarge, text);
      if (status == Z_STREAM_END) break;
      if (status == Z_MEM_ERROR) return Fail(InflateResult::TooLarge, text);
      if (status != Z_OK && status != Z_BUF_ERROR) return Fail(InflateResult::BadStream, text);
      // Output room left while all input is used: the stream ends early.
      if (stream.avail_out > 0 && consumed == data.size()) return Fail(InflateResult::BadStream, text);
    }
    text.resize(produced);
  } catch (const std::bad_alloc&) {
    return Fail(InflateResult::TooLarge, text);
  }
  return InflateResult::Ok;
}

}  // namespace vantor
