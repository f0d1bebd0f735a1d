// The texts of the agent's downloads.
#include <gtest/gtest.h>

#include <string>

#include "agent/agent_downloads.h"
#include "agent/download_texts.h"

namespace vantor {
namespace {

TEST(DownloadCaptionKey, OneCaptionPerKind) {
  ASSERT_NE(DownloadCaptionKey(kInfoFile), nullptr);
  ASSERT_NE(DownloadCaptionKey(kUpdateFile), nullptr);
  ASSERT_NE(DownloadCaptionKey(kInformFile), nullptr);
  EXPECT_EQ(DownloadCaptionKey(kInfoFile)->name, "s31");
  EXPECT_EQ(DownloadCaptionKey(kInfoFile)->def, "Downloading INFO File...");
  EXPECT_EQ(DownloadCaptionKey(kUpdateFile)->name, "s32");
  EXPECT_EQ(DownloadCaptionKey(kUpdateFile)->def, "Downloading UPDATE File...");
  EXPECT_EQ(DownloadCaptionKey(kInformFile)->name, "s33");
  EXPECT_EQ(DownloadCaptionKey(kInformFile)->def, "Downloading INFORM File...");
  EXPECT_EQ(DownloadCaptionKey(0), nullptr);
  EXPECT_EQ(DownloadCaptionKey(4), nullptr);
}

TEST(TransferFailureMessage, AbortedOrThePathWithNotFoundOrUnableToDownload) {
  const struct {
    const char* source;
    bool aborted;
    const char* expected;
  } cases[] = {
      {"C:\\Updates/Update.exe", false, "C:\\Updates/Update.exe<P><P>not found"},
      {"\\\\server\\share/Update.exe", false, "\\\\server\\share/Update.exe<P><P>not found"},
      {"http://example.com/Update.exe", false, "http://example.com/Update.exe<P><P>unable"},
      {"\\server/Update.exe", false, "\\server/Update.exe<P><P>unable"},  // one backslash: not a share
      {"C:/x", true, "aborted"},
      {"http://example.com/Update.exe", true, "aborted"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TransferFailureMessage(c.source, c.aborted, "aborted", "not found", "unable"), c.expected) << c.source;
  }
}

TEST(IsDriveOrSharePath, DriveLetterOrTwoBackslashes) {
  EXPECT_TRUE(IsDriveOrSharePath("C:"));
  EXPECT_TRUE(IsDriveOrSharePath("d:\\x"));
  EXPECT_TRUE(IsDriveOrSharePath("\\\\srv"));
  EXPECT_FALSE(IsDriveOrSharePath("http://x"));
  EXPECT_FALSE(IsDriveOrSharePath("C"));
  EXPECT_FALSE(IsDriveOrSharePath(""));
  EXPECT_FALSE(IsDriveOrSharePath("\\x"));
}

}  // namespace
}  // namespace vantor
