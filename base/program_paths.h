// Paths of the running program and of the system's folders.
#pragma once

#include <string>

namespace vantor {

std::string ProgramPath();
std::string ProgramFolder(bool addBackslash);
std::string WindowsFolder(bool addBackslash);
std::string SystemFolder(bool addBackslash);
std::string TempFolder(bool addBackslash);
bool IsLeadByte(unsigned char ch);
bool IsWinNT();

}  // namespace vantor
