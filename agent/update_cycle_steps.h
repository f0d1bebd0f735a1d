// The update cycle's choices, over values they are given: the question keys,
// the shut-down method and the command lines it starts.
#pragma once

#include <string>
#include <string_view>

#include "agent/overrides.h"

namespace vantor {

// How a running product is closed before its update is installed.
enum class ShutDownMethod {
  MessageBox,    // "Issue a Message Box": ask the user until it is closed
  WmClose,       // "Using WM_CLOSE"
  WmQuit,        // "Using WM_QUIT"
  Terminate,     // "Using Terminate Process"
  DontShutDown,  // "Don't Shut Down": no wait either
  WaitOnly,      // any other text: only wait until it has ended
};
ShutDownMethod ParseShutDownMethod(std::string_view text);

// The key of the text that follows s11 in the download question.
std::string_view DownloadQuestionTailKey(bool downloadForce, bool confirmInstall);

// The setup engine learns where the downloaded .info file lies.
std::string OriginalInfoFileSwitch(std::string_view infoPath);

// The plain agent started anew after an update: it waits until this copy has
// ended, then makes a fresh copy that takes over the overrides. The path is
// quoted.
std::string RestartCommand(std::string_view agentFolder, std::string_view agentExeName, const Overrides& overrides);

}  // namespace vantor
