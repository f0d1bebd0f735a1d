// Runs the program in the background as the product or a user would, and
// talks to its main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles.h"

namespace vantor::testing {

class RunningProgram {
 public:
  explicit RunningProgram(const std::string& commandLine);
  // Waits for the end (failing the test after timeoutMs) and returns the exit code.
  DWORD WaitForExit(DWORD timeoutMs = 60000);
  bool HasEnded() const;
  DWORD processId() const { return processId_; }

 private:
  UniqueKernelHandle process_;
  DWORD processId_ = 0;
};

// A top-level window of that class, waited for up to timeoutMs (null when none came).
HWND WaitForWindowOfClass(const std::string& className, DWORD timeoutMs = 30000);

// A window of the test's own that a program can post notifications to.
class HostWindow {
 public:
  explicit HostWindow(UINT message);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND window() const { return window_.get(); }
  UINT message() const { return message_; }
  // Pumps the test thread's messages until count notifications have arrived (or timeoutMs).
  const std::vector<std::pair<WPARAM, LPARAM>>& WaitForNotifications(std::size_t count, DWORD timeoutMs = 30000);

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UINT message_;
  WindowClassRegistration registration_;
  UniqueWindow window_;
  std::vector<std::pair<WPARAM, LPARAM>> received_;
};

// The name of the setup work folder a program file gets: the temporary
// folder + "SETUP_" + the time half of the file's DOS date.
std::string SetupWorkFolderOf(const std::string& programFile);

}  // namespace vantor::testing
