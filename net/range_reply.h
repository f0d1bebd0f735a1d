// Resuming through an HTTP range request: the header that asks for the rest of
// a file, and the check that a reply holds exactly that rest.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// "Range: bytes=START-" with its line end.
std::string RangeRequestHeader(int64_t start);

// True when a Content-Range value ("bytes 100-999/1000") covers start to the
// end of a file of total bytes. A server that ignores the request answers
// without one, or with another range, and its bytes must not be appended.
bool ContentRangeCoversRest(std::string_view contentRange, int64_t start, int64_t total);

}  // namespace vantor
