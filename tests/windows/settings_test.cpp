// Settings stores as the program meets them under Wine: INI files through the
// system's profile functions, registry values of every type, and the names of
// the machine and its user.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "base/handles.h"
#include "base/ini_files_win.h"
#include "base/machine_identity_win.h"
#include "base/registry_win.h"
#include "tests/windows/support/machine_setup.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr std::size_t kLongestIniValue = 10240;
constexpr std::size_t kRegistryBuffer = 10241;
constexpr char kTestKey[] = "Software\\VantorTests\\Settings";
constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::string Pattern(std::size_t length) {
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
  return text;
}

std::string Bytes(const char* data, std::size_t size) { return std::string(data, size); }

// A registry key of the test's own (without subkeys), removed when the test ends.
class ScratchKey {
 public:
  ScratchKey(HKEY root, const std::string& path) : root_(root), path_(path) {
    RegDeleteKeyA(root_, path_.c_str());
    EXPECT_EQ(RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(), nullptr),
              ERROR_SUCCESS)
        << path;
  }
  ~ScratchKey() {
    key_.reset();
    RegDeleteKeyA(root_, path_.c_str());
  }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  void Set(const std::string& name, DWORD type, const std::string& data) {
    ASSERT_EQ(RegSetValueExA(key_.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS)
        << name;
  }

 private:
  HKEY root_;
  std::string path_;
  UniqueRegKey key_;
};

TEST(Settings, ReadIniString_ValueOrDefaultWhenFileSectionOrKeyIsMissing) {
  ScratchFolder folder("ini_read");
  const std::string file = folder / "a.ini";
  WriteWholeFile(file, "[Main]\r\nName=Widget Pro\r\nEmpty=\r\nSpaced=  padded value  \r\n[Other]\r\nName=other\r\n");
  const struct {
    std::string file, section, key, expected;
  } cases[] = {
      {file, "Main", "Name", "Widget Pro"},
      {file, "main", "NAME", "Widget Pro"},  // the system ignores case in names
      {file, "Other", "Name", "other"},
      {file, "Main", "Empty", ""},  // present but empty: not the default
      {file, "Main", "Spaced", "padded value"},
      {file, "Main", "Missing", "fallback"},
      {file, "Nowhere", "Name", "fallback"},
      {folder / "missing.ini", "Main", "Name", "fallback"},
      {folder / "no folder\\a.ini", "Main", "Name", "fallback"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadIniString(c.file, c.section, c.key, "fallback"), c.expected) << c.section << "." << c.key;
  }
}

TEST(Settings, ReadIniString_LongValuesAreCutAt10240Characters) {
  ScratchFolder folder("ini_long");
  const std::string file = folder / "long.ini";
  for (const std::size_t length : {kLongestIniValue - 1, kLongestIniValue, kLongestIniValue + 1, std::size_t{30000}}) {
    const std::string value = Pattern(length);
    WriteWholeFile(file, "[S]\r\nK=" + value + "\r\nAfter=next\r\n");
    const std::string read = ReadIniString(file, "S", "K", "");
    EXPECT_EQ(read.size(), std::min(length, kLongestIniValue)) << length;
    EXPECT_EQ(read, value.substr(0, kLongestIniValue)) << length;
    EXPECT_EQ(ReadIniString(file, "S", "After", ""), "next") << length;
  }
}

TEST(Settings, ReadIniInt_NumberFormOrDefault) {
  ScratchFolder folder("ini_int");
  const std::string file = folder / "int.ini";
  WriteWholeFile(file,
                 "[N]\r\nDec=42\r\nNeg=-7\r\nHex=$FF\r\nHex0x=0x10\r\nMax=9223372036854775807\r\n"
                 "Over=9223372036854775808\r\nTail=12abc\r\nWord=yes\r\nEmpty=\r\nFloat=1.5\r\n");
  const struct {
    const char* key;
    int64_t expected;
  } cases[] = {
      {"Dec", 42},     {"Neg", -7},      {"Hex", 255},   {"Hex0x", 16},   {"Max", std::numeric_limits<int64_t>::max()},
      {"Over", -99},   {"Tail", -99},    {"Word", -99},  {"Empty", -99},  {"Float", -99},
      {"Missing", -99},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadIniInt(file, "N", c.key, -99), c.expected) << c.key;
  EXPECT_EQ(ReadIniInt(folder / "missing.ini", "N", "Dec", std::numeric_limits<int64_t>::min()),
            std::numeric_limits<int64_t>::min());
}

