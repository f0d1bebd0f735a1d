// Instances handing work to each other as users and products start them: the
// plain agent writes and starts its X_ copy and passes its switches on as
// window messages; a removable-media setup runs its Y_ copy from the
// temporary folder. Observed through the debug lines, the log file, the
// test product's record and the test engine's record.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "base/handles.h"
#include "base/processes.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/installed_agent.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr char kCopyClass[] = ".AutoUpdate.X_Agent";

// The messages of the log file (after time stamp and thread id) that carry the indent.
std::vector<std::string> LogMessagesWithIndent(const std::string& logFile, const std::string& indent) {
  const std::string log = ReadWholeFile(logFile);
  std::vector<std::string> messages;
  std::size_t start = 0;
  for (std::size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
    // "dd/mm/yy HH:NN:SS" + " " + a 5-wide thread id come first.
    const std::string line = log.substr(start, end - start);
    if (line.size() >= 23 && line.compare(23, indent.size(), indent) == 0) {
      messages.push_back(line.substr(23 + indent.size()));
    }
  }
  return messages;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A window handle as a switch value, and as a notification's signed lParam.
std::string HandleSwitch(HWND window) {
  return std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
}
std::string HandleNumber(HWND window) {
  return std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(window)));
}

// A process the test did not start itself, reached through its window.
struct OtherProcess {
  DWORD id = 0;
  UniqueKernelHandle handle;

  explicit OtherProcess(HWND window) {
    if (window == nullptr) return;
    GetWindowThreadProcessId(window, &id);
    handle.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, id));
  }
  bool Ended(DWORD timeoutMs) const { return handle && WaitForSingleObject(handle.get(), timeoutMs) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = 0xFFFFFFFF;
    if (handle) GetExitCodeProcess(handle.get(), &code);
    return code;
  }
};

class InstanceHandover : public ::testing::Test {
 protected:
  ScratchFolder folder{"handover"};
  std::string agent = folder / "Agent.exe";
  std::string copy = folder / "X_Agent.exe";
  std::string log = folder / "X_Agent.log";
  std::string hostRecord = folder / "host.txt";
  DebugViewer viewer{folder / "viewer.txt"};

  void SetUp() override {
    WriteWholeFile(folder / "readme.txt", "Widget\r\n");
    // The update folder does not exist: a check finds nothing and says nothing.
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
         " --agent --agent-name Agent.exe --flags 16 --info-file Widget.info --update-base " +
         Quote(folder / "server") + " --file " + Quote(folder / "readme.txt"));
    // No automatic checks: only requests check.
    SetProbeInterval(-1);
  }

  void TearDown() override {
    if (FindWindowA(kCopyClass, nullptr) != nullptr) EndCopy(WaitForCopy());
  }

  void SetProbeInterval(int interval) {
    WriteWholeFile(folder / "Widget.original", "[OriginalSetup]\r\nProbeSecondsInterval=" + std::to_string(interval) +
                                                   "\r\n");
  }

  // The plain agent as a shortcut or the product starts it; it ends by itself.
  DWORD RunAgent(const std::string& arguments) {
    const ProcessResult r = RunAndWait(Quote(agent) + (arguments.empty() ? "" : " " + arguments));
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0u);
    return r.processId;
  }

  static HWND WaitForCopy() { return WaitForWindowOfClass(kCopyClass); }
  // A copy started by the plain agent without switches, as a shortcut does: its window.
  HWND StartCopy() {
    RunAgent("");
    return WaitForCopy();
  }

  // Closes the copy twice, as a user would, and waits until it has ended and
  // removed its file, so that the next copy of the test starts afresh.
  void EndCopy(HWND window) {
    const OtherProcess process(window);
    for (int i = 0; i < 2; ++i) SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    if (!process.Ended(30000)) {
      ADD_FAILURE() << "the copy did not end when closed";
      TerminateProcessByPath(copy, true);
    }
    EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(copy); })) << "the copy did not remove its file";
  }

  // Waits for a debug line of the process that begins with prefix.
  bool WaitForLine(DWORD processId, const std::string& prefix, DWORD timeoutMs = 30000) {
    return WaitUntil([&] { return CountStarting(LinesOf(viewer.Lines(), processId), prefix) > 0; }, timeoutMs);
  }

  std::vector<std::string> PlainAgentLog() { return LogMessagesWithIndent(log, "   "); }
  // The plain agent's log lines from its second start on.
  std::vector<std::string> SecondPlainAgentRun() {
    const std::vector<std::string> messages = PlainAgentLog();
    const std::size_t second = FirstStarting(messages, "=== START", FirstStarting(messages, "=== EXIT") + 1);
    return {messages.begin() + static_cast<std::ptrdiff_t>(second), messages.end()};
  }
};

