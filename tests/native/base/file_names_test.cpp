#include "base/file_names.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(FileNameWithoutExt, LastOrAllExtensions) {
  struct Case {
    const char* path;
    bool all;
    const char* name;
  } cases[] = {
      {"C:\\a\\setup.tar.gz", false, "setup.tar"}, {"C:\\a\\setup.tar.gz", true, "setup"},
      {"C:\\a.b\\name", true, "name"},  // dots in folders do not count
      {"Widget.2.info", true, "Widget"},         {"noext", false, "noext"},
      {"C:\\a\\", true, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FileNameWithoutExt(c.path, c.all), c.name) << c.path;
  EXPECT_EQ(ExtractFilePath("C:\\a\\b.exe"), "C:\\a\\");
  EXPECT_EQ(ExtractFileName("C:b.exe"), "b.exe");
}

}  // namespace
}  // namespace vantor
