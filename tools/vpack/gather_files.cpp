#include "tools/vpack/gather_files.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "base/text.h"
#include "tools/vpack/file_io.h"

namespace vantor::vpack {

namespace {

namespace fs = std::filesystem;

constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = 2107;

uint32_t DosFields(int year, int month, int day, int hour, int minute, int second) {
  const auto date = static_cast<uint32_t>((year - kFirstDosYear) << 9 | month << 5 | day);
  const auto time = static_cast<uint32_t>(hour << 11 | minute << 5 | second / 2);
  return date << 16 | time;
}

struct NamedFile {
  std::string path;
  std::string name;
};

std::string NameInPackage(const fs::path& relative) {
  std::string name;
  for (const fs::path& part : relative) {
    if (!name.empty()) name += '\\';
    name += part.string();
  }
  return name;
}

std::string AddFolder(const std::string& dir, std::vector<NamedFile>& files) {
  std::error_code error;
  if (!fs::is_directory(dir, error)) return "not a folder: " + dir;
  fs::recursive_directory_iterator it(dir, error);
  for (const fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code statusError;  // an entry that cannot be examined (a broken link) is skipped
    if (it->is_regular_file(statusError)) {
      files.push_back({it->path().string(), NameInPackage(it->path().lexically_relative(dir))});
    }
  }
  return error ? "cannot list folder " + dir + ": " + error.message() : "";
}

NamedFile SplitFileArgument(const std::string& argument) {
  const std::size_t equals = argument.rfind('=');
  if (equals == std::string::npos) return {argument, fs::path(argument).filename().string()};
  return {argument.substr(0, equals), ReplaceChar(argument.substr(equals + 1), '/', '\\')};
}

uint32_t FileDosDateTime(const std::string& path) {
  std::error_code error;
  const fs::file_time_type written = fs::last_write_time(path, error);
  if (error) return 0;
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
  const std::tm* local = std::localtime(&seconds);
  return local != nullptr ? PackDosDateTime(*local) : 0;
}

}  // namespace

uint32_t PackDosDateTime(const std::tm& local) {
  const int year = local.tm_year + 1900;
  if (year < kFirstDosYear) return DosFields(kFirstDosYear, 1, 1, 0, 0, 0);
  if (year > kLastDosYear) return DosFields(kLastDosYear, 12, 31, 23, 59, 58);
  return DosFields(year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, std::min(local.tm_sec, 59));
}

std::string GatherEntries(const FileSpecs& specs, bool compress, std::vector<PackageEntry>& entries) {
  std::vector<NamedFile> files;
  for (const std::string& dir : specs.dirs) {
    const std::string error = AddFolder(dir, files);
    if (!error.empty()) return error;
  }
  for (const std::string& argument : specs.files) files.push_back(SplitFileArgument(argument));
  // Sorted ignoring case (then exactly), so that names differing only in case
  // lie side by side and the order never depends on the file system.
  std::sort(files.begin(), files.end(), [](const NamedFile& a, const NamedFile& b) {
    const std::string ua = UpperAscii(a.name);
    const std::string ub = UpperAscii(b.name);
    return ua != ub ? ua < ub : a.name < b.name;
  });
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string error = PackableNameError(files[i].name);
    if (!error.empty()) return "cannot pack \"" + files[i].name + "\" (" + files[i].path + "): " + error;
    // Windows names ignore case: such names would overwrite each other.
    if (i > 0 && UpperAscii(files[i].name) == UpperAscii(files[i - 1].name)) {
      return "two files named " + files[i].name;
    }
  }
  for (const NamedFile& file : files) {
    PackageEntry entry;
    entry.name = file.name;
    entry.compress = compress;
    if (!ReadFileBytes(file.path, entry.content)) return "cannot read file: " + file.path;
    entry.dosDateTime = FileDosDateTime(file.path);
    entries.push_back(std::move(entry));
  }
  return "";
}

}  // namespace vantor::vpack
