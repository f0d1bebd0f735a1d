// Registry paths as one text ("HKLM\Software\X") and registry data as text,
// without the system: the Windows layer (registry_win.h) opens the keys.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// The system's value type codes that change how data becomes text.
inline constexpr uint32_t kRegDword = 4;     // REG_DWORD
inline constexpr uint32_t kRegMultiSz = 7;   // REG_MULTI_SZ

struct RegistryPath {
  RegistryRoot root = RegistryRoot::CurrentUser;
  std::string subkey;
};

// "HKEY_LOCAL_MACHINE" or "HKLM" (any case) and the other root names; any
// other name stands for HKEY_CURRENT_USER.
RegistryRoot RootKeyFromName(std::string_view name);
// "hklm\Software\X" gives LocalMachine and "Software\X"; a path that does not
// begin with "HK" is a subkey of HKEY_CURRENT_USER.
RegistryPath SplitRegistryPath(std::string_view path);

// Value data as text: a 4-byte REG_DWORD as its unsigned decimal number, a
// REG_MULTI_SZ of more than 2 bytes as its strings joined by "<0>", anything
// else up to its first zero byte (REG_EXPAND_SZ stays unexpanded).
std::string RegistryValueText(uint32_t type, std::string_view data);

}  // namespace vantor
