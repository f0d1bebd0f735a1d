#include "net/http_requests_win.h"

#include "net/dos_date_time.h"

namespace vantor {

namespace {

// The library's info levels and modifiers.
constexpr DWORD kQueryContentLength = 5;
constexpr DWORD kQueryStatusCode = 19;
constexpr DWORD kQueryLastModified = 11;
constexpr DWORD kQueryContentRange = 53;
constexpr DWORD kAsNumber = 0x20000000;
constexpr DWORD kAsSystemTime = 0x40000000;
constexpr DWORD kPreconfiguredAccess = 0;

}  // namespace

UniqueInternetHandle OpenInternetRoot(const char* agent) {
  return UniqueInternetHandle(wininet::InternetOpenA(agent, kPreconfiguredAccess, "", nullptr, 0));
}

UniqueInternetHandle OpenUrl(HINTERNET root, const std::string& url, DWORD flags, const std::string& extraHeaders) {
  return UniqueInternetHandle(wininet::InternetOpenUrlA(root, url.c_str(),
                                                         extraHeaders.empty() ? nullptr : extraHeaders.c_str(),
                                                         static_cast<DWORD>(extraHeaders.size()), flags, 0));
}

void PrimeUrl(const std::string& url) {
  const UniqueInternetHandle root = OpenInternetRoot(kPrimeAgent);
  if (!root) return;
  OpenUrl(root.get(), url, 0);
}

int32_t QueryContentLength(HINTERNET request) {
  DWORD length = 0xFFFFFFFF;
  DWORD size = sizeof length;
  DWORD index = 0;
  wininet::HttpQueryInfoA(request, kQueryContentLength | kAsNumber, &length, &size, &index);
  return static_cast<int32_t>(length);
}

uint32_t QueryLastModified(HINTERNET request) {
  SYSTEMTIME time{};
  DWORD size = sizeof time;
  DWORD index = 0;
  wininet::HttpQueryInfoA(request, kQueryLastModified | kAsSystemTime, &time, &size, &index);
  return PackDosDateTime({time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond});
}

DWORD QueryStatusCode(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  DWORD index = 0;
  if (!wininet::HttpQueryInfoA(request, kQueryStatusCode | kAsNumber, &status, &size, &index)) return 0;
  return status;
}

std::string QueryContentRange(HINTERNET request) {
  // A valid value is short: a longer one counts as absent.
  char buffer[128] = {};
  DWORD size = sizeof buffer;
  DWORD index = 0;
  if (!wininet::HttpQueryInfoA(request, kQueryContentRange, buffer, &size, &index)) return {};
  return std::string(buffer, size);
}

}  // namespace vantor
