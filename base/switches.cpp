// Command-line switches over a given command line.
#include "base/switches.h"

#include <cstring>

#include "base/text.h"

namespace vantor {

namespace {

// Deletes the first occurrence of sub in text, ignoring case; false when
// there is none.
bool DeleteFirst(std::string& text, std::string_view sub) {
  const std::size_t at = PosText(sub, text);
  if (at == 0) return false;
  text.erase(at - 1, sub.size());
  return true;
}

}  // namespace

std::string CommandArgsOf(std::string_view commandLine, std::string_view programPath) {
  std::string line(commandLine);
  if (!programPath.empty()) {
    const std::string quoted = "\"" + std::string(programPath) + "\"";
    if (!DeleteFirst(line, quoted)) DeleteFirst(line, programPath);
  }
  return Trim(line);
}

bool HasSwitchIn(std::string_view args, std::string_view name) { return PosText(name, args) != 0; }

std::string SwitchTextIn(std::string_view args, std::string_view name) {
  const std::size_t at = PosText(name, args);
  if (at == 0) return std::string();
  std::string_view rest = args.substr(at - 1 + name.size());
  if (rest.empty()) return "TRUE";
  if (rest.front() == '"') {
    rest.remove_prefix(1);
    rest = rest.substr(0, rest.find('"'));
  } else {
    rest = rest.substr(0, rest.find(' '));
    rest = rest.substr(0, rest.find('/'));
  }
  return Trim(rest);
}

int64_t SwitchIntIn(std::string_view args, std::string_view name, int64_t def) {
  int64_t value = 0;
  return TryParseInt64(SwitchTextIn(args, name), value) ? value : def;
}

bool DeveloperModeFrom(const char* dvxValue) { return dvxValue != nullptr && std::strcmp(dvxValue, "974") == 0; }

std::string CommandLineOf(std::string_view program, std::string_view arguments) {
  std::string line = "\"" + std::string(program) + "\"";
  if (!arguments.empty()) line += " " + std::string(arguments);
  return line;
}

}  // namespace vantor
