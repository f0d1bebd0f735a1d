// The records of a package as the extraction walks them, for vpack info.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/byte_source.h"
#include "package/package_layout.h"

namespace vantor::vpack {

struct RecordSummary {
  int64_t offset = 0;
  bool compressed = false;
  std::string header;       // the record text before its byte 0
  int64_t contentSize = 0;  // bytes after the byte 0
  std::string error;        // empty when the record reads whole
};

// The file records after the first headerRecords records, from PayloadOffset
// while more than a trailer's length is left before the end of the package.
std::vector<RecordSummary> ListFileRecords(ByteSource& file, const PackageTrailer& trailer, int headerRecords);

}  // namespace vantor::vpack