TEST_F(InstanceHandover, PlainAgentStartsItsHiddenCopyAndEndsAndTheCopyRemovesItselfAtItsEnd) {
  const DWORD plain = RunAgent("");
  const HWND window = WaitForCopy();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(agent));

  const std::vector<std::string> expected = {
      "",
      "",
      "=== START === " + agent,
      "CommandLine=" + Quote(agent),
      "DoRunStubWin() --- Start",
      "X_ExeIsRunning=FALSE",
      "ThisIs_Plain_AutoUpdate_Exe=TRUE",
      "ThisIs_X_AutoUpdate_Exe=FALSE",
      "CreateAndRun_X_Exe() --- Start",
      "Wait 0 SEC",
      "Create X_ File ",
      "WinExec: " + Quote(copy),
      "CreateAndRun_X_Exe() --- End",
      "HandleParamOK() --- Start",
      "HandleParamOK() --- End",
      "DoRunStubWin() --- End",
      "=== EXIT === " + agent,
      "",
  };
  EXPECT_EQ(PlainAgentLog(), expected);
  const std::vector<std::string> plainLines = LinesOf(viewer.Lines(), plain);
  EXPECT_TRUE(Contains(plainLines, " CreateAndRun_X_Exe-1 "));
  EXPECT_TRUE(Contains(plainLines, " CreateAndRun_X_Exe-2"));

  // It runs until it is closed.
  const OtherProcess copyProcess(window);
  EndCopy(window);
  const std::vector<std::string> copyLines = LinesOf(viewer.Lines(), copyProcess.id);
  ASSERT_FALSE(copyLines.empty());
  // Started with the quoted path and nothing else.
  EXPECT_EQ(copyLines[0], " ==== STUB START ====> " + Quote(copy) + "<");
  const std::vector<std::string> copySteps = LogMessagesWithIndent(log, " X ");
  EXPECT_TRUE(Contains(copySteps, "WinMain"));
  EXPECT_TRUE(Contains(copySteps, "DeleteMySelf"));
}

TEST_F(InstanceHandover, SecondStartWhileTheCopyRunsMakesNoCopyAndPostsTheCheckRequestOnly) {
  const HWND window = StartCopy();
  ASSERT_NE(window, nullptr);
  RunAgent("/TEST=1");
  EXPECT_EQ(FindWindowA(kCopyClass, nullptr), window);

  const std::vector<std::string> expected = {
      "=== START === " + agent,
      "CommandLine=" + Quote(agent) + " /TEST=1",
      "DoRunStubWin() --- Start",
      "X_ExeIsRunning=TRUE",
      "ThisIs_Plain_AutoUpdate_Exe=TRUE",
      "ThisIs_X_AutoUpdate_Exe=FALSE",
      "CreateAndRun_X_Exe() --- Start",
      "CreateAndRun_X_Exe() --- End",
      "HandleParamOK() --- Start",
      "PostProcessMessage(wm_AgentMsg) to: " + copy + " - AU_PerformUpdateCycle (1)",
      "HandleParamOK() --- End",
      "DoRunStubWin() --- End",
      "=== EXIT === " + agent,
      "",
  };
  EXPECT_EQ(SecondPlainAgentRun(), expected);
}

