// The update-agent copy ("New AU-Agent") that a setup writes beside its
// unpacked files: the setup file's program and header records, without any
// file record, with the setup's trailer marked as an agent. It therefore
// carries the same SetupDescriptor and language texts as the setup.
#pragma once

#include <string>

#include "package/package_layout.h"

namespace vantor {

// programAndHeaders: the setup file from offset 0 to the end of its header
// records. PackageEnd's low half (offsets 252..255) is cleared, since the
// copy's trailer lies at its physical end; the high half is left as it is.
// The trailer keeps every byte as read, except agent (69) set to 1 and
// TrailerLength 74.
std::string AgentCopyBytes(std::string programAndHeaders, PackageTrailer trailer);

}  // namespace vantor
