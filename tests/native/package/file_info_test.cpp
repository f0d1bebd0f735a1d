#include <gtest/gtest.h>

#include <string>

#include "package/file_info.h"
#include "package/package_writer.h"
#include "package/scramble.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

using fixtures::U32Bytes;

std::string Package(const std::string& setupDescriptor, const std::optional<std::string>& webDescriptor,
                    uint8_t flags = 0) {
  PackageSpec spec;
  spec.stub = "program";
  spec.languageTable = "\x02~ENGLISH~s0=Title~\x02";
  spec.setupDescriptor = setupDescriptor;
  spec.webDescriptor = webDescriptor;
  spec.trailer.flags = flags;
  spec.entries.push_back({"a.txt", 0, "content", true, false, ""});
  BuiltPackage built = BuildPackage(spec);
  EXPECT_EQ(built.error, "");
  return built.bytes;
}

TGFileInfo InfoOf(const std::string& bytes) {
  MemorySource source(bytes);
  return TGFileInfo(&source);
}

TEST(TGFileInfo, NoFileGivesEmptyObject) {
  const TGFileInfo info(nullptr);
  for (uint8_t byte : info.Trailer().bytes) EXPECT_EQ(byte, 0);
  EXPECT_EQ(info.LanguageTable(), "");
  EXPECT_EQ(info.SetupDescriptor(), "");
  EXPECT_FALSE(info.MultiPart() || info.WebSetup() || info.IsAgent() || info.QuietFlag());
  EXPECT_EQ(info.SpaceRequiredFor(4096), 0.0);
  EXPECT_EQ(info.InstalledVersionFileName(), ".original");
}

TEST(TGFileInfo, ReadsHeaderTextsAndMovesPayloadOffset) {
  const std::string setup = "|http://x/|upd.info|Agent.exe|tok|0|";
  const std::string web = "|http://w/|setup.exe|1|tok|123|";
  const TGFileInfo info = InfoOf(Package(setup, web));
  EXPECT_EQ(info.LanguageTable(), "\x02~ENGLISH~s0=Title~\x02");
  EXPECT_EQ(info.SetupDescriptor(), setup);
  EXPECT_EQ(info.WebDescriptor(), web);
  EXPECT_EQ(info.Trailer().HeaderCount(), 3);
  // program (7) + three records of 4 + length each.
  EXPECT_EQ(info.Trailer().PayloadOffset(), 7u + 4 + 20 + 4 + setup.size() + 4 + web.size());
}

TEST(TGFileInfo, WrongMagicKeepsTrailerButReadsNoTexts) {
  std::string bytes = Package("|a|b|c|d|1|", std::nullopt, 8);
  bytes[bytes.size() - 74 + 12] = 0;  // damage the magic
  const TGFileInfo info = InfoOf(bytes);
  EXPECT_EQ(info.SetupDescriptor(), "");
  EXPECT_EQ(info.LanguageTable(), "");
  EXPECT_TRUE(info.CyclingBar());
  EXPECT_EQ(info.Trailer().PayloadOffset(), 7u);
}

TEST(TGFileInfo, HeaderLengthPastEndGivesBytesPresent) {
  // A language table that claims 4 GB: the text is the rest of the file, and
  // the descriptor after it lies beyond the end.
  std::string trailer(74, '\0');
  const std::string program = "program";
  trailer.replace(1, 1, "\x02");
  trailer.replace(4, 4, U32Bytes(static_cast<uint32_t>(program.size())));
  trailer.replace(12, 4, U32Bytes(kPackageMagic));
  trailer.replace(70, 4, U32Bytes(74));
  const std::string rest = "some bytes";
  const std::string bytes = program + U32Bytes(0xFFFFFFFF) + rest + trailer;
  const TGFileInfo info = InfoOf(bytes);
  EXPECT_EQ(info.LanguageTable(), rest + trailer);
  EXPECT_EQ(info.SetupDescriptor(), "");
  // 7 + (0xFFFFFFFF + 4) + (0 + 4), modulo 2^32.
  EXPECT_EQ(info.Trailer().PayloadOffset(), 7u + 3u + 4u);
}

