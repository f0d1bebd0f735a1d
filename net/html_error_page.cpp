#include "net/html_error_page.h"

#include "base/text.h"

namespace vantor {

bool IsHtmlErrorPage(std::string_view content) {
  // Positions are 1-based with 0 for absent, so every chain below fails when
  // one of its tags is missing.
  const std::size_t title = PosText("<TITLE", content);
  const std::size_t code = PosText("404", content);
  const std::size_t titleEnd = PosText("</TITLE>", content);
  const bool titleNames404 = title > 0 && title < code && code < titleEnd;

  const std::size_t html = PosText("<HTML>", content);
  const std::size_t head = PosText("<HEAD>", content);
  const std::size_t titleTag = PosText("<TITLE>", content);
  const bool isHtmlPage = html > 0 && html < head && head < titleTag && titleTag < titleEnd;

  return titleNames404 || isHtmlPage;
}

std::string HtmlErrorPageMessage(std::string_view content, std::string_view url, std::string_view errorIn,
                                 bool withServerHint) {
  if (!IsHtmlErrorPage(content)) return std::string(errorIn);
  std::string message = "<B>404 File Not Found...</B><P><P>URL:  " + std::string(url) + "." +
                        "<P><P>Please make sure the file is available and access is allowed to this file.";
  if (withServerHint && PosText("IIS", content) > 0) {
    message += "<P><P>If you are using an IIS webserver you must define appropriate MIME-Types.";
  }
  return message;
}

}  // namespace vantor
