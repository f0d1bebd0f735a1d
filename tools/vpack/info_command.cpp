#include "tools/vpack/info_command.h"

#include <cstdio>
#include <string>

#include "base/text.h"
#include "package/file_info.h"
#include "package/package_writer.h"
#include "package/scramble.h"
#include "package/stdio_source.h"
#include "tools/vpack/record_list.h"
#include "tools/vpack/usage.h"

namespace vantor::vpack {

namespace {

// Printable ASCII stays, "\" is doubled and every other byte becomes \xNN.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (byte >= 32 && byte < 127) {
      out.push_back(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  return out;
}

std::string Hex32(uint32_t value) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

void Line(const std::string& name, const std::string& value) {
  std::printf("%s=%s\n", name.c_str(), value.c_str());
}

void Line(const std::string& name, int64_t value) { Line(name, std::to_string(value)); }

// The unscrambled token, or "(does not check)".
std::string TokenText(const std::string& token) {
  const std::optional<std::string> plain = TryUnscramble(token);
  return plain ? Escaped(*plain) : "(does not check)";
}

void PrintTrailer(const PackageTrailer& t) {
  Line("TrailerLength", t.TrailerLength());
  Line("HeaderCount", t.HeaderCount());
  Line("PayloadOffset", t.PayloadOffset());
  Line("FilesCount", t.FilesCount());
  Line("PackageMagic", Hex32(t.Magic()));
  Line("MagicOk", BoolText(t.Magic() == kPackageMagic));
  Line("PackageChecksum", Hex32(t.Checksum()));
  for (int i = 0; i < 9; ++i) Line("SpaceRequired" + std::to_string(i), t.SpaceRequired(i));
  Line("PackageFlags", t.Flags());
  Line("WebSetup", t.Byte(kOffsetWebSetup));
  Line("AskBeforeDownload", t.Byte(kOffsetAskBeforeDownload));
  Line("CreateAgent", t.Byte(kOffsetCreateAgent));
  Line("Agent", t.Byte(kOffsetAgent));
}

void PrintHeaders(const TGFileInfo& info) {
  Line("FileRecordsOffset", info.Trailer().PayloadOffset());
  Line("LanguageTable", Escaped(info.LanguageTable()));
  Line("SetupDescriptor", Escaped(info.SetupDescriptor()));
  Line("SetupToken", TokenText(info.SetupToken(false)));
  Line("WebDescriptor", Escaped(info.WebDescriptor()));
  if (!info.WebDescriptor().empty()) Line("WebToken", TokenText(info.WebToken(false)));
}

// A later part file begins with the part program instead of a program.
bool IsPartFile(ByteSource& file) {
  std::string start(kPartFileProgram.size(), '\0');
  return file.ReadAt(0, start.data(), start.size()) == start.size() && start == kPartFileProgram;
}

void PrintRecords(ByteSource& file, const PackageTrailer& trailer, int headerRecords) {
  int index = 0;
  for (const RecordSummary& record : ListFileRecords(file, trailer, headerRecords)) {
    const std::string key = "FileRecord" + std::to_string(++index) + ".";
    Line(key + "Offset", record.offset);
    Line(key + "Header", Escaped(record.header));
    Line(key + "Size", record.contentSize);
    Line(key + "Compressed", BoolText(record.compressed));
    if (!record.error.empty()) Line(key + "Error", record.error);
  }
}

}  // namespace

int RunInfoCommand(Arguments& args) {
  const std::optional<std::string> path = TakeArgument(args);
  if (!path || TakeArgument(args)) return Fail("info needs exactly one FILE");
  FileSource file(*path);
  if (!file.IsOpen()) return Fail("cannot read file: " + *path);
  const TGFileInfo info(&file);
  PackageTrailer trailer;
  ReadTrailer(file, trailer);
  const uint32_t computed = ComputePackageChecksum(file, trailer.TrailerLength());

  Line("File", Escaped(*path));
  Line("FileSize", file.Size());
  Line("IsPeFile", BoolText(IsPeFile(file)));
  Line("PackageEnd", PackageEnd(file));
  PrintTrailer(trailer);
  Line("ComputedChecksum", Hex32(computed));
  Line("ChecksumOk", BoolText(computed == trailer.Checksum() || computed == kChecksumDisabled ||
                              trailer.Checksum() == kChecksumDisabled));
  if (trailer.Magic() == kPackageMagic) {
    const bool partFile = IsPartFile(file);
    Line("PartFile", BoolText(partFile));
    if (!partFile) PrintHeaders(info);
    PrintRecords(file, trailer, partFile ? 0 : trailer.HeaderCount());
  }
  return 0;
}

}  // namespace vantor::vpack
