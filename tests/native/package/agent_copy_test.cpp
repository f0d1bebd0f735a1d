// The update-agent copy of a setup: program and header records, the setup's
// trailer marked as an agent, readable as an agent file.
#include <gtest/gtest.h>

#include <string>

#include "package/agent_copy.h"
#include "package/file_info.h"
#include "package/package_writer.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

TEST(AgentCopyBytes, ProgramAndHeadersWithTheTrailerMarkedAgent) {
  PackageSpec spec;
  spec.stub = fixtures::PeStub(1024);
  spec.languageTable = "\x02~ENGLISH~s0=Hi~\x02";
  spec.setupDescriptor = "|http://upd/|prod.info|Agent.exe|tok|0|";
  spec.entries.push_back({"Engine.exe", 1, "engine", true, true, ""});
  spec.trailer.flags = 8;
  spec.trailer.createAgent = true;
  const std::string setup = BuildPackage(spec).bytes;
  MemorySource setupSource(setup);
  PackageTrailer trailer;
  ReadTrailer(setupSource, trailer);
  const std::size_t headerEnd = 1024 + 4 + spec.languageTable.size() + 4 + spec.setupDescriptor.size();

  const std::string copy = AgentCopyBytes(setup.substr(0, headerEnd), trailer);
  ASSERT_EQ(copy.size(), headerEnd + 74);
  EXPECT_EQ(copy.substr(0, 252), setup.substr(0, 252));
  EXPECT_EQ(copy.substr(252, 4), std::string(4, '\0'));  // PackageEnd low half cleared
  EXPECT_EQ(copy.substr(256, headerEnd - 256), setup.substr(256, headerEnd - 256));
  // Every trailer byte as in the setup, but agent and TrailerLength.
  const std::string setupTrailer = setup.substr(setup.size() - 74);
  std::string expected = setupTrailer;
  expected[69] = 1;
  EXPECT_EQ(copy.substr(headerEnd), expected);

  MemorySource copySource(copy);
  const TGFileInfo info(&copySource);
  EXPECT_TRUE(info.IsAgent());
  EXPECT_TRUE(info.CreateAgent());
  EXPECT_TRUE(info.CyclingBar());
  EXPECT_EQ(info.SetupDescriptor(), spec.setupDescriptor);
  EXPECT_EQ(info.LanguageTable(), spec.languageTable);
  EXPECT_EQ(info.Trailer().TrailerLength(), 74);
}

TEST(AgentCopyBytes, ShortProgramIsNotExtended) {
  PackageTrailer trailer;
  trailer.SetU32(kOffsetTrailerLength, 60);
  const std::string copy = AgentCopyBytes("MZ-short", trailer);
  ASSERT_EQ(copy.size(), 8u + 74);
  EXPECT_EQ(copy.substr(0, 8), "MZ-short");
  EXPECT_EQ(copy[8 + 69], 1);
  EXPECT_EQ(copy.substr(8 + 70), std::string("\x4A\0\0\0", 4));
}

}  // namespace
}  // namespace vantor
