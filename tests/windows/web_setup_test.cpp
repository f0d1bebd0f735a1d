// The download-only setup file as a user meets it: it finds the full setup
// file next to itself or on the web server, checks that it belongs to the
// same product, and runs it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/box_series.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

class WebSetup : public ::testing::Test {
 protected:
  ScratchFolder folder{"websetup"};
  ScratchFolder records{"webengine"};
  std::string served = ServedFolder();

  void SetUp() override {
    SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", records.path().c_str());
    CreateDirectoryA((folder / "product").c_str(), nullptr);
    WriteWholeFile(folder / "product\\readme.txt", "Widget Studio\r\n");
    ASSERT_TRUE(CopyFileA(ToolPath("testengine.exe").c_str(), (folder / "product\\Engine.exe").c_str(), FALSE));
  }
  void TearDown() override {
    SetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", nullptr);
    DeleteFileA((served + "\\full.exe").c_str());
  }

  // The full setup file, carrying the web token it is checked by.
  std::string PackFull(const std::string& out, const std::string& token, const std::string& engineArgs = "") {
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(out) + " --dir " +
         Quote(folder / "product") + " --engine \"Engine.exe*/TE_EXIT=4" + engineArgs + "\" --web-token " + token);
    return out;
  }

  std::string PackDownloadOnly(const std::string& options, const std::string& fileName = "full.exe") {
    const std::string out = folder / "web.exe";
    WriteWholeFile(folder / "none.txt", "");
    Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(out) +
         " --web-setup --web-base " + TestServerUrl("/files") + " --setup-file-name " + fileName +
         " --web-token widget --setup-file-size 1572864 --file " + Quote(folder / "none.txt") + " " + options);
    return out;
  }

  bool EngineRan() { return FileIsThere(records / "testengine.txt"); }
};

TEST_F(WebSetup, LocalCopyIsRunWithoutQuestionAndKept) {
  const std::string local = PackFull(folder / "full.exe", "widget");
  const std::string web = PackDownloadOnly("--ask-download");
  RunningProgram program(Quote(web));
  EXPECT_EQ(program.WaitForExit(), 4u);
  EXPECT_TRUE(EngineRan());
  EXPECT_TRUE(FileIsThere(local));
}

TEST_F(WebSetup, NoLocalLookupDownloadsAfterTheQuestion) {
  PackFull(folder / "full.exe", "other");  // a local copy that must be ignored
  PackFull(served + "\\full.exe", "widget");
  const std::string web = PackDownloadOnly("--ask-download --no-local-lookup");
  std::string question;
  BoxDriver driver([&question](HWND box) {
    question = TextOf(TextControlOf(box));
    PostKey(FocusedWindowOf(box), 'Y');
  });
  RunningProgram program(Quote(web));
  EXPECT_EQ(program.WaitForExit(), 4u);
  driver.Finish();
  EXPECT_NE(question.find("INTERNET DOWNLOAD"), std::string::npos) << question;
  EXPECT_NE(question.find("Size: 1.50 MB"), std::string::npos) << question;
  EXPECT_TRUE(EngineRan());
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  EXPECT_FALSE(FileIsThere(std::string(temp) + "full.exe")) << "the downloaded file is deleted after its run";
}

TEST_F(WebSetup, HideDownloadsWithoutQuestion) {
  PackFull(served + "\\full.exe", "widget");
  const std::string web = PackDownloadOnly("--ask-download");
  RunningProgram program(Quote(web) + " /hide");
  EXPECT_EQ(program.WaitForExit(), 4u);
  EXPECT_NE(ReadWholeFile(records / "testengine.txt").find(" /hide "), std::string::npos);
}

TEST_F(WebSetup, ForeignTokenOrErrorPageIsRefusedWithABox) {
  struct Case {
    const char* fileName;
    const char* expected;
  } cases[] = {{"full.exe", "Bad Secret Token!"}, {"missing.exe", "404 File Not Found..."}};
  PackFull(served + "\\full.exe", "someone-else");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName);
    const std::string web = PackDownloadOnly("", c.fileName);
    std::string shown;
    BoxDriver driver([&shown](HWND box) {
      shown = TextOf(TextControlOf(box));
      PostKey(FocusedWindowOf(box), VK_RETURN);
    });
    RunningProgram program(Quote(web) + " /hide");  // error boxes show even when hidden
    EXPECT_EQ(program.WaitForExit(), 0u);
    driver.Finish();
    EXPECT_NE(shown.find(c.expected), std::string::npos) << shown;
    EXPECT_FALSE(EngineRan());
  }
}

TEST_F(WebSetup, AgentCopyOfTheDownloadOnlyFileIsAnAgentFile) {
  PackFull(folder / "full.exe", "widget", " /TE_COPY=WidgetAgent.exe");
  const std::string web = PackDownloadOnly("--create-agent --agent-name WidgetAgent.exe");
  RunningProgram program(Quote(web));
  EXPECT_EQ(program.WaitForExit(), 4u);
  // The engine found the copy in its folder: the download-only file marked as agent.
  const std::string copy = ReadWholeFile(records / "WidgetAgent.exe");
  std::string original = ReadWholeFile(web);
  ASSERT_EQ(copy.size(), original.size());
  EXPECT_EQ(copy[copy.size() - 5], 1) << "the trailer's agent byte";
  original[original.size() - 5] = 1;
  EXPECT_TRUE(copy == original);
}

TEST_F(WebSetup, UnconnectedComputerSaysSoEvenAfterADeclinedQuestion) {
  PackFull(served + "\\full.exe", "widget");
  const std::string web = PackDownloadOnly("--ask-download --no-local-lookup");
  std::vector<std::string> shown;
  // The question is declined; the message that follows is acknowledged.
  BoxSeries boxes([&shown](HWND box, int index) {
    shown.push_back(TextOf(TextControlOf(box)));
    PostKey(FocusedWindowOf(box), index == 0 ? 'N' : VK_RETURN);
  });
  SetEnvironmentVariableA("VANTOR_TEST_OFFLINE", "1");
  RunningProgram program(Quote(web));
  SetEnvironmentVariableA("VANTOR_TEST_OFFLINE", nullptr);
  EXPECT_EQ(program.WaitForExit(), 0u);
  boxes.Finish();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].find("INTERNET DOWNLOAD"), std::string::npos);
  EXPECT_NE(shown[1].find("No valid Internet Connection."), std::string::npos) << shown[1];
  EXPECT_NE(shown[1].find("Can not Download File!"), std::string::npos) << shown[1];
  EXPECT_FALSE(EngineRan());
}

}  // namespace
}  // namespace vantor::testing
