#include "base/debug_output.h"
#include "net/http_download.h"
#include "net/http_requests_win.h"

namespace vantor {

int32_t HTTP_GetFileSize(const std::string& url) {
  PrimeUrl(url);
  const UniqueInternetHandle root = OpenInternetRoot(kPrimeAgent);
  if (!root) return -1;
  int32_t size = -1;
  if (const UniqueInternetHandle request = OpenUrl(root.get(), url, 0)) {
    size = QueryContentLength(request.get());
    DebugLine("HTTP_GetFileSize=" + std::to_string(size) + "  " + url);
  }
  return size;
}

}  // namespace vantor
