// The tests' HTTP server (tests/windows/http_server.py), which
// with-http-server.sh runs on 127.0.0.1 for a suite and announces in
// VANTOR_HTTP_PORT.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor::testing {

// "http://127.0.0.1:PORT" + pathAndQuery.
std::string TestServerUrl(const std::string& pathAndQuery);
// The folder whose files the server serves under /files/, as a Windows path.
std::string ServedFolder();
// The requests the server recorded under the tag, one "User-Agent|Range"
// each ("-" for a header that was absent).
std::vector<std::string> ServerRequests(const std::string& tag);
// The bytes the server generates for /data and /chunked with size and seed.
std::string PatternBytes(std::size_t size, uint32_t seed);

}  // namespace vantor::testing
