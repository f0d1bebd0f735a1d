#include "base/log_line.h"

#include "base/file_names.h"
#include "base/text.h"

namespace vantor {

std::string FormatLogLine(std::string_view timeStamp, uint32_t threadId, std::string_view indent,
                          std::string_view message) {
  std::string line(timeStamp);
  line += ' ';
  line += PadLeft(std::to_string(threadId), 5, ' ');
  line += indent;
  line += message;
  line += "\r\n";
  return line;
}

std::string LogFileNameFor(std::string_view programPath) {
  std::string name = ExtractFileName(programPath);
  if (name.rfind("X_", 0) != 0) name.insert(0, "X_");
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  name += ".log";
  std::string folder = ExtractFilePath(programPath);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder + "\\" + name;
}

}  // namespace vantor
