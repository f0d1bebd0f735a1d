#include "agent/work_folder_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

TEST(SetupWorkFolderName, TheTimeHalfOfTheProgramDateInDecimal) {
  struct Case {
    uint32_t dosDateTime;
    const char* name;
  } cases[] = {
      {0x00006B3A, "C:\\Temp\\SETUP_27450"},
      {0x5A216B3A, "C:\\Temp\\SETUP_27450"},  // the date half plays no part
      {0x5A210000, "C:\\Temp\\SETUP_0"},
      {0xFFFFFFFF, "C:\\Temp\\SETUP_65535"},
  };
  for (const Case& c : cases) EXPECT_EQ(SetupWorkFolderName("C:\\Temp\\", c.dosDateTime), c.name) << c.dosDateTime;
}

constexpr double kGiB = 1024.0 * 1024 * 1024;

TEST(FallbackDrive, TheFixedDriveWithStrictlyMostFreeSpace) {
  struct Case {
    const char* label;
    const char* tempFolder;
    std::vector<DriveSpace> drives;
    char drive;
  } cases[] = {
      {"only C fixed, temporary folder on C", "C:\\Temp\\", {{'C', 5 * kGiB}}, '\0'},
      {"D ahead of C and E", "C:\\Temp\\", {{'C', 1 * kGiB}, {'D', 9 * kGiB}, {'E', 2 * kGiB}}, 'D'},
      {"temporary drive in lower case", "c:\\temp\\", {{'C', 9 * kGiB}, {'D', 1 * kGiB}}, '\0'},
      {"a tie keeps the earlier drive", "E:\\Temp\\", {{'C', 4 * kGiB}, {'D', 4 * kGiB}, {'E', 1 * kGiB}}, 'C'},
      {"the temporary drive ahead", "D:\\Temp\\", {{'C', 1 * kGiB}, {'D', 4 * kGiB}}, '\0'},
      {"unknown free space never wins", "C:\\Temp\\", {{'C', 0}, {'D', -1}}, '\0'},
      {"not writable never wins", "Z:\\tmp\\", {{'C', 0}, {'D', 0}, {'E', 0}}, '\0'},
      {"temporary folder on another drive", "Z:\\tmp\\", {{'C', 1 * kGiB}}, 'C'},
      {"temporary folder on a share", "\\\\server\\temp\\", {{'C', 1 * kGiB}}, 'C'},
  };
  for (const Case& c : cases) EXPECT_EQ(FallbackDrive(c.tempFolder, c.drives), c.drive) << c.label;
}

TEST(FallbackTempRootOn, InsideTheDrivesTempFolderWhenThatExists) {
  EXPECT_EQ(DriveTempFolder('d'), "D:\\TEMP");
  EXPECT_EQ(FallbackTempRootOn('D', false), "D:\\TEMP");
  EXPECT_EQ(FallbackTempRootOn('D', true), "D:\\TEMP\\TEMP");
}

}  // namespace
}  // namespace vantor
