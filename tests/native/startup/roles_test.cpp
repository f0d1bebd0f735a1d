#include "startup/roles.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

RoleFacts Facts(const char* path, bool agent, uint8_t flags = 0, int64_t span = 1) {
  RoleFacts f;
  f.programPath = path;
  f.agentExeName = "Agent.exe";
  f.isAgentFile = agent;
  f.packageFlags = flags;
  f.spanCdLevel = span;
  return f;
}

TEST(Roles, AgentNamesCompareTrimmedWithoutCase) {
  struct Case {
    const char* path;
    bool agent;
    bool plain;
    bool copy;
  } cases[] = {
      {"C:\\P\\Agent.exe", true, true, false},
      {"C:\\P\\AGENT.EXE", true, true, false},
      {"C:\\P\\X_Agent.exe", true, false, true},
      {"C:\\P\\x_agent.exe", true, false, true},
      {"C:\\P\\Other.exe", true, false, false},
      {"C:\\P\\Agent.exe", false, false, false},  // not marked as agent: a setup file
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsPlainAgent(Facts(c.path, c.agent)), c.plain) << c.path;
    EXPECT_EQ(IsAgentCopy(Facts(c.path, c.agent)), c.copy) << c.path;
  }
}

TEST(Roles, SpanLevelsUseLowBitsAndFlag4) {
  EXPECT_TRUE(IsSpanLevel1(Facts("C:\\s.exe", false, 4, 1)));
  EXPECT_FALSE(IsSpanLevel1(Facts("C:\\s.exe", false, 0, 1)));  // without flag 4 level 1 is ignored
  EXPECT_FALSE(IsSpanLevel1(Facts("C:\\s.exe", false, 4, 2)));
  EXPECT_TRUE(IsSpanLevel2(Facts("C:\\s.exe", false, 0, 2)));  // level 2 ignores the trailer
  EXPECT_TRUE(IsSpanLevel2(Facts("C:\\s.exe", false, 0, (int64_t{1} << 32) + 2)));
  EXPECT_TRUE(IsSpanLevel1(Facts("C:\\s.exe", false, 4 | 16, (int64_t{5} << 32) + 1)));
}

TEST(MainWindowClassFor, AgentsUseNameWithoutExtensionsOthersTheFullPath) {
  EXPECT_EQ(MainWindowClassFor(true, "C:\\P\\Agent.exe"), ".AutoUpdate.Agent");
  EXPECT_EQ(MainWindowClassFor(true, "C:\\P\\X_Agent.exe"), ".AutoUpdate.X_Agent");
  EXPECT_EQ(MainWindowClassFor(true, "C:\\P\\Agent.old.exe"), ".AutoUpdate.Agent");
  EXPECT_EQ(MainWindowClassFor(false, "C:\\Downloads\\setup.exe"), "C:\\Downloads\\setup.exe");
  EXPECT_EQ(AgentCopyWindowClass("Agent.v2.exe"), ".AutoUpdate.X_Agent");
}

}  // namespace
}  // namespace vantor
