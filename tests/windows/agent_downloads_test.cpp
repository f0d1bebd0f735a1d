// The agent's downloads and its update decision, run for real by an agent of
// our own packing (agent_downloads_probe.exe) in a folder with its .original
// and .info files: files from a drive folder, from the tests' web server and
// from the test-mode folder, the token check, the boxes and the log lines.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/handles.h"
#include "startup/main_window.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/box_series.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"
#include "tools/vshot/screenshot.h"

namespace vantor::testing {
namespace {

constexpr char kToken[] = "widget-token";
constexpr char kProbeClass[] = "VantorAgentProbe";

std::string BesideTests(const std::string& name) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string path = self;
  return path.substr(0, path.rfind('\\') + 1) + name;
}

std::string The404Message(const std::string& url) {
  return "<B>404 File Not Found...</B><P><P>URL:  " + url +
         ".<P><P>Please make sure the file is available and access is allowed to this file.";
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct BoxSeen {
  std::string caption;
  std::string text;
};

struct ProbeRun {
  std::map<std::string, std::string> values;
  std::vector<BoxSeen> boxes;
  DWORD processId = 0;
  std::string Value(const std::string& name) const {
    const auto at = values.find(name);
    return at == values.end() ? "<missing>" : at->second;
  }
};

// The agent's test mode in the registry, removed again at the end.
class TestModeKey {
 public:
  explicit TestModeKey(const std::string& address) {
    UniqueRegKey key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr);
    RegSetValueExA(key.get(), "TestMode", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegSetValueExA(key.get(), "TestModeURL", 0, REG_SZ, reinterpret_cast<const BYTE*>(address.c_str()),
                   static_cast<DWORD>(address.size() + 1));
  }
  ~TestModeKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kPath); }
  TestModeKey(const TestModeKey&) = delete;
  TestModeKey& operator=(const TestModeKey&) = delete;

 private:
  static constexpr char kPath[] = "Software\\Kelmondo\\Vantor\\AutoUpdate";
};

class AgentDownloads : public ::testing::Test {
 protected:
  ScratchFolder agent{"agentdl"};      // the agent's own folder
  ScratchFolder drive{"agentdl_src"};  // a drive folder that offers files
  ScratchFolder made{"agentdl_made"};  // packages and notices before they are offered
  std::string served = ServedFolder();
  std::vector<std::string> servedFiles;

  void SetUp() override {
    const std::string payload = made / "payload.txt";
    WriteWholeFile(payload, "p");
    Pack("setup --stub " + Quote(BesideTests("agent_downloads_probe.exe")) + " --out " + Quote(Probe()) +
         " --agent --agent-name Probe.exe --flags 16 --token " + kToken + " --info-file Widget.info --update-base " +
         TestServerUrl("/files") + " --file " + Quote(payload));
  }
  void TearDown() override {
    for (const std::string& file : servedFiles) DeleteFileA(file.c_str());
  }

  std::string Probe() const { return agent / "Probe.exe"; }
  std::string AgentFile(const std::string& name) const { return agent / name; }
  std::string Log() const { return ReadWholeFile(agent / "X_Probe.log"); }

  // A setup file carrying the token.
  std::string PackUpdate(const std::string& name, const std::string& token) {
    const std::string out = made / name;
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(out) + " --token " + token +
         " --file " + Quote(made / "payload.txt"));
    return ReadWholeFile(out);
  }
  std::string MakeNotice(const std::string& token, const std::string& body, bool scrambled) {
    const std::string bodyFile = made / "body.txt";
    const std::string out = made / "notice.txt";
    WriteWholeFile(bodyFile, body);
    Pack("notice --token " + token + " --body-file " + Quote(bodyFile) + " --out " + Quote(out) +
         (scrambled ? " --scramble" : ""));
    return ReadWholeFile(out);
  }
  void Serve(const std::string& name, const std::string& bytes) {
    servedFiles.push_back(served + "\\" + name);
    WriteWholeFile(servedFiles.back(), bytes);
  }
  void Offer(const std::string& name, const std::string& bytes) { WriteWholeFile(drive / name, bytes); }

  void WriteOriginal(const std::string& text) { WriteWholeFile(AgentFile("Widget.original"), text); }
  void WriteInfo(const std::string& text) { WriteWholeFile(AgentFile("Widget.info"), text); }

  // Runs the probe, answering every box with Enter.
  ProbeRun RunProbe(const std::string& arguments) {
    ProbeRun run;
    const std::string output = agent / "probe.txt";
    DeleteFileA(output.c_str());
    BoxSeries boxes([&run](HWND box, int) {
      run.boxes.push_back({LookAt(box).caption, TextOf(TextControlOf(box))});
      PostKey(FocusedWindowOf(box), VK_RETURN);
    });
    const ProcessResult process = RunAndWait(Quote(Probe()) + " " + Quote(output) + " " + arguments);
    boxes.Finish();
    EXPECT_TRUE(process.finished);
    EXPECT_EQ(process.exitCode, 0u) << arguments;
    run.processId = process.processId;
    const std::string text = ReadWholeFile(output);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      const std::string line = text.substr(start, end - start);
      const std::size_t equals = line.find('=');
      if (equals != std::string::npos) run.values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return run;
  }
  ProbeRun Download(int kind, const std::string& folder, const std::string& name) {
    return RunProbe("download " + std::to_string(kind) + " " + Quote(folder) + " " + Quote(name));
  }
};

