// A process for the process and window tests: it shows windows in one of a
// few arrangements, sets the named event once they exist, and runs a message
// loop until it is told to end.
//
//   process_probe.exe READY_EVENT ARRANGEMENT [CLASS [TITLE]]
//
// Arrangements: "main" (one visible titled window), "stubborn" (as main, but
// deaf to WM_CLOSE), "hidden" (one invisible untitled window owning nothing),
// "owner" (a visible window titled "Visible" and an invisible one titled
// "Owner" that owns three dialogs).
//
// Exit code: after WM_CLOSE 100000 + its wParam * 1000 + its lParam; after a
// WM_QUIT posted by another process wParam * 1000 + lParam.
#include <windows.h>

#include <string>

namespace {

bool deafToClose = false;
DWORD closeCode = 0;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (deafToClose) return 0;
      closeCode = static_cast<DWORD>(100000 + wParam * 1000 + lParam);
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND Create(const std::string& className, const char* title, DWORD style, HWND owner) {
  return CreateWindowA(className.c_str(), title, style, 10, 10, 200, 100, owner, nullptr, GetModuleHandleA(nullptr),
                       nullptr);
}

bool Arrange(const std::string& arrangement, const std::string& className, const std::string& title) {
  if (arrangement == "main" || arrangement == "stubborn") {
    deafToClose = arrangement == "stubborn";
    return Create(className, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr) != nullptr;
  }
  if (arrangement == "hidden") return Create(className, "", WS_OVERLAPPED, nullptr) != nullptr;
  if (arrangement == "owner") {
    if (!Create(className, "Visible", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr)) return false;
    const HWND owner = Create(className, "Owner", WS_OVERLAPPED, nullptr);
    for (int i = 0; i < 3; ++i) {
      if (!owner || !Create(className, "", WS_POPUP, owner)) return false;
    }
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 99;
  const std::string className = argc > 3 ? argv[3] : "VantorProbe";
  const std::string title = argc > 4 ? argv[4] : "Probe";
  WNDCLASSA wc{};
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className.c_str();
  if (!RegisterClassA(&wc) || !Arrange(argv[2], className, title)) return 98;

  if (const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1])) {
    SetEvent(ready);
    CloseHandle(ready);
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (closeCode != 0) return static_cast<int>(closeCode);
  return static_cast<int>(msg.wParam * 1000 + msg.lParam);
}
