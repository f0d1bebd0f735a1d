// The agent's timer schedule as a product and its user meet it: when the
// running copy checks on its own (per ProbeSecondsInterval), how the
// product's requests check now, check interactively, fetch only the .info
// file or end the agent, what an interactive check tells the user, and that
// no step starts while a step's question is open. Observed through the
// copy's debug lines, its log, its .original file, its answers to requests
// and the test product's record.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "agent/seconds_clock_win.h"
#include "agent/update_info_files.h"
#include "agent/update_info_files_win.h"
#include "base/system_helpers.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/installed_agent.h"
#include "tests/windows/support/program_driver.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"
#include "ui/markup.h"

namespace vantor::testing {
namespace {

constexpr char kTexts[] =
    "[AutoUpdate]\r\n"
    "s2=There is no connection to the internet.\r\n"
    "s21=You have the newest version.\r\n"
    "s22=Look for a new version of PROG_NAME now?\r\n"
    "s23=<P>PROG_NAME connects to the internet for this.\r\n"
    "s24=<P>Nothing is installed without your consent.\r\n";
// The decision when the server offers the installed version again.
constexpr char kNothingNew[] = "3 - New version is not higher then old version";
constexpr char kNoInfo[] = "0 - Error downloading .INFO file";
constexpr char kDecisionLine[] = "GetOkToPerformAU = ";
// 14-JAN-2004 on the seconds clock: a last check that no check has written.
constexpr int64_t kOldCheck = 3283200000;

// A seconds value as a request carries it: its low 32 bits.
int32_t Low32(int64_t seconds) { return static_cast<int32_t>(static_cast<uint32_t>(seconds)); }

// The transfer's error for a URL the server answers with its 404 page.
std::string The404Message(const std::string& url) {
  return "<B>404 File Not Found...</B><P><P>URL:  " + url +
         ".<P><P>Please make sure the file is available and access is allowed to this file.";
}

// What a markup box shows for the text.
std::string Shown(const std::string& markup) { return PrepareMarkup(markup).text; }

// An agent installed with the texts above, its update base the tests' web server.
class RunningAgent : public ::testing::Test {
 protected:
  ScratchFolder folder{"schedule"};
  InstalledAgent installed{folder.path(), "widget-2024"};
  std::string served = ServedFolder();
  DebugViewer viewer{folder / "viewer.txt"};

  void SetUp() override { installed.Pack(TestServerUrl("/files")); }
  void TearDown() override {
    installed.EndCopy();
    DeleteFileA((served + "\\Widget.info").c_str());
  }

  // The server offers this version of Widget (its stamp is the version).
  void Publish(int version) {
    Pack("update-info --out " + Quote(served + "\\Widget.info") + " --version " + std::to_string(version) +
         " --program-name Widget --url " + TestServerUrl("/files"));
  }
  // Version 1 of Widget is installed; `values` are more OriginalSetup lines.
  void WriteOriginal(const std::string& values) {
    WriteWholeFile(installed.ini.original,
                   "[OriginalSetup]\r\nVersionOriginal=1\r\nProgramName=Widget\r\n" + values + kTexts);
  }
  // Starts the agent as a shortcut does, without waiting before its first step.
  AgentCopy StartCopy() {
    DeleteFileA(installed.log.c_str());
    installed.Run("/DELAY=0");
    return AgentCopy::Wait();
  }

