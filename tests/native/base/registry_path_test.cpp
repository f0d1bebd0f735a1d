// Registry path texts and value data as text, without a registry.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/registry_path.h"

namespace vantor {
namespace {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegQword = 11;

std::string Bytes(const char* data, std::size_t size) { return std::string(data, size); }

TEST(RootKeyFromName, EveryNameInAnyCaseAndUnknownNamesMeanCurrentUser) {
  const struct {
    const char* name;
    RegistryRoot root;
  } cases[] = {
      {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot}, {"hkcr", RegistryRoot::ClassesRoot},
      {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser}, {"HkCu", RegistryRoot::CurrentUser},
      {"hkey_local_machine", RegistryRoot::LocalMachine}, {"HKLM", RegistryRoot::LocalMachine},
      {"HKEY_USERS", RegistryRoot::Users},              {"hku", RegistryRoot::Users},
      {"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig}, {"HKCC", RegistryRoot::CurrentConfig},
      {"HKEY_DYN_DATA", RegistryRoot::DynData},         {"hkdd", RegistryRoot::DynData},
      {"HKLMX", RegistryRoot::CurrentUser},             {"HKEY_LOCAL", RegistryRoot::CurrentUser},
      {"", RegistryRoot::CurrentUser},                  {" HKLM", RegistryRoot::CurrentUser},
  };
  for (const auto& c : cases) EXPECT_EQ(RootKeyFromName(c.name), c.root) << c.name;
}

TEST(SplitRegistryPath, RootBeforeFirstBackslashSubkeyAfterIt) {
  const struct {
    const char* path;
    RegistryRoot root;
    const char* subkey;
  } cases[] = {
      {"hklm\\Software\\X", RegistryRoot::LocalMachine, "Software\\X"},
      {"HKLM", RegistryRoot::LocalMachine, ""},
      {"Software\\X", RegistryRoot::CurrentUser, "Software\\X"},
      {"HKXX\\A", RegistryRoot::CurrentUser, "A"},
      {"  HKEY_CLASSES_ROOT\\.txt\t ", RegistryRoot::ClassesRoot, ".txt"},
      {"HKU\\S-1-5-18\\Control Panel", RegistryRoot::Users, "S-1-5-18\\Control Panel"},
      {"HKLM\\", RegistryRoot::LocalMachine, ""},
      {"hkcc\\System\\CurrentControlSet", RegistryRoot::CurrentConfig, "System\\CurrentControlSet"},
      // Only a leading "HK" makes the first part a root name.
      {"Software\\HKLM\\X", RegistryRoot::CurrentUser, "Software\\HKLM\\X"},
      {"", RegistryRoot::CurrentUser, ""},
  };
  for (const auto& c : cases) {
    const RegistryPath path = SplitRegistryPath(c.path);
    EXPECT_EQ(path.root, c.root) << c.path;
    EXPECT_EQ(path.subkey, c.subkey) << c.path;
  }
}

TEST(RegistryValueText, ConvertsByTypeAndSize) {
  const struct {
    uint32_t type;
    std::string data;
    std::string text;
  } cases[] = {
      {kRegDword, Bytes("\xFF\xFF\xFF\xFF", 4), "4294967295"},
      {kRegDword, Bytes("\x01\x02\x00\x00", 4), "513"},  // little-endian
      {kRegDword, Bytes("\x00\x00\x00\x80", 4), "2147483648"},
      {kRegDword, Bytes("\x00\x00\x00\x00", 4), "0"},
      // Not exactly 4 bytes: taken as text up to the first zero byte.
      {kRegDword, Bytes("12\0", 3), "12"},
      {kRegMultiSz, Bytes("a\0b\0\0", 5), "a<0>b"},
      {kRegMultiSz, Bytes("one\0\0two\0\0", 10), "one<0><0>two"},
      {kRegMultiSz, Bytes("abc", 3), "abc"},
      {kRegMultiSz, Bytes("\0\0\0\0", 4), ""},
      {kRegMultiSz, Bytes("a\0", 2), "a"},  // 2 bytes or fewer: as text
      {kRegSz, Bytes("C:\\Program Files\0", 17), "C:\\Program Files"},
      {kRegSz, "no terminator", "no terminator"},
      {kRegSz, "", ""},
      {kRegExpandSz, Bytes("%TEMP%\\x\0", 9), "%TEMP%\\x"},
      {kRegBinary, Bytes("\x01\x02\0\x03", 4), "\x01\x02"},
      {kRegQword, Bytes("\x41\x42\0\0\0\0\0\0", 8), "AB"},
  };
  for (const auto& c : cases) EXPECT_EQ(RegistryValueText(c.type, c.data), c.text) << c.type << " " << c.text;
}

}  // namespace
}  // namespace vantor
