// The requests a transfer is made of: root handles, opened URLs and the
// replies' headers. Nothing here sets time-outs, credentials or proxies; the
// library's defaults and the system's proxy settings apply.
#pragma once

#include <cstdint>
#include <string>

#include "net/internet_handles.h"

namespace vantor {

// The agent names by which the server sees the two kinds of root handle.
inline constexpr char kPrimeAgent[] = "HTTP_Connect_2";
inline constexpr char kDownloadAgent[] = "HTTP_Connect_3";

// The library's documented flags: resynchronize for resumable file reads,
// reload for memory downloads, which must not come from a cache.
inline constexpr DWORD kResynchronizeFlag = 0x800;
inline constexpr DWORD kReloadFlag = 0x80000000;

UniqueInternetHandle OpenInternetRoot(const char* agent);
// extraHeaders holds whole header lines, each ending in CR LF; empty for none.
UniqueInternetHandle OpenUrl(HINTERNET root, const std::string& url, DWORD flags,
                             const std::string& extraHeaders = {});

// Opens the URL once and closes it without reading, so the server and any
// proxy on the way have the connection set up before the real request.
void PrimeUrl(const std::string& url);

// -1 when the reply has no length.
int32_t QueryContentLength(HINTERNET request);
// The Last-Modified date as a packed DOS date-time; 0 when absent or invalid.
uint32_t QueryLastModified(HINTERNET request);
// The reply's status code; 0 when unknown.
DWORD QueryStatusCode(HINTERNET request);
// The reply's Content-Range value; empty when absent.
std::string QueryContentRange(HINTERNET request);

}  // namespace vantor
