#include "net/download_errors.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(DownloadErrorTexts, UrlTextsCarryTheirMarkup) {
  const char url[] = "http://example.test/a b.exe";
  EXPECT_EQ(UnableToOpenText(url), "Unable to open Internet Connection <P>URL: http://example.test/a b.exe");
  EXPECT_EQ(FileNotFoundText(url), "http://example.test/a b.exe<P><P>File Not Found !");
  EXPECT_EQ(kUnableToInitializeText, "Unable to initialize \"WinINet.dll\"");
}

}  // namespace
}  // namespace vantor
