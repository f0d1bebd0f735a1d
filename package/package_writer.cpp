#include "package/package_writer.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

#include "package/byte_source.h"
#include "package/little_endian.h"
#include "package/record_name.h"

namespace vantor {

namespace {

constexpr int kChecksumFieldEnd = kOffsetChecksum + 4;
// Longer trailers only pad with zeros; anything beyond this is a typing error.
constexpr int32_t kMaxTrailerLength = 65536;
constexpr auto kMaxRecordData = static_cast<std::size_t>(std::numeric_limits<int32_t>::max());
constexpr uint64_t kMaxU32 = std::numeric_limits<uint32_t>::max();

uint32_t SaturatingAdd(uint32_t a, uint64_t b) {
  return static_cast<uint32_t>(std::min<uint64_t>(kMaxU32, a + b));
}

uint64_t RoundUp(uint64_t size, uint64_t unit) { return (size + unit - 1) / unit * unit; }

std::optional<std::string> Compress(const std::string& text) {
  // uLong is 32 bits on Windows; larger texts cannot be framed anyway.
  if (text.size() > kMaxRecordData) return std::nullopt;
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    return std::nullopt;
  }
  out.resize(size);
  return out;
}

bool AppendHeaderRecord(std::string& out, const std::string& text) {
  if (text.size() > kMaxU32) return false;
  AppendU32(out, static_cast<uint32_t>(text.size()));
  out += text;
  return true;
}

std::string EntryError(const PackageEntry& entry) {
  std::string error = PackableNameError(entry.name);
  if (error.empty() && entry.engineExtra.find_first_of(std::string_view("|\0", 2)) != std::string::npos) {
    error = "engine text contains \"|\" or a zero byte";
  }
  if (error.empty() && !entry.engine && !entry.engineExtra.empty()) error = "extra text without engine mark";
  return error.empty() ? error : entry.name + ": " + error;
}

std::string TrailerBytes(const PackageTrailer& trailer, int32_t length) {
  std::string out;
  if (length > 4) {
    const auto recordBytes = static_cast<std::size_t>(length - 4);
    const std::size_t copied = std::min<std::size_t>(recordBytes, kTrailerSize - 4);
    out.assign(reinterpret_cast<const char*>(trailer.bytes.data()), copied);
    out.resize(recordBytes, '\0');
  }
  AppendU32(out, static_cast<uint32_t>(length));
  return out;
}

// The framed records of a package, made once for one file or for parts.
struct PackageRecords {
  std::string headers;
  std::vector<std::string> files;
};

uint8_t HeaderCountOf(const PackageSpec& spec) {
  return spec.trailer.headerCount.value_or(spec.webDescriptor ? 3 : 2);
}

std::string MakePackageRecords(const PackageSpec& spec, PackageRecords& records) {
  if (spec.stub.size() > kMaxU32) return "program too large for PayloadOffset";
  if (std::count_if(spec.entries.begin(), spec.entries.end(), [](const PackageEntry& e) { return e.engine; }) > 1) {
    return "more than one engine";
  }
  if (spec.entries.size() > kMaxU32) return "too many files";
  if (spec.trailer.trailerLength > kMaxTrailerLength) return "trailer length above 65536";
  const bool headersFit = AppendHeaderRecord(records.headers, spec.languageTable) &&
                          AppendHeaderRecord(records.headers, spec.setupDescriptor) &&
                          (!spec.webDescriptor || AppendHeaderRecord(records.headers, *spec.webDescriptor));
  if (!headersFit) return "header text too large";
  for (const PackageEntry& entry : spec.entries) {
    const std::string error = EntryError(entry);
    if (!error.empty()) return error;
    std::optional<std::string> record = MakeFileRecord(entry);
    if (!record) return entry.name + ": record too large or not compressible";
    records.files.push_back(std::move(*record));
  }
  return "";
}

}  // namespace

