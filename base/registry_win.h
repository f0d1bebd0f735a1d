// Registry reads by one path text ("HKLM\Software\X"), read-only, in the
// registry view the system gives the process.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/registry_path.h"

namespace vantor {

HKEY RootKeyHandle(RegistryRoot root);

// The value as text (see RegistryValueText), or def when the key cannot be
// opened, the value is missing or its data exceeds 10,241 bytes.
std::string RegReadString(std::string_view keyPath, const std::string& valueName, const std::string& def);

}  // namespace vantor
