// Inflating a record with a bound on its output: a stream may produce
// exactly the bound, never more, and a damaged stream gives no text.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "package/record_inflate.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

std::string Deflate(const std::string& text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
            static_cast<uLong>(text.size()), 9);
  out.resize(size);
  return out;
}

TEST(InflateRecord, OutputUpToTheBoundAndNotBeyond) {
  // Zeros compress about a thousandfold: a small record for a large text.
  const std::string zeros(3 << 20, '\0');
  const std::string random = fixtures::RandomBytes(300000, 9);
  // Compressible but not zeros: a text filled in a second pass must hold
  // the stream's bytes, not the fill of a fresh buffer.
  std::string lines;
  for (int i = 0; lines.size() < (1 << 20); ++i) lines += "line " + std::to_string(i % 977) + "\n";
  // Compresses far better at its end than its start: a size guessed from
  // the start falls short.
  const std::string mixed = random + lines + zeros;
  const struct {
    const char* name;
    std::string text;
    uint64_t limit;
    InflateResult result;
  } cases[] = {
      {"empty text", "", 0, InflateResult::Ok},
      {"exactly the bound", zeros, zeros.size(), InflateResult::Ok},
      {"one byte over", zeros, zeros.size() - 1, InflateResult::TooLarge},
      {"far over", zeros, 1000, InflateResult::TooLarge},
      {"incompressible, grows past the first buffer", random, kInflateCeiling, InflateResult::Ok},
      {"compressible text, exactly the bound", lines, lines.size(), InflateResult::Ok},
      {"compressible text, one byte over", lines, lines.size() - 1, InflateResult::TooLarge},
      {"better compressed at the end, exactly the bound", mixed, mixed.size(), InflateResult::Ok},
      {"better compressed at the end, one byte over", mixed, mixed.size() - 1, InflateResult::TooLarge},
  };
  for (const auto& c : cases) {
    std::string text = "left over";
    EXPECT_EQ(InflateRecord(Deflate(c.text), c.limit, text), c.result) << c.name;
    EXPECT_EQ(text, c.result == InflateResult::Ok ? c.text : "") << c.name;
  }
}

TEST(InflateRecord, DamagedStreamsGiveNoText) {
  const std::string stream = Deflate(fixtures::RandomBytes(100000, 4));
  std::string flipped = stream;
  flipped[stream.size() / 2] ^= 0x10;
  // Damage beyond what a buffer of the compressed size holds.
  const std::string zeros = Deflate(std::string(2 << 20, '\0'));
  std::string badCheck = stream;
  badCheck.back() ^= 0x01;  // the Adler-32 at the end
  const struct {
    const char* name;
    std::string data;
  } cases[] = {
      {"empty", ""},
      {"truncated", stream.substr(0, stream.size() - 100)},
      {"last byte missing", stream.substr(0, stream.size() - 1)},
      {"flipped bit", flipped},
      {"wrong check value", badCheck},
      {"not zlib at all", "|a.txt|1|"},
      {"raw deflate without zlib header", stream.substr(2)},
      {"compressible, truncated", zeros.substr(0, zeros.size() - 10)},
      {"compressible, wrong check value", zeros.substr(0, zeros.size() - 1) + char(zeros.back() ^ 0x01)},
  };
  for (const auto& c : cases) {
    std::string text;
    EXPECT_EQ(InflateRecord(c.data, kInflateCeiling, text), InflateResult::BadStream) << c.name;
    EXPECT_EQ(text, "") << c.name;
  }
}

TEST(InflateRecord, BytesAfterTheStreamAreIgnored) {
  std::string text;
  EXPECT_EQ(InflateRecord(Deflate("hello") + "garbage", kInflateCeiling, text), InflateResult::Ok);
  EXPECT_EQ(text, "hello");
}

TEST(RecordInflateLimit, TotalSizePlusHeaderRoomElseTheCeiling) {
  EXPECT_EQ(RecordInflateLimit(0), kInflateCeiling);
  EXPECT_EQ(RecordInflateLimit(1000), 1000 + kRecordHeaderAllowance);
  EXPECT_EQ(RecordInflateLimit(0xFFFFFFFF), 0xFFFFFFFFull + kRecordHeaderAllowance);
}

}  // namespace
}  // namespace vantor
