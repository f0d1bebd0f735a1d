// vdebugview: receives the program's debug pieces and appends each one to a
// file, so tests and people can read the debug lines.
//
//   vdebugview.exe [--plain] OUTPUT_FILE [--run COMMAND LINE...]
//
// By default each piece is written as "<source> <length>:<text>\n": the
// sender's source value, the piece's byte count, then the piece itself (which
// may hold line feeds), so a reader can split pieces exactly. With --plain the
// pieces are written as they come, which reads as the debug lines themselves.
// With --run the viewer starts that command, serves it until it ends and exits
// with its exit code; otherwise it runs until its window is closed.
#include <windows.h>

#include <string>

#include "base/files.h"
#include "base/handles.h"

namespace {

constexpr char kViewerClass[] = ".VDebug.";
constexpr char kViewerMessage[] = ".V_DebugMsg.";

UINT viewerMessage = 0;
std::string outputPath;
bool plainOutput = false;

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == viewerMessage && viewerMessage != 0) {
    // The sender deletes the atom once we return, so read it now.
    char text[256] = {};
    const UINT length = GlobalGetAtomNameA(static_cast<ATOM>(lParam), text, sizeof text);
    const std::string piece(text, length);
    vantor::AppendTextToFile(outputPath,
                             plainOutput ? piece
                                         : std::to_string(static_cast<unsigned>(wParam)) + " " +
                                               std::to_string(length) + ":" + piece + "\n",
                             0);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The command line after "--run", exactly as typed.
std::string RunCommand() {
  const std::string line = GetCommandLineA();
  const std::size_t at = line.find(" --run ");
  return at == std::string::npos ? std::string() : line.substr(at + 7);
}

int ServeUntilQuit() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

// Serves the viewer's messages while the command runs: the program under
// watch sends its pieces synchronously and would wait for us otherwise.
int ServeWhileRunning(std::string command) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
  vantor::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
  for (;;) {
    const HANDLE waitFor = process.get();
    const DWORD r = MsgWaitForMultipleObjects(1, &waitFor, FALSE, INFINITE, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) break;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  DWORD exitCode = 1;
  GetExitCodeProcess(process.get(), &exitCode);
  return static_cast<int>(exitCode);
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  if (arg < argc && std::string(argv[arg]) == "--plain") {
    plainOutput = true;
    ++arg;
  }
  if (arg >= argc) {
    MessageBoxA(nullptr, "usage: vdebugview.exe [--plain] OUTPUT_FILE [--run COMMAND LINE...]", "vdebugview",
                MB_OK);
    return 2;
  }
  outputPath = argv[arg];
  viewerMessage = RegisterWindowMessageA(kViewerMessage);
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = ViewerProc;
  wc.hInstance = instance;
  wc.lpszClassName = kViewerClass;
  vantor::WindowClassRegistration registration(RegisterClassA(&wc), instance);
  if (!registration) return 1;
  vantor::UniqueWindow window(CreateWindowA(kViewerClass, "Vantor debug viewer", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                            CW_USEDEFAULT, 400, 300, nullptr, nullptr, instance, nullptr));
  if (!window) return 1;
  const std::string command = RunCommand();
  if (command.empty()) {
    const int code = ServeUntilQuit();
    window.release();  // WM_CLOSE destroyed it
    return code;
  }
  return ServeWhileRunning(command);
}
