// Builds a whole package file in memory: the program (stub), the header
// records, the file records and the trailer, with PackageEnd and the checksum
// filled in the way the reader checks them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/package_layout.h"

namespace vantor {

struct PackageEntry {
  std::string name;  // inside the package, "\" between folders
  uint32_t dosDateTime = 0;  // date in the high 16 bits, time in the low 16
  std::string content;
  bool compress = true;
  bool engine = false;      // the program started after extraction ("name*extra")
  std::string engineExtra;  // its extra command-line text
};

enum class ChecksumMode { Computed, Disabled, Explicit };

struct TrailerSettings {
  uint8_t flags = 0;  // PackageFlags
  bool webSetup = false;
  bool askBeforeDownload = false;
  bool createAgent = false;
  bool agent = false;
  std::optional<uint8_t> headerCount;  // default: the number of header records written
  ChecksumMode checksumMode = ChecksumMode::Computed;
  uint32_t explicitChecksum = 0;
  // Bytes written for the trailer: the first trailerLength - 4 bytes of the
  // record (zero-filled beyond 74), then trailerLength itself. Other values
  // than 74 serve tests of older and damaged layouts.
  int32_t trailerLength = kTrailerSize;
  bool recordPackageEnd = true;  // only takes effect when the stub passes IsPeFile
};

struct PackageSpec {
  std::string stub;
  std::string languageTable;
  std::string setupDescriptor;
  std::optional<std::string> webDescriptor;
  std::vector<PackageEntry> entries;
  TrailerSettings trailer;
};

struct BuiltPackage {
  std::string bytes;
  std::string error;  // empty on success
};

// Why name cannot be packed safely (empty, "*", "|", byte 0, ":", an absolute
// path or an empty, "." or ".." part); empty when it can.
std::string PackableNameError(std::string_view name);
// The record text: "|name|date|", byte 0, content ("name*extra" for the engine).
std::string RecordText(const PackageEntry& entry);
// The record: i32 length (positive: zlib stream, negative: stored) and data;
// nothing when it cannot be made (too large, compression failure).
std::optional<std::string> MakeFileRecord(const PackageEntry& entry);
// SpaceRequired[0..8]: total size, then sizes rounded up to 512 .. 65536 bytes.
std::array<uint32_t, 9> SpaceRequiredFigures(const std::vector<PackageEntry>& entries);
BuiltPackage BuildPackage(const PackageSpec& spec);

}  // namespace vantor
