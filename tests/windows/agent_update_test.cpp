// The update road as a vendor's customer meets it: the product (a test host)
// starts its agent, the agent finds a newer version on the web server, asks,
// downloads it, closes the product, runs the update's setup, records the new
// version, brings the product back and starts itself anew.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "agent/update_info_files.h"
#include "agent/update_info_files_win.h"
#include "base/processes.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/box_series.h"
#include "tests/windows/support/installed_agent.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr const char* kOriginal =
    "[OriginalSetup]\r\nVersionOriginal=1\r\nStamp=1\r\nProbeSecondsInterval=0\r\nReAskSecondsInterval=0\r\n"
    "ProgramName=Editor\r\n"
    "[AutoUpdate]\r\n"
    "s11=A new version of PROG_NAME is ready.\r\n"
    "s12=<P>Download it now?\r\n"
    "s13=<P>Download it now? You decide before it is installed.\r\n"
    "s14=Install the new PROG_NAME now?\r\n"
    "s15=Please close PROG_NAME, so that it can be updated.\r\n"
    "s16=PROG_NAME is up to date.\r\n"
    "s17=<P>Start it again?\r\n"
    "s18=<P>It is downloaded now.\r\n"
    "s21=There is no new version.\r\n";

struct WindowSearch {
  DWORD processId;
  HWND found;
};

HWND HostWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId || ClassOf(window) != "VantorTestHost") return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class AgentUpdate : public ::testing::Test {
 protected:
  ScratchFolder folder{"agentupdate"};
  ScratchFolder engineRecords{"agentengine"};
  std::string served = ServedFolder();
  std::string app = folder / "app";
  std::string agent = folder / "app\\Agent.exe";
  std::string product = folder / "app\\Editor.exe";
  std::string hostRecord = folder / "host.txt";
  std::string productRecord = folder / "product.txt";
  AgentIniFiles ini{folder / "app\\Editor.original", folder / "app\\Editor.info"};

  void SetUp() override {
    SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", engineRecords.path().c_str());
    ASSERT_TRUE(CreateDirectoryA(app.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder / "update").c_str(), nullptr));
    WriteWholeFile(folder / "update\\readme.txt", "Editor 2\r\n");
    ASSERT_TRUE(CopyFileA(ToolPath("testengine.exe").c_str(), (folder / "update\\Engine.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(ToolPath("testhost.exe").c_str(), product.c_str(), FALSE));
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
         " --agent --agent-name Agent.exe --token editor-2024 --info-file Editor.info --flags 16 --update-base " +
         TestServerUrl("/files") + " --file " + Quote(folder / "update\\readme.txt"));
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(served + "\\EditorUpdate.exe") +
         " --token editor-2024 --dir " + Quote(folder / "update") + " --engine Engine.exe");
    WriteOriginal();
  }

  // The installed version 1, never checked before.
  void WriteOriginal() {
    WriteWholeFile(ini.original, std::string(kOriginal) + "[Directories]\r\nTargetDir=" + app + "\r\n");
  }

  void TearDown() override {
    SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", nullptr);
    // An agent copy or product a failed test left behind must not block the next test.
    TerminateProcessByPath(folder / "app\\X_Agent.exe", true);
    TerminateProcessByPath(product, true);
    for (const char* name : {"EditorUpdate.exe", "Editor.info"}) DeleteFileA((served + "\\" + name).c_str());
  }

  void Publish(const std::string& options) {
    Pack("update-info --out " + Quote(served + "\\Editor.info") + " --version 2 --program-name Editor --url " +
         TestServerUrl("/files") + " --update-file " + Quote(served + "\\EditorUpdate.exe") +
         " --running-process \"<InstallDir>Editor.exe\" " + options);
  }

  // The product with its own record, and the host that starts the agent.
  std::string HostCommand(const std::string& agentArgs, const std::string& sends) {
    return Quote(ToolPath("testhost.exe")) + " --record " + Quote(hostRecord) + " --agent " + Quote(agent) +
           " --agent-args \"" + agentArgs + "\"" + sends;
  }

  // Stops the agent copy through the plain agent, as a product would.
  void StopAgent() {
    RunAndWait(Quote(agent) + " /STOP=0");
    EXPECT_TRUE(WaitUntil([&] { return RecordHas(hostRecord, "notify 43 0"); }, 30000)) << ReadWholeFile(hostRecord);
  }

  bool EngineRan() { return FileIsThere(engineRecords / "testengine.txt"); }
};

struct MethodCase {
  const char* method;
  bool productRunning;
  const char* productSees;  // the product's record line that shows how it was closed; "" none
  bool restarted;
};