TEST_F(InstanceHandover, RestartSwitchMakesTheCopyEvenWhileOneRuns) {
  const HWND window = StartCopy();
  ASSERT_NE(window, nullptr);
  const OtherProcess first(window);
  RunAgent("/_ZZ=99");

  const std::vector<std::string> secondRun = SecondPlainAgentRun();
  ASSERT_GT(secondRun.size(), 3u);
  EXPECT_EQ(secondRun[3], "X_ExeIsRunning=TRUE");
  EXPECT_TRUE(Contains(secondRun, "Wait 0 SEC"));
  EXPECT_TRUE(Contains(secondRun, "Create X_ File "));
  EXPECT_TRUE(Contains(secondRun, "WinExec: " + Quote(copy)));
  EXPECT_EQ(secondRun.back(), "");

  // The second copy finds the first one's window: it leaves the work to it and ends.
  std::vector<std::string> ends;
  ASSERT_TRUE(WaitUntil([&] {
    ends.clear();
    for (const std::string& line : viewer.Lines()) {
      if (line.find(" ==== STUB END ====> " + Quote(copy) + "<") != std::string::npos) ends.push_back(line);
    }
    return !ends.empty();
  }));
  EXPECT_EQ(ends.size(), 1u);
  EXPECT_FALSE(StartsWith(ends[0], std::to_string(first.id) + " ")) << "the first copy ended";
  EXPECT_EQ(FindWindowA(kCopyClass, nullptr), window);
}

TEST_F(InstanceHandover, HostRegisteredThroughThePlainAgentTalksToTheCopy) {
  RunningProgram host(Quote(ToolPath("testhost.exe")) + " --record " + Quote(hostRecord) + " --agent " +
                      Quote(agent) + " --send 7:0 --send 8:0 --send 16:5");
  ASSERT_TRUE(WaitUntil([&] { return Contains(RecordLines(hostRecord), "reply 16 5 0"); }))
      << ReadWholeFile(hostRecord);
  const HWND copyWindow = FindWindowA(kCopyClass, nullptr);
  const HWND hostWindow = FindWindowA("VantorTestHost", "Vantor Test Host");
  ASSERT_NE(copyWindow, nullptr);
  ASSERT_NE(hostWindow, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Contains(RecordLines(hostRecord), "notify 51 1125"); }));

  const std::vector<std::string> lines = RecordLines(hostRecord);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "start " + std::to_string(host.processId()));
  EXPECT_EQ(lines[1], "window " + HandleSwitch(hostWindow));
  EXPECT_EQ(lines[2], "started " + Quote(agent) + " /WM_MSG=" + HandleSwitch(hostWindow) + ":49152");
  // The copy names its window, then the host's requests are answered:
  // the agent state (idle), the probe interval, and 0 for a type without meaning.
  const std::size_t named = FirstStarting(lines, "notify 50 " + HandleNumber(copyWindow));
  ASSERT_LT(named, lines.size()) << ReadWholeFile(hostRecord);
  EXPECT_EQ(FirstStarting(lines, "reply 7 0 0"), named + 1);
  EXPECT_EQ(FirstStarting(lines, "reply 8 0 -1"), named + 2);
  EXPECT_EQ(FirstStarting(lines, "reply 16 5 0"), named + 3);
  EXPECT_TRUE(Contains(PlainAgentLog(),
                       "PostProcessMessage(wm_LocalMsg) to: " + copy + " - :" + HandleSwitch(hostWindow) + ":49152:"));

  // The copy's end is the last notification; then the product closes.
  EndCopy(copyWindow);
  ASSERT_TRUE(WaitUntil([&] { return Contains(RecordLines(hostRecord), "notify 43 0"); }));
  PostMessageA(hostWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(host.WaitForExit(), 0u);
  const std::vector<std::string> last = RecordLines(hostRecord);
  ASSERT_GE(last.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(last.end() - 3, last.end()),
            (std::vector<std::string>{"close 0 0", "quit 0", "end"}));
}

TEST_F(InstanceHandover, HostValueWithoutColonRegistersNoMessage) {
  RunningProgram host(Quote(ToolPath("testhost.exe")) + " --record " + Quote(hostRecord));
  const HWND hostWindow = WaitForWindowOfClass("VantorTestHost");
  ASSERT_NE(hostWindow, nullptr);
  const HWND copyWindow = StartCopy();
  ASSERT_NE(copyWindow, nullptr);

  // Message number 0: the copy keeps the window but has nothing to post it with.
  RunAgent("/WM_MSG=" + HandleSwitch(hostWindow));
  RunAgent("/WM_MSG=" + HandleSwitch(hostWindow) + ":49152");
  ASSERT_TRUE(WaitUntil([&] { return Contains(RecordLines(hostRecord), "notify 51 1125"); }));
  const std::vector<std::string> lines = RecordLines(hostRecord);
  EXPECT_EQ(CountStarting(lines, "notify "), 2u) << ReadWholeFile(hostRecord);
  EXPECT_TRUE(Contains(lines, "notify 50 " + HandleNumber(copyWindow)));
  EXPECT_TRUE(Contains(PlainAgentLog(),
                       "PostProcessMessage(wm_LocalMsg) to: " + copy + " - :" + HandleSwitch(hostWindow) + ":"));

  EndCopy(copyWindow);
  PostMessageA(hostWindow, WM_QUIT, 15, 255);
  EXPECT_EQ(host.WaitForExit(), 0u);
  const std::vector<std::string> last = RecordLines(hostRecord);
  ASSERT_GE(last.size(), 2u);
  EXPECT_EQ(last[last.size() - 2], "quit 15");
  EXPECT_EQ(last.back(), "end");
}

