#include "package/file_info.h"
#include "package/win32_file_source.h"

namespace vantor {

namespace {
TGFileInfo FromPath(const std::string& path) {
  Win32FileSource file(path);
  return TGFileInfo(file.IsOpen() ? &file : nullptr);
}
}  // namespace

TGFileInfo::TGFileInfo(const std::string& path) : TGFileInfo(FromPath(path)) {}

}  // namespace vantor
