// Finding, steering and waiting for real processes: copies of process_probe.exe
// started under names of each test's choosing, all in one Wine prefix.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/handles.h"
#include "base/process_list_win.h"
#include "base/processes.h"
#include "base/program_paths.h"
#include "base/text.h"
#include "base/window_helpers.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

std::string CopyProbe(const std::string& path) {
  const std::string probe = ProgramFolder(true) + "process_probe.exe";
  EXPECT_TRUE(CopyFileA(probe.c_str(), path.c_str(), FALSE)) << path;
  return path;
}

std::string ShortForm(const std::string& path) {
  char text[MAX_PATH] = {};
  const DWORD n = GetShortPathNameA(path.c_str(), text, sizeof text);
  return std::string(text, n < sizeof text ? n : 0);
}

// A running probe; terminated at the end of the test when still running.
class RunningProbe {
 public:
  RunningProbe(const std::string& program, const std::string& arrangement,
               const std::string& windowClass = "VantorProbe", const std::string& title = "Probe") {
    static int counter = 0;
    const std::string readyName =
        "VantorProbeReady_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    const UniqueKernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));
    std::string line = Quote(program) + " " + readyName + " " + arrangement + " " + Quote(windowClass) + " " +
                       Quote(title);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      ADD_FAILURE() << "cannot start " << line;
      return;
    }
    process_.reset(pi.hProcess);
    const UniqueKernelHandle thread(pi.hThread);
    id_ = pi.dwProcessId;
    // Ready, or ended before it got there.
    const HANDLE events[] = {ready.get(), process_.get()};
    EXPECT_EQ(WaitForMultipleObjects(2, events, FALSE, 60000), WAIT_OBJECT_0) << "the probe did not get ready";
  }
  ~RunningProbe() {
    if (Running()) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), 30000);
    }
  }
  RunningProbe(const RunningProbe&) = delete;
  RunningProbe& operator=(const RunningProbe&) = delete;

  uint32_t id() const { return id_; }
  bool Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  // Waits for the end; STILL_ACTIVE when it did not come.
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_ && WaitForSingleObject(process_.get(), 60000) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.get(), &code);
    }
    return code;
  }

 private:
  UniqueKernelHandle process_;
  uint32_t id_ = 0;
};

// Runs an action from the thread's message loop after a while: the waits
// under test keep messages flowing, so a test can act while they wait.
std::function<void()> laterAction;
void CALLBACK RunLaterAction(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (laterAction) std::exchange(laterAction, nullptr)();
}
class LaterAction {
 public:
  LaterAction(unsigned milliseconds, std::function<void()> action) {
    laterAction = std::move(action);
    timer_ = SetTimer(nullptr, 0, milliseconds, RunLaterAction);
  }
  ~LaterAction() {
    KillTimer(nullptr, timer_);
    laterAction = nullptr;
  }
  LaterAction(const LaterAction&) = delete;
  LaterAction& operator=(const LaterAction&) = delete;
  bool ran() const { return !laterAction; }

 private:
  UINT_PTR timer_ = 0;
};

TEST(Processes, FindProcessByPath_FullPathBareNameAndShortForm) {
  const ScratchFolder folder("find");
  const std::string program = CopyProbe(folder / "long_probe_name.exe");
  ASSERT_TRUE(CreateDirectoryA((folder / "other").c_str(), nullptr));
  const std::string other = CopyProbe(folder / "other\\long_probe_name.exe");
  const std::string shortForm = ShortForm(program);
  ASSERT_FALSE(shortForm.empty());
  ASSERT_FALSE(SameTextTrimmed(shortForm, program)) << "no distinct short form to search by";
  const RunningProbe probe(program, "main");

  const struct Case {
    const char* label;
    std::string path;
    bool fullPathOnly;
    bool found;
  } cases[] = {
      {"full path", program, true, true},
      {"full path in capitals", UpperAscii(program), true, true},
      {"full path between blanks", "  " + program + " ", true, true},
      {"short form", shortForm, true, true},
      {"bare name", "long_probe_name.exe", false, true},
      {"bare name, full paths only", "long_probe_name.exe", true, false},
      {"same name in another folder, full paths only", other, true, false},
      {"same name in another folder", other, false, false},
      {"in quotes", Quote(program), false, false},
      {"a file that does not exist", folder / "absent.exe", false, false},
      {"empty", "", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindProcessByPath(c.path, c.fullPathOnly), c.found ? probe.id() : 0u) << c.label;
  }
}

