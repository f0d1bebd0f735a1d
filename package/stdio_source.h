// A ByteSource over a file opened through the C++ library, for the packer and
// the tests (portable: it builds natively and with mingw).
#pragma once

#include <fstream>
#include <string>

#include "package/byte_source.h"
#include "package/file_info.h"

namespace vantor {

class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  bool IsOpen() const { return stream_.is_open(); }
  int64_t Size() override { return size_; }
  std::size_t ReadAt(int64_t offset, void* buffer, std::size_t count) override;

 private:
  std::ifstream stream_;
  int64_t size_ = -1;
};

// The package information of the file at path; an empty object when the file
// cannot be opened.
TGFileInfo FileInfoFromPath(const std::string& path);

}  // namespace vantor
