// The program started as a user or the product would start it: as a setup
// file, as an agent under its own name, as the X_ copy, under another name and
// without any package. Its role shows in the log file and the debug lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

std::vector<std::string> SplitLogMessages(const std::string& log) {
  // A log line is "dd/mm/yy HH:NN:SS" (17) + " " + 5-wide thread id + indent + message + CR LF.
  std::vector<std::string> messages;
  std::size_t start = 0;
  for (std::size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
    messages.push_back(log.substr(start, end - start));
  }
  EXPECT_EQ(start, log.size()) << "the log ends without CR LF";
  return messages;
}

// Strips the time stamp and thread id; keeps indent + message.
std::string AfterThreadId(const std::string& line) { return line.size() >= 23 ? line.substr(23) : "?" + line; }

class ProgramStart : public ::testing::Test {
 protected:
  ScratchFolder folder{"start"};
  std::string payload = folder / "readme.txt";

  void SetUp() override { WriteWholeFile(payload, "hello"); }

  std::string PackAgent(const std::string& fileName, const std::string& extra = "") {
    const std::string out = folder / fileName;
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(out) +
         " --agent --agent-name Agent.exe --info-file Widget.2.info --update-base http://127.0.0.1/ " + extra +
         " --file " + Quote(payload));
    return out;
  }

  std::string PackSetup(const std::string& fileName) {
    const std::string out = folder / fileName;
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(out) + " --file " +
         Quote(payload));
    return out;
  }

  // Runs the program with the debug viewer listening; returns its debug lines.
  std::vector<std::string> RunWithViewer(const std::string& commandLine, ProcessResult* result = nullptr) {
    DebugViewer viewer(folder / "viewer.txt");
    const ProcessResult r = RunAndWait(commandLine);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0u);
    if (result) *result = r;
    return viewer.Lines();
  }

  // Roles that run the main window stay until they are closed: close twice as a user would.
  std::vector<std::string> RunAndCloseTwice(const std::string& commandLine, const std::string& windowClass) {
    DebugViewer viewer(folder / "viewer.txt");
    RunningProgram program(commandLine);
    const HWND main = WaitForWindowOfClass(windowClass);
    EXPECT_NE(main, nullptr) << windowClass;
    SendMessageA(main, WM_CLOSE, 0, 0);
    SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
    return viewer.Lines();
  }

  // The plain agent leaves its X_ copy running: close it twice as a user
  // would and wait until it has removed its file, so that the folder can go.
  void EndAgentCopy() {
    const HWND copy = WaitForWindowOfClass(".AutoUpdate.X_Agent");
    ASSERT_NE(copy, nullptr);
    DWORD id = 0;
    GetWindowThreadProcessId(copy, &id);
    const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    for (int i = 0; i < 2; ++i) SendMessageTimeoutA(copy, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    EXPECT_EQ(WaitForSingleObject(process.get(), 30000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(folder / "X_Agent.exe"); }));
  }

  std::vector<std::string> LogMessages(const std::string& logName) {
    const std::vector<std::string> lines = SplitLogMessages(ReadWholeFile(folder / logName));
    std::vector<std::string> messages;
    for (const std::string& line : lines) messages.push_back(AfterThreadId(line));
    return messages;
  }
};

TEST_F(ProgramStart, SetupFileWritesStartAndEndDebugLinesAndNoLog) {
  const std::string setup = PackSetup("setup.exe");
  const std::string commandLine = Quote(setup) + " /X=1";
  ProcessResult r;
  const std::vector<std::string> lines = RunWithViewer(commandLine, &r);
  const std::string pid = std::to_string(r.processId);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], pid + " ==== STUB START ====> " + commandLine + "<");
  EXPECT_EQ(lines[1], pid + " ==== ThisIs_AutoUpdateProg=FALSE");
  EXPECT_EQ(lines[lines.size() - 2], pid + " ==== STUB END ====> " + commandLine + "<");
  EXPECT_EQ(lines.back(), "");
  EXPECT_FALSE(FileIsThere(folder / "X_setup.log"));
}

