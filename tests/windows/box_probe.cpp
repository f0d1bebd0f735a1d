// Shows one markup box and ends with its result code, so that a test can
// watch a box in a process of its own (own environment, own DLL overrides).
//
//   box_probe.exe FLAGS TEXT
#include <windows.h>

#include <cstdlib>
#include <string>

#include "ui/message_box.h"

int main(int argc, char** argv) {
  if (argc < 3) return 99;
  const auto flags = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 0));
  return vantor::ShowMarkupBox(vantor::BoxOwnerMode::NoHeading, argv[2], "Probe", vantor::kDefaultButtonCaptions, 1,
                               flags, 0);
}
