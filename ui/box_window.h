// The markup box's window: created, laid out, run in its own message loop
// and destroyed within one call.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/box_options.h"

namespace vantor {

struct BoxOutcome {
  int result = 0;
  // A quit message taken by the box's loop ends the box; the caller posts it
  // again once the box is gone, so the program's own loop still ends.
  bool quit = false;
  int quitCode = 0;
};

BoxOutcome RunBox(HWND owner, HWND remembered, const BoxCall& call, std::string_view title,
                  std::string_view captions, unsigned timeoutMs);

}  // namespace vantor
