#include "tools/vpack/setup_options.h"

#include <array>
#include <limits>
#include <string_view>

namespace vantor::vpack {

namespace {

using Handler = std::string (*)(SetupOptions&, const std::string&);

// Room for a trailer and a little more; real disks are far larger.
constexpr int64_t kMinPartSize = 1024;

struct OptionRule {
  std::string_view name;
  bool takesValue;
  Handler handle;
};

// A value that becomes one item of a bar list.
std::string SetItem(std::optional<std::string>& item, const std::string& value, std::string_view option) {
  if (value.find('|') != std::string::npos) return std::string(option) + " must not contain \"|\"";
  item = value;
  return "";
}

std::string SetChecksum(SetupOptions& o, const std::string& value) {
  if (value == "auto") {
    o.trailer.checksumMode = ChecksumMode::Computed;
  } else if (value == "off") {
    o.trailer.checksumMode = ChecksumMode::Disabled;
  } else {
    const std::optional<int64_t> number = ParseBounded(value, 0, 0xFFFFFFFF);
    if (!number) return "--checksum needs auto, off or a number from 0 to 4294967295";
    o.trailer.checksumMode = ChecksumMode::Explicit;
    o.trailer.explicitChecksum = static_cast<uint32_t>(*number);
  }
  return "";
}

const std::array<OptionRule, 31> kSetupOptions = {{
    {"--stub", true, [](SetupOptions& o, const std::string& v) { o.stubPath = v; return std::string(); }},
    {"--out", true, [](SetupOptions& o, const std::string& v) { o.outPath = v; return std::string(); }},
    {"--dir", true, [](SetupOptions& o, const std::string& v) { o.files.dirs.push_back(v); return std::string(); }},
    {"--file", true, [](SetupOptions& o, const std::string& v) { o.files.files.push_back(v); return std::string(); }},
    {"--engine", true, [](SetupOptions& o, const std::string& v) { o.engine = v; return std::string(); }},
    {"--store", false, [](SetupOptions& o, const std::string&) { o.store = true; return std::string(); }},
    {"--flags", true,
     [](SetupOptions& o, const std::string& v) {
       const std::optional<int64_t> flags = ParseBounded(v, 0, 255);
       if (!flags) return std::string("--flags needs a number from 0 to 255");
       o.trailer.flags = static_cast<uint8_t>(*flags);
       return std::string();
     }},
    {"--web-setup", false,
     [](SetupOptions& o, const std::string&) { o.trailer.webSetup = true; return std::string(); }},
    {"--ask-download", false,
     [](SetupOptions& o, const std::string&) { o.trailer.askBeforeDownload = true; return std::string(); }},
    {"--create-agent", false,
     [](SetupOptions& o, const std::string&) { o.trailer.createAgent = true; return std::string(); }},
    {"--agent", false, [](SetupOptions& o, const std::string&) { o.trailer.agent = true; return std::string(); }},
    {"--header-count", true,
     [](SetupOptions& o, const std::string& v) {
       const std::optional<int64_t> count = ParseBounded(v, 0, 255);
       if (!count) return std::string("--header-count needs a number from 0 to 255");
       o.trailer.headerCount = static_cast<uint8_t>(*count);
       return std::string();
     }},
    {"--checksum", true, SetChecksum},
    {"--no-package-end", false,
     [](SetupOptions& o, const std::string&) { o.trailer.recordPackageEnd = false; return std::string(); }},
    {"--trailer-length", true,
     [](SetupOptions& o, const std::string& v) {
       const std::optional<int64_t> n =
           ParseBounded(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
       if (!n) return std::string("--trailer-length needs a 32-bit number");
       o.trailer.trailerLength = static_cast<int32_t>(*n);
       return std::string();
     }},
    {"--update-base", true,
     [](SetupOptions& o, const std::string& v) { return SetItem(o.updateBase, v, "--update-base"); }},
    {"--info-file", true, [](SetupOptions& o, const std::string& v) { return SetItem(o.infoFile, v, "--info-file"); }},
    {"--agent-name", true,
     [](SetupOptions& o, const std::string& v) { return SetItem(o.agentName, v, "--agent-name"); }},
    {"--token", true, [](SetupOptions& o, const std::string& v) { o.token = v; return std::string(); }},
    {"--quiet", false, [](SetupOptions& o, const std::string&) { o.quiet = true; return std::string(); }},
    {"--setup-descriptor", true,
     [](SetupOptions& o, const std::string& v) { o.setupDescriptor = v; return std::string(); }},
    {"--web-base", true, [](SetupOptions& o, const std::string& v) { return SetItem(o.webBase, v, "--web-base"); }},
    {"--setup-file-name", true,
     [](SetupOptions& o, const std::string& v) { return SetItem(o.setupFileName, v, "--setup-file-name"); }},
    {"--no-local-lookup", false,
     [](SetupOptions& o, const std::string&) { o.noLocalLookup = true; return std::string(); }},
    {"--web-token", true, [](SetupOptions& o, const std::string& v) { o.webToken = v; return std::string(); }},
    {"--setup-file-size", true,
     [](SetupOptions& o, const std::string& v) {
       if (v.empty() || v.find_first_not_of("0123456789") != std::string::npos) {
         return std::string("--setup-file-size needs a decimal number");
       }
       o.setupFileSize = v;
       return std::string();
     }},
    {"--web-descriptor", true,
     [](SetupOptions& o, const std::string& v) { o.webDescriptor = v; return std::string(); }},
    {"--lang-block", true,
     [](SetupOptions& o, const std::string& v) {
       if (v.find(kLanguageSeparator) != std::string::npos) return std::string("--lang-block must not contain byte 2");
       o.languageBlocks.push_back(v);
       return std::string();
     }},
    {"--lang-table-file", true,
     [](SetupOptions& o, const std::string& v) { o.languageTablePath = v; return std::string(); }},
    {"--part-size", true,
     [](SetupOptions& o, const std::string& v) {
       const std::optional<int64_t> size = ParseBounded(v, kMinPartSize, std::numeric_limits<int64_t>::max());
       if (!size) return "--part-size needs a number of bytes, at least " + std::to_string(kMinPartSize);
       o.partSize = static_cast<uint64_t>(*size);
       return std::string();
     }},
}};

}  // namespace

std::string ParseSetupOptions(Arguments& args, SetupOptions& options) {
  while (std::optional<std::string> argument = TakeArgument(args)) {
    std::string name = *argument;
    const OptionRule* rule = nullptr;
    for (const OptionRule& candidate : kSetupOptions) {
      const std::string_view key = candidate.name;
      if (name == key || (candidate.takesValue && name.starts_with(std::string(key) + "="))) rule = &candidate;
    }
    if (rule == nullptr) return "unknown option for setup: " + name;
    std::string value;
    if (rule->takesValue) {
      std::optional<std::string> taken = TakeValue(args, name);
      if (!taken) return name + " needs a value";
      value = *taken;
    }
    const std::string error = rule->handle(options, value);
    if (!error.empty()) return error;
  }
  if (options.stubPath.empty()) return "setup needs --stub PROGRAM";
  if (options.outPath.empty()) return "setup needs --out FILE";
  return "";
}

}  // namespace vantor::vpack
