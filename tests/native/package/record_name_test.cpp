#include <gtest/gtest.h>

#include <string>

#include "package/record_name.h"

namespace vantor {
namespace {

TEST(IsSafeRecordName, OnlyNamesThatStayInTheDestination) {
  const struct {
    const char* name;
    bool safe;
  } cases[] = {
      {"Engine.exe", true},
      {"docs\\readme.txt", true},
      {"docs/deeper/readme.txt", true},
      {"..x", true},
      {"x..", true},
      {"a\\\\b.txt", true},  // the system reads the doubled separator as one
      {"console.txt", true},
      {"COM10", true},
      {"", false},
      {"..", false},
      {"..\\evil.exe", false},
      {"a\\..\\..\\evil.exe", false},
      {"a/../../evil.exe", false},
      {".", false},
      {"a\\.\\b", false},
      {"... \\x", false},  // the system trims trailing dots and blanks
      {"a\\.. ", false},
      {"\\rooted.exe", false},
      {"/rooted.exe", false},
      {"\\\\server\\share\\x", false},
      {"C:\\Windows\\evil.exe", false},
      {"C:evil.exe", false},
      {"file.txt:stream", false},
      {"CON", false},
      {"nul.txt", false},
      {"sub\\aux", false},
      {"Com1.log", false},
      {"LPT9", false},
      {"PRN ", false},
      {"conout$", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSafeRecordName(c.name), c.safe) << c.name;
}

}  // namespace
}  // namespace vantor
