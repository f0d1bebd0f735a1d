// The role of a running file, decided from its trailer, its own file name and
// its command line. Pure functions of those facts, evaluated afresh at each use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct RoleFacts {
  std::string programPath;   // the running module's full path
  std::string agentExeName;  // SetupDescriptor item 2
  bool isAgentFile = false;  // trailer byte 69
  uint8_t packageFlags = 0;  // trailer byte 65
  int64_t spanCdLevel = 1;   // GetSwitchInt("/SpanCdLvl=", 1)
};

bool IsPlainAgent(const RoleFacts& facts);
bool IsAgentCopy(const RoleFacts& facts);
bool IsSpanLevel1(const RoleFacts& facts);
bool IsSpanLevel2(const RoleFacts& facts);

// ".AutoUpdate." + the file name without any extension for agent files, the
// full path for any other file: the class is also the single-instance key.
std::string MainWindowClassFor(bool isAgentFile, std::string_view programPath);
// The class of the X_ copy's window, by which the plain agent finds it.
std::string AgentCopyWindowClass(std::string_view agentExeName);

}  // namespace vantor