TEST(TGFileInfo, DescriptorItems) {
  struct Case {
    const char* descriptor;
    const char* updateBase;
    const char* infoFile;
    const char* installedFile;
    const char* agent;
    bool quiet;
  };
  const Case cases[] = {
      {"|http://h/u/|C:\\x\\upd.tar.info|Agent.exe|t|1|", "http://h/u/", "upd.tar.info", "upd.original", "Agent.exe",
       true},
      {"|http://|.info|.exe|t|0|", "http://", ".info", ".original", ".exe", false},
      {"|||a.exe||", "", "", ".original", "a.exe", false},  // empty items read empty
      {"|b|i.info|a.exe|t|1", "b", "i.info", "i.original", "a.exe", false},  // last item lost without its separator
      {"|b|i|a|t| 1|", "b", "i", "i.original", "a", false},  // only "1" exactly is set
  };
  for (const Case& c : cases) {
    const TGFileInfo info = InfoOf(Package(c.descriptor, std::nullopt));
    EXPECT_EQ(info.UpdateBase(), c.updateBase) << c.descriptor;
    EXPECT_EQ(info.InfoFileName(), c.infoFile) << c.descriptor;
    EXPECT_EQ(info.InstalledVersionFileName(), c.installedFile) << c.descriptor;
    EXPECT_EQ(info.AgentExeName(), c.agent) << c.descriptor;
    EXPECT_EQ(info.QuietFlag(), c.quiet) << c.descriptor;
  }
}

TEST(TGFileInfo, WebDescriptorItemsAndTokens) {
  const std::string token = ScrambleToken("product-42", 99);
  const TGFileInfo info =
      InfoOf(Package("|u|i|a|" + ScrambleToken("setup-token", 5) + "|0|", "|http://w/|full.exe|1|" + token + "|5000|"));
  EXPECT_EQ(info.WebBase(), "http://w/");
  EXPECT_EQ(info.SetupFileName(), "full.exe");
  EXPECT_TRUE(info.NoLocalLookup());
  EXPECT_EQ(info.WebToken(false), token);
  EXPECT_EQ(info.WebToken(true), "product-42");
  EXPECT_EQ(info.SetupToken(true), "setup-token");
  EXPECT_EQ(info.SetupFileSizeText(), "5000");
}

TEST(TGFileInfo, SameWebTokenComparesCheckedTokens) {
  auto web = [](const std::string& token) { return "|w|s|0|" + token + "|1|"; };
  const TGFileInfo mine = InfoOf(Package("|a|", web(ScrambleToken("same", 1))));
  const TGFileInfo sameOther = InfoOf(Package("|a|", web(ScrambleToken("same", 2))));
  const TGFileInfo different = InfoOf(Package("|a|", web(ScrambleToken("other", 1))));
  // Seven bytes 0, 0, 0, 0, 0, 0, 1: the check byte 0 differs from the sum 1.
  const TGFileInfo broken = InfoOf(Package("|a|", web("bbbbbbbbbbbbbc")));
  EXPECT_TRUE(mine.SameWebToken(sameOther));
  EXPECT_FALSE(mine.SameWebToken(different));
  EXPECT_FALSE(mine.SameWebToken(broken));
  // Tokens that do not check never match, not even each other.
  EXPECT_FALSE(broken.SameWebToken(broken));
}

TEST(TGFileInfo, FlagAccessors) {
  const struct {
    uint8_t flags;
    bool (TGFileInfo::*accessor)() const;
  } cases[] = {{kFlagTempDriveNotice, &TGFileInfo::TempDriveNotice},
               {kFlagMultiPart, &TGFileInfo::MultiPart},
               {kFlagCdStart, &TGFileInfo::CdStart},
               {kFlagCyclingBar, &TGFileInfo::CyclingBar},
               {kFlagLogging, &TGFileInfo::Logging}};
  for (const auto& c : cases) {
    const TGFileInfo on = InfoOf(Package("|a|", std::nullopt, c.flags));
    const TGFileInfo others = InfoOf(Package("|a|", std::nullopt, static_cast<uint8_t>(0xFF & ~c.flags)));
    EXPECT_TRUE((on.*c.accessor)()) << int(c.flags);
    EXPECT_FALSE((others.*c.accessor)()) << int(c.flags);
  }
}

}  // namespace
}  // namespace vantor
