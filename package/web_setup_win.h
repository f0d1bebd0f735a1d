// The download-only setup file: finds the full setup file next to itself or
// downloads it, checks that it belongs to the same product, and runs it.
#pragma once

#include <string>

namespace vantor {

// The branch of the launcher's timer step for a download-only setup file.
void RunDownloadOnlySetup();
void DownloadAndRunSetup(const std::string& workFolder, const std::string& base, const std::string& fileName);

}  // namespace vantor
