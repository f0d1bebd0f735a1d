#include "base/registry_path.h"

#include "base/text.h"

namespace vantor {

namespace {

struct RootName {
  std::string_view longName;
  std::string_view shortName;
  RegistryRoot root;
};

constexpr RootName kRootNames[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", RegistryRoot::ClassesRoot},
    {"HKEY_CURRENT_USER", "HKCU", RegistryRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", RegistryRoot::LocalMachine},
    {"HKEY_USERS", "HKU", RegistryRoot::Users},
    {"HKEY_CURRENT_CONFIG", "HKCC", RegistryRoot::CurrentConfig},
    {"HKEY_DYN_DATA", "HKDD", RegistryRoot::DynData},
};

bool SameAscii(std::string_view a, std::string_view b) { return a.size() == b.size() && UpperAscii(a) == UpperAscii(b); }

}  // namespace

RegistryRoot RootKeyFromName(std::string_view name) {
  for (const RootName& entry : kRootNames) {
    if (SameAscii(name, entry.longName) || SameAscii(name, entry.shortName)) return entry.root;
  }
  return RegistryRoot::CurrentUser;
}

RegistryPath SplitRegistryPath(std::string_view path) {
  const std::string trimmed = Trim(path);
  if (!StartsWith("HK", trimmed, true)) return {RegistryRoot::CurrentUser, trimmed};
  const std::size_t slash = trimmed.find('\\');
  if (slash == std::string::npos) return {RootKeyFromName(trimmed), std::string()};
  return {RootKeyFromName(std::string_view(trimmed).substr(0, slash)), trimmed.substr(slash + 1)};
}

std::string RegistryValueText(uint32_t type, std::string_view data) {
  if (type == kRegDword && data.size() == 4) {
    uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(data[i]);
    return std::to_string(value);
  }
  if (type == kRegMultiSz && data.size() > 2) {
    const std::size_t end = data.find_last_not_of('\0');
    if (end == std::string_view::npos) return std::string();
    return ReplaceText(data.substr(0, end + 1), std::string_view("\0", 1), "<0>", false);
  }
  return std::string(data.substr(0, data.find('\0')));
}

}  // namespace vantor
