#include "package/stdio_source.h"

#include <filesystem>
#include <system_error>

namespace vantor {

FileSource::FileSource(const std::string& path) {
  // Only regular files: a folder opens on some systems and reports a
  // meaningless length.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  stream_.open(path, std::ios::binary);
  if (!stream_.is_open()) return;
  stream_.seekg(0, std::ios::end);
  const std::streamoff end = stream_.tellg();
  size_ = stream_ ? static_cast<int64_t>(end) : -1;
}

std::size_t FileSource::ReadAt(int64_t offset, void* buffer, std::size_t count) {
  if (!stream_.is_open() || offset < 0 || offset >= size_) return 0;
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset));
  if (!stream_) return 0;
  stream_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
  return static_cast<std::size_t>(stream_.gcount());
}

TGFileInfo FileInfoFromPath(const std::string& path) {
  FileSource file(path);
  return TGFileInfo(file.IsOpen() ? &file : nullptr);
}

}  // namespace vantor
