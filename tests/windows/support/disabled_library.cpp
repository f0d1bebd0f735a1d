#include "tests/windows/support/disabled_library.h"

#include <windows.h>

#include "base/handles.h"

namespace vantor::testing {

DisabledLibraryFor::DisabledLibraryFor(const std::string& program, const char* library)
    : key_("Software\\Wine\\AppDefaults\\" + program + "\\DllOverrides") {
  UniqueRegKey key;
  RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr);
  RegSetValueExA(key.get(), library, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
}

DisabledLibraryFor::~DisabledLibraryFor() { RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }

}  // namespace vantor::testing
