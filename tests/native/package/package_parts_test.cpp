// A package split into part files: each a complete container of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/file_info.h"
#include "package/package_writer.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

PackageSpec FourFileSpec() {
  PackageSpec spec;
  spec.stub = fixtures::PeStub(2048);
  spec.languageTable = "\x02";
  spec.setupDescriptor = "|http://|.info|.exe|tok|0|";
  spec.entries.push_back({"Engine.exe", 1, "engine", true, true, "/x"});
  for (int i = 0; i < 3; ++i) {
    spec.entries.push_back({"data" + std::to_string(i) + ".bin", 2, fixtures::RandomBytes(30000, i), true, false, ""});
  }
  spec.trailer.flags = 8 | kFlagMultiPart;  // flag 2 as given is set by the split alone
  return spec;
}

// The framed file records of a part, from PayloadOffset (after the header
// records in the first file) up to the trailer.
std::string RecordBytes(const std::string& file, std::size_t headerBytes) {
  MemorySource source(file);
  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  const std::size_t start = trailer.PayloadOffset() + headerBytes;
  return file.substr(start, file.size() - 74 - start);
}

TEST(BuildPackageParts, EachPartIsACompleteContainer) {
  const PackageSpec spec = FourFileSpec();
  const BuiltParts parts = BuildPackageParts(spec, 40000);
  ASSERT_EQ(parts.error, "");
  ASSERT_EQ(parts.files.size(), 3u);
  const std::size_t headerBytes = 4 + 1 + 4 + spec.setupDescriptor.size();
  std::string allRecords;
  for (std::size_t i = 0; i < parts.files.size(); ++i) {
    const std::string& file = parts.files[i];
    EXPECT_LE(file.size(), 40000u) << i;
    MemorySource source(file);
    PackageTrailer trailer;
    ReadTrailer(source, trailer);
    const bool last = i + 1 == parts.files.size();
    EXPECT_EQ(trailer.Magic(), kPackageMagic) << i;
    EXPECT_EQ(trailer.Flags(), last ? 8 : 8 | kFlagMultiPart) << i;
    EXPECT_EQ(trailer.Checksum(), ComputePackageChecksum(source, trailer.TrailerLength())) << i;
    EXPECT_EQ(trailer.SpaceRequired(0), 90006u) << i;  // the whole package in every part
    if (i == 0) {
      EXPECT_EQ(file.substr(0, 248), spec.stub.substr(0, 248));
      EXPECT_EQ(trailer.PayloadOffset(), 2048u);
      EXPECT_EQ(trailer.FilesCount(), 4u);  // the whole package: the range of the progress bar
      EXPECT_EQ(PackageEnd(source), static_cast<int64_t>(file.size()));
    } else {
      EXPECT_EQ(file.substr(0, kPartFileProgram.size()), kPartFileProgram) << i;
      EXPECT_FALSE(IsPeFile(source)) << i;
      EXPECT_EQ(trailer.PayloadOffset(), kPartFileProgram.size()) << i;
      EXPECT_EQ(trailer.FilesCount(), 1u) << i;
    }
    allRecords += RecordBytes(file, i == 0 ? headerBytes : 0);
  }
  // The same records as in one file, none split.
  PackageSpec single = spec;
  single.trailer.flags = 8;
  EXPECT_EQ(allRecords, RecordBytes(BuildPackage(single).bytes, headerBytes));
}

TEST(BuildPackageParts, OneFileWhenAllFits) {
  const PackageSpec spec = FourFileSpec();
  const BuiltParts parts = BuildPackageParts(spec, 1 << 20);
  ASSERT_EQ(parts.error, "");
  ASSERT_EQ(parts.files.size(), 1u);
  PackageSpec single = spec;
  single.trailer.flags = 8;
  EXPECT_EQ(parts.files[0], BuildPackage(single).bytes);
}

TEST(BuildPackageParts, FirstPartMayHoldOnlyProgramAndHeaders) {
  PackageSpec spec = FourFileSpec();
  spec.entries = {spec.entries[1]};
  const BuiltParts parts = BuildPackageParts(spec, 31000);
  ASSERT_EQ(parts.error, "");
  ASSERT_EQ(parts.files.size(), 2u);
  EXPECT_EQ(parts.files[0].size(), 2048 + 4 + 1 + 4 + spec.setupDescriptor.size() + 74);
  MemorySource first(parts.files[0]);
  PackageTrailer trailer;
  ReadTrailer(first, trailer);
  EXPECT_EQ(trailer.FilesCount(), 1u);
  EXPECT_TRUE(trailer.HasFlag(kFlagMultiPart));
}

TEST(BuildPackageParts, RefusesWhatNoPartCanHold) {
  const PackageSpec spec = FourFileSpec();
  EXPECT_NE(BuildPackageParts(spec, 2000).error, "");  // the program alone is larger
  PackageSpec big = spec;
  big.entries[2].content = fixtures::RandomBytes(40000, 7);
  const BuiltParts parts = BuildPackageParts(big, 35000);
  EXPECT_NE(parts.error.find("data1.bin"), std::string::npos) << parts.error;
  EXPECT_TRUE(parts.files.empty());
}

}  // namespace
}  // namespace vantor
