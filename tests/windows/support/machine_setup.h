// Registry values and folders that a test sets up on the machine, each put
// back as it was when the test ends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/handles.h"

namespace vantor::testing {

// A variable of the process's environment; empty when it is not set.
std::string EnvironmentValue(const char* name);

// A string value set (or, with no value, removed) for the life of the object.
// The value as it was, or its absence, is restored at the end, and a key that
// had to be created is removed again.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& name,
                      const std::optional<std::string>& value);
  ~ScopedRegistryValue();
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

 private:
  HKEY root_;
  std::string keyPath_;
  std::string name_;
  bool createdKey_ = false;
  DWORD previousType_ = REG_NONE;
  std::optional<std::string> previousData_;
  UniqueRegKey key_;
};

// A folder made with its missing parents for the life of the object; the
// topmost folder it made is removed at the end with everything in it. A
// folder that already existed is left alone.
class MadeFolder {
 public:
  explicit MadeFolder(const std::string& path);
  ~MadeFolder();
  MadeFolder(const MadeFolder&) = delete;
  MadeFolder& operator=(const MadeFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string topmostMade_;
};

}  // namespace vantor::testing
