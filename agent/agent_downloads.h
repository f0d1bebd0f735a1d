// Every file the agent fetches: the .info file, the update's setup file and
// the notice file. Each comes from a drive or share folder or from a web
// address (in test mode only from the test-mode folder), lands in the agent's
// folder and is checked: an .info file must not be an HTML page, an update or
// notice file must carry the running agent's package token.
#pragma once

#include <string>

namespace vantor {

enum AgentFileKind : int { kInfoFile = 1, kUpdateFile = 2, kInformFile = 3 };

// Fetches sourceFolder + the file-name part of fileName into the agent's
// folder. True when a file of the kind was stored there and passed its check.
// The error text is the transfer's error, or the 404 message for an .info
// file that is an HTML page; empty otherwise. A file without the agent's
// token is deleted and reported in an error box; a failed transfer of an
// update or notice file is reported in a notice box when the .info file asks
// for confirmation before downloads.
bool DownloadFileAU(const std::string& sourceFolder, const std::string& fileName, int kind, std::string& errorText);

// Whether the stored file carries the running agent's package token: an
// update file (kind 2) in its package, a notice file (kind 3) in its token
// field. A missing file, a file without a package, a token that does not
// check and an .info file (kind 1) never match.
bool MatchesPackageToken(const std::string& file, int kind);

// The main window's caption while a file of the kind is fetched, in the
// font of the agent's boxes.
void SetDownloadCaption(int kind);

// The .info file alone, as another program may ask, with the host told
// (40, 1) before and (40, 2) after.
void JustDownloadInfoFile();

}  // namespace vantor
