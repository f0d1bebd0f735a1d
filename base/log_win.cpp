#include <windows.h>

#include "base/files.h"
#include "base/local_time_win.h"
#include "base/locale_win.h"
#include "base/log.h"
#include "base/log_line.h"
#include "base/program_paths.h"
#include "base/text.h"

namespace vantor {

namespace {

bool logEnabled = false;
std::string logIndent = "   ";
std::string logFileName;

}  // namespace

bool LogEnabled() { return logEnabled; }
void SetLogEnabled(bool enabled) { logEnabled = enabled; }
void SetLogIndent(std::string_view indent) { logIndent = indent; }

std::string GetLogFileName() {
  if (logFileName.empty()) logFileName = LogFileNameFor(ProgramPath());
  return logFileName;
}

void WriteLog(std::string_view message) {
  if (!logEnabled) return;
  const std::string stamp =
      LogTimeStamp(LocalNow(), UserDateSeparator(), UserTimeSeparator());
  AppendTextToFile(GetLogFileName(), FormatLogLine(stamp, GetCurrentThreadId(), logIndent, message), 0);
}

}  // namespace vantor
