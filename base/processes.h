// Running processes found by the path of their program file, their main
// windows, and the waits, messages and termination built on them.
//
// "fullPathOnly" switches off matching by bare file name, so that
// "agent.exe" alone finds a process of that name in any folder only when it
// is false. Nothing here reports a failure other than by its result.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vantor {

// The id of the matching process that the system lists last; 0 when none
// matches or the path is empty. The path is taken as given (quotes included).
uint32_t FindProcessByPath(const std::string& path, bool fullPathOnly);
// FindProcessByPath with bare names allowed, after trimming the path and
// removing the double quotes around it.
bool IsProcessRunning(const std::string& path);
// Waits, keeping the thread's windows served, until the process of that
// path (quotes and blanks removed, bare names allowed) has ended, checking
// once a second. timeoutMs of 0 or less: no limit; otherwise the wait ends at
// the first check after the time-out.
void WaitForProcessEnd(const std::string& path, int timeoutMs);

// The top-level window of the matching process that owns most of its other
// top-level windows (a title, then visibility, breaking ties); none when the
// process has no window scoring above 0.
HWND FindProcessMainWindow(const std::string& path, bool fullPathOnly);
// Posts the message to the main window; true when there was one and the post succeeded.
bool PostProcessMessage(const std::string& path, bool fullPathOnly, UINT message, WPARAM wParam, LPARAM lParam);
// WM_CLOSE, and WM_QUIT which ends the main window's message loop without
// asking; both with the parameters 15 and 255.
bool CloseProcessWindow(const std::string& path, bool fullPathOnly);
bool QuitProcessWindow(const std::string& path, bool fullPathOnly);
// Ends the matching process with exit code 0; true when it was terminated.
bool TerminateProcessByPath(const std::string& path, bool fullPathOnly);

// Pumps messages every 100 ms while a top-level window of that class and
// title exists; nullptr for either matches any.
void WaitWindowGone(const char* className, const char* title);
// The top-most owner of the window; none when it has no owner.
HWND RootOwner(HWND window);

}  // namespace vantor