TEST(Settings, WriteIni_CreatesFileAndSectionAndReadsBack) {
  ScratchFolder folder("ini_write");
  const std::string file = folder / "new.ini";
  EXPECT_TRUE(WriteIniString(file, "First", "Text", "hello world"));
  EXPECT_TRUE(WriteIniInt(file, "First", "Min", std::numeric_limits<int64_t>::min()));
  EXPECT_TRUE(WriteIniInt(file, "Second", "Big", 3283200000));
  EXPECT_TRUE(WriteIniString(file, "First", "Text", "replaced"));

  EXPECT_EQ(ReadIniString(file, "First", "Text", ""), "replaced");
  EXPECT_EQ(ReadIniInt(file, "First", "Min", 0), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(ReadIniInt(file, "Second", "Big", 0), 3283200000);
  const std::string text = ReadWholeFile(file);
  EXPECT_NE(text.find("Min=-9223372036854775808"), std::string::npos) << text;
  EXPECT_NE(text.find("[Second]\r\nBig=3283200000"), std::string::npos) << text;
}

TEST(Settings, WriteIni_FalseWhenTheFileCannotBeWritten) {
  ScratchFolder folder("ini_fail");
  EXPECT_FALSE(WriteIniString(folder / "no folder\\a.ini", "S", "K", "v"));
  EXPECT_FALSE(WriteIniInt(folder / "no folder\\a.ini", "S", "K", 1));

  // A file that another program holds open without sharing. (Wine running as
  // root writes read-only files, so the read-only attribute proves nothing here.)
  const std::string locked = folder / "locked.ini";
  WriteWholeFile(locked, "[S]\r\nK=old\r\n");
  {
    UniqueFile holder(CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder.valid());
    EXPECT_FALSE(WriteIniString(locked, "S", "K", "new"));
  }
  EXPECT_EQ(ReadWholeFile(locked), "[S]\r\nK=old\r\n");
}

TEST(Settings, RegReadString_EveryValueTypeAsText) {
  ScratchKey key(HKEY_CURRENT_USER, kTestKey);
  key.Set("Sz", REG_SZ, Bytes("C:\\Program Files\\Widget\0", 25));
  key.Set("Expand", REG_EXPAND_SZ, Bytes("%WINDIR%\\x\0", 11));
  key.Set("DwordMax", REG_DWORD, Bytes("\xFF\xFF\xFF\xFF", 4));
  key.Set("Dword", REG_DWORD, Bytes("\x39\x30\x00\x00", 4));
  key.Set("Multi", REG_MULTI_SZ, Bytes("a\0b\0\0", 5));
  key.Set("Binary", REG_BINARY, Bytes("AB\0CD", 5));
  key.Set("Qword", REG_QWORD, Bytes("xy\0\0\0\0\0\0", 8));
  key.Set("", REG_SZ, Bytes("default value\0", 14));
  const std::string longPath = std::string("HKEY_CURRENT_USER\\") + kTestKey;
  const struct {
    std::string path, name, expected;
  } cases[] = {
      {longPath, "Sz", "C:\\Program Files\\Widget"},
      {"hkcu\\Software\\VantorTests\\Settings", "Sz", "C:\\Program Files\\Widget"},
      {kTestKey, "Sz", "C:\\Program Files\\Widget"},  // no root name: the current user's
      {longPath, "Expand", "%WINDIR%\\x"},
      {longPath, "DwordMax", "4294967295"},
      {longPath, "Dword", "12345"},
      {longPath, "Multi", "a<0>b"},
      {longPath, "Binary", "AB"},
      {longPath, "Qword", "xy"},
      {longPath, "", "default value"},
      {longPath, "Missing", "def"},
      {longPath + "\\NoSuchKey", "Sz", "def"},
      {std::string("HKLM\\") + kTestKey, "Sz", "def"},
  };
  for (const auto& c : cases) EXPECT_EQ(RegReadString(c.path, c.name, "def"), c.expected) << c.path << " " << c.name;
}

TEST(Settings, RegReadString_DataLargerThanTheBufferGivesTheDefault) {
  ScratchKey key(HKEY_CURRENT_USER, kTestKey);
  const std::string fits = Pattern(kRegistryBuffer - 1);
  key.Set("SzFits", REG_SZ, fits + '\0');
  key.Set("SzTooLong", REG_SZ, Pattern(kRegistryBuffer) + '\0');
  key.Set("BinaryFits", REG_BINARY, Pattern(kRegistryBuffer));
  key.Set("BinaryTooLong", REG_BINARY, Pattern(kRegistryBuffer + 1));
  const std::string path = std::string("HKCU\\") + kTestKey;
  EXPECT_EQ(RegReadString(path, "SzFits", "def"), fits);
  EXPECT_EQ(RegReadString(path, "SzTooLong", "def"), "def");
  EXPECT_EQ(RegReadString(path, "BinaryFits", "def"), Pattern(kRegistryBuffer));
  EXPECT_EQ(RegReadString(path, "BinaryTooLong", "def"), "def");
}

TEST(Settings, RegReadString_LocalMachineKeys) {
  ScratchKey key(HKEY_LOCAL_MACHINE, "Software\\VantorTests\\Machine");
  key.Set("Value", REG_SZ, Bytes("machine\0", 8));
  EXPECT_EQ(RegReadString("HKEY_LOCAL_MACHINE\\Software\\VantorTests\\Machine", "Value", ""), "machine");
  EXPECT_EQ(RegReadString("hklm\\Software\\VantorTests\\Machine", "Value", ""), "machine");
  EXPECT_EQ(RegReadString("HKCU\\Software\\VantorTests\\Machine", "Value", "none"), "none");
}

TEST(Settings, MachineIdentity_NamesOfTheUserAndTheComputer) {
  const std::string user = GetUserNameText();
  ASSERT_FALSE(user.empty());
  EXPECT_EQ(user, EnvironmentValue("USERNAME"));
  const std::string computer = GetComputerNameText();
  ASSERT_FALSE(computer.empty());
  EXPECT_EQ(computer, EnvironmentValue("COMPUTERNAME"));
  EXPECT_EQ(GetWindowsVersionKey(), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
}

TEST(Settings, GetRegisteredOwner_TrimmedValueOrTheUserName) {
  {
    ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kVersionKey, "RegisteredOwner", std::nullopt);
    EXPECT_EQ(GetRegisteredOwner(), GetUserNameText());
  }
  {
    ScopedRegistryValue owner(HKEY_LOCAL_MACHINE, kVersionKey, "RegisteredOwner", "  Jane Doe \t");
    EXPECT_EQ(GetRegisteredOwner(), "Jane Doe");
  }
}

TEST(Settings, GetRegisteredOrganization_TrimmedValueOrEmpty) {
  {
    ScopedRegistryValue organization(HKEY_LOCAL_MACHINE, kVersionKey, "RegisteredOrganization", std::nullopt);
    EXPECT_EQ(GetRegisteredOrganization(), "");
  }
  {
    ScopedRegistryValue organization(HKEY_LOCAL_MACHINE, kVersionKey, "RegisteredOrganization", " Acme Ltd ");
    EXPECT_EQ(GetRegisteredOrganization(), "Acme Ltd");
  }
}

TEST(Settings, GetAccountDomain_DomainOfKnownAccountsOnly) {
  const std::string domain = GetUserDomain();
  EXPECT_FALSE(domain.empty());
  EXPECT_EQ(GetAccountDomain(GetUserNameText()), domain);
  EXPECT_EQ(GetAccountDomain("no-such-account-4711"), "");
}

}  // namespace
}  // namespace vantor::testing
