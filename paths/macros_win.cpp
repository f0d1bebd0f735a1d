#include "paths/macros.h"

#include <windows.h>

#include <cstring>

#include "base/local_time_win.h"
#include "base/locale_win.h"
#include "base/machine_identity_win.h"
#include "base/program_paths.h"
#include "paths/macro_expansion.h"
#include "paths/special_folders.h"

namespace vantor {

namespace {

struct InstallFolders {
  std::string application;
  std::string common;
  std::string auxiliary;
};
InstallFolders installFolders;

std::string LongMonthName(int month) {
  char buffer[80] = {};
  if (month < 1 || month > 12) return std::string();
  const LCTYPE type = LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1);
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) == 0) return std::string();
  return std::string(buffer, strnlen(buffer, sizeof buffer));
}

DateValues DateNow() {
  const DateTime now = LocalNow();
  return DateValues{now, LongMonthName(now.month), UserDateSeparator(), UserTimeSeparator()};
}

std::string NameOf(MachineName name) {
  switch (name) {
    case MachineName::LoggedUserName:
      return GetUserNameText();
    case MachineName::UserName:
      return GetRegisteredOwner();
    case MachineName::CompanyName:
      return GetRegisteredOrganization();
    case MachineName::ComputerName:
      return GetComputerNameText();
    case MachineName::CurrentDomainName:
      return GetUserDomain();
  }
  return std::string();
}

// The path itself when the system cannot make it absolute.
std::string FullPathOf(const std::string& path) {
  const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::string full(size, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

}  // namespace

void SetInstallFolders(const std::string& application, const std::string& common, const std::string& auxiliary) {
  installFolders = InstallFolders{application, common, auxiliary};
}

std::string ExpandMacros(const std::string& text, const std::string& separator, bool expandRelative,
                         bool expandFolders) {
  MacroValues values;
  values.applicationFolder = installFolders.application;
  values.commonFolder = installFolders.common;
  values.auxiliaryFolder = installFolders.auxiliary;
  values.date = DateNow();
  values.name = NameOf;
  values.folder = [](FolderKind kind) { return GetSpecialFolder(kind, false); };
  values.fullPath = FullPathOf;
  values.isLeadByte = IsLeadByte;
  return ExpandMacroText(text, separator, expandRelative, expandFolders, values);
}

}  // namespace vantor
