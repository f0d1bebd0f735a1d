#include <gtest/gtest.h>

#include <string>

#include "package/extract_messages.h"

namespace vantor {
namespace {

TEST(ExtractMessages, FailureTextsWithTheSizeReport) {
  const std::string report = SizeReportText("There is not enough space on the disk", 1523400, 65536, 65536.9);
  EXPECT_EQ(report,
            "There is not enough space on the disk<P>  Data Size: <T>1523400 Bytes<P>"
            "  File Size:  <T>65536 Bytes<P>  Bytes Free: <T>65536 Bytes");
  EXPECT_EQ(WriteFailureText("C:\\Temp\\SETUP_1\\data.bin", report),
            "C:\\Temp\\SETUP_1\\data.bin<P><P>Unable to save Extracted File!<P><P>" + report);
  EXPECT_EQ(SizeReportText("", 0, 0, -1),
            "<P>  Data Size: <T>0 Bytes<P>  File Size:  <T>0 Bytes<P>  Bytes Free: <T>-1 Bytes");
  EXPECT_EQ(FolderFailureText("Q:\\x", "Access is denied"),
            "Q:\\x<P><P>Unable to create Directory!<P><P>Access is denied");
}

}  // namespace
}  // namespace vantor