TEST(Processes, IsProcessRunning_QuotesAndBlanksRemovedBareNamesAllowed) {
  const ScratchFolder folder("running");
  const std::string program = CopyProbe(folder / "running_probe.exe");
  {
    const RunningProbe probe(program, "main");
    EXPECT_TRUE(IsProcessRunning(Quote(program)));
    EXPECT_TRUE(IsProcessRunning("  " + Quote(program) + " "));
    EXPECT_TRUE(IsProcessRunning("running_probe.exe"));
    EXPECT_FALSE(IsProcessRunning(folder / "other_probe.exe"));
  }
  EXPECT_FALSE(IsProcessRunning(program)) << "found after its end";
}

TEST(Processes, ListProcesses_BothListingsSeeTheProbe) {
  const ScratchFolder folder("listing");
  const std::string program = CopyProbe(folder / "listed_probe.exe");
  const RunningProbe probe(program, "main");
  for (const ProcessListing listing : {ProcessListing::Psapi, ProcessListing::ToolHelp}) {
    const std::vector<ProcessEntry> entries = ListProcesses(listing, true);
    const ProcessEntry* found = nullptr;
    for (const ProcessEntry& entry : entries) {
      if (entry.id == probe.id()) found = &entry;
    }
    ASSERT_NE(found, nullptr) << "listing " << static_cast<int>(listing);
    EXPECT_TRUE(SameTextTrimmed(found->names.bareName, "listed_probe.exe")) << found->names.bareName;
    EXPECT_EQ(FindProcessByPath("listed_probe.exe", false, listing), probe.id()) << static_cast<int>(listing);
  }
  // PSAPI names the whole path, from which the short form is taken.
  const std::vector<ProcessEntry> entries = ListProcesses(ProcessListing::Psapi, true);
  for (const ProcessEntry& entry : entries) {
    if (entry.id != probe.id()) continue;
    EXPECT_TRUE(SameTextTrimmed(entry.names.fullPath, program)) << entry.names.fullPath;
    EXPECT_TRUE(SameTextTrimmed(entry.names.shortPath, ShortForm(program))) << entry.names.shortPath;
  }
  EXPECT_EQ(PlatformListing(), ProcessListing::Psapi);
}

TEST(Processes, FindProcessMainWindow_TheOwnerOfThreeDialogsWins) {
  const ScratchFolder folder("owner");
  const std::string program = CopyProbe(folder / "owner_probe.exe");
  const RunningProbe probe(program, "owner");
  const HWND main = FindProcessMainWindow(program, true);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(GetWindowTextOf(main), "Owner");
  DWORD owner = 0;
  GetWindowThreadProcessId(main, &owner);
  EXPECT_EQ(owner, probe.id());
}

// The probe's one window is hidden and untitled; the system's "Default IME"
// window of its thread is titled but never the main window.
TEST(Processes, PostProcessMessage_FalseWhenNoWindowScores) {
  const ScratchFolder folder("hidden");
  const std::string program = CopyProbe(folder / "hidden_probe.exe");
  const RunningProbe probe(program, "hidden");
  ASSERT_NE(FindProcessByPath(program, true), 0u);
  EXPECT_EQ(FindProcessMainWindow(program, true), nullptr);
  EXPECT_FALSE(PostProcessMessage(program, true, WM_CLOSE, 0, 0));
  EXPECT_FALSE(QuitProcessWindow(program, true));
  EXPECT_TRUE(probe.Running());
}

TEST(Processes, CloseAndQuitProcessWindow_Post15And255ToTheMainWindow) {
  const struct Case {
    const char* label;
    bool (*post)(const std::string&, bool);
    DWORD exitCode;  // as the probe reports the message it got
  } cases[] = {
      {"WM_CLOSE", CloseProcessWindow, 115255},
      {"WM_QUIT", QuitProcessWindow, 15255},
  };
  const ScratchFolder folder("post");
  const std::string program = CopyProbe(folder / "post_probe.exe");
  for (const Case& c : cases) {
    const RunningProbe probe(program, "main");
    EXPECT_FALSE(c.post("post_probe.exe", true)) << c.label << ": bare name with full paths only";
    EXPECT_TRUE(c.post("post_probe.exe", false)) << c.label;
    EXPECT_EQ(probe.ExitCode(), c.exitCode) << c.label;
  }
}

