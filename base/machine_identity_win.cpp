#include "base/machine_identity_win.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "base/program_paths.h"
#include "base/registry_win.h"
#include "base/text.h"

namespace vantor {

namespace {

constexpr DWORD kNameBufferSize = 256;

std::string NameFrom(BOOL(WINAPI* query)(LPSTR, LPDWORD)) {
  char buffer[kNameBufferSize] = {};
  DWORD size = sizeof buffer;
  if (!query(buffer, &size)) return std::string();
  return Trim(std::string(buffer, strnlen(buffer, sizeof buffer)));
}

}  // namespace

std::string GetUserNameText() { return NameFrom(GetUserNameA); }

std::string GetComputerNameText() { return NameFrom(GetComputerNameA); }

std::string GetWindowsVersionKey() {
  const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  return IsWinNT() ? ReplaceText(key, "\\Windows\\", "\\Windows NT\\", false) : key;
}

std::string GetRegisteredOwner() { return Trim(RegReadString(GetWindowsVersionKey(), "RegisteredOwner", GetUserNameText())); }

std::string GetRegisteredOrganization() {
  return Trim(RegReadString(GetWindowsVersionKey(), "RegisteredOrganization", ""));
}

std::string GetAccountDomain(const std::string& accountName) {
  DWORD sidSize = 0;
  DWORD domainSize = 0;
  SID_NAME_USE use;
  LookupAccountNameA(nullptr, accountName.c_str(), nullptr, &sidSize, nullptr, &domainSize, &use);
  if (sidSize == 0 || domainSize == 0) return std::string();
  std::vector<BYTE> sid(sidSize);
  std::vector<char> domain(domainSize);
  if (!LookupAccountNameA(nullptr, accountName.c_str(), sid.data(), &sidSize, domain.data(), &domainSize, &use)) {
    return std::string();
  }
  return std::string(domain.data(), strnlen(domain.data(), domain.size()));
}

std::string GetUserDomain() { return GetAccountDomain(GetUserNameText()); }

}  // namespace vantor
