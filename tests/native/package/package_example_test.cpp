// A setup file laid out like the reference example of the package format:
// 183,808 bytes of program, an empty language table, a 69-byte descriptor and
// eight file records ending where the trailer starts at 1,020,069.
#include <gtest/gtest.h>

#include <array>

#include "package/file_info.h"
#include "package/package_layout.h"
#include "package/package_writer.h"
#include "package/scramble.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

using fixtures::PeStub;
using fixtures::RandomBytes;

constexpr std::size_t kProgramSize = 183808;  // 0x2CE00
constexpr int64_t kTrailerStart = 1020069;    // 0xF90A5
constexpr int64_t kFileSize = 1020143;        // 0xF90EF
constexpr std::size_t kFirstFileRecord = 183886;  // 0x2CE4E
constexpr std::array<uint32_t, 9> kSpaceRequired = {1523400, 1525760, 1527808, 1529856, 1536000,
                                                    1548288, 1605632, 1671168, 1900544};
// Sizes chosen so that their totals, rounded per cluster size, give exactly
// the figures above.
constexpr std::array<std::size_t, 8> kFileSizes = {592936, 331304, 199720, 136744, 87080, 88064, 23040, 64512};
constexpr uint32_t kDate = 1009802308;  // 0x3C305C44
// Random bytes at the start of the second file: they leave some 180 bytes for
// the last file's name.
constexpr std::size_t kRandomPart = 235600;

std::string ExampleDescriptor() {
  const std::string token = ScrambleToken("VantorNoUpdates!", 7, 4);
  return "|http:|.info|.exe|" + token + "|0|";
}

// The first file zeros (compresses to almost nothing), the second partly
// random (compresses to about the size of its random part), the rest stored;
// the last file's name takes up the few bytes left, so that the records end
// exactly at the example's trailer offset.
PackageSpec ExampleSpec() {
  PackageSpec spec;
  spec.stub = PeStub(kProgramSize);
  spec.languageTable = "\x02";
  spec.setupDescriptor = ExampleDescriptor();
  const char* names[] = {"data.cab", "Engine.exe", "help.chm", "lib1.dll", "lib2.dll", "lib3.dll", "notes.txt"};
  for (std::size_t i = 0; i < 7; ++i) {
    PackageEntry entry;
    entry.name = names[i];
    entry.dosDateTime = kDate;
    entry.compress = i < 2;
    entry.engine = i == 1;
    entry.content = i == 0 ? std::string(kFileSizes[i], '\0') : RandomBytes(kFileSizes[i], static_cast<uint32_t>(i));
    if (i == 1) entry.content.replace(kRandomPart, std::string::npos, kFileSizes[i] - kRandomPart, '\0');
    spec.entries.push_back(entry);
  }
  int64_t used = static_cast<int64_t>(kFirstFileRecord);
  for (const PackageEntry& entry : spec.entries) used += static_cast<int64_t>(MakeFileRecord(entry)->size());
  PackageEntry last;
  last.name = "readme.txt";
  last.dosDateTime = kDate;
  last.compress = false;
  last.content = RandomBytes(kFileSizes[7], 7);
  const int64_t left = kTrailerStart - used - static_cast<int64_t>(MakeFileRecord(last)->size());
  EXPECT_GE(left, 0) << "the random part of the second file is too large";
  last.name = std::string(static_cast<std::size_t>(std::max<int64_t>(0, left)), '_') + "readme.txt";
  spec.entries.push_back(last);
  return spec;
}

TEST(PackageExample, LayoutMatchesEveryFigure) {
  const PackageSpec spec = ExampleSpec();
  ASSERT_EQ(spec.setupDescriptor.size(), 69u);
  const BuiltPackage built = BuildPackage(spec);
  ASSERT_EQ(built.error, "");
  const std::string& file = built.bytes;
  ASSERT_EQ(static_cast<int64_t>(file.size()), kFileSize);
  MemorySource source(file);

  EXPECT_TRUE(IsPeFile(source));
  EXPECT_EQ(PackageEnd(source), 0x000F90EF);
  EXPECT_EQ(file.substr(248, 8), std::string("\0\0\0\0\xEF\x90\x0F\0", 8));
  // The magic sits at offset 12 of the trailer that starts at 0xF90A5.
  EXPECT_EQ(file.substr(kTrailerStart + 12, 4), "\x1D\x2C\x3B\x4A");

  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  EXPECT_EQ(trailer.HeaderCount(), 2);
  EXPECT_EQ(trailer.PayloadOffset(), 0x2CE00u);
  EXPECT_EQ(trailer.FilesCount(), 8u);
  EXPECT_EQ(trailer.Magic(), kPackageMagic);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(trailer.SpaceRequired(i), kSpaceRequired[i]) << "SpaceRequired[" << i << "]";
  EXPECT_EQ(trailer.Flags(), 0);
  for (int offset = kOffsetWebSetup; offset <= kOffsetAgent; ++offset) EXPECT_EQ(trailer.Byte(offset), 0);
  EXPECT_EQ(trailer.TrailerLength(), 74);
  EXPECT_EQ(trailer.Checksum(), ComputePackageChecksum(source, trailer.TrailerLength()));

  const TGFileInfo info(&source);
  EXPECT_EQ(info.LanguageTable(), "\x02");
  EXPECT_EQ(info.SetupDescriptor().size(), 69u);
  EXPECT_EQ(info.Trailer().PayloadOffset(), 0x2CE4Eu);
  EXPECT_EQ(info.Trailer().HeaderCount(), 2);
  EXPECT_EQ(info.SetupToken(true), "VantorNoUpdates!");
  EXPECT_EQ(info.UpdateBase(), "http:");
  EXPECT_EQ(info.InfoFileName(), ".info");
  EXPECT_EQ(info.AgentExeName(), ".exe");
  EXPECT_FALSE(info.QuietFlag());

  // The first file record starts where the object's PayloadOffset points.
  const auto records = fixtures::DecodeRecords(file, kFirstFileRecord, 2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].text.substr(0, 22), std::string("|data.cab|1009802308|\0", 22));
  EXPECT_EQ(records[1].text.substr(0, 25), std::string("|Engine.exe*|1009802308|\0", 25));
}

}  // namespace
}  // namespace vantor
