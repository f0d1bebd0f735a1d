#include "base/files.h"
#include "net/html_error_page.h"
#include "net/http_download.h"

namespace vantor {

namespace {
// An error page shows itself in its first bytes.
constexpr uint64_t kPageHeadBytes = 10000;
}  // namespace

std::string CheckHtmlErrorPage(const std::string& fileName, std::string_view content, std::string_view url,
                               std::string_view errorIn, bool withServerHint) {
  std::string fileHead;
  if (!fileName.empty() && FileExists(fileName)) {
    fileHead = ReadFileText(fileName, kPageHeadBytes, 0);
    content = fileHead;
  }
  return HtmlErrorPageMessage(content, url, errorIn, withServerHint);
}

}  // namespace vantor
