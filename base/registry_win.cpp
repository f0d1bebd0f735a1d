#include "base/registry_win.h"

#include "base/handles.h"

namespace vantor {

namespace {

constexpr DWORD kValueBufferSize = 10241;

}  // namespace

HKEY RootKeyHandle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users: return HKEY_USERS;
    case RegistryRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::DynData: return HKEY_DYN_DATA;
  }
  return HKEY_CURRENT_USER;
}

std::string RegReadString(std::string_view keyPath, const std::string& valueName, const std::string& def) {
  const RegistryPath path = SplitRegistryPath(keyPath);
  UniqueRegKey key;
  if (RegOpenKeyExA(RootKeyHandle(path.root), path.subkey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
    return def;
  }
  std::string data(kValueBufferSize, '\0');
  DWORD type = 0;
  DWORD size = kValueBufferSize;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    return def;
  }
  data.resize(size);
  return RegistryValueText(type, data);
}

}  // namespace vantor