  std::vector<std::string> CopyLines(const AgentCopy& copy) const { return LinesOf(viewer.Lines(), copy.processId()); }
  std::size_t Count(const AgentCopy& copy, const std::string& prefix) const {
    return CountStarting(CopyLines(copy), prefix);
  }
  bool WaitForCount(const AgentCopy& copy, const std::string& prefix, std::size_t count, DWORD timeoutMs = 30000) {
    return WaitUntil([&] { return Count(copy, prefix) >= count; }, timeoutMs);
  }
  // The statuses of the steps after the n-th check (counted from 1) began.
  std::vector<int64_t> StatusesAfterCheck(const AgentCopy& copy, std::size_t n) const {
    const std::vector<std::string> lines = CopyLines(copy);
    return NumbersAfter(From(lines, NthStarting(lines, kCheckLine, n)), kStatusLine);
  }
  // Waits until a step has begun after the n-th check, so that the check is over.
  bool WaitForStepAfterCheck(const AgentCopy& copy, std::size_t n) {
    return WaitUntil([&] { return !StatusesAfterCheck(copy, n).empty(); });
  }
  // The status of the step that ran the n-th check.
  int64_t StatusOfCheck(const AgentCopy& copy, std::size_t n) const {
    const std::vector<std::string> lines = CopyLines(copy);
    const std::size_t at = NthStarting(lines, kCheckLine, n);
    const std::vector<int64_t> before = NumbersAfter({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(at)},
                                                     kStatusLine);
    return before.empty() ? -1 : before.back();
  }
  std::vector<std::string> Decisions() const { return LogTails(installed.Log(), kDecisionLine); }
  int64_t ProbeSecondsLast() const { return ReadAgentInt(installed.ini, OriginalSetup::ProbeSecondsLast); }
};

// The schedule on its own and as the product moves its values; and the
// product's requests, in a suite of their own so that both run side by side.
class AgentSchedule : public RunningAgent {};
class AgentRequests : public RunningAgent {};

TEST_F(AgentSchedule, ProbeInterval_ZeroChecksOncePerStartMinusOneNeverAndEachRequestChecksOnce) {
  struct Case {
    int interval;
    std::vector<int64_t> firstStatuses;  // of the first four steps
  };
  const Case cases[] = {
      {0, {2, 0, 0, 0}},
      {-1, {0, 0, 0, 0}},
  };
  Publish(1);
  for (const Case& c : cases) {
    SCOPED_TRACE("ProbeSecondsInterval=" + std::to_string(c.interval));
    WriteOriginal("ProbeSecondsInterval=" + std::to_string(c.interval) + "\r\n");
    const AgentCopy copy = StartCopy();
    ASSERT_TRUE(copy.found());
    ASSERT_TRUE(WaitForCount(copy, kStatusLine, 4));
    const std::vector<int64_t> statuses = NumbersAfter(CopyLines(copy), kStatusLine);
    EXPECT_EQ(std::vector<int64_t>(statuses.begin(), statuses.begin() + 4), c.firstStatuses);
    const std::size_t ownChecks = c.interval == 0 ? 1 : 0;
    EXPECT_EQ(Count(copy, kCheckLine), ownChecks);
    if (ownChecks == 0) {
      EXPECT_EQ(ProbeSecondsLast(), 0) << "no check was recorded";
    }

    for (std::size_t request = 1; request <= 2; ++request) {
      const int64_t before = SecondsNow();
      EXPECT_EQ(copy.Request(31, 1), 0);
      const std::size_t check = ownChecks + request;
      ASSERT_TRUE(WaitForCount(copy, kCheckLine, check));
      ASSERT_TRUE(WaitForStepAfterCheck(copy, check));
      EXPECT_EQ(StatusOfCheck(copy, check), 1);
      EXPECT_EQ(StatusesAfterCheck(copy, check).front(), 0) << "one check per request";
      EXPECT_GE(ProbeSecondsLast(), before);
    }
    EXPECT_EQ(Count(copy, kCheckLine), ownChecks + 2);
    EXPECT_EQ(Decisions(), std::vector<std::string>(ownChecks + 2, kDecisionLine + std::string(kNothingNew)));
    installed.EndCopy();
  }
}

TEST_F(AgentSchedule, PositiveInterval_ChecksAgainEachTimeItHasPassedSinceTheLastCheck) {
  Publish(1);
  WriteOriginal("ProbeSecondsInterval=3600\r\n");
  // The last check lies a minute back: the next one is due in 59 minutes.
  ASSERT_TRUE(WriteAgentSeconds(installed.ini, OriginalSetup::ProbeSecondsLast, SecondsNow() - 60));
  const AgentCopy copy = StartCopy();
  ASSERT_TRUE(copy.found());
  ASSERT_TRUE(WaitForCount(copy, kStatusLine, 3));
  EXPECT_EQ(Count(copy, kCheckLine), 0u);
  const std::vector<int64_t> statuses = NumbersAfter(CopyLines(copy), kStatusLine);
  EXPECT_EQ(std::vector<int64_t>(statuses.begin(), statuses.begin() + 3), (std::vector<int64_t>{0, 0, 0}));

  // The product moves the last check back by the interval: the next step checks.
  const int64_t before = SecondsNow();
  EXPECT_EQ(copy.Request(14, Low32(before - 3600)), 0);
  ASSERT_TRUE(WaitForCount(copy, kCheckLine, 1));
  ASSERT_TRUE(WaitForStepAfterCheck(copy, 1));
  EXPECT_EQ(StatusOfCheck(copy, 1), 1);
  EXPECT_EQ(StatusesAfterCheck(copy, 1).front(), 0) << "the next check is an hour away";
  const int64_t first = ProbeSecondsLast();
  EXPECT_GE(first, before);
  EXPECT_EQ(copy.Request(10, 0), Low32(first));

  // With an interval of two seconds it checks again and again, each time two
  // seconds or more after the check before.
  EXPECT_EQ(copy.Request(12, 2), 0);
  EXPECT_EQ(copy.Request(8, 0), 2);
  int64_t last = first;
  for (std::size_t check = 2; check <= 3; ++check) {
    ASSERT_TRUE(WaitForCount(copy, kCheckLine, check));
    ASSERT_TRUE(WaitForStepAfterCheck(copy, check));
    EXPECT_EQ(StatusOfCheck(copy, check), 1);
    const int64_t now = ProbeSecondsLast();
    EXPECT_GE(now, last + 2) << "check " << check;
    last = now;
  }
  EXPECT_EQ(ReadAgentInt(installed.ini, OriginalSetup::ProbeSecondsInterval), 2);
}

TEST_F(AgentSchedule, ReAskInterval_TheSamePackageIsTooEarlyUntilTheIntervalHasPassed) {
  // The package offered last time (stamp 1) is offered again.
  Publish(1);
  WriteOriginal("ProbeSecondsInterval=-1\r\nStamp=1\r\n");
  const AgentCopy copy = StartCopy();
  ASSERT_TRUE(copy.found());
  struct Case {
    int32_t interval;
    int64_t lastOffer;  // seconds from now
    std::string decision;
  };
  const Case cases[] = {
      {3600, 0, "2 - Too early for retesting"},
      {3600, -3700, kNothingNew},
      {0, -100000, "2 - Too early for retesting"},  // never again
  };
  std::size_t checks = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE("ReAskSecondsInterval=" + std::to_string(c.interval) + " offered " +
                 std::to_string(c.lastOffer) + " s");
    const int32_t lastOffer = Low32(SecondsNow() + c.lastOffer);
    EXPECT_EQ(copy.Request(13, c.interval), 0);
    EXPECT_EQ(copy.Request(15, lastOffer), 0);
    EXPECT_EQ(copy.Request(31, 1), 0);
    ++checks;
    ASSERT_TRUE(WaitUntil([&] { return Decisions().size() >= checks; }));
    EXPECT_EQ(Decisions().back(), kDecisionLine + c.decision);
    EXPECT_EQ(copy.Request(11, 0), lastOffer) << "no offer was made";
  }
}

struct InteractiveCase {
  const char* label;
  bool published;
  const char* developerMode;  // DVX
  const char* offline;        // VANTOR_TEST_OFFLINE
  std::string report;         // the markup the report box shows
  std::string decision;
};

TEST_F(AgentRequests, InteractiveCheck_AsksFirstSkipsTheReAskTestAndSaysWhyNothingWasInstalled) {
  SetLastError(ERROR_NOT_CONNECTED);  // what the unconnected system reports
  const std::string unconnected = LastErrorText();
  const std::string infoUrl = TestServerUrl("/files") + "/Widget.info";
  const InteractiveCase cases[] = {
      {"nothing new", true, nullptr, nullptr, "You have the newest version.", kNothingNew},
      {"nothing new, developer mode", true, "974", nullptr,
       "You have the newest version.<P><P>(" + std::string(kNothingNew) + ")   ", kNothingNew},
      {"another value of DVX", true, "9740", nullptr, "You have the newest version.", kNothingNew},
      {"no connection", true, nullptr, "1",
       HeadedText("There is no connection to the internet.<P><P>" + unconnected, "Error"), kNoInfo},
      {"no .info file on the server", false, nullptr, nullptr, HeadedText(The404Message(infoUrl), "Error"),
       kNoInfo},
  };
  for (const InteractiveCase& c : cases) {
    SCOPED_TRACE(c.label);
    DeleteFileA((served + "\\Widget.info").c_str());
    if (c.published) Publish(1);
    // The package offered last time, with no re-ask interval: only an
    // interactive check gets past the re-ask test.
    WriteOriginal("ProbeSecondsInterval=-1\r\nStamp=1\r\n");
    DeleteFileA(installed.log.c_str());
    const ScopedEnvironment dvx("DVX", c.developerMode);
    const ScopedEnvironment offline("VANTOR_TEST_OFFLINE", c.offline);

    const CheckNowRun run = RunCheckNow(installed);
    EXPECT_TRUE(run.ended) << "the copy did not end after its check";
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.texts.size(), 2u);
    EXPECT_EQ(run.texts[0], Shown("Look for a new version of Widget now?<P>Widget connects to the internet for this."
                                  "<P>Nothing is installed without your consent."));
    EXPECT_EQ(run.texts[1], Shown(c.report));
    EXPECT_EQ(run.states, (std::vector<std::optional<int32_t>>{0, 1})) << "asking comes before checking";
    EXPECT_EQ(CountStarting(LinesOf(viewer.Lines(), run.processId), kCheckLine), 1u);
    EXPECT_EQ(Decisions(), std::vector<std::string>{kDecisionLine + c.decision});
  }
}

