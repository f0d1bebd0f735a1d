// The update decision over the agent's files as they are now: the .original
// and .info files beside it, and the size of the offered file on a drive,
// share or web server.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// True exactly when the whole chain passed (code 6). Writes the code to the
// debug output and the code with its reason to the log.
bool GetOkToPerformAU(bool infoDownloaded, int32_t& code, std::string& reason);

// Whether the file on offer in folder (in test mode the test-mode folder)
// has the size the .info file announces: the update file, or the notice file
// when the .info file asks for a notice. The size is taken from the disk,
// else from the web server; unknown counts as -1. A mismatch is logged.
bool SizeMatches(const std::string& folder, const std::string& updateName, const std::string& noticeName);

}  // namespace vantor
