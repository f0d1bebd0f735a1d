#include "tests/windows/support/program_driver.h"

#include <gtest/gtest.h>

#include "agent/work_folder_names.h"

namespace vantor::testing {

RunningProgram::RunningProgram(const std::string& commandLine) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start: " << commandLine;
    return;
  }
  process_.reset(pi.hProcess);
  const UniqueKernelHandle thread(pi.hThread);
  processId_ = pi.dwProcessId;
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) {
  if (!process_) return 0xFFFFFFFF;
  if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the program did not end in time";
    TerminateProcess(process_.get(), 0xDEAD);
    WaitForSingleObject(process_.get(), 10000);
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

bool RunningProgram::HasEnded() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

HWND WaitForWindowOfClass(const std::string& className, DWORD timeoutMs) {
  // Another process's window gives no event to wait on; look every 20 ms.
  const DWORD start = GetTickCount();
  do {
    if (const HWND window = FindWindowA(className.c_str(), nullptr)) return window;
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

HostWindow::HostWindow(UINT message) : message_(message) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VantorTestHost";
  registration_ = WindowClassRegistration(RegisterClassA(&wc), wc.hInstance);
  window_.reset(CreateWindowA("VantorTestHost", "host", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                              nullptr));
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HostWindow::~HostWindow() { window_.reset(); }

LRESULT CALLBACK HostWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && message == self->message_) {
    self->received_.emplace_back(wParam, lParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

const std::vector<std::pair<WPARAM, LPARAM>>& HostWindow::WaitForNotifications(std::size_t count, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (received_.size() < count && GetTickCount() - start < timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return received_;
}

std::string SetupWorkFolderOf(const std::string& programFile) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExA(programFile.c_str(), GetFileExInfoStandard, &data);
  FILETIME local;
  WORD date = 0, time = 0;
  FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
  FileTimeToDosDateTime(&local, &date, &time);
  return SetupWorkFolderName(temp, (static_cast<uint32_t>(date) << 16) | time);
}

}  // namespace vantor::testing
