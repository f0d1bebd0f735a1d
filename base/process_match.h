// Which running process a caller means by a program path.
//
// A process matches the path P when its program file's full path equals P,
// or its bare file name equals P (unless only full paths count), or the short
// (8.3) form of its path equals the short form of P. Comparisons trim both
// sides and ignore the case of a-z.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Stand-ins for a name that must not take part in the comparison. Both hold
// "*", which no file name holds, so a comparison with them never succeeds;
// they are plain texts, never wildcard patterns.
inline constexpr std::string_view kNoShortPath = "*XX*";
inline constexpr std::string_view kNoBareName = "*X*";

// The names of one process's program file; a name that could not be read is empty.
struct ProcessNames {
  std::string fullPath;
  std::string bareName;
  std::string shortPath;
};

struct ProcessEntry {
  uint32_t id = 0;
  ProcessNames names;
};

// What the names of each process are compared with.
struct ProcessTarget {
  std::string path;
  std::string bareName;   // the path itself, or kNoBareName when only full paths count
  std::string shortPath;  // the system's short form of the path, or kNoShortPath
};

// shortPath is the system's short form of path: empty when there is none,
// as for a file that does not exist.
ProcessTarget MakeProcessTarget(std::string_view path, bool fullPathOnly, std::string_view shortPath);
// Whether the target's short form can match at all, so that listing the
// processes may skip asking the system for theirs.
bool WantsShortPaths(const ProcessTarget& target);
bool ProcessMatches(const ProcessNames& process, const ProcessTarget& target);
// The id of the matching process that comes last in the system's list; 0 when none matches.
uint32_t LastMatchingProcess(const std::vector<ProcessEntry>& processes, const ProcessTarget& target);

}  // namespace vantor
