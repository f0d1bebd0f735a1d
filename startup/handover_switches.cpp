#include "startup/handover_switches.h"

#include "base/text.h"

namespace vantor {

namespace {

// 0 when the text is not a number; the low 32 bits otherwise.
int32_t Int32Of(std::string_view text) {
  int64_t value = 0;
  if (!TryParseInt64(text, value)) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The copy reads the first "/SpanCdLvl=" of its line: one passed on from the
// first stage ("/SpanCdLvl=1") would make every copy relaunch itself again.
std::string WithoutSpanLevel(std::string args) {
  constexpr std::string_view kName = "/SpanCdLvl=";
  for (std::size_t at; (at = PosText(kName, args)) != 0;) {
    const std::size_t end = args.find(' ', at - 1);
    args.erase(at - 1, end == std::string::npos ? std::string::npos : end - (at - 1));
  }
  return args;
}

}  // namespace

std::string SwitchArgument(std::string_view name, std::string_view value) {
  const bool quote = value.find_first_of(" /") != std::string_view::npos;
  return std::string(name) + (quote ? "\"" + std::string(value) + "\"" : std::string(value));
}

std::string AgentCopyArguments(std::string_view transient, std::string_view delay) {
  std::string arguments;
  if (!transient.empty()) arguments = SwitchArgument("/TRANSIENTx=", transient);
  if (!delay.empty()) arguments += (arguments.empty() ? "" : " ") + SwitchArgument("/SleepX=", delay);
  return arguments;
}

HostRegistration ParseHostRegistration(std::string_view value) {
  const std::string list = ":" + std::string(value) + ":";
  return {Int32Of(BarItem(list, 0, "")), Int32Of(BarItem(list, 1, ""))};
}

std::string SpanCopyArguments(std::string_view args, std::string_view programPath) {
  const std::string path(programPath);
  return Trim(WithoutSpanLevel(std::string(args)) + " /SpanCdLvl=2 /SpanDiskFName1=\"" + path +
              ".001\" /OriginExe=\"" + path + "\"");
}

}  // namespace vantor
