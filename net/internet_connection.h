// Whether the system reports a connection to the internet.
#pragma once

#include <windows.h>

#include <string>

namespace vantor {

// True when the system reports a connection. Otherwise the reason is the
// system's text for the error (LastErrorText); it is empty when connected.
bool IsInternetConnected(std::string& reason);
bool IsInternetConnected();

// A process started with VANTOR_TEST_OFFLINE=1 in its environment answers
// unconnected, for end-to-end tests of those paths under Wine.
// The query behind IsInternetConnected, with the signature of the library's
// "InternetGetConnectedState". Tests replace it to reach the unconnected paths,
// since Wine always answers connected; null restores the library's call.
using ConnectedStateQuery = BOOL (*)(DWORD* flags, DWORD reserved);
void SetConnectedStateQuery(ConnectedStateQuery query);

}  // namespace vantor