TEST_F(AgentUpdate, EachShutDownMethodClosesTheProductThenInstalls) {
  const MethodCase cases[] = {
      {"Using WM_CLOSE", true, "close 15 255", true},
      {"Using WM_QUIT", true, "quit 15", true},
      {"Using Terminate Process", true, "", true},
      {"Issue a Message Box", true, "close 0 0", true},
      {"Don't Shut Down", true, "", false},
      {"", false, "", false},
  };
  for (const MethodCase& c : cases) {
    SCOPED_TRACE(std::string("method \"") + c.method + "\"");
    DeleteFileA(hostRecord.c_str());
    DeleteFileA(productRecord.c_str());
    DeleteFileA((engineRecords / "testengine.txt").c_str());
    WriteOriginal();
    Publish(std::string("--set \"NewSetup.ShutDownMethod=") + c.method + "\"");

    DWORD productId = 0;
    std::unique_ptr<RunningProgram> running;
    if (c.productRunning) {
      running = std::make_unique<RunningProgram>(Quote(product) + " --record " + Quote(productRecord));
      productId = running->processId();
      ASSERT_TRUE(WaitUntil([&] { return HostWindowOf(productId) != nullptr; }));
    }
    std::vector<std::string> shown;
    BoxSeries boxes([&](HWND box, int) {
      const std::string text = TextOf(TextControlOf(box));
      shown.push_back(text);
      if (text.find("Please close Editor.exe") != std::string::npos) {
        // The user closes the product, then the box.
        PostMessageA(HostWindowOf(productId), WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsProcessRunning(product); });
        PostKey(FocusedWindowOf(box), VK_RETURN);
      } else if (text.find("Start it again?") != std::string::npos || text.find("Download it now?") != std::string::npos) {
        PostKey(FocusedWindowOf(box), 'Y');
      } else {
        PostKey(FocusedWindowOf(box), VK_RETURN);
      }
    });
    // A large quit countdown keeps the agent from restarting itself after the
    // update; the test stops it when the cycle is over.
    RunningProgram host(HostCommand("/DELAY=0", " --send 30:1000"));
    ASSERT_TRUE(WaitUntil([&] { return RecordHas(hostRecord, "notify 42 2"); }, 60000))
        << ReadWholeFile(hostRecord) << ReadWholeFile(folder / "app\\X_Agent.log");
    StopAgent();
    boxes.Finish();
    PostMessageA(HostWindowOf(host.processId()), WM_CLOSE, 0, 0);
    host.WaitForExit();

    EXPECT_EQ(HostNotifications(hostRecord),
              (std::vector<std::string>{"40 1", "40 2", "41 1", "41 2", "42 1", "42 2", "43 0"}));
    EXPECT_TRUE(EngineRan());
    EXPECT_EQ(ReadAgentInt(ini, OriginalSetup::VersionOriginal), 2);
    EXPECT_FALSE(FileIsThere(folder / "app\\EditorUpdate.exe")) << "the update file is removed after its run";
    if (c.productRunning) {
      if (*c.productSees) {
        EXPECT_TRUE(RecordHas(productRecord, c.productSees)) << ReadWholeFile(productRecord);
      }
      const uint32_t now = FindProcessByPath(product, true);
      if (c.restarted) {
        EXPECT_TRUE(now != 0 && now != productId) << "the closed product runs again";
      } else {
        EXPECT_EQ(now, productId) << "the product was left alone";
      }
    } else {
      EXPECT_EQ(FindProcessByPath(product, true), 0u) << "a product that did not run is not started";
    }
    TerminateProcessByPath(product, true);
    WaitUntil([&] { return !IsProcessRunning(product); });
  }
}

// The rest of the road in a suite of its own, so that it runs beside the
// shut-down methods (one agent copy per Wine prefix at a time).
class AgentUpdateRoad : public AgentUpdate {};

TEST_F(AgentUpdateRoad, AfterTheUpdateTheAgentStartsAnewAndFindsNothingNew) {
  Publish("--set NewSetup.InformFinish=0");
  BoxSeries boxes([](HWND box, int) { PostKey(FocusedWindowOf(box), 'Y'); });
  RunningProgram host(HostCommand("/DELAY=0", ""));
  const std::string log = folder / "app\\X_Agent.log";
  // The first copy ends after the update; the plain agent it started waits
  // ten seconds, then a fresh copy checks and finds the version installed.
  ASSERT_TRUE(WaitUntil([&] { return RecordHas(hostRecord, "notify 43 0"); }, 60000)) << ReadWholeFile(hostRecord);
  ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(log).find("Too early for retesting") != std::string::npos; },
                        60000))
      << ReadWholeFile(log);
  boxes.Finish();
  const std::string text = ReadWholeFile(log);
  EXPECT_NE(text.find("GetOkToPerformAU = 6 - OK"), std::string::npos);
  EXPECT_NE(text.find(".. WinExec - \"" + agent + "\" /_ZZ=99 /WAIT=10 /TRANSIENT=|255|255|255|255|255|255|255|255|"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Wait 10 SEC"), std::string::npos);
  EXPECT_EQ(ReadAgentInt(ini, OriginalSetup::VersionOriginal), 2);
  EXPECT_EQ(HostNotifications(hostRecord),
            (std::vector<std::string>{"40 1", "40 2", "41 1", "41 2", "42 1", "42 2", "43 0"}));

  RunAndWait(Quote(agent) + " /STOP=0");
  const std::string copy = folder / "app\\X_Agent.exe";
  EXPECT_TRUE(WaitUntil([&] { return !IsProcessRunning(copy); }, 30000));
  EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(copy); })) << "the copy removes itself";
  PostMessageA(HostWindowOf(host.processId()), WM_CLOSE, 0, 0);
  host.WaitForExit();
}

