#include "tests/windows/support/machine_setup.h"

#include <gtest/gtest.h>

#include "base/file_names.h"
#include "base/files.h"
#include "base/text.h"

namespace vantor::testing {

std::string EnvironmentValue(const char* name) {
  char value[MAX_PATH] = {};
  GetEnvironmentVariableA(name, value, sizeof value);
  return value;
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& name,
                                         const std::optional<std::string>& value)
    : root_(root), keyPath_(keyPath), name_(name) {
  DWORD disposition = 0;
  if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key_.put(),
                      &disposition) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot open " << keyPath;
    return;
  }
  createdKey_ = disposition == REG_CREATED_NEW_KEY;
  DWORD size = 0;
  if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &previousType_, nullptr, &size) == ERROR_SUCCESS) {
    std::string data(size, '\0');
    if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &previousType_, reinterpret_cast<BYTE*>(data.data()),
                         &size) == ERROR_SUCCESS) {
      data.resize(size);
      previousData_ = data;
    }
  }
  const LONG result =
      value ? RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                             static_cast<DWORD>(value->size() + 1))
            : RegDeleteValueA(key_.get(), name.c_str());
  if (value || previousData_) {
    EXPECT_EQ(result, ERROR_SUCCESS) << keyPath << " " << name;
  }
}

ScopedRegistryValue::~ScopedRegistryValue() {
  if (!key_) return;
  if (previousData_) {
    RegSetValueExA(key_.get(), name_.c_str(), 0, previousType_, reinterpret_cast<const BYTE*>(previousData_->data()),
                   static_cast<DWORD>(previousData_->size()));
  } else {
    RegDeleteValueA(key_.get(), name_.c_str());
  }
  key_.reset();
  if (createdKey_) RegDeleteKeyA(root_, keyPath_.c_str());
}

MadeFolder::MadeFolder(const std::string& path) : path_(path) {
  for (std::string folder = path; !folder.empty() && !DirectoryExists(folder);) {
    topmostMade_ = folder;
    const std::string parent = SetTrailingBackslash(ExtractFilePath(folder), false);
    if (parent == folder) break;
    folder = parent;
  }
  EXPECT_TRUE(ForceDirectories(path)) << path;
}

MadeFolder::~MadeFolder() {
  if (!topmostMade_.empty()) DeleteTree(topmostMade_, true);
}

}  // namespace vantor::testing