std::string PackableNameError(std::string_view name) {
  if (name.empty()) return "empty name";
  if (name.find_first_of(std::string_view("*|:\0", 4)) != std::string_view::npos) {
    return "name contains \"*\", \"|\", \":\" or a zero byte";
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", start);
    const std::string_view part = name.substr(start, end == std::string_view::npos ? end : end - start);
    if (part.empty() || part == "." || part == "..") return "name has an empty, \".\" or \"..\" part";
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (!IsSafeRecordName(name)) return "name that would not be unpacked (a device name or a part of dots and blanks)";
  return "";
}

std::string RecordText(const PackageEntry& entry) {
  std::string text = "|" + entry.name;
  if (entry.engine) text += "*" + entry.engineExtra;
  text += "|" + std::to_string(entry.dosDateTime) + "|";
  text.push_back('\0');
  text += entry.content;
  return text;
}

std::optional<std::string> MakeFileRecord(const PackageEntry& entry) {
  const std::string text = RecordText(entry);
  std::string record;
  if (entry.compress) {
    std::optional<std::string> data = Compress(text);
    if (!data || data->empty() || data->size() > kMaxRecordData) return std::nullopt;
    AppendU32(record, static_cast<uint32_t>(data->size()));
    record += *data;
  } else {
    if (text.size() > kMaxRecordData) return std::nullopt;
    AppendU32(record, static_cast<uint32_t>(-static_cast<int32_t>(text.size())));
    record += text;
  }
  return record;
}

std::array<uint32_t, 9> SpaceRequiredFigures(const std::vector<PackageEntry>& entries) {
  std::array<uint32_t, 9> figures{};
  for (const PackageEntry& entry : entries) {
    const uint64_t size = entry.content.size();
    figures[0] = SaturatingAdd(figures[0], size);
    for (int i = 1; i <= 8; ++i) figures[i] = SaturatingAdd(figures[i], RoundUp(size, 256u << i));
  }
  return figures;
}

BuiltPackage AssemblePackageFile(const PackageFileLayout& layout, const TrailerSettings& settings) {
  if (layout.program.size() > kMaxU32) return {{}, "program too large for PayloadOffset"};
  if (settings.trailerLength > kMaxTrailerLength) return {{}, "trailer length above 65536"};
  std::string out = layout.program + layout.records;

  PackageTrailer trailer;
  trailer.SetByte(kOffsetHeaderCount, layout.headerCount);
  trailer.SetU32(kOffsetPayloadOffset, static_cast<uint32_t>(layout.program.size()));
  trailer.SetU32(kOffsetFilesCount, layout.filesCount);
  trailer.SetU32(kOffsetMagic, kPackageMagic);
  for (int i = 0; i < 9; ++i) trailer.SetU32(kOffsetSpaceRequired + 4 * i, layout.spaceRequired[i]);
  trailer.SetByte(kOffsetFlags, layout.flags);
  trailer.SetByte(kOffsetWebSetup, settings.webSetup ? 1 : 0);
  trailer.SetByte(kOffsetAskBeforeDownload, settings.askBeforeDownload ? 1 : 0);
  trailer.SetByte(kOffsetCreateAgent, settings.createAgent ? 1 : 0);
  trailer.SetByte(kOffsetAgent, settings.agent ? 1 : 0);
  trailer.SetU32(kOffsetTrailerLength, kTrailerSize);
  if (settings.checksumMode == ChecksumMode::Disabled) trailer.SetU32(kOffsetChecksum, kChecksumDisabled);
  if (settings.checksumMode == ChecksumMode::Explicit) trailer.SetU32(kOffsetChecksum, settings.explicitChecksum);

  const std::size_t trailerStart = out.size();
  out += TrailerBytes(trailer, settings.trailerLength);

  // PackageEnd first: it lies in the summed part of the file. Without it the
  // field is cleared, so that stub bytes there are not taken for an end.
  MemorySource source(out);
  if (IsPeFile(source)) {
    const uint64_t end = settings.recordPackageEnd ? out.size() : 0;
    auto* bytes = reinterpret_cast<uint8_t*>(out.data());
    StoreU32(bytes + kPackageEndHighOffset, static_cast<uint32_t>(end >> 32));
    StoreU32(bytes + kPackageEndLowOffset, static_cast<uint32_t>(end));
  }

  if (settings.checksumMode == ChecksumMode::Computed) {
    // The sum stops short of the trailer, so storing it there does not change
    // it; a trailer too short to hold the field, or so long that the sum
    // reaches the field, cannot carry a computed checksum.
    PackageTrailer read;
    ReadTrailer(source, read);
    const uint32_t sum = ComputePackageChecksum(source, read.TrailerLength());
    if (settings.trailerLength >= kChecksumFieldEnd + 4) {
      StoreU32(reinterpret_cast<uint8_t*>(out.data()) + trailerStart + kOffsetChecksum, sum);
    }
    PackageTrailer check;
    ReadTrailer(source, check);
    if (check.Checksum() != sum || ComputePackageChecksum(source, check.TrailerLength()) != sum) {
      return {{}, "this trailer length cannot carry a computed checksum"};
    }
  }
  return {std::move(out), {}};
}

BuiltPackage BuildPackage(const PackageSpec& spec) {
  PackageRecords records;
  const std::string error = MakePackageRecords(spec, records);
  if (!error.empty()) return {{}, error};
  PackageFileLayout layout;
  layout.program = spec.stub;
  layout.records = std::move(records.headers);
  for (const std::string& record : records.files) layout.records += record;
  layout.filesCount = static_cast<uint32_t>(spec.entries.size());
  layout.headerCount = HeaderCountOf(spec);
  layout.flags = spec.trailer.flags;
  layout.spaceRequired = SpaceRequiredFigures(spec.entries);
  return AssemblePackageFile(layout, spec.trailer);
}

BuiltParts BuildPackageParts(const PackageSpec& spec, uint64_t partSize) {
  PackageRecords records;
  const std::string error = MakePackageRecords(spec, records);
  if (!error.empty()) return {{}, error};
  const uint64_t trailerSize = TrailerBytes(PackageTrailer(), spec.trailer.trailerLength).size();
  const uint64_t firstOverhead = spec.stub.size() + records.headers.size() + trailerSize;
  const uint64_t partOverhead = kPartFileProgram.size() + trailerSize;
  if (firstOverhead > partSize) {
    return {{}, "the program and header records need " + std::to_string(firstOverhead) + " bytes, more than a part"};
  }
  // Each part's records as [begin, end) of records.files; the first part may
  // hold none when its program and headers leave no room.
  std::vector<std::size_t> starts{0};
  uint64_t used = firstOverhead;
  for (std::size_t i = 0; i < records.files.size(); ++i) {
    const uint64_t size = records.files[i].size();
    if (used + size > partSize) {
      if (partOverhead + size > partSize) {
        return {{}, spec.entries[i].name + ": its record needs " + std::to_string(partOverhead + size) +
                        " bytes in a part, more than the part size"};
      }
      starts.push_back(i);
      used = partOverhead;
    }
    used += size;
  }
  starts.push_back(records.files.size());

  BuiltParts built;
  const std::size_t partCount = starts.size() - 1;
  for (std::size_t part = 0; part < partCount; ++part) {
    PackageFileLayout layout;
    layout.program = part == 0 ? spec.stub : std::string(kPartFileProgram);
    if (part == 0) layout.records = records.headers;
    for (std::size_t i = starts[part]; i < starts[part + 1]; ++i) layout.records += records.files[i];
    layout.filesCount = static_cast<uint32_t>(part == 0 ? spec.entries.size() : starts[part + 1] - starts[part]);
    layout.headerCount = HeaderCountOf(spec);
    const bool last = part + 1 == partCount;
    layout.flags = static_cast<uint8_t>((spec.trailer.flags & ~kFlagMultiPart) | (last ? 0 : kFlagMultiPart));
    layout.spaceRequired = SpaceRequiredFigures(spec.entries);
    BuiltPackage file = AssemblePackageFile(layout, spec.trailer);
    if (!file.error.empty()) return {{}, file.error};
    built.files.push_back(std::move(file.bytes));
  }
  return built;
}

}  // namespace vantor