TEST_F(AgentRequests, CheckQuestion_LeavesOutTheInternetTextForADriveAndNoSkipsTheCheck) {
  struct Case {
    const char* label;
    std::string updateBase;
    std::string question;
  };
  const Case cases[] = {
      {"web", TestServerUrl("/files"),
       "Look for a new version of Widget now?<P>Widget connects to the internet for this."
       "<P>Nothing is installed without your consent."},
      {"drive", folder / "server", "Look for a new version of Widget now?<P>Nothing is installed without your consent."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    installed.Pack(c.updateBase);
    WriteOriginal("ProbeSecondsInterval=-1\r\n");
    ASSERT_TRUE(WriteAgentSeconds(installed.ini, OriginalSetup::ProbeSecondsLast, kOldCheck));
    const AgentCopy copy = StartCopy();
    ASSERT_TRUE(copy.found());
    ASSERT_TRUE(WaitForCount(copy, kStepLine, 1));

    std::string text;
    AskBeforeACheck(copy, [&](HWND box) { text = TextOf(TextControlOf(box)); }, 'N');
    const std::size_t asking = FirstStarting(CopyLines(copy), kStatusLine + std::string("1"));
    // The step after the question shows that it has ended.
    ASSERT_TRUE(WaitUntil([&] { return NumbersAfter(From(CopyLines(copy), asking + 1), kStatusLine).size() >= 1; }));
    EXPECT_EQ(text, Shown(c.question));
    EXPECT_EQ(Count(copy, kCheckLine), 0u) << "No skips the check";
    EXPECT_EQ(ProbeSecondsLast(), kOldCheck);
    installed.EndCopy();
  }
}

TEST_F(AgentSchedule, BusyStep_NoStepRunsWhileACheckQuestionIsOpen) {
  Publish(1);
  WriteOriginal("ProbeSecondsInterval=-1\r\n");
  const AgentCopy copy = StartCopy();
  ASSERT_TRUE(copy.found());
  ASSERT_TRUE(WaitForCount(copy, kStepLine, 1));
  std::size_t stepsWhenAsked = 0;
  std::size_t stepsWhenAnswered = 0;
  std::optional<int32_t> state;
  AskBeforeACheck(
      copy,
      [&](HWND) {
        stepsWhenAsked = Count(copy, kStepLine);
        state = copy.Request(7, 0);
        // The agent's timer fires three times while the question is open;
        // only the time that passes can show that none of its ticks started a step.
        Sleep(3000);
        stepsWhenAnswered = Count(copy, kStepLine);
      },
      'Y');
  ASSERT_TRUE(WaitForCount(copy, kCheckLine, 1));
  ASSERT_TRUE(WaitForStepAfterCheck(copy, 1));

  EXPECT_GT(stepsWhenAsked, 0u);
  EXPECT_EQ(stepsWhenAnswered, stepsWhenAsked) << "a step ran while the question was open";
  EXPECT_EQ(state, 0) << "the agent is idle while it asks";
  EXPECT_EQ(copy.Request(7, 0), 0) << "and again once the check is over";
  // The counts go on from the step that asked.
  const std::vector<int64_t> steps = NumbersAfter(CopyLines(copy), kStepLine);
  for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_EQ(steps[i], steps[i - 1] + 1);
}

TEST_F(AgentRequests, QuitCountdown_TheAgentEndsAtTheStepWhereItReachesZero) {
  struct Case {
    const char* label;
    bool byRequest;  // request 30, else wm_ShutDown
    int32_t countdown;
    bool checkAtTheLastStep;
    std::size_t stepsAfter;  // steps after the request, the last one quits
  };
  const Case cases[] = {
      {"request 30 with 2", true, 2, false, 3},
      {"wm_ShutDown with 0", false, 0, false, 1},
      {"wm_ShutDown with 1", false, 1, false, 2},
      // The last step's check waits for its download: the agent still ends.
      {"request 30 with 0 and a check at that step", true, 0, true, 1},
  };
  Publish(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    WriteOriginal("ProbeSecondsInterval=-1\r\n");
    const AgentCopy copy = StartCopy();
    ASSERT_TRUE(copy.found());
    ASSERT_TRUE(WaitForCount(copy, kStepLine, 1));
    // The requests arrive while a step's question is open, so they all take
    // effect from the next step on.
    AskBeforeACheck(
        copy,
        [&](HWND) {
          if (c.checkAtTheLastStep) {
            copy.Request(20, 0);  // no question before that check
            copy.Request(31, 1);
          }
          if (c.byRequest) {
            copy.Request(30, c.countdown);
          } else {
            copy.ShutDown(c.countdown);
          }
        },
        'N');
    ASSERT_TRUE(copy.Ended(60000)) << "the agent did not end";
    EXPECT_EQ(copy.ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(installed.copy); })) << "the copy removes itself";

    // The steps after the one that asked.
    const std::vector<std::string> lines = CopyLines(copy);
    const std::size_t asking = FirstStarting(lines, kStatusLine + std::string("1"));
    ASSERT_LT(asking, lines.size());
    const std::vector<int64_t> before =
        NumbersAfter({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(asking)}, kStepLine);
    ASSERT_FALSE(before.empty());
    std::vector<int64_t> expected;
    for (std::size_t i = 1; i <= c.stepsAfter; ++i) expected.push_back(before.back() + static_cast<int64_t>(i));
    EXPECT_EQ(NumbersAfter(From(lines, asking), kStepLine), expected);
    EXPECT_EQ(Count(copy, kCheckLine), c.checkAtTheLastStep ? 1u : 0u);
  }
}

