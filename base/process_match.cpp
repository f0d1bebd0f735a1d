#include "base/process_match.h"

#include <algorithm>

#include "base/text.h"

namespace vantor {

namespace {

// An unreadable (empty) process name never matches, not even a blank path.
bool SameName(std::string_view processName, std::string_view targetName) {
  return !Trim(processName).empty() && SameTextTrimmed(processName, targetName);
}

}  // namespace

ProcessTarget MakeProcessTarget(std::string_view path, bool fullPathOnly, std::string_view shortPath) {
  ProcessTarget target;
  target.path = std::string(path);
  target.bareName = fullPathOnly ? std::string(kNoBareName) : std::string(path);
  target.shortPath = shortPath.empty() ? std::string(kNoShortPath) : std::string(shortPath);
  return target;
}

bool WantsShortPaths(const ProcessTarget& target) { return target.shortPath != kNoShortPath; }

bool ProcessMatches(const ProcessNames& process, const ProcessTarget& target) {
  return SameName(process.fullPath, target.path) || SameName(process.bareName, target.bareName) ||
         SameName(process.shortPath, target.shortPath);
}

uint32_t LastMatchingProcess(const std::vector<ProcessEntry>& processes, const ProcessTarget& target) {
  const auto found = std::find_if(processes.rbegin(), processes.rend(),
                                  [&](const ProcessEntry& entry) { return ProcessMatches(entry.names, target); });
  return found == processes.rend() ? 0 : found->id;
}

}  // namespace vantor
