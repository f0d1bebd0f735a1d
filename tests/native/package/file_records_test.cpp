// The record framing and the record text: what a file record names, dates
// and marks, and which records are refused.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "package/file_records.h"
#include "package/package_writer.h"
#include "package/record_inflate.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

using namespace std::string_literals;

// The data of a record as the packer writes it, without the length field.
std::string RecordData(const PackageEntry& entry) { return MakeFileRecord(entry)->substr(4); }

TEST(DecodeRecordLength, SignGivesCompressionAndSize) {
  const struct {
    uint32_t raw;
    bool compressed;
    int64_t size;
  } cases[] = {
      {5, true, 5},
      {0xFFFFFFFB, false, 5},  // -5: five stored bytes
      {0, false, 0},
      {0x7FFFFFFF, true, 0x7FFFFFFF},
      {0x80000000, false, int64_t{1} << 31},  // -2^31 has no positive 32-bit form
  };
  for (const auto& c : cases) {
    const RecordFrame frame = DecodeRecordLength(c.raw);
    EXPECT_EQ(frame.compressed, c.compressed) << c.raw;
    EXPECT_EQ(frame.size, c.size) << c.raw;
  }
}

TEST(SplitRecordText, FirstZeroByteEndsTheHeader) {
  const struct {
    std::string text, header, content;
  } cases[] = {
      {"|a.txt|1|\0abc"s, "|a.txt|1|", "abc"},
      {"|a|1|\0a\0b\0"s, "|a|1|", "a\0b\0"s},
      {"|a|1|\0"s, "|a|1|", ""},
      {"no zero byte", "", ""},
      {"\0content"s, "", "content"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const RecordTextParts parts = SplitRecordText(c.text);
    EXPECT_EQ(parts.header, c.header) << c.text;
    EXPECT_EQ(parts.content, c.content) << c.text;
  }
}

TEST(RecordDate, DecimalNumbersOnly) {
  const struct {
    const char* item;
    uint32_t date;
  } cases[] = {
      {"1009802308", 0x3C305C44},
      {"0", 0},
      {"", 0},
      {"4294967295", 0xFFFFFFFF},
      {"4294967296", 0},
      {"12a", 0},
      {"-5", 0},
      {" 7", 0},
      {"$10", 0},
      {"99999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordDate(c.item), c.date) << c.item;
}

TEST(ParseRecordHeader, NameDateAndCommandItem) {
  const struct {
    const char* header;
    const char* name;
    uint32_t date;
    std::optional<std::string> command;
  } cases[] = {
      {"|Engine.exe*|1009802308|", "Engine.exe", 0x3C305C44, "Engine.exe*"},
      {"|Engine.exe*/LANG=2|1009802308|", "Engine.exe", 0x3C305C44, "Engine.exe*/LANG=2"},
      {"|docs\\readme.txt|7|extra|", "docs\\readme.txt", 7, std::nullopt},
      {"|plain.txt|", "plain.txt", 0, std::nullopt},
      {"|plain.txt|soon|", "plain.txt", 0, std::nullopt},
      // A "*" outside the name item makes the whole header the command item.
      {"|a.txt|1|x*y|", "a.txt", 1, "|a.txt|1|x*y|"},
      {"/slash.txt/3/", "slash.txt", 3, std::nullopt},
  };
  for (const auto& c : cases) {
    const RecordHeader header = ParseRecordHeader(c.header);
    EXPECT_EQ(header.name, c.name) << c.header;
    EXPECT_EQ(header.date, c.date) << c.header;
    EXPECT_EQ(header.commandItem, c.command) << c.header;
  }
}

TEST(DecodeFileRecord, CompressedAndStoredRecordsOfThePacker) {
  const std::string content = fixtures::RandomBytes(200000, 3) + "\0tail"s;
  for (const bool compress : {true, false}) {
    const PackageEntry entry{"sub\\Engine.exe", 0x3C305C44, content, compress, true, "/LANG=2"};
    const FileRecordText record = DecodeFileRecord(compress, RecordData(entry), kInflateCeiling);
    ASSERT_EQ(record.status, RecordStatus::File) << compress;
    EXPECT_EQ(record.header.name, "sub\\Engine.exe");
    EXPECT_EQ(record.header.date, 0x3C305C44u);
    EXPECT_EQ(record.header.commandItem, "sub\\Engine.exe*/LANG=2");
    EXPECT_EQ(record.Content(), content);
  }
}

TEST(DecodeFileRecord, RefusedAndSkippedRecords) {
  const std::string good = RecordData({"a.txt", 1, "abc", true, false, ""});
  std::string corrupt = good;
  corrupt[corrupt.size() / 2] ^= 0x55;
  const struct {
    const char* name;
    bool compressed;
    std::string data;
    uint64_t limit;
    RecordStatus status;
  } cases[] = {
      {"no byte 0", false, "|a.txt|1|abc", kInflateCeiling, RecordStatus::NoHeader},
      {"empty header", false, "\0abc"s, kInflateCeiling, RecordStatus::NoHeader},
      {"empty record", false, "", kInflateCeiling, RecordStatus::NoHeader},
      {"parent folder", false, "|..\\evil.exe*|1|\0MZ"s, kInflateCeiling, RecordStatus::UnsafeName},
      {"drive letter", false, "|C:\\evil.exe|1|\0MZ"s, kInflateCeiling, RecordStatus::UnsafeName},
      {"empty name", false, "||1|\0MZ"s, kInflateCeiling, RecordStatus::UnsafeName},
      {"corrupt stream", true, corrupt, kInflateCeiling, RecordStatus::BadStream},
      {"stored bytes taken for a stream", true, "|a.txt|1|\0abc"s, kInflateCeiling, RecordStatus::BadStream},
      {"truncated stream", true, good.substr(0, good.size() - 3), kInflateCeiling, RecordStatus::BadStream},
      {"beyond the bound", true, good, 5, RecordStatus::TooLarge},
  };
  for (const auto& c : cases) {
    std::string data = c.data;
    const FileRecordText record = DecodeFileRecord(c.compressed, std::move(data), c.limit);
    EXPECT_EQ(record.status, c.status) << c.name;
    EXPECT_FALSE(record.header.commandItem) << c.name;
  }
}

TEST(DecodeFileRecord, UnsafeNameStillTellsTheContentSize) {
  const FileRecordText record = DecodeFileRecord(false,
                                                 "|..\\x.txt|1|\0"
                                                 "12345"s,
                                                 kInflateCeiling);
  EXPECT_EQ(record.status, RecordStatus::UnsafeName);
  EXPECT_EQ(record.header.name, "..\\x.txt");
  EXPECT_EQ(record.Content(), "12345");
}

}  // namespace
}  // namespace vantor
