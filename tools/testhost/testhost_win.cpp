// testhost: a product program for tests and the demo. It shows one visible
// window, can start the update agent with itself registered as the agent's
// host, and records what happens to a text file, one line per event, each
// line written at once so that a test can read the file while it runs.
//
//   testhost.exe --record FILE [--agent PATH [--agent-args TEXT]] [--message N]
//                [--send TYPE:VALUE]... [--exit-after-ms N]
//
// The agent is started as  "PATH" /WM_MSG=<window>:<N> [TEXT]  (N: --message,
// default 49152). Once notification 50 has named the agent's window, every
// --send request goes to it in order as message 1125 with TYPE and VALUE.
//
// Record lines (numbers in decimal):
//   start <process id>
//   window <window handle>
//   started <command line>          or  start-failed <command line>
//   notify <wParam> <lParam>        notification N; lParam as a signed 32-bit number
//   reply <TYPE> <VALUE> <result>   or  reply <TYPE> <VALUE> failed
//   close <wParam> <lParam>         WM_CLOSE; the window then closes
//   exit-after <N>                  --exit-after-ms has passed; the window then closes
//   quit <wParam>                   the message loop ended on WM_QUIT
//   end
// An argument it does not understand is recorded as "bad-argument <text>".
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/switches.h"
#include "base/text.h"
#include "package/launch_sequence.h"

namespace {

constexpr char kClassName[] = "VantorTestHost";
constexpr char kTitle[] = "Vantor Test Host";
constexpr UINT kDefaultMessage = 49152;
constexpr UINT kAgentRequest = 1125;  // wm_AgentMsg
constexpr WPARAM kAgentWindowNote = 50;
constexpr UINT_PTR kExitTimer = 1;
// A request to an agent that hangs must not hang the host.
constexpr UINT kReplyTimeoutMs = 30000;

struct Request {
  int32_t type = 0;
  int32_t value = 0;
};

struct Options {
  std::string record;
  std::string agent;
  std::string agentArgs;
  UINT message = kDefaultMessage;
  std::vector<Request> requests;
  int64_t exitAfterMs = -1;
};

struct Host {
  Options options;
  HWND window = nullptr;
  HWND agentWindow = nullptr;
  bool requestsSent = false;
};

Host host;

void Record(const std::string& line) {
  if (!host.options.record.empty()) vantor::AppendTextToFile(host.options.record, line + "\r\n", 0);
}

std::string Decimal(int64_t value) { return std::to_string(value); }
std::string HandleText(HWND window) { return Decimal(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window))); }

bool ParseInt32(const std::string& text, int32_t& value) {
  int64_t number = 0;
  if (!vantor::TryParseInt64(text, number)) return false;
  value = static_cast<int32_t>(number);
  return true;
}

// "TYPE:VALUE"
bool ParseRequest(const std::string& text, Request& request) {
  const std::size_t colon = text.find(':');
  return colon != std::string::npos && ParseInt32(text.substr(0, colon), request.type) &&
         ParseInt32(text.substr(colon + 1), request.value);
}

// Problems are kept and recorded once the record file is known.
std::vector<std::string> ParseOptions(int argc, char** argv, Options& options) {
  std::vector<std::string> problems;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) {
      problems.push_back(name);
      break;
    }
    const std::string value = argv[++i];
    int64_t number = 0;
    Request request;
    if (name == "--record") {
      options.record = value;
    } else if (name == "--agent") {
      options.agent = value;
    } else if (name == "--agent-args") {
      options.agentArgs = value;
    } else if (name == "--message" && vantor::TryParseInt64(value, number)) {
      options.message = static_cast<UINT>(number);
    } else if (name == "--send" && ParseRequest(value, request)) {
      options.requests.push_back(request);
    } else if (name == "--exit-after-ms" && vantor::TryParseInt64(value, number)) {
      options.exitAfterMs = number;
    } else {
      problems.push_back(name + " " + value);
    }
  }
  return problems;
}

void SendRequests() {
  host.requestsSent = true;
  for (const Request& request : host.options.requests) {
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutA(host.agentWindow, kAgentRequest, static_cast<WPARAM>(request.type),
                                              static_cast<LPARAM>(request.value), SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                                              &result) != 0;
    Record("reply " + Decimal(request.type) + " " + Decimal(request.value) + " " +
           (answered ? Decimal(static_cast<int32_t>(result)) : std::string("failed")));
  }
}

void OnNotification(WPARAM wParam, LPARAM lParam) {
  Record("notify " + Decimal(static_cast<int64_t>(wParam)) + " " + Decimal(static_cast<int32_t>(lParam)));
  if (wParam == kAgentWindowNote) {
    host.agentWindow = reinterpret_cast<HWND>(lParam);
    if (!host.requestsSent) SendRequests();
  }
}

void StartAgent() {
  std::string arguments = "/WM_MSG=" + HandleText(host.window) + ":" + Decimal(host.options.message);
  if (!host.options.agentArgs.empty()) arguments += " " + host.options.agentArgs;
  const std::string line = vantor::CommandLineOf(host.options.agent, arguments);
  Record((vantor::RunProgram(line, SW_SHOWDEFAULT) ? "started " : "start-failed ") + line);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == host.options.message) {
    OnNotification(wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      Record("close " + Decimal(static_cast<int64_t>(wParam)) + " " + Decimal(static_cast<int32_t>(lParam)));
      DestroyWindow(window);
      return 0;
    case WM_TIMER:
      if (wParam != kExitTimer) break;
      KillTimer(window, kExitTimer);
      Record("exit-after " + Decimal(host.options.exitAfterMs));
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> problems = ParseOptions(argc, argv, host.options);
  Record("start " + Decimal(GetCurrentProcessId()));
  for (const std::string& problem : problems) Record("bad-argument " + problem);

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  const vantor::WindowClassRegistration registration(RegisterClassA(&wc), instance);
  host.window = CreateWindowA(kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 360, 140, nullptr, nullptr,
                              instance, nullptr);
  if (host.window == nullptr) {
    Record("end");
    return 1;
  }
  Record("window " + HandleText(host.window));
  if (host.options.exitAfterMs >= 0) SetTimer(host.window, kExitTimer, static_cast<UINT>(host.options.exitAfterMs), nullptr);
  if (!host.options.agent.empty()) StartAgent();

  MSG msg{};
  int got = 0;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (got == 0) Record("quit " + Decimal(static_cast<int64_t>(msg.wParam)));
  Record("end");
  return 0;
}
