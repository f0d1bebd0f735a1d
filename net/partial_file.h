// The file in which a download to disk grows: the target's name, a dot and the
// sum of the remote size and date, so a partial file is only ever resumed
// against the same remote file ("C:\App\Update.exe.5550061").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// The sum is 32-bit signed and wraps, so it may be negative.
std::string PartialFileName(std::string_view target, int32_t total, uint32_t lastModified);

// True when name (without folder) is targetName + "." + a 32-bit signed
// decimal, ignoring case: a partial file of some version of the remote file.
// The target itself and names such as "Update.exe.config" are not.
bool IsPartialFileOf(std::string_view targetName, std::string_view name);

}  // namespace vantor
