// The hidden main window: its message loop, its one-second timer that drives
// the launcher or the agent, its progress display and the private messages by
// which other programs steer a running agent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace vantor {

// Private messages (WM_USER + 99 .. 101).
constexpr UINT wm_ShutDown = 1123;
constexpr UINT wm_LocalMsg = 1124;
constexpr UINT wm_AgentMsg = 1125;

// Runs the window until its loop ends.
void WinMain();

HWND MainWindow();
HWND StatusText();
HWND FileProgressBar();
HWND CycleBar();

// The main window's progress routine (see net/progress.h).
void UpdateProgressBars(int mode, int64_t minimum, int64_t maximum, int64_t position, int64_t step,
                        std::string_view text);
// Posts a notification to the registered host window, if there is one.
void PostToHost(WPARAM wParam, LPARAM lParam);
// The handler of wm_AgentMsg.
int32_t DispatchAgentMsg(int32_t type, int32_t value);

}  // namespace vantor