// ---- The decision ----

// The .info file of the decision table: by default version 5 of a new
// package for versions 3 and 4, of the given size in the given folder.
struct Offered {
  Offered(std::string folderIn, std::string sizeIn) : folder(std::move(folderIn)), size(std::move(sizeIn)) {}
  std::string folder;
  std::string size;
  std::string stamp = "11";
  std::string versionNew = "5";
  std::string validVersions = "3,4";
  std::string extra = "";
  std::string Text() const {
    std::string text = "[NewSetup]\r\nVersionNew=" + versionNew + "\r\nStamp=" + stamp + "\r\nValidVersions=" +
                       validVersions + "\r\nNameOfUpdateFile=Update.exe\r\nDownloadURL_UPDATE=" + folder + "\r\n";
    if (!size.empty()) text += "SizeOfUpdateFile=" + size + "\r\n";
    return text + extra;
  }
};

TEST_F(AgentDownloads, Decision_ReadsBothFilesAndTheOfferedSize) {
  const std::string update = PackUpdate("Update.exe", kToken);
  const int64_t size = static_cast<int64_t>(update.size());
  Offer("Update.exe", update);
  Serve("Update.exe", update);
  Offer("News.txt", std::string(321, 'n'));
  const std::string original = "[OriginalSetup]\r\nVersionOriginal=4\r\nStamp=10\r\n";
  const Offered drivePass{drive.path(), std::to_string(size)};
  const Offered webPass{TestServerUrl("/files"), std::to_string(size)};
  const auto with = [](Offered offered, std::string Offered::*field, std::string value) {
    offered.*field = std::move(value);
    return offered;
  };
  const struct {
    const char* name;
    std::string original;
    Offered info;
    const char* arguments;
    int code;
    const char* reason;
  } cases[] = {
      {"not fetched", original, drivePass, "0", 0, "Error downloading .INFO file"},
      {"no .original", "", drivePass, "1", 1, "Error reading .ORIGINAL file"},
      {"same stamp", original, with(drivePass, &Offered::stamp, "10"), "1", 2, "Too early for retesting"},
      {"same stamp, re-ask due", original + "ReAskSecondsInterval=86400\r\nReAskSecondsLast=1000\r\n",
       with(drivePass, &Offered::stamp, "10"), "1", 6, "OK"},
      {"same stamp, re-ask not due", original + "ReAskSecondsInterval=86400\r\nReAskSecondsLast=99999999999\r\n",
       with(drivePass, &Offered::stamp, "10"), "1", 2, "Too early for retesting"},
      {"same stamp, interactive", original, with(drivePass, &Offered::stamp, "10"), "1 interactive", 6, "OK"},
      {"same version", original, with(drivePass, &Offered::versionNew, "4"), "1", 3,
       "New version is not higher then old version"},
      {"blank in the list", original, with(drivePass, &Offered::validVersions, "3, 4"), "1", 4,
       "\"Valid for version\" mismatch"},
      {"drive, 99 bytes off", original, with(drivePass, &Offered::size, std::to_string(size + 99)), "1", 6, "OK"},
      {"drive, 100 bytes off", original, with(drivePass, &Offered::size, std::to_string(size + 100)), "1", 5,
       "Download file size error"},
      {"web", original, webPass, "1", 6, "OK"},
      {"web, 100 bytes off", original, with(webPass, &Offered::size, std::to_string(size - 100)), "1", 5,
       "Download file size error"},
      // A reply without a length is -1, within 99 bytes of a size the .info file leaves out.
      {"web, no length, no size", original,
       Offered{TestServerUrl("/chunked?size=5000&seed=1&n="), ""}, "1", 6, "OK"},
      {"notice", original,
       with(with(drivePass, &Offered::size, "1"), &Offered::extra,
            "[General]\r\nAutoInform=1\r\n[AutoInform]\r\nNameOfInformFile=x\\News.txt\r\nSizeOfInformFile=321\r\n"),
       "1", 6, "OK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(AgentFile("Widget.original").c_str());
    if (!c.original.empty()) WriteOriginal(c.original);
    WriteInfo(c.info.Text());
    DeleteFileA(AgentFile("X_Probe.log").c_str());
    const ProbeRun run = RunProbe(std::string("decide ") + c.arguments);
    EXPECT_EQ(run.Value("code"), std::to_string(c.code));
    EXPECT_EQ(run.Value("reason"), c.reason);
    EXPECT_EQ(run.Value("result"), c.code == 6 ? "TRUE" : "FALSE");
    EXPECT_TRUE(run.boxes.empty()) << "the decision shows nothing";
    EXPECT_TRUE(Contains(Log(), "GetOkToPerformAU = " + std::to_string(c.code) + " - " + c.reason + "\r\n"));
  }
}

TEST_F(AgentDownloads, Decision_SizeMismatchIsLogged) {
  const std::string update = PackUpdate("Update.exe", kToken);
  Serve("Update.exe", update);
  WriteOriginal("[OriginalSetup]\r\nVersionOriginal=4\r\n");
  WriteInfo("[NewSetup]\r\nVersionNew=5\r\nStamp=1\r\nNameOfUpdateFile=Update.exe\r\nSizeOfUpdateFile=7\r\n"
            "DownloadURL_UPDATE=" +
            TestServerUrl("/files") + "\r\n");
  const ProbeRun run = RunProbe("decide 1");
  EXPECT_EQ(run.Value("code"), "5");
  const std::string log = Log();
  const std::size_t at = log.find("  InfoSize=7\r\n");
  ASSERT_NE(at, std::string::npos) << log;
  const std::size_t http = log.find("  HttpSize=" + std::to_string(update.size()) + "\r\n", at);
  ASSERT_NE(http, std::string::npos) << log;
  EXPECT_NE(log.find("  URL=" + TestServerUrl("/files/Update.exe") + "\r\n", http), std::string::npos) << log;
}

// ---- Information files ----

TEST_F(AgentDownloads, Info_FromTheWebIsKeptInTheAgentFolder) {
  const std::string info = "[NewSetup]\r\nVersionNew=7\r\n";
  Serve("Widget.info", info);
  // Only the file-name part of the name counts.
  const ProbeRun run = Download(1, TestServerUrl("/files"), "C:\\elsewhere\\Widget.info");
  EXPECT_EQ(run.Value("result"), "TRUE");
  EXPECT_EQ(run.Value("error"), "");
  EXPECT_EQ(ReadWholeFile(AgentFile("Widget.info")), info);
  EXPECT_TRUE(run.boxes.empty());
  const std::string log = Log();
  EXPECT_TRUE(Contains(log, "TestMode=FALSE\r\n"));
  EXPECT_TRUE(Contains(log, "Download START: " + TestServerUrl("/files") + "\\Widget.info\r\n")) << log;
  EXPECT_TRUE(Contains(log, "Download END:   " + TestServerUrl("/files/Widget.info") + "\r\n")) << log;
}

TEST_F(AgentDownloads, Info_HtmlPageLeavesThePreviousFile) {
  WriteInfo("previous");
  const ProbeRun run = Download(1, TestServerUrl("/files"), "Widget.info");  // not served: the 404 page
  EXPECT_EQ(run.Value("result"), "FALSE");
  EXPECT_EQ(run.Value("error"), The404Message(TestServerUrl("/files/Widget.info")));
  EXPECT_EQ(ReadWholeFile(AgentFile("Widget.info")), "previous");
  EXPECT_TRUE(run.boxes.empty()) << "the caller reports it";
}

TEST_F(AgentDownloads, Info_ThatCannotBeWrittenIsNotReportedAsFetched) {
  Serve("Widget.info", "[NewSetup]\r\nVersionNew=7\r\n");
  WriteInfo("previous");
  {
    // Held open without sharing, as an editor or a scanner might.
    const UniqueFile held(CreateFileA(AgentFile("Widget.info").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    const ProbeRun run = Download(1, TestServerUrl("/files"), "Widget.info");
    EXPECT_EQ(run.Value("result"), "FALSE");
  }
  EXPECT_EQ(ReadWholeFile(AgentFile("Widget.info")), "previous");
}

TEST_F(AgentDownloads, Info_JustDownloadInfoFileTellsTheHostBeforeAndAfter) {
  const std::string info = "[NewSetup]\r\nVersionNew=8\r\n";
  Serve("Widget.info", info);
  HostWindow host(WM_APP + 40);
  const ProbeRun run = RunProbe("justinfo " + std::to_string(reinterpret_cast<uintptr_t>(host.window())) + " " +
                                std::to_string(host.message()));
  EXPECT_EQ(run.Value("result"), "done");
  // Registration answers (50, 51), the two notifications, and the end of the loop (43).
  const auto& received = host.WaitForNotifications(5, 10000);
  ASSERT_EQ(received.size(), 5u);
  EXPECT_EQ(received[0].first, 50u);
  EXPECT_EQ(received[1], (std::pair<WPARAM, LPARAM>(51, wm_AgentMsg)));
  EXPECT_EQ(received[2], (std::pair<WPARAM, LPARAM>(40, 1)));
  EXPECT_EQ(received[3], (std::pair<WPARAM, LPARAM>(40, 2)));
  EXPECT_EQ(received[4], (std::pair<WPARAM, LPARAM>(43, 0)));
  EXPECT_EQ(ReadWholeFile(AgentFile("Widget.info")), info) << "fetched from the agent's UpdateBase";
}

// ---- Update and notice files ----

TEST_F(AgentDownloads, Update_WithTheAgentsTokenIsStoredFromTheWebOrADrive) {
  const std::string update = PackUpdate("Update.exe", kToken);
  Serve("Update.exe", update);
  Offer("Update.exe", update);
  DebugViewer viewer(made / "viewer.txt");
  const struct {
    const char* name;
    std::string folder;
    const char* onDisk;
  } cases[] = {{"web", TestServerUrl("/files"), "FALSE"}, {"drive", drive.path(), "TRUE"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(AgentFile("Update.exe").c_str());
    const ProbeRun run = Download(2, c.folder, "Update.exe");
    EXPECT_EQ(run.Value("result"), "TRUE");
    EXPECT_EQ(run.Value("error"), "");
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_TRUE(ReadWholeFile(AgentFile("Update.exe")) == update);
    const std::vector<std::string> lines = viewer.Lines();
    const std::string expected =
        std::to_string(run.processId) + " DownloadFileAU: " + c.onDisk + " " + c.folder + "\\Update.exe";
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
  }
  EXPECT_TRUE(FileIsThere(drive / "Update.exe")) << "the offered file stays where it is";
}

TEST_F(AgentDownloads, Update_WithoutTheAgentsTokenIsDeletedAndReported) {
  WriteOriginal("[MsgBox]\r\nError=Widget Error\r\n");
  const std::string foreign = PackUpdate("Update.exe", "someone-else");
  Serve("Update.exe", foreign);
  Offer("Update.exe", foreign);
  const std::string missingUrl = TestServerUrl("/files/Missing.exe");
  const struct {
    const char* name;
    std::string folder;
    const char* file;
    std::string message;
    std::string shown;  // a part of the box's text
  } cases[] = {
      {"another token, web", TestServerUrl("/files"), "Update.exe", "Bad Secret Token!", "Bad Secret Token!"},
      {"another token, drive", drive.path(), "Update.exe", "Bad Secret Token!", "Bad Secret Token!"},
      // The server's error page is stored like the file, then refused.
      {"HTML page", TestServerUrl("/files"), "Missing.exe", The404Message(missingUrl), "404 File Not Found..."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(AgentFile("X_Probe.log").c_str());
    const ProbeRun run = Download(2, c.folder, c.file);
    EXPECT_EQ(run.Value("result"), "FALSE");
    EXPECT_EQ(run.Value("error"), "");
    EXPECT_FALSE(FileIsThere(AgentFile(c.file)));
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "Widget Error");
    EXPECT_TRUE(Contains(run.boxes[0].text, c.shown)) << run.boxes[0].text;
    EXPECT_TRUE(Contains(Log(), "ERROR: " + c.message + "\r\n")) << Log();
  }
  EXPECT_TRUE(FileIsThere(drive / "Update.exe")) << "the offered file stays where it is";
}

TEST_F(AgentDownloads, Update_AnEarlierCopyNeverPassesForTheNewOne) {
  const std::string earlier = PackUpdate("Update.exe", kToken);
  WriteWholeFile(made / "payload.txt", "a newer payload");
  Offer("Update.exe", PackUpdate("Update.exe", kToken));
  const struct {
    const char* name;
    std::string folder;
    bool heldForReading;
  } cases[] = {
      // The server closes the connection after 6000 of 60000 bytes.
      {"web transfer ends short", TestServerUrl("/data/u?size=60000&seed=3&drop=6000&n="), false},
      // The earlier copy is open for reading elsewhere and cannot be replaced.
      {"drive copy cannot be written", drive.path(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteWholeFile(AgentFile("Update.exe"), earlier);
    ProbeRun run;
    {
      UniqueFile held;
      if (c.heldForReading) {
        held.reset(CreateFileA(AgentFile("Update.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
      }
      run = Download(2, c.folder, "Update.exe");
    }
    EXPECT_EQ(run.Value("result"), "FALSE");
    EXPECT_EQ(run.Value("error"), "");
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_TRUE(Contains(run.boxes[0].text, "Bad Secret Token!")) << run.boxes[0].text;
    DeleteFileA(AgentFile("Update.exe").c_str());
  }
}

TEST_F(AgentDownloads, Update_FailedTransferIsReportedWhenConfirmationIsWanted) {
  WriteOriginal("[MsgBox]\r\nAttention=Widget Notice\r\n[AutoUpdate]\r\ns5=Widget could not fetch it\r\n");
  const std::string nowhere = drive / "nowhere";
  const std::string closedPort = "http://127.0.0.1:1/files";
  const struct {
    const char* name;
    std::string folder;
    bool confirm;
    std::string notice;  // empty: no box
  } cases[] = {
      // A drive folder without the file: the address is still tried on the web.
      {"drive", nowhere, true, nowhere + "/Update.exe<P><P>File not Found!"},
      {"web", closedPort, true, closedPort + "/Update.exe<P><P>Widget could not fetch it"},
      {"drive, no confirmation", nowhere, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteInfo(std::string("[NewSetup]\r\nRequestConfirmationBeforeDownload=") + (c.confirm ? "1" : "0") + "\r\n");
    DeleteFileA(AgentFile("X_Probe.log").c_str());
    const ProbeRun run = Download(2, c.folder, "Update.exe");
    EXPECT_EQ(run.Value("result"), "FALSE");
    EXPECT_EQ(run.Value("error"), "Unable to open Internet Connection <P>URL: " + c.folder + "/Update.exe");
    const std::string log = Log();
    if (c.notice.empty()) {
      EXPECT_TRUE(run.boxes.empty());
      EXPECT_FALSE(Contains(log, "ATTENTION: "));
      continue;
    }
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "Widget Notice");
    EXPECT_TRUE(Contains(run.boxes[0].text, c.folder + "/Update.exe")) << run.boxes[0].text;
    EXPECT_TRUE(Contains(log, "ATTENTION: " + c.notice + "\r\n")) << log;
  }
}

TEST_F(AgentDownloads, Update_FromADriveShowsTheProgressWindowWhenConfirmationIsWanted) {
  WriteOriginal("[AutoUpdate]\r\ns32=Fetching the Widget update...\r\n");
  WriteInfo("[NewSetup]\r\nRequestConfirmationBeforeDownload=1\r\n");
  Offer("Update.exe", PackUpdate("Update.exe", kToken));
  const std::string output = agent / "probe.txt";
  RunningProgram program(Quote(Probe()) + " " + Quote(output) + " download 2 " + Quote(drive.path()) + " Update.exe");
  const HWND main = WaitForWindowOfClass(kProbeClass);
  ASSERT_NE(main, nullptr);
  // The copy takes ten steps of 300 ms with the window shown; the bar hides
  // for a moment after each step while its painting is held.
  HWND status = nullptr;
  HWND bar = nullptr;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 20000) {
    status = FindWindowExA(main, nullptr, "Static", nullptr);
    bar = FindWindowExA(main, nullptr, PROGRESS_CLASSA, nullptr);
    if (IsWindowVisible(main) && IsWindowVisible(bar) && SendMessageA(bar, PBM_GETPOS, 0, 0) >= 3) break;
    Sleep(10);
  }
  ASSERT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(TextOf(status), "Fetching the Widget update...");
  EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 10);
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_TRUE(SavePng(CaptureWindow(main), ScreenshotPath("agent_update_download.png")));
  EXPECT_EQ(program.WaitForExit(), 0u);
  EXPECT_TRUE(Contains(ReadWholeFile(output), "result=TRUE\n"));
}

TEST_F(AgentDownloads, Notice_PlainOrScrambledWithTheAgentsTokenOnly) {
  const struct {
    const char* name;
    const char* token;
    bool scrambled;
    bool accepted;
  } cases[] = {
      {"plain", kToken, false, true},
      {"scrambled", kToken, true, true},
      {"another token", "someone-else", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string notice = MakeNotice(c.token, "<B>Widget 5</B> is out.", c.scrambled);
    Offer("News.txt", notice);
    const ProbeRun run = Download(3, drive.path(), "News.txt");
    EXPECT_EQ(run.Value("result"), c.accepted ? "TRUE" : "FALSE");
    EXPECT_EQ(run.Value("error"), "");
    EXPECT_EQ(FileIsThere(AgentFile("News.txt")), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(ReadWholeFile(AgentFile("News.txt")) == notice);
      EXPECT_TRUE(run.boxes.empty());
    } else {
      ASSERT_EQ(run.boxes.size(), 1u);
      EXPECT_TRUE(Contains(run.boxes[0].text, "Bad Secret Token!"));
    }
  }
}

// ---- Test mode ----

TEST_F(AgentDownloads, TestMode_FilesComeOnlyFromTheTestModeFolder) {
  ScratchFolder testFolder("agentdl_test");
  const std::string update = PackUpdate("Update.exe", kToken);
  WriteWholeFile(testFolder / "Update.exe", update);
  Serve("Update.exe", PackUpdate("Other.exe", "someone-else"));
  {
    const TestModeKey testMode(testFolder.path());
    const ProbeRun run = Download(2, TestServerUrl("/files"), "Update.exe");
    EXPECT_EQ(run.Value("result"), "TRUE");
    EXPECT_TRUE(ReadWholeFile(AgentFile("Update.exe")) == update);
    EXPECT_TRUE(Contains(Log(), "TestMode=TRUE\r\n"));

    // The size, too, is taken from the test-mode folder.
    WriteOriginal("[OriginalSetup]\r\nVersionOriginal=4\r\n");
    WriteInfo("[NewSetup]\r\nVersionNew=5\r\nStamp=1\r\nNameOfUpdateFile=Update.exe\r\nDownloadURL_UPDATE=" +
              TestServerUrl("/files") + "\r\nSizeOfUpdateFile=" + std::to_string(update.size()) + "\r\n");
    EXPECT_EQ(RunProbe("decide 1").Value("code"), "6");
  }
  DeleteFileA(AgentFile("Update.exe").c_str());
  DeleteFileA(AgentFile("Widget.info").c_str());
  Serve("Update.exe", update);
  Serve("Widget.info", "[NewSetup]\r\nVersionNew=9\r\n");
  // A web address as the test-mode folder: nothing is downloaded.
  const TestModeKey testMode(TestServerUrl("/files"));
  const ProbeRun info = Download(1, TestServerUrl("/files"), "Widget.info");
  EXPECT_EQ(info.Value("result"), "FALSE");
  EXPECT_TRUE(info.boxes.empty());
  EXPECT_FALSE(FileIsThere(AgentFile("Widget.info")));
  const ProbeRun run = Download(2, TestServerUrl("/files"), "Update.exe");
  EXPECT_EQ(run.Value("result"), "FALSE");
  EXPECT_FALSE(FileIsThere(AgentFile("Update.exe")));
  ASSERT_EQ(run.boxes.size(), 1u) << "nothing was stored, so nothing carries the token";
  EXPECT_TRUE(Contains(run.boxes[0].text, "Bad Secret Token!"));
}

}  // namespace
}  // namespace vantor::testing
