// Command-line switches: /NAME=value or /NAME, found by substring search in
// the argument text (the process command line less the program's own path).
//
// These functions take the command line and module path as values so that
// they can be tested without a process; the Windows layer (switches_win.h)
// supplies the running process's values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// "\"C:\\Apps\\setup.exe\" /WAIT=10 /hide" with path C:\Apps\setup.exe gives "/WAIT=10 /hide".
std::string CommandArgsOf(std::string_view commandLine, std::string_view programPath);
bool HasSwitchIn(std::string_view args, std::string_view name);
std::string SwitchTextIn(std::string_view args, std::string_view name);
int64_t SwitchIntIn(std::string_view args, std::string_view name, int64_t def);
// The program in double quotes, so that a path with blanks names no other
// program ("C:\Program.exe" for "C:\Program Files\..."), then the arguments
// after one blank when there are any.
std::string CommandLineOf(std::string_view program, std::string_view arguments);
// Developer mode is on when the variable DVX holds exactly "974".
bool DeveloperModeFrom(const char* dvxValue);

}  // namespace vantor
