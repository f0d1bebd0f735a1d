// Parts of file names, as pure text operations.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The file-name part: what follows the last "\", "/" or ":".
std::string ExtractFileName(std::string_view path);
// The folder part including its last separator ("C:\a\b.exe" gives "C:\a\").
std::string ExtractFilePath(std::string_view path);
// The file-name part without its last extension; with all, without
// everything from its first "." (C:\a\setup.tar.gz gives setup.tar or setup).
std::string FileNameWithoutExt(std::string_view path, bool allExtensions);

}  // namespace vantor
