#include "package/record_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace vantor {

namespace {

constexpr uint64_t kFirstSlack = 64 << 10;
constexpr uint64_t kSample = 1 << 20;
// Where the output is counted but not kept: small enough to stay in cache.
constexpr std::size_t kCountScratch = 256 << 10;
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

struct OutputRoom {
  char* at;
  std::size_t size;
};

// Inflates all of data, asking room(output so far, input used so far) for
// output space whenever the last space is used up; counts the output in
// produced.
template <class Room>
InflateResult RunInflate(std::string_view data, uint64_t cap, uint64_t& produced, Room room) {
  std::size_t consumed = 0;
  InflateStream inflater;
  if (!inflater.ok()) return InflateResult::BadStream;
  z_stream& stream = inflater.get();
  OutputRoom out{nullptr, 0};
  for (;;) {
    if (out.size == 0) out = room(produced, consumed);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + consumed));
    stream.avail_in = static_cast<uInt>(std::min(data.size() - consumed, kMaxZlibChunk));
    stream.next_out = reinterpret_cast<Bytef*>(out.at);
    stream.avail_out = static_cast<uInt>(std::min(out.size, kMaxZlibChunk));
    const uInt inBefore = stream.avail_in;
    const uInt outBefore = stream.avail_out;
    const int status = inflate(&stream, Z_NO_FLUSH);
    consumed += inBefore - stream.avail_in;
    const uInt made = outBefore - stream.avail_out;
    produced += made;
    out.at += made;
    out.size -= made;
    if (produced > cap) return InflateResult::TooLarge;
    if (status == Z_STREAM_END) return InflateResult::Ok;
    if (status == Z_MEM_ERROR) return InflateResult::TooLarge;
    if (status != Z_OK && status != Z_BUF_ERROR) return InflateResult::BadStream;
    // Output room left while all input is used: the stream ends early.
    if (stream.avail_out > 0 && consumed == data.size()) return InflateResult::BadStream;
  }
}

}  // namespace

uint64_t RecordInflateLimit(uint32_t spaceRequiredTotal) {
  return spaceRequiredTotal == 0 ? kInflateCeiling : spaceRequiredTotal + kRecordHeaderAllowance;
}

InflateResult InflateRecord(std::string_view data, uint64_t limit, std::string& text) {
  text.clear();
  const uint64_t cap = std::min<uint64_t>(limit, text.max_size() - 1);
  // One byte beyond the cap is room enough to see that a stream is too long.
  const auto bounded = [cap](uint64_t size) { return static_cast<std::size_t>(std::min<uint64_t>(cap + 1, size)); };
  uint64_t produced = 0;
  try {
    // A small first buffer shows the ratio; the text then moves once into a
    // buffer sized from it with a margin, rather than doubling (which holds
    // the old and the new buffer at once, twice the text).
    text.resize(bounded(std::min<uint64_t>(data.size() + kFirstSlack, kSample)));
    bool sized = false;
    bool counting = false;
    InflateResult result = RunInflate(
        data, cap, produced,
        [&](uint64_t done, std::size_t used) -> OutputRoom {
          if (!sized && done == text.size()) {
            sized = true;
            const uint64_t estimate = static_cast<uint64_t>(static_cast<double>(done) *
                                                            static_cast<double>(data.size()) /
                                                            static_cast<double>(std::max<std::size_t>(used, 1)));
            const std::size_t size = bounded(estimate + estimate / 8 + kFirstSlack);
            if (size > text.size()) {
              std::string bigger;
              bigger.resize(size);
              std::copy(text.begin(), text.end(), bigger.begin());
              text.swap(bigger);
            }
          }
          if (!counting && done < text.size()) return {text.data() + done, text.size() - static_cast<std::size_t>(done)};
          // Still too small: only count the rest, then inflate once more
          // into a buffer of the exact size.
          counting = true;
          return {text.data(), std::min(text.size(), kCountScratch)};
        });
    if (result != InflateResult::Ok) return Fail(result, text);
    if (counting) {
      std::string().swap(text);
      // One byte to spare so the end of the stream is seen with room left.
      text.resize(static_cast<std::size_t>(produced) + 1);
      uint64_t again = 0;
      result = RunInflate(
          data, cap, again,
          [&](uint64_t done, std::size_t) -> OutputRoom {
            return {text.data() + done, text.size() - static_cast<std::size_t>(done)};
          });
      if (result != InflateResult::Ok) return Fail(result, text);
      if (again != produced) return Fail(InflateResult::BadStream, text);
    }
    text.resize(static_cast<std::size_t>(produced));
  } catch (const std::bad_alloc&) {
    return Fail(InflateResult::TooLarge, text);
  }
  return InflateResult::Ok;
}

}  // namespace vantor
