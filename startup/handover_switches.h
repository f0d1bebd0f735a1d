// The switches one instance hands to the next one it starts: the plain agent
// to its X_ copy, and a removable-media setup to its Y_ copy.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// name + value, the value in double quotes when it holds a blank or a "/",
// either of which would otherwise end it: ("/X=", "a b") gives /X="a b".
std::string SwitchArgument(std::string_view name, std::string_view value);

// The plain agent's "/TRANSIENT=" and "/DELAY=" values as its copy's
// switches, "/TRANSIENTx=|1|255| /SleepX=5"; an empty value is left out.
std::string AgentCopyArguments(std::string_view transient, std::string_view delay);

// A host's "/WM_MSG=" value "h:m": its window handle and message number, each
// 0 when missing or not a number ("1234" gives 1234 and 0); only the low 32
// bits of each number count.
struct HostRegistration {
  int32_t window = 0;
  int32_t message = 0;
};
HostRegistration ParseHostRegistration(std::string_view value);

// The Y_ copy's arguments: the first stage's own, then the span level and
// where the part files and the setup came from, for D:\setup.exe
//   /X=1 /SpanCdLvl=2 /SpanDiskFName1="D:\setup.exe.001" /OriginExe="D:\setup.exe"
std::string SpanCopyArguments(std::string_view args, std::string_view programPath);

}  // namespace vantor
