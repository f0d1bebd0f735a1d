#include "base/file_names.h"

namespace vantor {

namespace {
std::size_t NameStart(std::string_view path) {
  const std::size_t sep = path.find_last_of("\\/:");
  return sep == std::string_view::npos ? 0 : sep + 1;
}
}  // namespace

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string FileNameWithoutExt(std::string_view path, bool allExtensions) {
  std::string name = ExtractFileName(path);
  const std::size_t dot = allExtensions ? name.find('.') : name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace vantor
