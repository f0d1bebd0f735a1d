// The diagnostic log file: one timestamped line per call, appended next to
// the program, written only while logging is enabled (agent files that ask for it).
#pragma once

#include <string>
#include <string_view>

namespace vantor {

bool LogEnabled();
void SetLogEnabled(bool enabled);
void SetLogIndent(std::string_view indent);
std::string GetLogFileName();
void WriteLog(std::string_view message);

}  // namespace vantor
