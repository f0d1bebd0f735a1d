#include "agent/update_cycle_steps.h"

#include "base/switches.h"

namespace vantor {

ShutDownMethod ParseShutDownMethod(std::string_view text) {
  if (text == "Issue a Message Box") return ShutDownMethod::MessageBox;
  if (text == "Using WM_CLOSE") return ShutDownMethod::WmClose;
  if (text == "Using WM_QUIT") return ShutDownMethod::WmQuit;
  if (text == "Using Terminate Process") return ShutDownMethod::Terminate;
  if (text == "Don't Shut Down") return ShutDownMethod::DontShutDown;
  return ShutDownMethod::WaitOnly;
}

std::string_view DownloadQuestionTailKey(bool downloadForce, bool confirmInstall) {
  if (downloadForce) return confirmInstall ? "s19" : "s18";
  return confirmInstall ? "s13" : "s12";
}

std::string OriginalInfoFileSwitch(std::string_view infoPath) {
  return "/OriginalInfoFile=\"" + std::string(infoPath) + "\"";
}

std::string RestartCommand(std::string_view agentFolder, std::string_view agentExeName, const Overrides& overrides) {
  return CommandLineOf(std::string(agentFolder) + std::string(agentExeName),
                       "/_ZZ=99 /WAIT=10 /TRANSIENT=" + FormatOverrides(overrides));
}

}  // namespace vantor
