// The update cycle's shut-down methods, question keys and command lines.
#include <gtest/gtest.h>

#include "agent/update_cycle_steps.h"

namespace vantor {
namespace {

TEST(ParseShutDownMethod, ExactTextsAndEverythingElseWaits) {
  EXPECT_EQ(ParseShutDownMethod("Issue a Message Box"), ShutDownMethod::MessageBox);
  EXPECT_EQ(ParseShutDownMethod("Using WM_CLOSE"), ShutDownMethod::WmClose);
  EXPECT_EQ(ParseShutDownMethod("Using WM_QUIT"), ShutDownMethod::WmQuit);
  EXPECT_EQ(ParseShutDownMethod("Using Terminate Process"), ShutDownMethod::Terminate);
  EXPECT_EQ(ParseShutDownMethod("Don't Shut Down"), ShutDownMethod::DontShutDown);
  for (const char* other : {"", "using wm_close", "Using WM_CLOSE ", "Terminate"}) {
    EXPECT_EQ(ParseShutDownMethod(other), ShutDownMethod::WaitOnly) << other;
  }
}

TEST(DownloadQuestionTailKey, ForceAndInstallChooseTheTail) {
  EXPECT_EQ(DownloadQuestionTailKey(false, false), "s12");
  EXPECT_EQ(DownloadQuestionTailKey(false, true), "s13");
  EXPECT_EQ(DownloadQuestionTailKey(true, false), "s18");
  EXPECT_EQ(DownloadQuestionTailKey(true, true), "s19");
}

TEST(CycleCommands, SwitchesForTheEngineAndTheRestartedAgent) {
  EXPECT_EQ(OriginalInfoFileSwitch("C:\\Apps\\Setup.1.0.info"), "/OriginalInfoFile=\"C:\\Apps\\Setup.1.0.info\"");
  EXPECT_EQ(RestartCommand("C:\\Program Files\\Ed\\", "Agent.exe", Overrides{}),
            "\"C:\\Program Files\\Ed\\Agent.exe\" /_ZZ=99 /WAIT=10 /TRANSIENT=|255|255|255|255|255|255|255|255|");
  Overrides set;
  SetOverride(set, 2, 1);
  EXPECT_EQ(RestartCommand("D:\\", "Agent.exe", set),
            "\"D:\\Agent.exe\" /_ZZ=99 /WAIT=10 /TRANSIENT=|255|1|255|255|255|255|255|255|");
}

}  // namespace
}  // namespace vantor
