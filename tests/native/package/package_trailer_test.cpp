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

PackageTrailer Read(const std::string& bytes) {
  MemorySource source(bytes);
  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  return trailer;
}

// A package whose every trailer field is set, so that the bytes a short
// trailer leaves out show as zero.
PackageSpec FullSpec(const std::string& stub) {
  PackageSpec spec;
  spec.stub = stub;
  spec.languageTable = "\x02";
  spec.setupDescriptor = "|u|i|a|t|1|";
  spec.entries.push_back({"one.txt", 0x3C305C44, std::string(70000, 'x'), true, true, "/go"});
  spec.trailer.flags = 0x1F;
  spec.trailer.webSetup = spec.trailer.askBeforeDownload = spec.trailer.createAgent = spec.trailer.agent = true;
  spec.trailer.checksumMode = ChecksumMode::Disabled;
  return spec;
}

std::string Built(const PackageSpec& spec) {
  BuiltPackage built = BuildPackage(spec);
  EXPECT_EQ(built.error, "");
  return built.bytes;
}

TEST(ReadTrailer, FullTrailerGivesEveryField) {
  const PackageTrailer t = Read(Built(FullSpec("plain program")));
  EXPECT_EQ(t.HeaderCount(), 2);
  EXPECT_EQ(t.PayloadOffset(), 13u);
  EXPECT_EQ(t.FilesCount(), 1u);
  EXPECT_EQ(t.Magic(), kPackageMagic);
  EXPECT_EQ(t.Checksum(), kChecksumDisabled);
  EXPECT_EQ(t.SpaceRequired(0), 70000u);
  EXPECT_EQ(t.SpaceRequired(8), 131072u);
  EXPECT_EQ(t.Flags(), 0x1F);
  for (int offset = kOffsetWebSetup; offset <= kOffsetAgent; ++offset) EXPECT_EQ(t.Byte(offset), 1);
  EXPECT_EQ(t.TrailerLength(), 74);
}

TEST(ReadTrailer, SixtyByteTrailerLeavesLaterFieldsZero) {
  PackageSpec spec = FullSpec("plain program");
  spec.trailer.trailerLength = 60;
  const PackageTrailer t = Read(Built(spec));
  EXPECT_EQ(t.TrailerLength(), 60);
  EXPECT_EQ(t.Magic(), kPackageMagic);
  EXPECT_EQ(t.SpaceRequired(6), 81920u);  // bytes 52-55 are still read
  for (int offset = 56; offset < kOffsetTrailerLength; ++offset) EXPECT_EQ(t.Byte(offset), 0) << offset;
  EXPECT_FALSE(t.HasFlag(kFlagMultiPart));
}

TEST(ReadTrailer, LongerTrailerContributesItsFirst70Bytes) {
  PackageSpec spec = FullSpec("plain program");
  spec.trailer.trailerLength = 90;
  const PackageTrailer t = Read(Built(spec));
  EXPECT_EQ(t.TrailerLength(), 74);
  EXPECT_EQ(t.Magic(), kPackageMagic);
  EXPECT_EQ(t.Flags(), 0x1F);
  EXPECT_EQ(t.Byte(kOffsetAgent), 1);
}

TEST(ReadTrailer, UnusableLengthsReadNothing) {
  const std::string body = Built(FullSpec("plain program"));
  struct Case {
    const char* scenario;
    std::string bytes;
    int32_t trailerLength;
  };
  const Case cases[] = {
      {"length 0", body + U32Bytes(0), 0},
      {"negative length", body + U32Bytes(static_cast<uint32_t>(-10)), -10},
      {"most negative length", body + U32Bytes(0x80000000), INT32_MIN},
      {"length beyond the start of the file", body + U32Bytes(static_cast<uint32_t>(body.size() + 100)), 74},
      {"file shorter than a length", "ab", 0},
      {"empty file", "", 0},
  };
  for (const Case& c : cases) {
    const PackageTrailer t = Read(c.bytes);
    EXPECT_EQ(t.TrailerLength(), c.trailerLength) << c.scenario;
    EXPECT_EQ(t.HeaderCount(), 2) << c.scenario;
    EXPECT_EQ(t.Magic(), 0u) << c.scenario;
    EXPECT_EQ(t.Flags(), 0) << c.scenario;
  }
}