// From here on the copy's timer schedule shows what the requests did.

TEST_F(InstanceHandover, CheckRequestStartsACopyThatChecksOnceAndQuitsTwoStepsLater) {
  RunAgent("/TEST=1");
  // The plain agent posts once the copy's window is up, so none of it is lost.
  const HWND window = FindWindowA(kCopyClass, nullptr);
  ASSERT_NE(window, nullptr);
  const OtherProcess copyProcess(window);
  ASSERT_TRUE(copyProcess.Ended(60000)) << "the copy did not quit by itself";
  EXPECT_EQ(copyProcess.ExitCode(), 0u);

  const std::vector<std::string> lines = LinesOf(viewer.Lines(), copyProcess.id);
  ASSERT_EQ(CountStarting(lines, kCheckLine), 1u);
  const std::size_t check = FirstStarting(lines, kCheckLine);
  ASSERT_GE(check, 2u);
  EXPECT_EQ(lines[check - 1], " ShotTimeStatus=1");
  // The request raised the count to 1, so the check ran at the step that counted 2.
  EXPECT_EQ(lines[check - 2], std::string(kStepLine) + "2");
  const std::vector<std::string> after(lines.begin() + static_cast<std::ptrdiff_t>(check), lines.end());
  EXPECT_EQ(NumbersAfter(after, kStepLine), (std::vector<int64_t>{3, 4}));
  EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(copy); })) << "the copy did not remove its file";
  EXPECT_TRUE(Contains(PlainAgentLog(), "PostProcessMessage(wm_AgentMsg) to: " + copy + " - AU_PerformUpdateCycle (1)"));
}

TEST_F(InstanceHandover, CheckRequestToARunningCopyLeavesItRunning) {
  const HWND window = StartCopy();
  ASSERT_NE(window, nullptr);
  const OtherProcess copyProcess(window);
  RunAgent("/TEST=1");
  ASSERT_TRUE(WaitForLine(copyProcess.id, kCheckLine));
  // A copy told to quit two steps after its check would be gone at the third.
  auto stepsAfterCheck = [&] {
    const std::vector<std::string> lines = LinesOf(viewer.Lines(), copyProcess.id);
    return NumbersAfter(From(lines, FirstStarting(lines, kCheckLine)), kStepLine);
  };
  ASSERT_TRUE(WaitUntil([&] { return stepsAfterCheck().size() >= 3 || copyProcess.Ended(0); }));
  EXPECT_FALSE(copyProcess.Ended(0));
  EXPECT_EQ(stepsAfterCheck().size(), 3u);
  EXPECT_EQ(CountStarting(LinesOf(viewer.Lines(), copyProcess.id), kCheckLine), 1u);
}

TEST_F(InstanceHandover, StopZeroEndsTheCopyAtItsNextStep) {
  const HWND window = StartCopy();
  ASSERT_NE(window, nullptr);
  const OtherProcess copyProcess(window);
  ASSERT_TRUE(WaitForLine(copyProcess.id, kStepLine));
  const DWORD plain = RunAgent("/STOP=0");
  ASSERT_TRUE(copyProcess.Ended(30000));
  EXPECT_EQ(copyProcess.ExitCode(), 0u);

  // The request was posted before the plain agent's last line: at most the
  // step that quit comes after that line.
  const std::vector<std::string> all = viewer.Lines();
  const std::size_t plainEnd = FirstStarting(all, std::to_string(plain) + " ==== STUB END");
  ASSERT_LT(plainEnd, all.size());
  const std::vector<std::string> after(all.begin() + static_cast<std::ptrdiff_t>(plainEnd), all.end());
  EXPECT_LE(NumbersAfter(LinesOf(after, copyProcess.id), kStepLine).size(), 1u);
  EXPECT_EQ(CountStarting(LinesOf(all, copyProcess.id), kCheckLine), 0u);
  EXPECT_TRUE(Contains(PlainAgentLog(), "PostProcessMessage(wm_ShutDown) to: " + copy));
  EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(copy); })) << "the copy did not remove its file";
}