TEST_F(AgentRequests, InfoOnlyRequest_FetchesTheInfoFileWithoutDecidingOrRecordingACheck) {
  Publish(7);
  WriteOriginal("ProbeSecondsInterval=-1\r\n");
  ASSERT_TRUE(WriteAgentSeconds(installed.ini, OriginalSetup::ProbeSecondsLast, kOldCheck));
  const std::string record = folder / "host.txt";
  RunningProgram host(Quote(ToolPath("testhost.exe")) + " --record " + Quote(record) + " --agent " +
                      Quote(installed.agent) + " --agent-args /DELAY=0 --send 32:0");
  ASSERT_TRUE(WaitUntil([&] { return RecordHas(record, "notify 40 2"); })) << ReadWholeFile(record);
  const AgentCopy copy(FindWindowA(kAgentCopyClass, nullptr));
  ASSERT_TRUE(copy.found());

  EXPECT_EQ(ReadWholeFile(installed.ini.info), ReadWholeFile(served + "\\Widget.info"));
  EXPECT_EQ(copy.Request(5, 0), 7) << "the agent reads the new .info file";
  EXPECT_EQ(ProbeSecondsLast(), kOldCheck);
  const std::string log = installed.Log();
  EXPECT_NE(log.find("Download END:   " + TestServerUrl("/files") + "/Widget.info"), std::string::npos) << log;
  EXPECT_EQ(log.find(kDecisionLine), std::string::npos) << "nothing was decided";
  EXPECT_EQ(Count(copy, kCheckLine), 0u);
  const std::vector<std::string> all = viewer.Lines();
  EXPECT_NE(std::find(all.begin(), all.end(), "-------------- JustDownloadInfoFile ---------------"), all.end());

  installed.Run("/STOP=0");
  ASSERT_TRUE(WaitUntil([&] { return RecordHas(record, "notify 43 0"); })) << ReadWholeFile(record);
  EXPECT_EQ(HostNotifications(record), (std::vector<std::string>{"40 1", "40 2", "43 0"}));
  PostMessageA(FindWindowA("VantorTestHost", nullptr), WM_CLOSE, 0, 0);
  EXPECT_EQ(host.WaitForExit(), 0u);
}

}  // namespace
}  // namespace vantor::testing
