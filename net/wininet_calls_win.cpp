#include "net/wininet_calls.h"

#include "base/system_helpers.h"
#include "net/internet_library.h"

namespace vantor::wininet {

namespace {

template <typename Function>
Function Bound(InternetExport which) {
  return ProcAs<Function>(InternetFunction(which));
}

}  // namespace

BOOL InternetGetConnectedState(DWORD* flags, DWORD reserved) {
  const auto call = Bound<BOOL(WINAPI*)(DWORD*, DWORD)>(InternetExport::InternetGetConnectedState);
  return call ? call(flags, reserved) : FALSE;
}

BOOL InternetCloseHandle(HINTERNET handle) {
  const auto call = Bound<BOOL(WINAPI*)(HINTERNET)>(InternetExport::InternetCloseHandle);
  return call ? call(handle) : FALSE;
}

HINTERNET InternetOpenA(const char* agent, DWORD accessType, const char* proxy, const char* proxyBypass,
                        DWORD flags) {
  const auto call =
      Bound<HINTERNET(WINAPI*)(const char*, DWORD, const char*, const char*, DWORD)>(InternetExport::InternetOpenA);
  return call ? call(agent, accessType, proxy, proxyBypass, flags) : nullptr;
}

HINTERNET InternetOpenUrlA(HINTERNET root, const char* url, const char* headers, DWORD headersLength, DWORD flags,
                           DWORD_PTR context) {
  const auto call = Bound<HINTERNET(WINAPI*)(HINTERNET, const char*, const char*, DWORD, DWORD, DWORD_PTR)>(
      InternetExport::InternetOpenUrlA);
  return call ? call(root, url, headers, headersLength, flags, context) : nullptr;
}

BOOL HttpQueryInfoA(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* bufferLength, DWORD* index) {
  const auto call =
      Bound<BOOL(WINAPI*)(HINTERNET, DWORD, void*, DWORD*, DWORD*)>(InternetExport::HttpQueryInfoA);
  return call ? call(request, infoLevel, buffer, bufferLength, index) : FALSE;
}

BOOL InternetReadFile(HINTERNET file, void* buffer, DWORD bytesToRead, DWORD* bytesRead) {
  const auto call = Bound<BOOL(WINAPI*)(HINTERNET, void*, DWORD, DWORD*)>(InternetExport::InternetReadFile);
  return call ? call(file, buffer, bytesToRead, bytesRead) : FALSE;
}

DWORD InternetSetFilePointer(HINTERNET file, LONG distance, LONG* distanceHigh, DWORD moveMethod,
                             DWORD_PTR context) {
  const auto call = Bound<DWORD(WINAPI*)(HINTERNET, LONG, LONG*, DWORD, DWORD_PTR)>(
      InternetExport::InternetSetFilePointer);
  return call ? call(file, distance, distanceHigh, moveMethod, context) : 0;
}

}  // namespace vantor::wininet