TEST_F(AgentUpdateRoad, ABrokenDownloadResumesAtTheNextCheck) {
  Publish("");
  // The server breaks the first transfer of the update after 300000 bytes.
  WriteWholeFile(served + "\\EditorUpdate.exe.serve", "drop=300000&tag=update");
  std::vector<std::string> shown;
  BoxSeries boxes([&shown](HWND box, int) {
    const std::string text = TextOf(TextControlOf(box));
    shown.push_back(text);
    PostKey(FocusedWindowOf(box), text.find("Download it now?") != std::string::npos ? 'Y' : VK_RETURN);
  });
  RunningProgram host(HostCommand("/DELAY=0", " --send 30:1000"));
  const std::string log = folder / "app\\X_Agent.log";
  ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(log).find("Result=FALSE") != std::string::npos; }, 60000))
      << ReadWholeFile(log);
  // The user asks for a check: the copy fetches only what is missing.
  RunAndWait(Quote(agent) + " /TEST=2");
  ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(log).find("Result=TRUE") != std::string::npos; }, 60000))
      << ReadWholeFile(log);
  StopAgent();
  boxes.Finish();
  DeleteFileA((served + "\\EditorUpdate.exe.serve").c_str());
  PostMessageA(HostWindowOf(host.processId()), WM_CLOSE, 0, 0);
  host.WaitForExit();

  bool resumed = false;
  for (const std::string& request : ServerRequests("update")) {
    const std::size_t range = request.find("|bytes=");
    if (range != std::string::npos && request.compare(range, 9, "|bytes=0-") != 0) resumed = true;
  }
  EXPECT_TRUE(resumed) << "the second transfer asks for the rest only";
  EXPECT_TRUE(EngineRan());
  EXPECT_EQ(ReadAgentInt(ini, OriginalSetup::VersionOriginal), 2);
  ASSERT_GE(shown.size(), 3u);
  EXPECT_NE(shown[1].find("Bad Secret Token!"), std::string::npos) << "the broken transfer stored no file";
  EXPECT_NE(shown.back().find("Editor is up to date."), std::string::npos) << shown.back();
}

TEST_F(AgentUpdateRoad, ADeclinedQuestionInstallsNothingAndLeavesNothing) {
  struct Case {
    const char* declined;  // the question answered No
    bool downloaded;
  } cases[] = {{"Download it now?", false}, {"Install the new Editor now?", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.declined);
    DeleteFileA(hostRecord.c_str());
    WriteOriginal();
    Publish("--set NewSetup.RequestConfirmationBeforeInstall=1");
    std::vector<std::string> shown;
    BoxSeries boxes([&](HWND box, int) {
      const std::string text = TextOf(TextControlOf(box));
      shown.push_back(text);
      PostKey(FocusedWindowOf(box), text.find(c.declined) != std::string::npos ? 'N' : 'Y');
    });
    RunningProgram host(HostCommand("/DELAY=0", " --send 30:1000"));
    const std::string log = folder / "app\\X_Agent.log";
    ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(log).find("Result=FALSE") != std::string::npos; }, 60000))
        << ReadWholeFile(log);
    StopAgent();
    boxes.Finish();
    PostMessageA(HostWindowOf(host.processId()), WM_CLOSE, 0, 0);
    host.WaitForExit();
    DeleteFileA(log.c_str());

    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.back().find(c.declined), std::string::npos) << "no box after the declined question";
    const std::vector<std::string> expected =
        c.downloaded ? std::vector<std::string>{"40 1", "40 2", "41 1", "41 2", "43 0"}
                     : std::vector<std::string>{"40 1", "40 2", "43 0"};
    EXPECT_EQ(HostNotifications(hostRecord), expected);
    EXPECT_FALSE(FileIsThere(folder / "app\\EditorUpdate.exe"));
    EXPECT_FALSE(EngineRan());
    EXPECT_EQ(ReadAgentInt(ini, OriginalSetup::VersionOriginal), 1);
  }
}

}  // namespace
}  // namespace vantor::testing
