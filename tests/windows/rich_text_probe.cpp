// Shows one notice window and ends with 1 when ShowRichTextWindow reports it
// shown, 0 otherwise, so that a test can watch the window in a process of its
// own (own DLL settings).
//
//   rich_text_probe.exe TEXT [ADDRESS]
#include <windows.h>

#include "ui/rich_text_window.h"

int main(int argc, char** argv) {
  if (argc < 2) return 99;
  return vantor::ShowRichTextWindow(nullptr, "Probe", "Download", argv[1], argc > 2 ? argv[2] : "", 400, 300, false,
                                    "Tahoma", 8, 1)
             ? 1
             : 0;
}
