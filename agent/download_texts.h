// The texts the agent's downloads show: the caption of each kind of file and
// the notice after a failed transfer.
#pragma once

#include <string>
#include <string_view>

#include "agent/update_info_files.h"

namespace vantor {

// The caption key (s31, s32, s33) while a file of the kind is fetched; null
// for any other kind, whose caption is empty.
const TextKey* DownloadCaptionKey(int kind);

// A folder or file read from a drive ("C:...") or a share ("\\server...")
// rather than from a web server.
bool IsDriveOrSharePath(std::string_view source);

// The notice after a failed transfer of an update or notice file: aborted
// (s3) when the user stopped it, else the source followed by not found (s4)
// for a drive or share, or unable to download (s5) for a web address.
std::string TransferFailureMessage(std::string_view source, bool aborted, std::string_view abortedText,
                                   std::string_view notFoundText, std::string_view unableText);

}  // namespace vantor
