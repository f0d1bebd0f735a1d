// Walking the records of a part: header records skipped only in the first
// part, and every declared length checked against what is left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/file_records.h"
#include "package/package_writer.h"
#include "package/part_records.h"
#include "package/record_inflate.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

class RecordingVisitor final : public RecordVisitor {
 public:
  void Pump() override { ++pumps; }
  void FileRecord(bool compressed, std::string&& data) override {
    const FileRecordText record = DecodeFileRecord(compressed, std::move(data), kInflateCeiling);
    names.push_back(record.status == RecordStatus::File ? record.header.name : "?");
    contents.emplace_back(record.Content());
  }
  void UnreadableRecord(int64_t) override { names.push_back("unreadable"); }

  int pumps = 0;
  std::vector<std::string> names;
  std::vector<std::string> contents;
};

PackageSpec ThreeFileSpec() {
  PackageSpec spec;
  spec.stub = fixtures::PeStub(1024);
  spec.languageTable = "\x02";
  spec.setupDescriptor = "|http://|.info|Agent.exe|tok|0|";
  spec.entries.push_back({"Engine.exe", 1, "engine", true, true, ""});
  spec.entries.push_back({"big.bin", 2, fixtures::RandomBytes(200000, 1), false, false, ""});
  spec.entries.push_back({"docs\\readme.txt", 3, "read me", true, false, ""});
  return spec;
}

struct Walked {
  PartEnd end;
  RecordRun run;
  RecordingVisitor visitor;
};

Walked Walk(const std::string& file, bool firstPart, RecordRun run = {}) {
  MemorySource source(file);
  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  Walked walked{PartEnd::Complete, run, {}};
  walked.end =
      WalkPartRecords(source, trailer.PayloadOffset(), PartLength(source), firstPart, walked.run, walked.visitor);
  return walked;
}

TEST(WalkPartRecords, SkipsTheHeaderRecordsAndRemembersWhereTheyEnd) {
  const PackageSpec spec = ThreeFileSpec();
  const std::string file = BuildPackage(spec).bytes;
  const Walked walked = Walk(file, true);
  EXPECT_EQ(walked.end, PartEnd::Complete);
  EXPECT_EQ(walked.visitor.names, (std::vector<std::string>{"Engine.exe", "big.bin", "docs\\readme.txt"}));
  EXPECT_EQ(walked.visitor.contents[1], spec.entries[1].content);
  EXPECT_EQ(walked.run.recordCount, 5);
  // The program, then two header records of 1 and 31 bytes.
  EXPECT_EQ(walked.run.headerEnd, 1024 + 4 + 1 + 4 + 31);
  // Between records, and between the 64 KiB pieces of the stored 200 KB.
  EXPECT_GE(walked.visitor.pumps, 3 + 4);
}

TEST(WalkPartRecords, RecordsRunOnAcrossPartsWithoutHeaders) {
  PackageSpec spec = ThreeFileSpec();
  spec.entries[1] = {"a.bin", 2, fixtures::RandomBytes(60000, 1), false, false, ""};
  spec.entries.insert(spec.entries.begin() + 2, {"b.bin", 2, fixtures::RandomBytes(60000, 2), false, false, ""});
  const BuiltParts parts = BuildPackageParts(spec, 61000);
  ASSERT_EQ(parts.error, "");
  ASSERT_EQ(parts.files.size(), 3u);
  RecordRun run;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < parts.files.size(); ++i) {
    Walked walked = Walk(parts.files[i], i == 0, run);
    EXPECT_EQ(walked.end, PartEnd::Complete) << i;
    run = walked.run;
    names.insert(names.end(), walked.visitor.names.begin(), walked.visitor.names.end());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Engine.exe", "a.bin", "b.bin", "docs\\readme.txt"}));
  EXPECT_EQ(run.recordCount, 6);
}

TEST(WalkPartRecords, StopsAtALengthPastThePartOrAShortRead) {
  const std::string file = BuildPackage(ThreeFileSpec()).bytes;
  MemorySource source(file);
  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  const std::size_t firstRecord = 1024 + 4 + 1 + 4 + 31;
  std::string tooLong = file;
  StoreU32(reinterpret_cast<uint8_t*>(tooLong.data()) + firstRecord, 0x7FFFFFF0);
  std::string tooLongStored = file;
  StoreU32(reinterpret_cast<uint8_t*>(tooLongStored.data()) + firstRecord, 0x80000000);
  std::string headerTooLong = file;
  StoreU32(reinterpret_cast<uint8_t*>(headerTooLong.data()) + 1024, 0xFFFFFF00);
  // PackageEnd a megabyte beyond the physical end: reads come back short.
  std::string endBeyond = file;
  StoreU32(reinterpret_cast<uint8_t*>(endBeyond.data()) + 252, static_cast<uint32_t>(file.size() + (1 << 20)));
  const struct {
    const char* name;
    std::string file;
    PartEnd end;
    std::size_t files;
  } cases[] = {
      {"compressed length past the end", tooLong, PartEnd::LengthPastEnd, 0},
      {"stored length of 2^31", tooLongStored, PartEnd::LengthPastEnd, 0},
      {"header length past the end", headerTooLong, PartEnd::LengthPastEnd, 0},
      {"part longer than its file", endBeyond, PartEnd::ShortRead, 3},
  };
  for (const auto& c : cases) {
    MemorySource damaged(c.file);
    RecordRun run;
    RecordingVisitor visitor;
    EXPECT_EQ(WalkPartRecords(damaged, trailer.PayloadOffset(), PartLength(damaged), true, run, visitor), c.end)
        << c.name;
    EXPECT_EQ(visitor.names.size(), c.files) << c.name;
  }
}

TEST(WalkPartRecords, NothingToWalkInATrailerAlone) {
  // No record fits before the trailer: the trailer is not read as one.
  PackageSpec spec = ThreeFileSpec();
  spec.entries.clear();
  const std::string file = BuildPackage(spec).bytes;
  MemorySource source(file);
  RecordRun run;
  RecordingVisitor visitor;
  const int64_t trailerStart = static_cast<int64_t>(file.size()) - 74;
  EXPECT_EQ(WalkPartRecords(source, trailerStart, PartLength(source), false, run, visitor), PartEnd::Complete);
  EXPECT_EQ(run.recordCount, 0);
  EXPECT_TRUE(visitor.names.empty());
}

TEST(PartLength, PackageEndOfAPeFileElseTheSize) {
  PackageSpec spec = ThreeFileSpec();
  const std::string withEnd = BuildPackage(spec).bytes + "signature";
  spec.trailer.recordPackageEnd = false;
  const std::string withoutEnd = BuildPackage(spec).bytes;
  spec.stub = "not a PE file";
  const std::string plain = BuildPackage(spec).bytes;
  MemorySource a(withEnd), b(withoutEnd), c(plain);
  EXPECT_EQ(PartLength(a), static_cast<int64_t>(withEnd.size() - 9));
  EXPECT_EQ(PartLength(b), static_cast<int64_t>(withoutEnd.size()));
  EXPECT_EQ(PartLength(c), static_cast<int64_t>(plain.size()));
}

}  // namespace
}  // namespace vantor
