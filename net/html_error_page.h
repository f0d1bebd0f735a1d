// Recognises an HTML page delivered in place of the expected file: servers
// answer a missing file with an error page, and the download takes it as the
// file because status codes are not examined.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// A title holding "404", or a page opening with <HTML>, <HEAD>, <TITLE> and
// </TITLE> in this order, letters in any case. Any well-formed HTML page
// counts: it is never the expected file.
bool IsHtmlErrorPage(std::string_view content);

// errorIn, or the 404 message for the URL when the content is an HTML page.
// withServerHint adds the MIME-type hint when the page mentions IIS.
std::string HtmlErrorPageMessage(std::string_view content, std::string_view url, std::string_view errorIn,
                                 bool withServerHint);

}  // namespace vantor
