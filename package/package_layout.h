// The package appended to a copy of the program.
//
// File layout, from the start:
//   executable part      the program (in a later part file: whatever lies before PayloadOffset)
//   header records       HeaderCount records, each a u32 LE length then that many bytes:
//                        LanguageTable, SetupDescriptor, and WebDescriptor when HeaderCount >= 3
//   file records         FilesCount records: i32 LE length (>0 zlib, <0 stored, 0 empty) + data
//   PackageTrailer       74 bytes, the last 4 holding the trailer length
//   appended data        optional, only in a PE file that records PackageEnd (a signature)
//
// PackageEnd: in a file that passes IsPeFile ("MZ" at 0, "PE" at 256), the offset
// just past the trailer as a 64-bit value: high u32 LE at 248, low u32 LE at 252.
// Zero means no end was recorded and the trailer ends at the physical end.
//
// PackageTrailer (little-endian):
//   0  u8   (unused)            28 u32[9] SpaceRequired: [0] total size, [i] sizes rounded
//   1  u8   HeaderCount (0 = 2)           up to 256*2^i bytes each (i = 1..8)
//   2  u16  (zero)              64 u8   (unused)
//   4  u32  PayloadOffset       65 u8   PackageFlags (1 temp-drive notice, 2 multi-part,
//   8  u32  FilesCount                  4 CD start, 8 cycling bar, 16 agent log)
//   12 u32  PackageMagic        66 u8   web setup     67 u8 ask before download
//           0x4A3B2C1D          68 u8   create agent  69 u8 agent
//   16 u32  PackageChecksum     70 u32  TrailerLength (74)
//           (1234 disables the check)
//   20 8 bytes (unused)
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "package/byte_source.h"

namespace vantor {

constexpr int kTrailerSize = 74;
constexpr uint32_t kPackageMagic = 0x4A3B2C1D;
constexpr uint32_t kChecksumDisabled = 1234;
constexpr int64_t kChecksumSizeLimit = 52428800;  // larger files are not summed
constexpr int kPackageEndHighOffset = 248;
constexpr int kPackageEndLowOffset = 252;
constexpr int kPeSignatureOffset = 256;

constexpr uint8_t kFlagTempDriveNotice = 1;
constexpr uint8_t kFlagMultiPart = 2;
constexpr uint8_t kFlagCdStart = 4;
constexpr uint8_t kFlagCyclingBar = 8;
constexpr uint8_t kFlagLogging = 16;

constexpr int kOffsetHeaderCount = 1;
constexpr int kOffsetPayloadOffset = 4;
constexpr int kOffsetFilesCount = 8;
constexpr int kOffsetMagic = 12;
constexpr int kOffsetChecksum = 16;
constexpr int kOffsetSpaceRequired = 28;
constexpr int kOffsetFlags = 65;
constexpr int kOffsetWebSetup = 66;
constexpr int kOffsetAskBeforeDownload = 67;
constexpr int kOffsetCreateAgent = 68;
constexpr int kOffsetAgent = 69;
constexpr int kOffsetTrailerLength = 70;

// The 74 trailer bytes as read, with typed access to each field.
class PackageTrailer {
 public:
  std::array<uint8_t, kTrailerSize> bytes{};

  uint8_t Byte(int offset) const { return bytes[offset]; }
  void SetByte(int offset, uint8_t value) { bytes[offset] = value; }
  uint32_t U32(int offset) const;
  void SetU32(int offset, uint32_t value);

  uint8_t HeaderCount() const { return Byte(kOffsetHeaderCount); }
  uint32_t PayloadOffset() const { return U32(kOffsetPayloadOffset); }
  uint32_t FilesCount() const { return U32(kOffsetFilesCount); }
  uint32_t Magic() const { return U32(kOffsetMagic); }
  uint32_t Checksum() const { return U32(kOffsetChecksum); }
  uint32_t SpaceRequired(int index) const { return U32(kOffsetSpaceRequired + 4 * index); }
  uint8_t Flags() const { return Byte(kOffsetFlags); }
  bool HasFlag(uint8_t flag) const { return (Flags() & flag) != 0; }
  int32_t TrailerLength() const { return static_cast<int32_t>(U32(kOffsetTrailerLength)); }
};

bool IsPeFile(ByteSource& file);
// (u32 at 248) * 2^32 + (u32 at 252), without any PE test.
int64_t PackageEnd(ByteSource& file);
// Fills the record as the program reads it (the caller clears it first).
void ReadTrailer(ByteSource& file, PackageTrailer& trailer);
// The SpaceRequired figure chosen by a drive's cluster size.
uint32_t SelectSpaceRequired(const PackageTrailer& trailer, uint32_t clusterSize);
// The 32-bit wrapping sum stored as PackageChecksum (1234 for files over 50 MiB).
uint32_t ComputePackageChecksum(ByteSource& file, int64_t trailerLength);

}  // namespace vantor
