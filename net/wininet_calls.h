// The internet library's functions with their documented signatures, called
// through the run-time binding. A function that cannot be bound behaves as a
// call that returned 0 (FALSE or a null handle); the system's last error then
// tells why the library or the function is missing.
#pragma once

#include <windows.h>
#include <wininet.h>

namespace vantor::wininet {

BOOL InternetGetConnectedState(DWORD* flags, DWORD reserved);
BOOL InternetCloseHandle(HINTERNET handle);
HINTERNET InternetOpenA(const char* agent, DWORD accessType, const char* proxy, const char* proxyBypass,
                        DWORD flags);
HINTERNET InternetOpenUrlA(HINTERNET root, const char* url, const char* headers, DWORD headersLength, DWORD flags,
                           DWORD_PTR context);
BOOL HttpQueryInfoA(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* bufferLength, DWORD* index);
BOOL InternetReadFile(HINTERNET file, void* buffer, DWORD bytesToRead, DWORD* bytesRead);
DWORD InternetSetFilePointer(HINTERNET file, LONG distance, LONG* distanceHigh, DWORD moveMethod,
                             DWORD_PTR context);

}  // namespace vantor::wininet
