#include "tools/vpack/setup_command.h"

#include <string_view>

#include "base/text.h"
#include "package/part_files.h"
#include "package/scramble.h"
#include "tools/vpack/file_io.h"
#include "tools/vpack/setup_options.h"
#include "tools/vpack/token_seed.h"
#include "tools/vpack/usage.h"

namespace vantor::vpack {

namespace {

// The identity text of packages built without update settings; its token
// takes 48 characters.
constexpr std::string_view kDefaultTokenText = "VantorNoUpdates!";
constexpr unsigned kTokenPadding = 4;

std::string ScrambledItem(const std::string& plain) { return ScrambleToken(plain, TextSeed(plain), kTokenPadding); }

std::string BuildSetupDescriptor(const SetupOptions& o) {
  if (o.setupDescriptor) return *o.setupDescriptor;
  const std::string token(o.token.value_or(std::string(kDefaultTokenText)));
  return "|" + o.updateBase.value_or("http://") + "|" + o.infoFile.value_or(".info") + "|" +
         o.agentName.value_or(".exe") + "|" + ScrambledItem(token) + "|" + (o.quiet ? "1" : "0") + "|";
}

std::optional<std::string> BuildWebDescriptor(const SetupOptions& o) {
  if (o.webDescriptor) return o.webDescriptor;
  if (!o.webBase && !o.setupFileName && !o.noLocalLookup && !o.webToken && !o.setupFileSize) return std::nullopt;
  return "|" + o.webBase.value_or("") + "|" + o.setupFileName.value_or("") + "|" + (o.noLocalLookup ? "1" : "0") +
         "|" + (o.webToken ? ScrambledItem(*o.webToken) : std::string()) + "|" + o.setupFileSize.value_or("") + "|";
}

std::string BuildLanguageTable(const SetupOptions& o, std::string& table) {
  if (o.languageTablePath) {
    if (!o.languageBlocks.empty()) return "--lang-table-file and --lang-block exclude each other";
    if (!ReadFileBytes(*o.languageTablePath, table)) return "cannot read language table: " + *o.languageTablePath;
    return "";
  }
  table.assign(1, kLanguageSeparator);
  for (const std::string& block : o.languageBlocks) table += block + kLanguageSeparator;
  return "";
}

std::string MarkEngine(const std::string& engine, std::vector<PackageEntry>& entries) {
  const std::size_t star = engine.find('*');
  const std::string name = ReplaceChar(engine.substr(0, star), '/', '\\');
  for (PackageEntry& entry : entries) {
    if (UpperAscii(entry.name) == UpperAscii(name)) {
      entry.engine = true;
      entry.engineExtra = star == std::string::npos ? "" : engine.substr(star + 1);
      return "";
    }
  }
  return "--engine " + name + " is not among the packed files";
}

std::string BuildSpec(const SetupOptions& options, PackageSpec& spec) {
  if (!ReadFileBytes(options.stubPath, spec.stub)) return "cannot read program: " + options.stubPath;
  std::string error = BuildLanguageTable(options, spec.languageTable);
  if (error.empty()) error = GatherEntries(options.files, !options.store, spec.entries);
  if (error.empty() && options.engine) error = MarkEngine(*options.engine, spec.entries);
  spec.setupDescriptor = BuildSetupDescriptor(options);
  spec.webDescriptor = BuildWebDescriptor(options);
  spec.trailer = options.trailer;
  return error;
}

// The first file under its own name (setup.exe or setup.exe.001), the
// further parts as setup.exe.002, setup.exe.003, ...
int WriteParts(const BuiltParts& parts, const std::string& outPath) {
  if (!parts.error.empty()) return Fail(parts.error);
  const std::string base = PartFileBase(outPath);
  for (std::size_t i = 0; i < parts.files.size(); ++i) {
    const std::string path = i == 0 ? outPath : PartFileName(base, static_cast<int>(i + 1));
    if (!WriteFileBytes(path, parts.files[i])) return Fail("cannot write " + path);
  }
  return 0;
}

}  // namespace

int RunSetupCommand(Arguments& args) {
  SetupOptions options;
  std::string error = ParseSetupOptions(args, options);
  if (!error.empty()) return Fail(error);
  PackageSpec spec;
  error = BuildSpec(options, spec);
  if (!error.empty()) return Fail(error);
  if (options.partSize) return WriteParts(BuildPackageParts(spec, *options.partSize), options.outPath);
  const BuiltPackage package = BuildPackage(spec);
  if (!package.error.empty()) return Fail(package.error);
  if (!WriteFileBytes(options.outPath, package.bytes)) return Fail("cannot write " + options.outPath);
  return 0;
}

}  // namespace vantor::vpack
