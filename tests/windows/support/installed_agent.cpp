#include "tests/windows/support/installed_agent.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <atomic>

#include "base/processes.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/box_series.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {

namespace {

constexpr UINT kAgentRequest = 1125;  // wm_AgentMsg
constexpr UINT kShutDown = 1123;      // wm_ShutDown
constexpr UINT kAnswerMs = 30000;

}  // namespace

InstalledAgent::InstalledAgent(const std::string& folderIn, const std::string& tokenIn)
    : folder(folderIn),
      token(tokenIn),
      agent(folderIn + "\\Agent.exe"),
      copy(folderIn + "\\X_Agent.exe"),
      log(folderIn + "\\X_Agent.log"),
      ini{folderIn + "\\Widget.original", folderIn + "\\Widget.info"} {
  WriteWholeFile(folder + "\\readme.txt", "Widget\r\n");
}

void InstalledAgent::Pack(const std::string& updateBase) const {
  testing::Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
                " --agent --agent-name Agent.exe --flags 16 --token " + token + " --info-file Widget.info" +
                " --update-base " + Quote(updateBase) + " --file " + Quote(folder + "\\readme.txt"));
}

void InstalledAgent::Run(const std::string& arguments) const {
  const ProcessResult r = RunAndWait(Quote(agent) + (arguments.empty() ? "" : " " + arguments));
  EXPECT_TRUE(r.finished) << arguments;
  EXPECT_EQ(r.exitCode, 0u) << arguments;
}

std::string InstalledAgent::Log() const { return ReadWholeFile(log); }

void InstalledAgent::EndCopy() const {
  if (const HWND window = FindWindowA(kAgentCopyClass, nullptr)) {
    const AgentCopy running(window);
    // A user's first close only stops a transfer; the second one closes.
    for (int i = 0; i < 2; ++i) SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    if (!running.Ended(30000)) {
      ADD_FAILURE() << "the agent's copy did not end when closed";
      TerminateProcessByPath(copy, true);
    }
  }
  EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(copy); })) << "the copy did not remove its file";
}

AgentCopy AgentCopy::Wait(DWORD timeoutMs) { return AgentCopy(WaitForWindowOfClass(kAgentCopyClass, timeoutMs)); }

AgentCopy::AgentCopy(HWND window) : window_(window) {
  if (window == nullptr) return;
  GetWindowThreadProcessId(window, &processId_);
  process_.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId_));
}

std::optional<int32_t> AgentCopy::Request(int32_t type, int32_t value) const {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(window_, kAgentRequest, static_cast<WPARAM>(type), static_cast<LPARAM>(value),
                          SMTO_ABORTIFHUNG, kAnswerMs, &result) == 0) {
    return std::nullopt;
  }
  return static_cast<int32_t>(result);
}

void AgentCopy::ShutDown(int32_t countdown) const {
  EXPECT_NE(SendMessageTimeoutA(window_, kShutDown, static_cast<WPARAM>(countdown), 0, SMTO_ABORTIFHUNG, kAnswerMs,
                                nullptr),
            0)
      << "wm_ShutDown was not taken";
}

bool AgentCopy::Ended(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD AgentCopy::ExitCode() const {
  DWORD code = 0xFFFFFFFF;
  if (process_) GetExitCodeProcess(process_.get(), &code);
  return code;
}

void AskBeforeACheck(const AgentCopy& copy, const std::function<void(HWND box)>& whileAsked, UINT key) {
  std::atomic<bool> answered = false;
  BoxDriver driver([&](HWND box) {
    whileAsked(box);
    answered = true;
    PostKey(FocusedWindowOf(box), key);
  });
  EXPECT_EQ(copy.Request(20, 1), 0);
  EXPECT_EQ(copy.Request(31, 1), 0);
  EXPECT_TRUE(WaitUntil([&] { return answered.load() && FindWindowA("VMsgBox", nullptr) == nullptr; }, 60000))
      << "the question was not asked and answered";
  driver.Finish();
}

CheckNowRun RunCheckNow(const InstalledAgent& installed) {
  CheckNowRun run;
  BoxSeries boxes([&](HWND box, int index) {
    run.texts.push_back(TextOf(TextControlOf(box)));
    run.states.push_back(AgentCopy(FindWindowA(kAgentCopyClass, nullptr)).Request(7, 0));
    PostKey(FocusedWindowOf(box), index == 0 ? 'Y' : VK_RETURN);
  });
  installed.Run("/TEST=2");
  // The plain agent ends once its requests are posted to the copy's window.
  const AgentCopy copy(FindWindowA(kAgentCopyClass, nullptr));
  EXPECT_TRUE(copy.found()) << "no copy runs";
  run.processId = copy.processId();
  run.ended = copy.Ended(60000);
  boxes.Finish();
  run.exitCode = copy.ExitCode();
  return run;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  SetEnvironmentVariableA(name, value);
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableA(name_.c_str(), nullptr); }

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

std::vector<std::string> LinesOf(const std::vector<std::string>& lines, DWORD processId) {
  const std::string prefix = std::to_string(processId) + " ";
  std::vector<std::string> own;
  for (const std::string& line : lines) {
    if (StartsWith(line, prefix)) own.push_back(line.substr(prefix.size() - 1));
  }
  return own;
}

std::size_t CountStarting(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return StartsWith(l, prefix); }));
}

std::size_t FirstStarting(const std::vector<std::string>& lines, const std::string& prefix, std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (StartsWith(lines[i], prefix)) return i;
  }
  return lines.size();
}

std::size_t NthStarting(const std::vector<std::string>& lines, const std::string& prefix, std::size_t n) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < n && at < lines.size(); ++i) at = FirstStarting(lines, prefix, i == 0 ? 0 : at + 1);
  return n == 0 ? lines.size() : at;
}

std::vector<int64_t> NumbersAfter(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<int64_t> numbers;
  for (const std::string& line : lines) {
    if (StartsWith(line, prefix)) numbers.push_back(std::stoll(line.substr(prefix.size())));
  }
  return numbers;
}

std::vector<std::string> From(const std::vector<std::string>& lines, std::size_t index) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(index, lines.size())), lines.end()};
}

std::vector<std::string> RecordLines(const std::string& path) {
  std::vector<std::string> lines;
  const std::string text = ReadWholeFile(path);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool RecordHas(const std::string& path, const std::string& line) {
  const std::vector<std::string> lines = RecordLines(path);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> HostNotifications(const std::string& path) {
  std::vector<std::string> notes;
  for (const std::string& line : RecordLines(path)) {
    if (StartsWith(line, "notify ") && !StartsWith(line, "notify 50 ") && !StartsWith(line, "notify 51 ")) {
      notes.push_back(line.substr(7));
    }
  }
  return notes;
}

std::vector<std::string> LogTails(const std::string& logText, const std::string& part) {
  std::vector<std::string> tails;
  for (std::size_t at = logText.find(part); at != std::string::npos; at = logText.find(part, at + 1)) {
    const std::size_t end = logText.find("\r\n", at);
    tails.push_back(logText.substr(at, end == std::string::npos ? std::string::npos : end - at));
  }
  return tails;
}

}  // namespace vantor::testing
