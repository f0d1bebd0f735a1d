#include <windows.h>

#include <exception>

#include "base/file_rules.h"
#include "base/files.h"
#include "base/handles.h"

namespace vantor {

int64_t FileSeek64(HANDLE file, int origin, int64_t offset) {
  LARGE_INTEGER distance, position;
  distance.QuadPart = offset;
  if (!SetFilePointerEx(file, distance, &position, static_cast<DWORD>(origin))) return -1;
  return position.QuadPart;
}

uint64_t FileSize64(HANDLE file) {
  LARGE_INTEGER size;
  return GetFileSizeEx(file, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
}

uint64_t FileSizeByName(const std::string& path) {
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA(path.c_str(), &data));
  if (!find) return 0;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool SetFileDate(HANDLE file, FileDate date) {
  FILETIME local, utc;
  return DosDateTimeToFileTime(HIWORD(date), LOWORD(date), &local) && LocalFileTimeToFileTime(&local, &utc) &&
         SetFileTime(file, nullptr, nullptr, &utc);
}

std::string ReadFileText(const std::string& path, uint64_t maximum, int64_t offset) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  const uint64_t count = ReadFileCount(FileSize64(file.get()), offset, maximum);
  if (count == 0 || FileSeek64(file.get(), 0, offset) != offset) return {};
  std::string text;
  try {
    text.resize(count);
  } catch (const std::exception&) {  // more than this process can hold
    return {};
  }
  DWORD got = 0;
  if (!ReadFile(file.get(), text.data(), static_cast<DWORD>(count), &got, nullptr) || got != count) return {};
  return text;
}

bool WriteTextFile(const std::string& path, std::string_view text, FileDate date, bool append) {
  UniqueFile file(append ? CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                         : CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (append) FileSeek64(file.get(), FILE_END, 0);
  const std::size_t written = WriteInChunks(text, [&file](std::string_view chunk) -> std::size_t {
    DWORD count = 0;
    return WriteFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &count, nullptr) ? count : 0;
  });
  const bool complete = written == text.size();
  if (complete && date != 0) SetFileDate(file.get(), date);
  return complete;
}

bool AppendTextToFile(const std::string& path, std::string_view text, FileDate date) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  FileSeek64(file.get(), FILE_END, 0);
  DWORD written = 0;
  const BOOL ok = WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  if (date != 0) SetFileDate(file.get(), date);
  return ok && written == text.size();
}

}  // namespace vantor
