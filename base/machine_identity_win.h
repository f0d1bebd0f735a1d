// The identity of the machine and its user, offered to path macros. Every
// name is empty when the system cannot tell it.
#pragma once

#include <string>

namespace vantor {

std::string GetUserNameText();
std::string GetComputerNameText();
// "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion" on the NT
// platform, "...\Microsoft\Windows\CurrentVersion" before it.
std::string GetWindowsVersionKey();
// The registered owner, or the user's name when none is registered.
std::string GetRegisteredOwner();
std::string GetRegisteredOrganization();
// The domain in which the system finds the account.
std::string GetAccountDomain(const std::string& accountName);
std::string GetUserDomain();

}  // namespace vantor