TEST_F(ProgramStart, FileWithoutPackageRunsAsSetupWithoutLog) {
  const std::string plain = folder / "plain.exe";
  ASSERT_TRUE(CopyFileA(ToolPath("VantorStub.exe").c_str(), plain.c_str(), FALSE));
  // Its checksum cannot match: the launcher reports a damaged setup file.
  BoxDriver driver([](HWND box) { PostKey(box, VK_RETURN); });
  ProcessResult r;
  const std::vector<std::string> lines = RunWithViewer(Quote(plain), &r);
  driver.Finish();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[1], std::to_string(r.processId) + " ==== ThisIs_AutoUpdateProg=FALSE");
  EXPECT_FALSE(FileIsThere(folder / "X_plain.log"));
}

TEST_F(ProgramStart, PlainAgentLogsItsRoleInOrder) {
  const std::string agent = PackAgent("Agent.exe", "--flags 16");
  const std::string commandLine = Quote(agent) + " /TEST=1";
  const std::vector<std::string> lines = RunWithViewer(commandLine);
  EndAgentCopy();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_NE(lines[1].find(" ==== ThisIs_AutoUpdateProg=TRUE"), std::string::npos);

  const std::string copy = folder / "X_Agent.exe";
  const std::vector<std::string> expected = {
      "   ",
      "   ",
      "   === START === " + agent,
      "   CommandLine=" + commandLine,
      "   DoRunStubWin() --- Start",
      "   X_ExeIsRunning=FALSE",
      "   ThisIs_Plain_AutoUpdate_Exe=TRUE",
      "   ThisIs_X_AutoUpdate_Exe=FALSE",
      "   CreateAndRun_X_Exe() --- Start",
      "   Wait 0 SEC",
      "   Create X_ File ",
      "   WinExec: " + Quote(copy),
      "   CreateAndRun_X_Exe() --- End",
      "   HandleParamOK() --- Start",
      "   PostProcessMessage(wm_AgentMsg) to: " + copy + " - AU_PerformUpdateCycle (1)",
      "   HandleParamOK() --- End",
      "   DoRunStubWin() --- End",
      "   === EXIT === " + agent,
      "   ",
  };
  // The copy writes to the same file, its lines indented with " X ".
  std::vector<std::string> plainAgent;
  for (const std::string& message : LogMessages("X_Agent.log")) {
    if (message.rfind("   ", 0) == 0) plainAgent.push_back(message);
  }
  EXPECT_EQ(plainAgent, expected);
}

TEST_F(ProgramStart, AgentCopyUsesItsIndentAndRunsTheCopySteps) {
  const std::string copy = PackAgent("x_agent.EXE", "--flags 16");  // names compare without case
  RunAndCloseTwice(Quote(copy), ".AutoUpdate.x_agent");
  const std::vector<std::string> expected = {
      " X ",
      " X ",
      " X === START === " + copy,
      " X CommandLine=" + Quote(copy),
      " X DoRunStubWin() --- Start",
      " X X_ExeIsRunning=FALSE",
      " X ThisIs_Plain_AutoUpdate_Exe=FALSE",
      " X ThisIs_X_AutoUpdate_Exe=TRUE",
      " X CheckTestMode",
      " X WinMain",
      " X .. CloseMainWindow() - Start",
      " X .. CloseMainWindow() - End",
      " X .. CloseMainWindow() - Start",
      " X .. CloseMainWindow() - End",
      " X .. DestroyMainWindow() - Start",
      " X .. DestroyMainWindow() - End",
      " X DeleteMySelf",
      " X DoRunStubWin() --- End",
      " X === EXIT === " + copy,
      " X ",
  };
  // x_agent.EXE does not begin with "X_" (case counts), so its log gets the prefix.
  EXPECT_EQ(LogMessages("X_x_agent.log"), expected);
}

