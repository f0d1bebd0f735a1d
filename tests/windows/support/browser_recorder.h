// Observes what the shell opens in the user's browser. Wine's shell hands a
// web address to winebrowser, which runs the first Unix command that works
// from HKCU\Software\Wine\WineBrowser, value "Browsers" (a comma-separated
// list), with the address as its last argument; this points the list at a
// script that writes each address it gets to a file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/windows/support/test_support.h"

namespace vantor::testing {

class RecordingBrowser {
 public:
  RecordingBrowser();
  ~RecordingBrowser();  // puts the browser list back as it was
  RecordingBrowser(const RecordingBrowser&) = delete;
  RecordingBrowser& operator=(const RecordingBrowser&) = delete;

  // The addresses opened so far, in order. Wine's browser launcher escapes
  // some characters (a blank becomes "%20").
  std::vector<std::string> Opened() const;
  // Waits until `address` has been opened (at most timeoutMs); true when it was.
  bool WaitForOpened(const std::string& address, DWORD timeoutMs = 30000) const;

 private:
  ScratchFolder folder_{"browser"};
  bool hadSetting_ = false;
  std::string savedSetting_;
};

// The Unix path that Wine maps a Windows path to (empty outside Wine).
std::string UnixPathOf(const std::string& windowsPath);

}  // namespace vantor::testing
