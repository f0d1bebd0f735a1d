// The diagnostic log's line layout and file name, as pure text operations.
//
// A line: "dd/mm/yy HH:NN:SS" + " " + thread id right-aligned to width 5 +
// indent + message + CR LF, e.g. "09/12/24 14:03:07  1234   DoRunStubWin() --- Start".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

std::string FormatLogLine(std::string_view timeStamp, uint32_t threadId, std::string_view indent,
                          std::string_view message);
// The agent and its X_ copy share one file: agent.exe and X_agent.exe both
// give X_agent.log in the program's folder.
std::string LogFileNameFor(std::string_view programPath);

}  // namespace vantor