TEST(ReadTrailer, PeFileFindsTrailerAtPackageEnd) {
  const std::string package = Built(FullSpec(PeStub(600)));
  const std::string signed_ = package + std::string(5000, '\x7F');
  MemorySource source(signed_);
  EXPECT_EQ(PackageEnd(source), static_cast<int64_t>(package.size()));
  const PackageTrailer t = Read(signed_);
  EXPECT_EQ(t.Magic(), kPackageMagic);
  EXPECT_EQ(t.PayloadOffset(), 600u);
  EXPECT_EQ(t.Flags(), 0x1F);
}

TEST(ReadTrailer, PackageEndRulesForPeFiles) {
  // Without a recorded end, a PE file's trailer is at its physical end.
  PackageSpec spec = FullSpec(PeStub(600));
  spec.trailer.recordPackageEnd = false;
  const std::string unrecorded = Built(spec);
  EXPECT_EQ(Read(unrecorded).Magic(), kPackageMagic);
  // ... so data appended to it hides the trailer.
  EXPECT_EQ(Read(unrecorded + "junk").Magic(), 0u);

  // A recorded end beyond the file: its 4 bytes cannot be read, L is 0.
  std::string beyond = Built(FullSpec(PeStub(600)));
  StoreU32(reinterpret_cast<uint8_t*>(beyond.data()) + kPackageEndLowOffset, static_cast<uint32_t>(beyond.size() + 10));
  const PackageTrailer t = Read(beyond);
  EXPECT_EQ(t.TrailerLength(), 0);
  EXPECT_EQ(t.Magic(), 0u);

  // Only a file with "MZ" and "PE" uses the recorded end.
  std::string notPe = Built(FullSpec(PeStub(600)));
  notPe[1] = 'X';
  EXPECT_EQ(Read(notPe + std::string(100, '\0')).Magic(), 0u);
}

TEST(IsPeFile, NeedsBothSignatures) {
  const std::string pe = PeStub(300);
  struct Case {
    std::string bytes;
    bool expected;
  };
  std::string noMz = pe;
  noMz[0] = 'm';
  std::string noPe = pe;
  noPe[257] = 'X';
  const Case cases[] = {{pe, true}, {pe.substr(0, 258), true}, {pe.substr(0, 257), false},
                        {noMz, false}, {noPe, false}, {"", false}};
  for (const Case& c : cases) {
    MemorySource source(c.bytes);
    EXPECT_EQ(IsPeFile(source), c.expected) << c.bytes.size();
  }
}

TEST(PackageEnd, ReadsBothHalvesWithoutPeTest) {
  std::string bytes(256, '\0');
  StoreU32(reinterpret_cast<uint8_t*>(bytes.data()) + kPackageEndHighOffset, 2);
  StoreU32(reinterpret_cast<uint8_t*>(bytes.data()) + kPackageEndLowOffset, 0x000F90EF);
  MemorySource source(bytes);
  EXPECT_EQ(PackageEnd(source), 0x2000F90EFLL);
  MemorySource shortSource(std::string_view(bytes).substr(0, 250));
  EXPECT_EQ(PackageEnd(shortSource), 0);
}

TEST(SelectSpaceRequired, ClusterSizeChoosesFigure) {
  PackageTrailer t;
  for (int i = 0; i < 9; ++i) t.SetU32(kOffsetSpaceRequired + 4 * i, 1000 + i);
  const struct {
    uint32_t cluster;
    uint32_t expected;
  } cases[] = {{0, 1000},    {511, 1000},  {512, 1001},   {1000, 1001},  {4096, 1004},
               {8191, 1004}, {32768, 1007}, {65536, 1008}, {1u << 20, 1008}};
  for (const auto& c : cases) EXPECT_EQ(SelectSpaceRequired(t, c.cluster), c.expected) << c.cluster;
}

}  // namespace
}  // namespace vantor
