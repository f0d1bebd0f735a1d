#include "base/file_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

constexpr uint64_t kGiB = 1024ull * 1024 * 1024;
constexpr std::size_t kMiB = 1024 * 1024;

TEST(ReadFileCount, OffsetMaximumAndTheSingleReadLimit) {
  struct Case {
    uint64_t size;
    int64_t offset;
    uint64_t maximum;
    uint64_t count;
  } cases[] = {
      {4, 0, 0, 4},
      {4, 0, 10, 4},  // a maximum beyond the end reads to the end
      {4, 1, 2, 2},
      {4, 4, 0, 0},  // offset at the end
      {4, 5, 0, 0},
      {4, -1, 0, 0},
      {0, 0, 0, 0},
      {5 * kGiB, 0, 10, 10},
      {5 * kGiB, 5 * kGiB - 4, 0, 4},  // offsets beyond 32 bits
      {5 * kGiB, 0, 0, 0},             // 5 GiB do not fit one read: nothing, not 1 GiB
      {4 * kGiB, 0, 0, 0},             // low 32 bits 0
      {4 * kGiB - 1, 0, 0, 4 * kGiB - 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadFileCount(c.size, c.offset, c.maximum), c.count)
        << c.size << " at " << c.offset << " max " << c.maximum;
  }
}

TEST(WriteChunkSize, OneWriteUpTo1MiBThenATenthAtMost1MiB) {
  struct Case {
    std::size_t length, chunk;
  } cases[] = {
      {0, 0}, {10, 10}, {kMiB, kMiB}, {kMiB + 1, (kMiB + 1) / 10}, {3 * kMiB, 314572}, {20 * kMiB, kMiB},
  };
  for (const Case& c : cases) EXPECT_EQ(WriteChunkSize(c.length), c.chunk) << c.length;
}

std::string Pattern(std::size_t length) {
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 23);
  return text;
}

TEST(WriteInChunks, ThreeMiBGoesInTenChunksAndTheRest) {
  const std::string text = Pattern(3 * kMiB);
  std::vector<std::size_t> sizes;
  std::string received;
  const std::size_t written = WriteInChunks(text, [&](std::string_view chunk) {
    sizes.push_back(chunk.size());
    received += chunk;
    return chunk.size();
  });
  std::vector<std::size_t> expected(10, 314572);
  expected.push_back(3 * kMiB - 10 * 314572);
  EXPECT_EQ(sizes, expected);
  EXPECT_EQ(written, text.size());
  EXPECT_EQ(received, text);
}

TEST(WriteInChunks, ShortWritesContinueWhereTheyStopped) {
  const std::string text = Pattern(kMiB + 5000);
  std::string received;
  const std::size_t written = WriteInChunks(text, [&](std::string_view chunk) {
    const std::string_view taken = chunk.substr(0, 1000);
    received += taken;
    return taken.size();
  });
  EXPECT_EQ(written, text.size());
  EXPECT_EQ(received, text);
}

TEST(WriteInChunks, AWriteThatTakesNothingStopsAndCountsOnlyWhatWasWritten) {
  const std::string text = Pattern(3 * kMiB);
  int calls = 0;
  const std::size_t written =
      WriteInChunks(text, [&](std::string_view chunk) -> std::size_t { return ++calls <= 2 ? chunk.size() : 0; });
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(written, 2u * 314572);
}

TEST(WriteInChunks, SmallTextGoesInOneWrite) {
  std::vector<std::string> chunks;
  EXPECT_EQ(WriteInChunks("abc", [&](std::string_view chunk) {
              chunks.emplace_back(chunk);
              return chunk.size();
            }),
            3u);
  EXPECT_EQ(chunks, std::vector<std::string>{"abc"});
}

TEST(DiskRootPath, CutsAtTheFirstBackslashFromPositionFourOrForcesTheRoot) {
  struct Case {
    const char* path;
    bool force;
    const char* root;
  } cases[] = {
      {"D:/Data/x", false, "D:\\Data"},
      {"D:/Data/x", true, "D:\\"},
      {"C:\\Program Files\\App", false, "C:\\Program Files"},
      {"C:\\", false, "C:\\"},
      {"C:\\x", false, "C:\\x"},
      {"e:\\a\\b", true, "E:\\"},
      {"e:", false, "E:\\"},  // shorter than 3 characters
      {"e", false, "E:\\"},
      {"", false, ""},
      {"", true, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DiskRootPath(c.path, c.force), c.root) << c.path << " " << c.force;
}

TEST(IsNetworkPath, TwoLeadingSeparators) {
  EXPECT_TRUE(IsNetworkPath("\\\\server\\share\\x"));
  EXPECT_TRUE(IsNetworkPath("//server/share"));
  EXPECT_FALSE(IsNetworkPath("\\x"));
  EXPECT_FALSE(IsNetworkPath("C:\\\\x"));
}

TEST(SelfDeleteScript, FourLinesOrFiveWithTheFolder) {
  const char* exe = "C:\\Temp\\Y_1\\setup.exe";
  const char* folder = "C:\\Temp\\Y_1";
  const char* bat = "C:\\Temp\\_DEL_ME_.BAT";
  EXPECT_EQ(SelfDeleteScript(exe, folder, bat, false),
            ":START\r\n"
            "DEL \"C:\\Temp\\Y_1\\setup.exe\"\r\n"
            "IF exist \"C:\\Temp\\Y_1\\setup.exe\" GOTO START\r\n"
            "DEL \"C:\\Temp\\_DEL_ME_.BAT\"\r\n");
  EXPECT_EQ(SelfDeleteScript(exe, folder, bat, true),
            ":START\r\n"
            "DEL \"C:\\Temp\\Y_1\\setup.exe\"\r\n"
            "IF exist \"C:\\Temp\\Y_1\\setup.exe\" GOTO START\r\n"
            "RD \"C:\\Temp\\Y_1\"\r\n"
            "DEL \"C:\\Temp\\_DEL_ME_.BAT\"\r\n");
}

TEST(SelfDeleteScript, PercentSignsAreDoubledSoCmdKeepsThem) {
  EXPECT_EQ(SelfDeleteScript("C:\\a%TEMP%b\\x.exe", "C:\\a%TEMP%b", "C:\\T\\_DEL_ME_.BAT", true),
            ":START\r\n"
            "DEL \"C:\\a%%TEMP%%b\\x.exe\"\r\n"
            "IF exist \"C:\\a%%TEMP%%b\\x.exe\" GOTO START\r\n"
            "RD \"C:\\a%%TEMP%%b\"\r\n"
            "DEL \"C:\\T\\_DEL_ME_.BAT\"\r\n");
}

}  // namespace
}  // namespace vantor
