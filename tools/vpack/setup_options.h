// The options of vpack setup, as given on the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/package_writer.h"
#include "tools/vpack/arguments.h"
#include "tools/vpack/gather_files.h"

namespace vantor::vpack {

constexpr char kLanguageSeparator = '\x02';

struct SetupOptions {
  std::string stubPath;
  std::string outPath;
  FileSpecs files;
  std::optional<std::string> engine;
  bool store = false;
  TrailerSettings trailer;
  std::optional<std::string> updateBase, infoFile, agentName, token;
  bool quiet = false;
  std::optional<std::string> setupDescriptor;
  std::optional<std::string> webBase, setupFileName, webToken, setupFileSize;
  bool noLocalLookup = false;
  std::optional<std::string> webDescriptor;
  std::vector<std::string> languageBlocks;
  std::optional<std::string> languageTablePath;
  std::optional<uint64_t> partSize;  // split into part files of at most this many bytes
};

// Reads every option; an error text (empty on success) for the first bad one.
std::string ParseSetupOptions(Arguments& args, SetupOptions& options);

}  // namespace vantor::vpack
