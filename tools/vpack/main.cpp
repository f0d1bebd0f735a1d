// vpack: the packer that turns a copy of the program into setup files, and
// writes and inspects the files that go with them.
#include <cstdio>
#include <string>

#include "tools/vpack/arguments.h"
#include "tools/vpack/info_command.h"
#include "tools/vpack/notice_command.h"
#include "tools/vpack/setup_command.h"
#include "tools/vpack/update_info_command.h"
#include "tools/vpack/usage.h"

int main(int argc, char** argv) {
  using namespace vantor::vpack;
  Arguments args;
  args.items.assign(argv + 1, argv + argc);
  const std::optional<std::string> command = TakeArgument(args);
  if (!command) return Fail("no command; see vpack --help");
  if (*command == "--help" || *command == "-h" || *command == "help") {
    std::fputs(HelpText(), stdout);
    return 0;
  }
  if (*command == "setup") return RunSetupCommand(args);
  if (*command == "token") return RunTokenCommand(args);
  if (*command == "notice") return RunNoticeCommand(args);
  if (*command == "info") return RunInfoCommand(args);
  if (*command == "update-info") return RunUpdateInfoCommand(args);
  return Fail("unknown command: " + *command + "; see vpack --help");
}
