#include "base/file_rules.h"

#include <algorithm>

#include "base/text.h"

namespace vantor {

namespace {

constexpr uint64_t kMaxReadCount = 0xFFFFFFFFu;
constexpr std::size_t kOneWriteLimit = 1024 * 1024;
constexpr std::size_t kMaxChunk = 1024 * 1024;

// cmd expands "%NAME%" even inside quotes, so a "%" of a path must be doubled
// to reach DEL and RD unchanged.
std::string BatchQuoted(std::string_view path) { return "\"" + ReplaceText(path, "%", "%%", false) + "\""; }

}  // namespace

uint64_t ReadFileCount(uint64_t fileSize, int64_t offset, uint64_t maximum) {
  if (offset < 0 || static_cast<uint64_t>(offset) >= fileSize) return 0;
  uint64_t count = fileSize - static_cast<uint64_t>(offset);
  if (maximum != 0) count = std::min(count, maximum);
  return count <= kMaxReadCount ? count : 0;
}

std::size_t WriteChunkSize(std::size_t length) {
  return length <= kOneWriteLimit ? length : std::min(length / 10, kMaxChunk);
}

std::size_t WriteInChunks(std::string_view text, const ChunkWriter& write) {
  const std::size_t chunkSize = WriteChunkSize(text.size());
  std::size_t done = 0;
  while (done < text.size()) {
    const std::size_t written = write(text.substr(done, chunkSize));
    if (written == 0) break;
    done += written;
  }
  return done;
}

std::string DiskRootPath(std::string_view path, bool forceRoot) {
  std::string result = ReplaceChar(path, '/', '\\');
  if (result.empty()) return result;
  if (forceRoot || result.size() < 3) return std::string(1, UpperAscii(result[0])) + ":\\";
  const std::size_t cut = result.find('\\', 3);
  if (cut != std::string::npos) result.erase(cut);
  return result;
}

bool IsNetworkPath(std::string_view path) {
  return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
}

std::string SelfDeleteScript(std::string_view programPath, std::string_view programFolder,
                             std::string_view scriptPath, bool removeFolder) {
  const std::string program = BatchQuoted(programPath);
  std::string script = ":START\r\n";
  script += "DEL " + program + "\r\n";
  script += "IF exist " + program + " GOTO START\r\n";
  if (removeFolder) script += "RD " + BatchQuoted(programFolder) + "\r\n";
  script += "DEL " + BatchQuoted(scriptPath) + "\r\n";
  return script;
}

}  // namespace vantor
