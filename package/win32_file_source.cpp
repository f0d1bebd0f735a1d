#include "package/win32_file_source.h"

#include <algorithm>

namespace vantor {

Win32FileSource::Win32FileSource(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

int64_t Win32FileSource::Size() {
  LARGE_INTEGER size;
  if (!file_ || !GetFileSizeEx(file_.get(), &size)) return -1;
  return size.QuadPart;
}

std::size_t Win32FileSource::ReadAt(int64_t offset, void* buffer, std::size_t count) {
  if (!file_ || offset < 0) return 0;
  LARGE_INTEGER target;
  target.QuadPart = offset;
  if (!SetFilePointerEx(file_.get(), target, nullptr, FILE_BEGIN)) return 0;
  std::size_t total = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (total < count) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file_.get(), bytes + total, chunk, &got, nullptr) || got == 0) break;
    total += got;
  }
  return total;
}

}  // namespace vantor