TEST_F(ProgramStart, AgentUnderAnotherNameIsNeitherAgentRole) {
  const std::string renamed = PackAgent("Widget Agent.exe", "--flags 16");
  RunAndCloseTwice(Quote(renamed), ".AutoUpdate.Widget Agent");
  const std::vector<std::string> messages = LogMessages("X_Widget Agent.log");
  const std::vector<std::string> roleLines(messages.begin() + 4, messages.end() - 2);
  const std::vector<std::string> expected = {
      "   DoRunStubWin() --- Start",
      "   X_ExeIsRunning=FALSE",
      "   ThisIs_Plain_AutoUpdate_Exe=FALSE",
      "   ThisIs_X_AutoUpdate_Exe=FALSE",
      "   .. CloseMainWindow() - Start",
      "   .. CloseMainWindow() - End",
      "   .. CloseMainWindow() - Start",
      "   .. CloseMainWindow() - End",
      "   .. DestroyMainWindow() - Start",
      "   .. DestroyMainWindow() - End",
      "   DoRunStubWin() --- End",
  };
  EXPECT_EQ(roleLines, expected);
}

TEST_F(ProgramStart, AgentWithoutLogFlagWritesNoLogButDebugLines) {
  const std::string agent = PackAgent("Agent.exe");
  ProcessResult r;
  const std::vector<std::string> lines = RunWithViewer(Quote(agent), &r);
  EndAgentCopy();
  const std::string pid = std::to_string(r.processId);
  std::vector<std::string> own;
  for (const std::string& line : lines) {
    if (line.rfind(pid + " ", 0) == 0) own.push_back(line.substr(pid.size()));
  }
  const std::vector<std::string> expected = {
      " ==== STUB START ====> " + Quote(agent) + "<",
      " ==== ThisIs_AutoUpdateProg=TRUE",
      " CreateAndRun_X_Exe-1 ",
      " CreateAndRun_X_Exe-2",
      " ==== STUB END ====> " + Quote(agent) + "<",
  };
  EXPECT_EQ(own, expected);
  EXPECT_FALSE(FileIsThere(folder / "X_Agent.log")) << "neither the agent nor its copy writes a log";
}

TEST_F(ProgramStart, PlainAgentSeesItsRunningCopy) {
  const std::string agent = PackAgent("Agent.exe", "--flags 16");
  // The copy's class uses the agent name without any extension.
  ClassWindow copyWindow(".AutoUpdate.X_Agent");
  RunWithViewer(Quote(agent));
  const std::vector<std::string> messages = LogMessages("X_Agent.log");
  ASSERT_GT(messages.size(), 5u);
  EXPECT_EQ(messages[5], "   X_ExeIsRunning=TRUE");
}

TEST_F(ProgramStart, AgentCopySkipsItsWorkWhileAnotherCopyRuns) {
  const std::string copy = PackAgent("X_Agent.exe", "--flags 16");
  ClassWindow running(".AutoUpdate.X_Agent");
  RunWithViewer(Quote(copy));
  const std::vector<std::string> messages = LogMessages("X_Agent.log");
  ASSERT_EQ(messages.size(), 11u);
  EXPECT_EQ(messages[7], " X ThisIs_X_AutoUpdate_Exe=TRUE");
  EXPECT_EQ(messages[8], " X DoRunStubWin() --- End");
}

}  // namespace
}  // namespace vantor::testing

namespace vantor::testing {
namespace {

TEST(ProgramStartSpan, Level2CopyRemovesItselfAndItsFolderAfterItsRun) {
  ScratchFolder folder("span");
  WriteWholeFile(folder / "a.txt", "a");
  const std::string copyFolder = folder / "Y_copy";
  CreateDirectoryA(copyFolder.c_str(), nullptr);
  const std::string copy = copyFolder + "\\Y_setup.exe";
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(copy) + " --file " +
       Quote(folder / "a.txt"));
  const ProcessResult r = RunAndWait(Quote(copy) + " /SpanCdLvl=2");
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 0u);
  // The removal script runs in its own process after ours ended: look every 100 ms, 20 s at most.
  const DWORD start = GetTickCount();
  while (FileIsThere(copyFolder) && GetTickCount() - start < 20000) Sleep(100);
  EXPECT_FALSE(FileIsThere(copy));
  EXPECT_FALSE(FileIsThere(copyFolder));
}

}  // namespace
}  // namespace vantor::testing