TEST_F(InstanceHandover, DelayMovesTheCopysFirstCheck) {
  SetProbeInterval(0);  // one check per start
  struct Case {
    const char* arguments;
    const char* copyArguments;
    std::vector<int64_t> steps;  // the counts up to the step that checks
  };
  const Case cases[] = {
      {"", "", {-2, -1, 0, 1}},
      {"/DELAY=5", " /SleepX=5", {-4, -3, -2, -1, 0, 1}},
      {"/DELAY=0", " /SleepX=0", {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    RunAgent(c.arguments);
    const HWND window = WaitForCopy();
    ASSERT_NE(window, nullptr);
    const OtherProcess copyProcess(window);
    ASSERT_TRUE(WaitForLine(copyProcess.id, kCheckLine));
    const std::vector<std::string> lines = LinesOf(viewer.Lines(), copyProcess.id);
    EndCopy(window);

    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], " ==== STUB START ====> " + Quote(copy) + c.copyArguments + "<");
    const std::size_t check = FirstStarting(lines, kCheckLine);
    EXPECT_EQ(NumbersAfter({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(check)}, kStepLine), c.steps);
    EXPECT_EQ(lines[check - 1], " ShotTimeStatus=2");
  }
}

TEST_F(InstanceHandover, OverrideListAndDelayBothReachTheCopy) {
  SetProbeInterval(0);
  // Override 1 asks before each check; answering No skips it.
  bool asked = false;
  BoxDriver driver([&asked](HWND box) {
    asked = true;
    PostKey(box, 'N');
  });
  RunAgent("/TRANSIENT=|1| /DELAY=0");
  const HWND window = WaitForCopy();
  ASSERT_NE(window, nullptr);
  const OtherProcess copyProcess(window);
  // The step after the question shows that it was answered.
  ASSERT_TRUE(WaitForLine(copyProcess.id, std::string(kStepLine) + "2"));
  driver.Finish();
  EXPECT_TRUE(asked);
  const std::vector<std::string> lines = LinesOf(viewer.Lines(), copyProcess.id);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], " ==== STUB START ====> " + Quote(copy) + " /TRANSIENTx=|1| /SleepX=0<");
  EXPECT_EQ(CountStarting(lines, kCheckLine), 0u);
  EXPECT_TRUE(Contains(PlainAgentLog(), "WinExec: " + Quote(copy) + " /TRANSIENTx=|1| /SleepX=0"));
  EndCopy(window);
}

}  // namespace
}  // namespace vantor::testing

