// Transfers from a web server through the system's internet library: the
// remote size, and a resumable download to disk or into memory with a
// progress routine and the abort flag (net/http_abort.h).
//
// HTTP status codes are not examined: a server that answers a missing file
// with an error page delivers that page as the file, and callers recognise it
// with CheckHtmlErrorPage.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "net/progress.h"

namespace vantor {

// The content length the server reports for the URL; -1 when the library or
// the URL cannot be opened or the reply has no length.
int32_t HTTP_GetFileSize(const std::string& url);

// Downloads the URL. With a target file the bytes grow in a partial file
// (net/partial_file.h) that takes the target's name once it holds the whole
// content length; a later call for the same remote file resumes it. With an
// empty target the bytes are collected in content, which stays empty unless
// the whole content length arrived. The error text is empty on success and
// otherwise one of the texts of net/download_errors.h; a transfer that ends
// short leaves it empty too, with the target untouched. A given progress
// window is shown once the remote size is known to be positive.
void HTTP_DownloadFile_Incremental(HWND progressWindow, const std::string& url, const std::string& targetFile,
                                   std::string& content, const ProgressCallback& progress, std::string& errorText);

// errorIn, or the 404 message for the URL when the file (if it exists, its
// first 10000 bytes replacing content) or the content is an HTML page.
std::string CheckHtmlErrorPage(const std::string& fileName, std::string_view content, std::string_view url,
                               std::string_view errorIn, bool withServerHint);

}  // namespace vantor
