#include <gtest/gtest.h>

#include <string>

#include "package/part_files.h"

namespace vantor {
namespace {

TEST(PartFileName, BaseWithoutFinalFirstPartSuffix) {
  const struct {
    const char* source;
    int part;
    const char* name;
  } cases[] = {
      {"D:\\setup.exe.001", 2, "D:\\setup.exe.002"},
      {"D:\\setup.exe", 2, "D:\\setup.exe.002"},
      {"D:\\setup.exe", 12, "D:\\setup.exe.012"},
      {"D:\\setup.exe", 1000, "D:\\setup.exe.1000"},
      {"D:\\setup.001.exe", 3, "D:\\setup.001.exe.003"},  // only a final .001 goes
      {"D:\\setup.exe.001.001", 2, "D:\\setup.exe.001.002"},
      {"D:\\SETUP.EXE.001", 2, "D:\\SETUP.EXE.002"},
      {".001", 2, ".002"},
  };
  for (const auto& c : cases) EXPECT_EQ(PartFileName(PartFileBase(c.source), c.part), c.name) << c.source;
}

TEST(DiskPromptText, PlaceHolderBecomesThePlainNumber) {
  EXPECT_EQ(DiskPromptText("Insert disk <DISK_NUM>.<P>Disk <disk_num> holds part <DISK_NUM>.", 2),
            "Insert disk 2.<P>Disk 2 holds part 2.");
  EXPECT_EQ(DiskPromptText("Insert the next disk.", 3), "Insert the next disk.");
}

TEST(SourceTakesAgentCopy, ProgramFilesOnly) {
  const struct {
    const char* source;
    bool copy;
  } cases[] = {
      {"C:\\setup.exe", true},      {"C:\\SETUP.EXE", true},      {"D:\\setup.exe.001", true},
      {"D:\\Setup.Exe.001", true},  {"C:\\setup.bin", false},     {"D:\\setup.exe.002", false},
      {"C:\\setup.exe.bak", false}, {"C:\\setup.bin.001", false},
  };
  for (const auto& c : cases) EXPECT_EQ(SourceTakesAgentCopy(c.source), c.copy) << c.source;
}

}  // namespace
}  // namespace vantor
