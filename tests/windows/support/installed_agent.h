// An update agent installed in a folder as a product's setup leaves it, run
// as a shortcut or the product runs it, and watched as a person or a product
// would: its X_ copy reached through its window and its requests, its debug
// lines, its log and the record of the test product.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "agent/update_info_files.h"
#include "base/handles.h"

namespace vantor::testing {

// The main window class of the running copy X_Agent.exe.
inline constexpr char kAgentCopyClass[] = ".AutoUpdate.X_Agent";
// Debug lines of the copy's schedule, after its process id.
inline constexpr char kStepLine[] = " AutoUpdateTimerCount=";
inline constexpr char kStatusLine[] = " ShotTimeStatus=";
inline constexpr char kCheckLine[] = " Fire  ";

// Agent.exe in a folder: the update agent of the product Widget, whose
// .info file is Widget.info on its update base, packed with a token and
// writing its log X_Agent.log beside itself.
struct InstalledAgent {
  InstalledAgent(const std::string& folderIn, const std::string& token);
  // Packs Agent.exe for that update base (a web folder or a drive folder).
  void Pack(const std::string& updateBase) const;
  // Starts Agent.exe with the arguments, as a shortcut or the product does,
  // and waits until it has handed over to its copy and ended.
  void Run(const std::string& arguments) const;
  std::string Log() const;
  // The copy, if one runs, is closed and has removed its file.
  void EndCopy() const;

  std::string folder;
  std::string token;
  std::string agent;
  std::string copy;
  std::string log;
  AgentIniFiles ini;  // Widget.original and Widget.info beside the agent
};

// The running copy, reached through its main window as a product reaches it.
class AgentCopy {
 public:
  // The copy's window once it is up (at most timeoutMs).
  static AgentCopy Wait(DWORD timeoutMs = 30000);
  explicit AgentCopy(HWND window);

  bool found() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  DWORD processId() const { return processId_; }
  // wm_AgentMsg (type, value) sent as a product sends it: the answer, or none
  // when the copy did not answer.
  std::optional<int32_t> Request(int32_t type, int32_t value) const;
  // wm_ShutDown with the quit countdown, as the plain agent's /STOP= sends it.
  void ShutDown(int32_t countdown) const;
  bool Ended(DWORD timeoutMs) const;
  DWORD ExitCode() const;

 private:
  HWND window_ = nullptr;
  DWORD processId_ = 0;
  UniqueKernelHandle process_;
};

// The product wants a question before each check (override 1) and asks the
// copy for a check now; while the question is open, whileAsked(box) runs,
// then the user answers with the key. Returns once the question has closed.
void AskBeforeACheck(const AgentCopy& copy, const std::function<void(HWND box)>& whileAsked, UINT key);

// What a check the user starts (a "Check now" shortcut: the plain agent with
// /TEST=2) showed: the copy asks, checks, reports and ends. The question is
// answered Yes, every later box with Enter.
struct CheckNowRun {
  std::vector<std::string> texts;                // of each box, in order
  std::vector<std::optional<int32_t>> states;    // the agent state read while each box was open
  DWORD processId = 0;                           // of the copy
  bool ended = false;
  DWORD exitCode = 0;
};
CheckNowRun RunCheckNow(const InstalledAgent& installed);

// A variable of this process's environment, which the programs it starts
// inherit, set for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
};

bool StartsWith(const std::string& text, const std::string& prefix);
// The debug lines of one process, without the process id in front.
std::vector<std::string> LinesOf(const std::vector<std::string>& lines, DWORD processId);
std::size_t CountStarting(const std::vector<std::string>& lines, const std::string& prefix);
// Index of the first line at or after `from` that begins with prefix; lines.size() when none does.
std::size_t FirstStarting(const std::vector<std::string>& lines, const std::string& prefix, std::size_t from = 0);
// Index of the n-th line (counted from 1) that begins with prefix; lines.size() when there are fewer.
std::size_t NthStarting(const std::vector<std::string>& lines, const std::string& prefix, std::size_t n);
// The numbers of the lines that begin with prefix (a schedule line such as kStepLine).
std::vector<int64_t> NumbersAfter(const std::vector<std::string>& lines, const std::string& prefix);
std::vector<std::string> From(const std::vector<std::string>& lines, std::size_t index);

// The lines of a record file written by testhost.exe, and whether it holds one.
std::vector<std::string> RecordLines(const std::string& path);
bool RecordHas(const std::string& path, const std::string& line);
// The notifications a record holds ("40 1", ...), in order, without the
// replies to the registration (50 and 51), whose values are window handles.
std::vector<std::string> HostNotifications(const std::string& path);

// Each log line that holds `part`, from `part` to the end of the line, in order.
std::vector<std::string> LogTails(const std::string& logText, const std::string& part);

}  // namespace vantor::testing
