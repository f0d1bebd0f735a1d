// The debug-viewer channel as the viewer sees it: pieces of at most 128
// characters, each line's last piece ending with a single line feed.
#include <gtest/gtest.h>

#include <string>

#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

// An agent under its own name makes no copy and ends at once while its copy
// runs: a window of the copy's class stands in for it.
std::string PackQuickAgent(const ScratchFolder& folder) {
  const std::string payload = folder / "a.txt";
  WriteWholeFile(payload, "a");
  const std::string agent = folder / "Agent.exe";
  Pack("setup --stub " + Quote(ToolPath("VantorStub.exe")) + " --out " + Quote(agent) +
       " --agent --agent-name Agent.exe --file " + Quote(payload));
  return agent;
}

TEST(DebugChannel, LongLineArrivesIn128CharacterPiecesFromSource2) {
  ScratchFolder folder("debug");
  const std::string plain = PackQuickAgent(folder);
  const std::string commandLine = Quote(plain) + " /LONG=" + std::string(260, 'x');
  const ClassWindow copyStandIn(".AutoUpdate.X_Agent");
  DebugViewer viewer(folder / "viewer.txt");
  const ProcessResult r = RunAndWait(commandLine);
  ASSERT_TRUE(r.finished);

  const std::string startLine = std::to_string(r.processId) + " ==== STUB START ====> " + commandLine + "<\n";
  ASSERT_GT(startLine.size(), 256u);
  ASSERT_LT(startLine.size(), 384u);
  const auto pieces = viewer.Pieces();
  ASSERT_GE(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].text.size(), 128u);
  EXPECT_EQ(pieces[1].text.size(), 128u);
  EXPECT_EQ(pieces[2].text.size(), startLine.size() - 256);
  EXPECT_EQ(pieces[0].text + pieces[1].text + pieces[2].text, startLine);
  for (const auto& piece : pieces) {
    EXPECT_EQ(piece.source, 2u);
    EXPECT_EQ(piece.text.find('\r'), std::string::npos) << "no carriage return on this channel";
  }
}

TEST(DebugChannel, ProgramRunsWithoutViewer) {
  ScratchFolder folder("noviewer");
  const std::string plain = PackQuickAgent(folder);
  ASSERT_EQ(FindWindowA(".VDebug.", nullptr), nullptr);
  const ClassWindow copyStandIn(".AutoUpdate.X_Agent");
  const ProcessResult r = RunAndWait(Quote(plain));
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 0u);
}

}  // namespace
}  // namespace vantor::testing
