// The two ways of listing processes: the process-status interface (PSAPI),
// used on the NT platform, and the ToolHelp snapshot, used elsewhere. Both are
// bound by name at first use; a missing interface lists nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/process_match.h"

namespace vantor {

enum class ProcessListing { Psapi, ToolHelp };

// PSAPI on the NT platform, ToolHelp elsewhere.
ProcessListing PlatformListing();
// Every process id (PSAPI); empty when the interface is missing.
std::vector<uint32_t> ProcessIds();
// The processes whose program names could be read, in the system's order.
// The short forms are asked for only withShortPaths (one file-system query each).
std::vector<ProcessEntry> ListProcesses(ProcessListing listing, bool withShortPaths);
uint32_t FindProcessByPath(const std::string& path, bool fullPathOnly, ProcessListing listing);

}  // namespace vantor
