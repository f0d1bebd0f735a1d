#include "tests/windows/support/test_http_server.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "net/http_download.h"

namespace vantor::testing {

std::string TestServerUrl(const std::string& pathAndQuery) {
  const char* port = std::getenv("VANTOR_HTTP_PORT");
  if (port == nullptr) ADD_FAILURE() << "VANTOR_HTTP_PORT is not set: run the suite through with-http-server.sh";
  return std::string("http://127.0.0.1:") + (port ? port : "0") + pathAndQuery;
}

std::string PatternBytes(std::size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>(((uint64_t{i} * 2654435761u + uint64_t{seed} * 40503u) >> 11) & 255u);
  }
  return bytes;
}

std::vector<std::string> ServerRequests(const std::string& tag) {
  std::string content;
  std::string error;
  HTTP_DownloadFile_Incremental(nullptr, TestServerUrl("/requests?tag=" + tag), "", content, {}, error);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(content.substr(start, end - start));
  }
  return lines;
}

std::string ServedFolder() {
  const char* folder = std::getenv("VANTOR_HTTP_FILES");
  std::string path = folder ? folder : "";
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

}  // namespace vantor::testing
