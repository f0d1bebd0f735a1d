#include "package/web_setup.h"

#include <gtest/gtest.h>

#include "package/package_layout.h"

namespace vantor {
namespace {

// A PE-like file of `package` bytes whose PackageEnd is recorded, plus `appended` bytes.
std::string SignedFile(std::size_t package, std::size_t appended) {
  std::string bytes(package, 'p');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  for (int i = 0; i < 8; ++i) bytes[248 + i] = 0;
  for (int i = 0; i < 4; ++i) bytes[252 + i] = static_cast<char>((package >> (8 * i)) & 0xFF);
  return bytes + std::string(appended, 's');
}

TEST(DownloadOnlyAgentCopy, CutsAtThePackageEndAndMarksTheTrailer) {
  struct Case {
    std::size_t package, appended;
  } cases[] = {{1000, 0}, {1000, 9999}, {1000, 10000}, {1000, 50000}};
  for (const Case& c : cases) {
    const std::string copy = DownloadOnlyAgentCopy(SignedFile(c.package, c.appended));
    ASSERT_EQ(copy.size(), c.package) << c.appended;
    EXPECT_EQ(copy[copy.size() - 5], 1) << "the trailer's agent byte (offset 69 of 74)";
    EXPECT_EQ(copy.substr(0, 248), SignedFile(c.package, 0).substr(0, 248));
  }
}

TEST(DownloadOnlyAgentCopy, WithoutRecordedEndTheWholeFileIsMarked) {
  std::string bytes(600, 'x');
  for (int i = 248; i < 256; ++i) bytes[i] = 0;
  const std::string copy = DownloadOnlyAgentCopy(bytes);
  EXPECT_EQ(copy.size(), 600u);
  EXPECT_EQ(copy[595], 1);
  EXPECT_EQ(DownloadOnlyAgentCopy("abcde"), "abcde");  // too short to carry a trailer
}

TEST(DownloadQuestion, SizeInMegabytes) {
  EXPECT_EQ(DownloadQuestion("Size: <SIZE> MB", "1572864"), "Size: 1.50 MB");
  EXPECT_EQ(DownloadQuestion("Size: <SIZE> MB", ""), "Size: 0.000 MB");
  EXPECT_EQ(DownloadQuestion("Size: <SIZE> MB", "big"), "Size: 0.000 MB");
  EXPECT_EQ(DownloadQuestion("<size>", "1572864"), "<size>");  // the place-holder keeps its case
}

}  // namespace
}  // namespace vantor
