#include "net/internet_connection.h"

#include "base/system_helpers.h"
#include "net/wininet_calls.h"

namespace vantor {

namespace {
ConnectedStateQuery connectedStateQuery = nullptr;

// Wine always answers connected; the end-to-end tests reach the unconnected
// paths of a real run by starting the program with VANTOR_TEST_OFFLINE=1.
BOOL OfflineForTests(DWORD* flags, DWORD) {
  *flags = 0;
  SetLastError(ERROR_NOT_CONNECTED);
  return FALSE;
}

bool OfflineRequestedByEnvironment() {
  char value[4] = {};
  return GetEnvironmentVariableA("VANTOR_TEST_OFFLINE", value, sizeof value) == 1 && value[0] == '1';
}
}  // namespace

void SetConnectedStateQuery(ConnectedStateQuery query) { connectedStateQuery = query; }

bool IsInternetConnected(std::string& reason) {
  static const bool offline = OfflineRequestedByEnvironment();
  if (connectedStateQuery == nullptr && offline) connectedStateQuery = OfflineForTests;
  DWORD flags = 0;
  const BOOL connected = connectedStateQuery ? connectedStateQuery(&flags, 0)
                                             : wininet::InternetGetConnectedState(&flags, 0);
  reason = connected ? std::string() : LastErrorText();
  return connected != FALSE;
}

bool IsInternetConnected() {
  std::string reason;
  return IsInternetConnected(reason);
}

}  // namespace vantor
