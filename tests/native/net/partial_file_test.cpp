#include "net/partial_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vantor {
namespace {

TEST(PartialFileName, TargetDotSignedSumOfSizeAndDate) {
  struct Case {
    int32_t total;
    uint32_t date;
    const char* name;
  } cases[] = {
      {5550061, 0, "C:\\App\\Update.exe.5550061"},
      {61, 5550000, "C:\\App\\Update.exe.5550061"},
      {100, 0xF0000000u, "C:\\App\\Update.exe.-268435356"},  // dates from 2100 on pass the sign bit
      {INT32_MAX, 1, "C:\\App\\Update.exe.-2147483648"},    // the sum wraps
      {10, 0xFFFFFFFFu, "C:\\App\\Update.exe.9"},
  };
  for (const Case& c : cases) EXPECT_EQ(PartialFileName("C:\\App\\Update.exe", c.total, c.date), c.name);
}

TEST(IsPartialFileOf, OnlyTheTargetNameWithANumber) {
  struct Case {
    const char* name;
    bool partial;
  } cases[] = {
      {"Update.exe.5550061", true},
      {"UPDATE.EXE.12", true},  // file names ignore case
      {"Update.exe.-2147483648", true},
      {"Update.exe.2147483647", true},
      {"Update.exe.0", true},
      {"Update.exe", false},  // the target itself
      {"Update.exe.", false},
      {"Update.exe.-", false},
      {"Update.exe.config", false},
      {"Update.exe.12a", false},
      {"Update.exe.2147483648", false},  // beyond 32 bits
      {"Update.exe.-2147483649", false},
      {"Update.exe.12345678901", false},
      {"Update.exe.5.5", false},
      {"Update.exe5550061", false},
      {"Other.exe.5550061", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPartialFileOf("Update.exe", c.name), c.partial) << c.name;
  EXPECT_FALSE(IsPartialFileOf("", ".12"));
}

}  // namespace
}  // namespace vantor
