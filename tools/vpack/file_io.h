// Whole-file reads and writes for the packer.
#pragma once

#include <string>

namespace vantor::vpack {

// False when path is not a readable regular file.
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace vantor::vpack
