#include "tests/windows/support/browser_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor::testing {

namespace {

constexpr char kBrowserKey[] = "Software\\Wine\\WineBrowser";
constexpr char kBrowserValue[] = "Browsers";

// The script's own folder holds the record; "$1" is the address.
constexpr char kRecordScript[] = "printf '%s\\n' \"$1\" >> \"${0%/*}/opened.txt\"\n";

bool ReadSetting(std::string& value) {
  UniqueRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
  char data[2048] = {};
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key.get(), kBrowserValue, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  value = data;
  return true;
}

void WriteSetting(const std::string& value) {
  UniqueRegKey key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                            nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key.get(), kBrowserValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS);
}

}  // namespace

std::string UnixPathOf(const std::string& windowsPath) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return {};
  const std::wstring wide(windowsPath.begin(), windowsPath.end());
  char* name = unixName(wide.c_str());
  std::string result = name ? name : "";
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

RecordingBrowser::RecordingBrowser() {
  const std::string script = folder_ / "record.sh";
  WriteWholeFile(script, kRecordScript);
  const std::string unixScript = UnixPathOf(script);
  EXPECT_FALSE(unixScript.empty()) << "not running under Wine";
  hadSetting_ = ReadSetting(savedSetting_);
  // Through /bin/sh: a file written from Windows is not executable.
  WriteSetting("/bin/sh \"" + unixScript + "\"");
}

RecordingBrowser::~RecordingBrowser() {
  if (hadSetting_) {
    WriteSetting(savedSetting_);
  } else {
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS) {
      RegDeleteValueA(key.get(), kBrowserValue);
    }
  }
}

std::vector<std::string> RecordingBrowser::Opened() const {
  const std::string record = ReadWholeFile(folder_ / "opened.txt");
  std::vector<std::string> opened;
  std::size_t start = 0;
  for (std::size_t end; (end = record.find('\n', start)) != std::string::npos; start = end + 1) {
    opened.push_back(record.substr(start, end - start));
  }
  return opened;
}

bool RecordingBrowser::WaitForOpened(const std::string& address, DWORD timeoutMs) const {
  return WaitUntil(
      [&] {
        const std::vector<std::string> opened = Opened();
        return std::find(opened.begin(), opened.end(), address) != opened.end();
      },
      timeoutMs);
}

}  // namespace vantor::testing
