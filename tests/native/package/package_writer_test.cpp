#include <gtest/gtest.h>

#include <string>

#include "package/file_info.h"
#include "package/little_endian.h"
#include "package/package_writer.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

using fixtures::DecodeRecords;
using fixtures::PeStub;

PackageSpec TwoFileSpec(const std::string& stub) {
  PackageSpec spec;
  spec.stub = stub;
  spec.languageTable = "\x02~ENGLISH~s0=Hi~\x02";
  spec.setupDescriptor = "|http://|.info|.exe|tok|0|";
  spec.entries.push_back({"Engine.exe", 0x3C305C44, fixtures::RandomBytes(5000, 1), true, true, "/x=1 *y"});
  spec.entries.push_back({"sub\\data.bin", 7, std::string("a\0b|c", 5), false, false, ""});
  return spec;
}

std::string Built(const PackageSpec& spec) {
  BuiltPackage built = BuildPackage(spec);
  EXPECT_EQ(built.error, "");
  return built.bytes;
}

TEST(BuildPackage, RoundTripThroughReader) {
  const PackageSpec spec = TwoFileSpec("program bytes");
  const std::string file = Built(spec);
  MemorySource source(file);
  const TGFileInfo info(&source);
  EXPECT_EQ(file.substr(0, spec.stub.size()), spec.stub);
  EXPECT_EQ(info.LanguageTable(), spec.languageTable);
  EXPECT_EQ(info.SetupDescriptor(), spec.setupDescriptor);
  EXPECT_EQ(info.WebDescriptor(), "");
  EXPECT_EQ(info.Trailer().HeaderCount(), 2);
  EXPECT_EQ(info.Trailer().FilesCount(), 2u);

  const auto records = DecodeRecords(file, info.Trailer().PayloadOffset(), 2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_GT(records[0].length, 0);  // compressed
  EXPECT_EQ(records[0].text, std::string("|Engine.exe*/x=1 *y|1009802308|\0", 32) + spec.entries[0].content);
  const std::string stored = std::string("|sub\\data.bin|7|\0", 17) + spec.entries[1].content;
  EXPECT_EQ(records[1].length, -static_cast<int32_t>(stored.size()));
  EXPECT_EQ(records[1].text, stored);
  // The trailer follows the last record directly.
  EXPECT_EQ(file.size(), info.Trailer().PayloadOffset() + 4 + records[0].length + 4 + stored.size() + 74);
}

TEST(BuildPackage, WebDescriptorMakesThreeHeaders) {
  PackageSpec spec = TwoFileSpec("program");
  spec.webDescriptor = "|w|s|0|t|9|";
  const std::string file = Built(spec);
  MemorySource source(file);
  const TGFileInfo info(&source);
  EXPECT_EQ(info.Trailer().HeaderCount(), 3);
  EXPECT_EQ(info.WebDescriptor(), "|w|s|0|t|9|");
  spec.trailer.headerCount = 7;
  const std::string explicitCount = Built(spec);
  EXPECT_EQ(static_cast<uint8_t>(explicitCount[explicitCount.size() - 74 + 1]), 7);
}

TEST(BuildPackage, PackageEndOnlyForPeStubs) {
  PackageSpec spec = TwoFileSpec(PeStub(300));
  const std::string pe = Built(spec);
  const auto* bytes = reinterpret_cast<const uint8_t*>(pe.data());
  EXPECT_EQ(LoadU32(bytes + kPackageEndHighOffset), 0u);
  EXPECT_EQ(LoadU32(bytes + kPackageEndLowOffset), pe.size());

  // Without PackageEnd the field is cleared, whatever the program held there.
  std::string stub = PeStub(300);
  stub.replace(248, 8, "\x11\x22\x33\x44\x55\x66\x77\x88");
  spec.stub = stub;
  spec.trailer.recordPackageEnd = false;
  const std::string unrecorded = Built(spec);
  EXPECT_EQ(unrecorded.substr(248, 8), std::string(8, '\0'));

  // A program that is not a PE file keeps its bytes.
  spec.stub = std::string(300, '\x5A');
  spec.trailer.recordPackageEnd = true;
  EXPECT_EQ(Built(spec).substr(0, 300), spec.stub);
}

TEST(BuildPackage, StoredChecksumIsOutsideTheSum) {
  // The sum stops before the trailer, so changing the stored checksum bytes
  // cannot change it: the value written is the value the reader computes.
  for (int32_t trailerLength : {74, 60, 24}) {
    for (const std::string& stub : {std::string("program"), PeStub(700)}) {
      PackageSpec spec = TwoFileSpec(stub);
      spec.trailer.trailerLength = trailerLength;
      std::string file = Built(spec);
      MemorySource source(file);
      PackageTrailer trailer;
      ReadTrailer(source, trailer);
      const uint32_t computed = ComputePackageChecksum(source, trailer.TrailerLength());
      EXPECT_EQ(trailer.Checksum(), computed) << trailerLength;
      const std::size_t field = file.size() - static_cast<std::size_t>(trailerLength) + kOffsetChecksum;
      StoreU32(reinterpret_cast<uint8_t*>(file.data()) + field, ~computed);
      EXPECT_EQ(ComputePackageChecksum(source, trailer.TrailerLength()), computed) << trailerLength;
    }
  }
}

TEST(BuildPackage, ChecksumModes) {
  PackageSpec spec = TwoFileSpec("program");
  spec.trailer.checksumMode = ChecksumMode::Disabled;
  std::string file = Built(spec);
  EXPECT_EQ(LoadU32(reinterpret_cast<const uint8_t*>(file.data()) + file.size() - 74 + kOffsetChecksum), 1234u);
  spec.trailer.checksumMode = ChecksumMode::Explicit;
  spec.trailer.explicitChecksum = 0xCAFEF00D;
  file = Built(spec);
  EXPECT_EQ(LoadU32(reinterpret_cast<const uint8_t*>(file.data()) + file.size() - 74 + kOffsetChecksum), 0xCAFEF00D);
}

TEST(BuildPackage, TrailerLengthsWriteThatManyBytes) {
  const PackageSpec base = TwoFileSpec("program");
  const std::size_t fullSize = Built(base).size();
  for (int32_t length : {0, -5, 3, 4, 10, 60, 90}) {
    PackageSpec spec = base;
    spec.trailer.trailerLength = length;
    spec.trailer.checksumMode = ChecksumMode::Disabled;
    const std::string file = Built(spec);
    const std::size_t written = length > 4 ? static_cast<std::size_t>(length) : 4;
    EXPECT_EQ(file.size(), fullSize - 74 + written) << length;
    EXPECT_EQ(static_cast<int32_t>(LoadU32(reinterpret_cast<const uint8_t*>(file.data()) + file.size() - 4)), length);
  }
}

TEST(BuildPackage, ComputedChecksumNeedsAFittingTrailer) {
  // Too short to hold the field, or so long that the sum reaches it.
  for (int32_t length : {10, 200, INT32_MIN}) {
    PackageSpec spec = TwoFileSpec("program");
    spec.trailer.trailerLength = length;
    EXPECT_NE(BuildPackage(spec).error, "") << length;
  }
}

TEST(BuildPackage, RejectsWhatCannotBePacked) {
  PackageSpec badName = TwoFileSpec("program");
  badName.entries[1].name = "..\\evil.exe";
  EXPECT_NE(BuildPackage(badName).error, "");
  PackageSpec twoEngines = TwoFileSpec("program");
  twoEngines.entries[1].engine = true;
  EXPECT_NE(BuildPackage(twoEngines).error, "");
  PackageSpec hugeTrailer = TwoFileSpec("program");
  hugeTrailer.trailer.trailerLength = 65537;
  hugeTrailer.trailer.checksumMode = ChecksumMode::Disabled;
  EXPECT_NE(BuildPackage(hugeTrailer).error, "");
  PackageSpec barInExtra = TwoFileSpec("program");
  barInExtra.entries[0].engineExtra = "a|b";
  EXPECT_NE(BuildPackage(barInExtra).error, "");
}

TEST(PackableNameError, Names) {
  const struct {
    std::string name;
    bool packable;
  } cases[] = {
      {"setup.exe", true},       {"sub\\deeper\\file.dat", true}, {"with space.txt", true},
      {"..x", true},             {"", false},                     {"Engine.exe*", false},
      {"a|b", false},            {std::string("a\0b", 3), false}, {"\\rooted.txt", false},
      {"/rooted.txt", false},    {"C:\\x.txt", false},            {"C:x.txt", false},
      {"..\\up.txt", false},     {"a\\..\\b", false},             {"a/../b", false},
      {"a\\\\b", false},         {"folder\\", false},             {".", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PackableNameError(c.name).empty(), c.packable) << c.name;
}

TEST(SpaceRequiredFigures, RoundsEachFileUp) {
  // Sizes 0, 1, 512, 513: total 1026; rounded to 512: 0 + 512 + 512 + 1024;
  // from 1024 on, each of the three non-empty files takes one unit.
  std::vector<PackageEntry> entries;
  for (std::size_t size : {0, 1, 512, 513}) entries.push_back({"f", 0, std::string(size, 'x'), true, false, ""});
  const std::array<uint32_t, 9> expected = {1026, 2048, 3072, 6144, 12288, 24576, 49152, 98304, 196608};
  EXPECT_EQ(SpaceRequiredFigures(entries), expected);
}

}  // namespace
}  // namespace vantor
