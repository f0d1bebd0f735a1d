// Writes the update-agent copy of an open setup file.
#pragma once

#include <cstdint>
#include <string>

#include "package/byte_source.h"

namespace vantor {

// Writes AgentCopyBytes of the file's first headerEnd bytes to target, dated
// like the file at sourcePath, and logs " New AU-Agent: " with the path.
// Gives the file at to the last-write time of the file at from.
void CopyFileDate(const std::string& from, const std::string& to);

void WriteAgentCopy(ByteSource& setupFile, const std::string& sourcePath, int64_t headerEnd, const std::string& target);

}  // namespace vantor
