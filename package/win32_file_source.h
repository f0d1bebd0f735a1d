// A ByteSource over a file opened through Win32 for shared reading, so that a
// running program can read its own file.
#pragma once

#include <windows.h>

#include <string>

#include "base/handles.h"
#include "package/byte_source.h"

namespace vantor {

class Win32FileSource final : public ByteSource {
 public:
  explicit Win32FileSource(const std::string& path);
  bool IsOpen() const { return file_.valid(); }
  int64_t Size() override;
  std::size_t ReadAt(int64_t offset, void* buffer, std::size_t count) override;

 private:
  UniqueFile file_;
};

}  // namespace vantor
