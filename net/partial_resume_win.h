// Where a download to disk starts: after the bytes its partial file already
// holds, when the request can be made to deliver exactly the rest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "net/internet_handles.h"

namespace vantor {

// The number of bytes the partial file holds and the request now continues
// after: its size when the read position moved (the library's file pointer,
// or a range request that replaces the request), else 0 after the partial file
// was removed to start afresh. None when a stale partial file cannot be
// removed, so nothing may be appended to it. Without a partial file the
// partial files of other versions of the remote file are removed.
std::optional<int64_t> ResumePartialFile(HINTERNET root, UniqueInternetHandle& request, const std::string& url,
                                         DWORD flags, const std::string& target, const std::string& partial,
                                         int32_t total, uint32_t lastModified);

}  // namespace vantor