namespace vantor::testing {
namespace {

// A setup file for removable media, started from the medium: it runs as a
// Y_ copy from the setup work folder, which asks for the second disk, unpacks
// both parts from the medium and removes itself and its folder at the end.
TEST(ProgramStartSpan, CdSetupRunsItsCopyFromTheWorkFolderAndReadsThePartsFromTheMedium) {
  ScratchFolder folder("cdsetup");
  ScratchFolder records("cdengine");
  SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", records.path().c_str());
  const std::string product = folder / "product";
  const std::string medium = folder / "medium";
  const std::string drawer = folder / "drawer";  // where the second disk waits
  for (const std::string& f : {product, medium, drawer}) ASSERT_TRUE(CreateDirectoryA(f.c_str(), nullptr));
  const std::string engine = ReadWholeFile(ToolPath("testengine.exe"));
  WriteWholeFile(product + "\\Engine.exe", engine);
  WriteWholeFile(product + "\\readme.txt", "Widget\r\n");
  std::string secondDisk(3000, '\0');
  for (std::size_t i = 0; i < secondDisk.size(); ++i) secondDisk[i] = static_cast<char>('a' + i % 26);
  WriteWholeFile(product + "\\zz_disk2.txt", secondDisk);  // sorted last: the second part's only file

  // Room for the program, the headers, Engine.exe and readme.txt.
  const std::size_t partSize = ReadWholeFile(ToolPath("VantorStub.exe")).size() + engine.size() + 1500;
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(medium + "\\setup.exe.001") +
       " --flags 4 --store --part-size " + std::to_string(partSize) + " --dir " + Quote(product) +
       " --engine \"Engine.exe*/TE_EXIT=3 /TE_COPY=zz_disk2.txt\"");
  ASSERT_TRUE(FileIsThere(medium + "\\setup.exe.002"));
  ASSERT_FALSE(FileIsThere(medium + "\\setup.exe.003"));
  const std::string setup = medium + "\\setup.exe";
  ASSERT_TRUE(CopyFileA((medium + "\\setup.exe.001").c_str(), setup.c_str(), FALSE));
  ASSERT_TRUE(MoveFileA((medium + "\\setup.exe.002").c_str(), (drawer + "\\setup.exe.002").c_str()));
  const std::string work = SetupWorkFolderOf(setup);
  const std::string spanCopy = work + "\\Y_setup.exe";

  DebugViewer viewer(folder / "viewer.txt");
  // Written by the driver's thread before it answers, read here once `asked` is set.
  std::string prompt;
  DWORD copyId = 0;
  UniqueKernelHandle copyProcess;
  std::atomic<bool> asked = false;
  BoxDriver driver([&](HWND box) {
    prompt = TextOf(TextControlOf(box));
    GetWindowThreadProcessId(box, &copyId);
    copyProcess.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, copyId));
    asked = true;
    MoveFileA((drawer + "\\setup.exe.002").c_str(), (medium + "\\setup.exe.002").c_str());
    PostKey(box, VK_RETURN);
  });
  const ProcessResult first = RunAndWait(Quote(setup) + " /X=1");
  ASSERT_TRUE(first.finished);
  EXPECT_EQ(first.exitCode, 0u);
  ASSERT_TRUE(WaitUntil([&] { return asked.load(); }, 30000)) << "no disk prompt";
  ASSERT_TRUE(copyProcess.valid());
  EXPECT_EQ(WaitForSingleObject(copyProcess.get(), 60000), static_cast<DWORD>(WAIT_OBJECT_0));
  driver.Finish();
  DWORD exitCode = 0;
  GetExitCodeProcess(copyProcess.get(), &exitCode);
  EXPECT_EQ(exitCode, 3u) << "the copy ends with the engine's exit code";
  EXPECT_NE(prompt.find("DISK #2"), std::string::npos) << prompt;

  const std::vector<std::string> copyLines = LinesOf(viewer.Lines(), copyId);
  ASSERT_FALSE(copyLines.empty());
  EXPECT_EQ(copyLines[0], " ==== STUB START ====> " + Quote(spanCopy) + " /X=1 /SpanCdLvl=2 /SpanDiskFName1=\"" +
                              setup + ".001\" /OriginExe=\"" + setup + "\"<");
  const std::string record = ReadWholeFile(records / "testengine.txt");
  const std::string origin = "/OriginExe=\"" + setup + "\"";
  EXPECT_NE(record.find("CommandLine=" + work + "\\Engine.exe /X=1 "), std::string::npos) << record;
  EXPECT_NE(record.find(origin), std::string::npos) << record;
  EXPECT_EQ(record.find(origin, record.find(origin) + 1), std::string::npos) << record;
  EXPECT_EQ(record.find("/SpanCdLvl="), std::string::npos) << record;
  EXPECT_EQ(record.find("/SpanDiskFName1="), std::string::npos) << record;
  EXPECT_NE(record.find("Folder=" + work + "\r\n"), std::string::npos) << record;
  EXPECT_EQ(ReadWholeFile(records / "zz_disk2.txt"), secondDisk) << "the second part was unpacked";

  EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(work); })) << "the copy and its folder are removed";
  for (const char* name : {"setup.exe", "setup.exe.001", "setup.exe.002"}) {
    EXPECT_TRUE(FileIsThere(medium + "\\" + name)) << name << ": the medium is only read";
  }
  SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", nullptr);
}

}  // namespace
}  // namespace vantor::testing
