#include "package/package_layout.h"

#include <algorithm>
#include <vector>

#include "package/little_endian.h"

namespace vantor {

namespace {

constexpr int64_t kChecksumBlock = 4096;
// Whole blocks per read; big reads keep the sum fast on large packages.
constexpr std::size_t kChecksumChunk = 256 * kChecksumBlock;
constexpr int64_t kPeSumStart = 512;
constexpr uint32_t kBlockBonus = 1234;

// The signed trailer length stored at offset; 0 when the 4 bytes are not there.
int32_t ReadLengthAt(ByteSource& file, int64_t offset) {
  uint32_t value = 0;
  ReadU32At(file, offset, value);
  return static_cast<int32_t>(value);
}

// One block of the checksum: every complete 4-byte group lowers the count of
// bytes still to be summed and is added while more than 4 remain; a block
// that leaves more than 4 remaining adds 1234.
void SumBlock(const uint8_t* data, std::size_t size, int64_t& remaining, uint32_t& sum) {
  const int64_t groups = static_cast<int64_t>(size / 4);
  // Group i (from 1) is added when remaining - 4i > 4.
  const int64_t added = remaining > 4 ? std::min(groups, (remaining - 5) / 4) : 0;
  uint32_t blockSum = 0;
  for (int64_t i = 0; i < added; ++i) blockSum += LoadU32(data + 4 * i);
  sum += blockSum;
  remaining -= 4 * groups;
  if (remaining > 4) sum += kBlockBonus;
}

}  // namespace

uint32_t PackageTrailer::U32(int offset) const { return LoadU32(&bytes[offset]); }

void PackageTrailer::SetU32(int offset, uint32_t value) { StoreU32(&bytes[offset], value); }

bool IsPeFile(ByteSource& file) {
  uint8_t mz[2] = {};
  uint8_t pe[2] = {};
  return file.ReadAt(0, mz, 2) == 2 && mz[0] == 'M' && mz[1] == 'Z' &&
         file.ReadAt(kPeSignatureOffset, pe, 2) == 2 && pe[0] == 'P' && pe[1] == 'E';
}

int64_t PackageEnd(ByteSource& file) {
  uint32_t high = 0;
  uint32_t low = 0;
  ReadU32At(file, kPackageEndHighOffset, high);
  ReadU32At(file, kPackageEndLowOffset, low);
  return static_cast<int64_t>(static_cast<uint64_t>(high) << 32 | low);
}

void ReadTrailer(ByteSource& file, PackageTrailer& trailer) {
  const bool pe = IsPeFile(file);
  const int64_t size = file.Size();
  int32_t length = ReadLengthAt(file, size - 4);
  int64_t start = size - length;
  if (pe) {
    const int64_t end = PackageEnd(file);
    if (end > 0) {
      length = ReadLengthAt(file, end - 4);
      start = end - length;
    }
  }
  const int32_t n = std::min<int32_t>(kTrailerSize, length);
  // A start before the file reads nothing, as a failed seek would.
  if (n > 4) file.ReadAt(start, trailer.bytes.data(), static_cast<std::size_t>(n - 4));
  trailer.SetU32(kOffsetTrailerLength, static_cast<uint32_t>(n));
  if (trailer.HeaderCount() == 0) trailer.SetByte(kOffsetHeaderCount, 2);
}

uint32_t SelectSpaceRequired(const PackageTrailer& trailer, uint32_t clusterSize) {
  uint32_t result = trailer.SpaceRequired(0);
  for (int i = 1; i <= 8; ++i) {
    if (clusterSize >= (256u << i)) result = trailer.SpaceRequired(i);
  }
  return result;
}

uint32_t ComputePackageChecksum(ByteSource& file, int64_t trailerLength) {
  const int64_t size = file.Size();
  if (size > kChecksumSizeLimit) return kChecksumDisabled;
  // A file whose length cannot be told is not read.
  if (size < 0) return 0;
  int64_t length = size;
  int64_t start = 0;
  uint32_t recordedEnd = 0;
  if (IsPeFile(file) && ReadU32At(file, kPackageEndLowOffset, recordedEnd) && recordedEnd != 0) {
    length = recordedEnd;
    start = kPeSumStart;
  }
  int64_t remaining = length - trailerLength - start;
  uint32_t sum = 0;
  // Room for the whole rest of a small file and one more block, so that one
  // short read ends it.
  const int64_t rest = std::max<int64_t>(0, size - start);
  std::vector<uint8_t> chunk(static_cast<std::size_t>(
      std::min<int64_t>(kChecksumChunk, (rest / kChecksumBlock + 1) * kChecksumBlock)));
  int64_t offset = start;
  for (;;) {
    const std::size_t got = file.ReadAt(offset, chunk.data(), chunk.size());
    offset += static_cast<int64_t>(got);
    std::size_t pos = 0;
    for (; pos + kChecksumBlock <= got; pos += kChecksumBlock) {
      SumBlock(chunk.data() + pos, kChecksumBlock, remaining, sum);
      // Nothing more can be added once 4 or fewer bytes remain.
      if (remaining <= 4) return sum;
    }
    // A short read ends the file: its rest is the last (possibly empty) block.
    if (got < chunk.size()) {
      SumBlock(chunk.data() + pos, got - pos, remaining, sum);
      return sum;
    }
  }
}

}  // namespace vantor
