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
// path, an empty, "." or ".." part, or any name that the extraction refuses,
// such as a device name); empty when it can.
std::string PackableNameError(std::string_view name);
// The record text: "|name|date|", byte 0, content ("name*extra" for the engine).
std::string RecordText(const PackageEntry& entry);
// The record: i32 length (positive: zlib stream, negative: stored) and data;
// nothing when it cannot be made (too large, compression failure).
std::optional<std::string> MakeFileRecord(const PackageEntry& entry);
// SpaceRequired[0..8]: total size, then sizes rounded up to 512 .. 65536 bytes.
std::array<uint32_t, 9> SpaceRequiredFigures(const std::vector<PackageEntry>& entries);
BuiltPackage BuildPackage(const PackageSpec& spec);

// The program of every part file after the first: a marker that cannot pass
// IsPeFile, so no PackageEnd is ever looked for in a part file.
inline constexpr std::string_view kPartFileProgram = "Vantor part file";

// One file of a package before its trailer: the program (what precedes
// PayloadOffset) and the framed records after it.
struct PackageFileLayout {
  std::string program;
  std::string records;  // header records (first file only), then file records
  uint32_t filesCount = 0;
  uint8_t headerCount = 2;
  uint8_t flags = 0;  // PackageFlags of this file
  std::array<uint32_t, 9> spaceRequired{};
};
// Appends the trailer as the settings say (their flags and header count give
// way to the layout's), records PackageEnd and fills the checksum.
BuiltPackage AssemblePackageFile(const PackageFileLayout& layout, const TrailerSettings& settings);

struct BuiltParts {
  std::vector<std::string> files;  // the first file, then part 2, 3, ...
  std::string error;               // empty on success
};
// The package split into files of at most partSize bytes. Records are never
// split; the first file holds the program and the header records, each later
// part the program kPartFileProgram. Every file but the last has flag 2.
// FilesCount of the first file counts every file of the package (the range
// of the progress bar), that of a later part its own records; every file
// carries the whole package's SpaceRequired figures. One file when all fits.
BuiltParts BuildPackageParts(const PackageSpec& spec, uint64_t partSize);

}  // namespace vantor
