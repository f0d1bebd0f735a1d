#include "base/process_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

const ProcessNames kAgent{"C:\\Program Files\\App\\Agent.exe", "Agent.exe", "C:\\PROGRA~1\\App\\Agent.exe"};

TEST(ProcessMatches, FullPathBareNameAndShortFormRules) {
  struct Case {
    const char* label;
    std::string path;
    bool fullPathOnly;
    std::string shortPath;  // the system's short form of path; empty when none
    bool matches;
  } cases[] = {
      {"full path", "C:\\Program Files\\App\\Agent.exe", true, "", true},
      {"full path, other case and blanks", "  c:\\program files\\APP\\agent.EXE ", true, "", true},
      {"bare name", "agent.exe", false, "", true},
      {"bare name when only full paths count", "agent.exe", true, "", false},
      {"same name in another folder", "C:\\Other\\Agent.exe", false, "C:\\Other\\Agent.exe", false},
      {"short form of a long path", "C:\\Program Files\\App\\.\\Agent.exe", true, "C:\\PROGRA~1\\App\\Agent.exe",
       true},
      {"path in quotes", "\"C:\\Program Files\\App\\Agent.exe\"", false, "", false},
      {"blank path", "   ", false, "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProcessMatches(kAgent, MakeProcessTarget(c.path, c.fullPathOnly, c.shortPath)), c.matches) << c.label;
  }
}

// The stand-ins hold "*": read as wildcards they would match "AXE.EXE" and
// any short path holding "XX"; as plain texts they match nothing.
TEST(ProcessMatches, SentinelsAreNoWildcards) {
  const ProcessTarget target = MakeProcessTarget("C:\\Elsewhere\\Axe.exe", true, "");
  EXPECT_EQ(target.bareName, kNoBareName);
  EXPECT_EQ(target.shortPath, kNoShortPath);
  EXPECT_FALSE(WantsShortPaths(target));
  EXPECT_FALSE(ProcessMatches({"C:\\Tools\\AXE.EXE", "AXE.EXE", "C:\\XX\\AXE.EXE"}, target));
  EXPECT_TRUE(ProcessMatches({"C:\\Elsewhere\\AXE.EXE", "AXE.EXE", ""}, target));
  EXPECT_TRUE(WantsShortPaths(MakeProcessTarget("C:\\a.exe", true, "C:\\A.EXE")));
}

// A process whose names could not be read has empty names; a path of blanks
// trims to empty too, and must still find nothing.
TEST(ProcessMatches, UnreadableNamesNeverMatch) {
  const ProcessNames unreadable{"", "", ""};
  EXPECT_FALSE(ProcessMatches(unreadable, MakeProcessTarget("  ", false, "  ")));
  EXPECT_FALSE(ProcessMatches(unreadable, MakeProcessTarget("", false, "")));
}

TEST(LastMatchingProcess, TheLastInTheSystemsListWins) {
  const std::vector<ProcessEntry> processes{
      {4, {"C:\\Windows\\System.exe", "System.exe", ""}},
      {8, {"C:\\A\\Agent.exe", "Agent.exe", ""}},
      {12, {"C:\\B\\Agent.exe", "Agent.exe", ""}},
      {16, {"C:\\Windows\\Explorer.exe", "Explorer.exe", ""}},
  };
  EXPECT_EQ(LastMatchingProcess(processes, MakeProcessTarget("agent.exe", false, "")), 12u);
  EXPECT_EQ(LastMatchingProcess(processes, MakeProcessTarget("C:\\A\\Agent.exe", true, "")), 8u);
  EXPECT_EQ(LastMatchingProcess(processes, MakeProcessTarget("agent.exe", true, "")), 0u);
  EXPECT_EQ(LastMatchingProcess({}, MakeProcessTarget("agent.exe", false, "")), 0u);
}

}  // namespace
}  // namespace vantor
