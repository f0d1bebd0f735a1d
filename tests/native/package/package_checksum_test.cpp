#include <gtest/gtest.h>

#include <string>

#include "package/little_endian.h"
#include "package/package_layout.h"
#include "package/package_writer.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

using fixtures::PeStub;
using fixtures::U32Bytes;

uint32_t Checksum(const std::string& bytes, int64_t trailerLength) {
  MemorySource source(bytes);
  return ComputePackageChecksum(source, trailerLength);
}

void PutU32(std::string& bytes, std::size_t offset, uint32_t value) {
  StoreU32(reinterpret_cast<uint8_t*>(bytes.data()) + offset, value);
}

// Five groups g1..g5 = 0x01020304, 0x10, 0x100, 0x1000, 0x10000 (g1 stored
// as 04 03 02 01, so a wrong byte order shows).
std::string FiveGroups() {
  return U32Bytes(0x01020304) + U32Bytes(0x10) + U32Bytes(0x100) + U32Bytes(0x1000) + U32Bytes(0x10000);
}

struct SmallCase {
  const char* scenario;
  std::string bytes;
  int64_t trailerLength;
  uint32_t expected;
};

TEST(ComputePackageChecksum, SmallFilesWorkedByHand) {
  std::string pe = PeStub(1024);
  PutU32(pe, kPackageEndLowOffset, 1024);
  PutU32(pe, 300, 0x7777);      // before 512: never summed
  PutU32(pe, 512, 1);           // group 1 from 512: R 508 > 4, added
  PutU32(pe, 1012, 0x100);      // group 126: R = 8 > 4, added
  PutU32(pe, 1016, 0x10000);    // group 127: R = 4, not added
  std::string peNoEnd = PeStub(264);
  PutU32(peNoEnd, kPackageEndHighOffset, 1);  // the high half alone records nothing here
  const SmallCase cases[] = {
      // R = 20: g1 (R 16), g2 (R 12), g3 (R 8) added; g4 (R 4) and g5 (R 0) not;
      // one block that leaves R = 0 adds no 1234.
      {"last eight bytes skipped", FiveGroups(), 0, 0x01020304 + 0x10 + 0x100},
      // R = 12: only g1 (R 8) is added.
      {"trailer length counts", FiveGroups(), 8, 0x01020304},
      // 22 bytes, R = 22: g1..g4 added (R 18, 14, 10, 6), g5 not (R 2); the
      // two bytes after g5 form no group.
      {"incomplete group ignored", FiveGroups() + "\xFF\xFF", 0, 0x01020304 + 0x10 + 0x100 + 0x1000},
      // 8208 zero bytes, R = 8208: after block 1 R = 4112 (+1234), after block
      // 2 R = 16 (+1234), after the last 16 bytes R = 0.
      {"1234 per block while more than 4 remain", std::string(8208, '\0'), 0, 2 * 1234},
      // 8192 zero bytes, T = -8, R = 8200: +1234 after block 1 (R 4104) and
      // block 2 (R 8), and once more for the empty read that ends the file.
      {"empty last read still a block", std::string(8192, '\0'), -8, 3 * 1234},
      // 0x01 bytes, 8208 of them: groups 1..2050 added (8208 - 4i > 4), two
      // blocks add 1234: 2050 * 0x01010101 + 2468 mod 2^32.
      {"groups and blocks together", std::string(8208, '\x01'), 0, 168432550},
      // PE with end 1024 recorded at 252: S = 512, R = 512: 1 + 0x100.
      {"PE file summed from 512", pe, 0, 0x101},
      // PE with 0 at 252 (only 248 set): S = 0, R = 264: groups 1..64 added
      // ("MZ" = 0x5A4D, 1 at 248, 0 at 252), "PE" (R 4) not.
      {"PE without end summed from 0", peNoEnd, 0, 0x5A4D + 1},
  };
  for (const SmallCase& c : cases) EXPECT_EQ(Checksum(c.bytes, c.trailerLength), c.expected) << c.scenario;
}

TEST(ComputePackageChecksum, SizeLimit) {
  // 52,428,800 bytes are still summed: 12,800 blocks, of which the first
  // 12,799 leave R > 4 (R = 52,428,726 - 4096 j).
  std::string bytes(52428800, '\0');
  EXPECT_EQ(Checksum(bytes, 74), 12799u * 1234u);
  // One byte more and the file is accepted whatever it holds.
  bytes.push_back('\x55');
  PutU32(bytes, 0, 0xDEADBEEF);
  EXPECT_EQ(Checksum(bytes, 74), kChecksumDisabled);
}

// The rule read block by block as written, to compare with the chunked reads.
uint32_t BlockByBlock(const std::string& bytes, int64_t trailerLength) {
  MemorySource file(bytes);
  int64_t length = file.Size();
  int64_t start = 0;
  uint32_t end = 0;
  if (IsPeFile(file) && ReadU32At(file, kPackageEndLowOffset, end) && end != 0) {
    length = end;
    start = 512;
  }
  int64_t remaining = length - trailerLength - start;
  uint32_t sum = 0;
  uint8_t block[4096];
  for (int64_t offset = start;;) {
    const std::size_t k = file.ReadAt(offset, block, sizeof block);
    offset += static_cast<int64_t>(k);
    for (std::size_t g = 0; g + 4 <= k; g += 4) {
      remaining -= 4;
      if (remaining > 4) sum += LoadU32(block + g);
    }
    if (remaining > 4) sum += 1234;
    if (k != sizeof block) return sum;
  }
}

TEST(ComputePackageChecksum, ChunkedReadsGiveTheBlockByBlockResult) {
  const std::size_t chunk = 1 << 20;
  const std::size_t sizes[] = {0,     3,     4095,      4096,         4097,
                               70000, chunk - 4, chunk, chunk + 3, chunk + 4096, 2 * chunk + 777};
  const int64_t trailerLengths[] = {74, 0, -100, 60, 5000, 3 * static_cast<int64_t>(chunk)};
  for (std::size_t size : sizes) {
    std::string bytes = fixtures::RandomBytes(size, static_cast<uint32_t>(size));
    for (int64_t t : trailerLengths) {
      EXPECT_EQ(Checksum(bytes, t), BlockByBlock(bytes, t)) << "size " << size << " trailer " << t;
    }
  }
  // A PE file whose recorded end lies before, inside and beyond the file.
  for (uint32_t end : {600u, 1500000u, 5000000u}) {
    std::string pe = PeStub(1200000);
    pe.replace(512, std::string::npos, fixtures::RandomBytes(1200000 - 512, end));
    PutU32(pe, kPackageEndLowOffset, end);
    EXPECT_EQ(Checksum(pe, 74), BlockByBlock(pe, 74)) << "end " << end;
  }
}

TEST(ComputePackageChecksum, AppendedDataAfterPackageEndChangesNothing) {
  PackageSpec spec;
  spec.stub = PeStub(4096);
  spec.languageTable = "\x02";
  spec.setupDescriptor = "|a|b|c|d|0|";
  spec.entries.push_back({"big.bin", 0, fixtures::RandomBytes(20000, 3), false, false, ""});
  const BuiltPackage built = BuildPackage(spec);
  ASSERT_EQ(built.error, "");
  const uint32_t before = Checksum(built.bytes, 74);
  const std::string signed_ = built.bytes + fixtures::RandomBytes(9000, 4);
  EXPECT_EQ(Checksum(signed_, 74), before);
  MemorySource source(signed_);
  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  EXPECT_EQ(trailer.Checksum(), before);
}

}  // namespace
}  // namespace vantor
