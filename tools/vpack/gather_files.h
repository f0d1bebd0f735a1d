// The files named by --dir and --file, as package entries.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "package/package_writer.h"

namespace vantor::vpack {

struct FileSpecs {
  std::vector<std::string> dirs;   // packed recursively, named relative to the folder
  std::vector<std::string> files;  // PATH or PATH=NAME (the last "=" splits)
};

// The packed files as entries sorted by name, read and dated; an error text
// (empty on success) names the first file that cannot be packed.
std::string GatherEntries(const FileSpecs& specs, bool compress, std::vector<PackageEntry>& entries);

// Local time as a DOS date-time (date high, time low), kept within 1980..2107.
uint32_t PackDosDateTime(const std::tm& local);

}  // namespace vantor::vpack