TEST(Processes, TerminateProcessByPath_EndsTheMatchingProcessWithExitCode0) {
  const ScratchFolder folder("terminate");
  const std::string program = CopyProbe(folder / "stubborn_probe.exe");
  const RunningProbe probe(program, "stubborn");
  EXPECT_FALSE(TerminateProcessByPath("stubborn_probe.exe", true));
  EXPECT_FALSE(TerminateProcessByPath(folder / "absent.exe", false));
  EXPECT_TRUE(probe.Running());
  EXPECT_TRUE(TerminateProcessByPath(program, true));
  EXPECT_EQ(probe.ExitCode(), 0u);
  EXPECT_FALSE(TerminateProcessByPath(program, true)) << "terminated twice";
}

TEST(Processes, WaitForProcessEnd_ReturnsOnceTheProcessHasEnded) {
  const ScratchFolder folder("end");
  const std::string program = CopyProbe(folder / "ending_probe.exe");
  const RunningProbe probe(program, "main");
  // Told to quit only while the wait runs: the wait must find it first and
  // keep messages flowing for the timer to fire.
  const LaterAction quit(2500, [&] { EXPECT_TRUE(QuitProcessWindow(program, true)); });
  const DWORD start = GetTickCount();
  WaitForProcessEnd(program, 120000);
  EXPECT_TRUE(quit.ran());
  EXPECT_FALSE(probe.Running());
  EXPECT_LT(GetTickCount() - start, 120000u) << "ended by the time-out, not by the process's end";
  EXPECT_EQ(probe.ExitCode(), 15255u);
}

TEST(Processes, WaitForProcessEnd_TimeOutEndsTheWaitWhileTheProcessRuns) {
  const ScratchFolder folder("timeout");
  const std::string program = CopyProbe(folder / "lasting_probe.exe");
  const RunningProbe probe(program, "main");
  const DWORD start = GetTickCount();
  // Quotes and blanks are removed: were the path not found, the wait would
  // end after its first second.
  WaitForProcessEnd(" " + Quote(program) + "  ", 2000);
  EXPECT_GE(GetTickCount() - start, 2000u);
  EXPECT_TRUE(probe.Running());
}

TEST(Processes, WaitForProcessEnd_ForAProgramNotRunningWaitsOneSecondPumping) {
  const ScratchFolder folder("absent");
  const LaterAction served(100, [] {});
  const DWORD start = GetTickCount();
  WaitForProcessEnd(folder / "absent.exe", 0);  // no limit: it must end by itself
  EXPECT_GE(GetTickCount() - start, 1000u);
  EXPECT_TRUE(served.ran()) << "messages were not dispatched during the wait";
}

TEST(Processes, WaitWindowGone_ReturnsOnceTheWindowIsClosed) {
  const struct Case {
    const char* label;
    bool byClass, byTitle;
  } cases[] = {
      {"class and title", true, true},
      {"class only", true, false},
      {"title only", false, true},
  };
  const ScratchFolder folder("gone");
  const std::string program = CopyProbe(folder / "window_probe.exe");
  int round = 0;
  for (const Case& c : cases) {
    const std::string windowClass = "VantorGone" + std::to_string(++round);
    const std::string title = "Going away " + std::to_string(round);
    const RunningProbe probe(program, "main", windowClass, title);
    ASSERT_NE(FindWindowA(windowClass.c_str(), title.c_str()), nullptr) << c.label;
    const LaterAction close(300, [&] { EXPECT_TRUE(CloseProcessWindow(program, true)); });
    WaitWindowGone(c.byClass ? windowClass.c_str() : nullptr, c.byTitle ? title.c_str() : nullptr);
    EXPECT_TRUE(close.ran()) << c.label;
    EXPECT_EQ(FindWindowA(windowClass.c_str(), nullptr), nullptr) << c.label;
    EXPECT_EQ(probe.ExitCode(), 115255u) << c.label;
  }
}

TEST(Processes, RootOwner_FollowsTheOwnersToTheTop) {
  const auto popup = [](HWND owner) {
    return UniqueWindow(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, owner, nullptr, nullptr, nullptr));
  };
  const UniqueWindow top = popup(nullptr);
  const UniqueWindow middle = popup(top.get());
  const UniqueWindow bottom = popup(middle.get());
  ASSERT_TRUE(top && middle && bottom);
  EXPECT_EQ(RootOwner(bottom.get()), top.get());
  EXPECT_EQ(RootOwner(middle.get()), top.get());
  EXPECT_EQ(RootOwner(top.get()), nullptr);
}

}  // namespace
}  // namespace vantor::testing
