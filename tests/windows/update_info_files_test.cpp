// The agent's .original and .info files read and written through the real
// profile functions, in a scratch folder standing for the agent's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <limits>
#include <string>

#include "agent/overrides.h"
#include "agent/update_info_files.h"
#include "agent/update_info_files_win.h"
#include "base/ini_files_win.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

class UpdateInfoFiles : public ::testing::Test {
 protected:
  UpdateInfoFiles() : files_{folder_ / "Widget.original", folder_ / "Widget.info"} {}

  void WriteOriginal(const std::string& text) { WriteWholeFile(files_.original, text); }
  void WriteInfo(const std::string& text) { WriteWholeFile(files_.info, text); }

  ScratchFolder folder_{"agent_ini"};
  AgentIniFiles files_;
};

TEST_F(UpdateInfoFiles, WithoutFilesEveryKeyReadsItsDefault) {
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::VersionOriginal), 0);
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::ProbeSecondsLast), 0);
  EXPECT_EQ(ReadAgentInt(files_, NewSetup::VersionNew), 0);
  EXPECT_EQ(ReadAgentInt(files_, MsgBox::FontSize), 8);
  EXPECT_EQ(ReadAgentInt(files_, AutoInform::AutoInformW), 360);
  EXPECT_EQ(ReadAgentInt(files_, AutoInform::AutoInformH), 360);
  EXPECT_EQ(ReadAgentText(files_, MsgBox::BtnText), "|&OK|&Cancel|&Yes|&No|&Abort|&Retry|&Ignore|");
  EXPECT_EQ(ReadAgentText(files_, MsgBox::FontName), "Tahoma");
  EXPECT_EQ(ReadAgentText(files_, MsgBox::Error), "Error");
  EXPECT_EQ(ReadAgentText(files_, AutoUpdate::s31), "Downloading INFO File...");
  EXPECT_EQ(ReadAgentText(files_, AutoUpdate::s22), "");
  EXPECT_EQ(ReadAgentText(files_, NewSetup::DownloadURL_UPDATE), "");
  EXPECT_FALSE(ReadAgentFlag(files_, Overrides{}, NewSetup::RequestConfirmationBeforeDownload));
  EXPECT_FALSE(ReadAgentFlag(files_, Overrides{}, NewSetup::RemoveStartUpShortcut));
  EXPECT_FALSE(IsAutoInform(files_));
}

TEST_F(UpdateInfoFiles, EachKeyReadsFromItsOwnFile) {
  WriteOriginal(
      "[OriginalSetup]\r\nVersionOriginal=120\r\nStamp=-5\r\nProgramName=Widget Pro\r\n"
      "[Directories]\r\nTargetDir=C:\\Widget\r\n[MsgBox]\r\nFontName=Arial\r\nCharSet=177\r\n"
      "[NewSetup]\r\nVersionNew=999\r\n");
  WriteInfo(
      "[NewSetup]\r\nVersionNew=130\r\nStamp=77\r\nProgramName=Widget Pro 2\r\nSizeOfUpdateFile=4294967296\r\n"
      "ValidVersions=100,110,120\r\n[OriginalSetup]\r\nVersionOriginal=999\r\n"
      "[AutoInform]\r\nAutoInformW=640\r\nNameOfInformFile=news.txt\r\n");
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::VersionOriginal), 120);
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::Stamp), -5);
  EXPECT_EQ(ReadAgentText(files_, OriginalSetup::ProgramName), "Widget Pro");
  EXPECT_EQ(ReadAgentText(files_, Directories::TargetDir), "C:\\Widget");
  EXPECT_EQ(ReadAgentText(files_, MsgBox::FontName), "Arial");
  EXPECT_EQ(ReadAgentInt(files_, MsgBox::CharSet), 177);
  EXPECT_EQ(ReadAgentInt(files_, NewSetup::VersionNew), 130);
  EXPECT_EQ(ReadAgentInt(files_, NewSetup::Stamp), 77);
  EXPECT_EQ(ReadAgentText(files_, NewSetup::ProgramName), "Widget Pro 2");
  EXPECT_EQ(ReadAgentInt(files_, NewSetup::SizeOfUpdateFile), 4294967296);
  EXPECT_EQ(ReadAgentText(files_, NewSetup::ValidVersions), "100,110,120");
  EXPECT_EQ(ReadAgentInt(files_, AutoInform::AutoInformW), 640);
  EXPECT_EQ(ReadAgentInt(files_, AutoInform::AutoInformH), 360);
  EXPECT_EQ(ReadAgentText(files_, AutoInform::NameOfInformFile), "news.txt");
}

TEST_F(UpdateInfoFiles, BadIntegersReadTheirDefault) {
  WriteOriginal("[OriginalSetup]\r\nVersionOriginal=1.2\r\n[MsgBox]\r\nFontSize=big\r\n");
  WriteInfo("[AutoInform]\r\nAutoInformH=\r\n[NewSetup]\r\nVersionNew=12 b\r\n");
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::VersionOriginal), 0);
  EXPECT_EQ(ReadAgentInt(files_, MsgBox::FontSize), 8);
  EXPECT_EQ(ReadAgentInt(files_, AutoInform::AutoInformH), 360);
  EXPECT_EQ(ReadAgentInt(files_, NewSetup::VersionNew), 0);
}

TEST_F(UpdateInfoFiles, FlagsAreTrueOnlyForOne) {
  const struct {
    const char* text;
    bool expected;
  } cases[] = {{"1", true}, {"yes", false}, {"true", false}, {"0", false}, {"2", false}, {"01", false}, {"", false}};
  for (const auto& c : cases) {
    WriteInfo(std::string("[NewSetup]\r\nRequestConfirmationBeforeDownload=") + c.text + "\r\nRemoveStartUpShortcut=" +
              c.text + "\r\n");
    EXPECT_EQ(ReadAgentFlag(files_, Overrides{}, NewSetup::RequestConfirmationBeforeDownload), c.expected) << c.text;
    EXPECT_EQ(ReadAgentFlag(files_, Overrides{}, NewSetup::RemoveStartUpShortcut), c.expected) << c.text;
  }
}

TEST_F(UpdateInfoFiles, SetOverridesBeatTheFile) {
  WriteInfo(
      "[NewSetup]\r\nRequestConfirmationBeforeDownload=1\r\nRequestConfirmationBeforeInstall=0\r\n"
      "BackgroundUpdate=1\r\nRemoveCheckForNewUpdateShortcut=1\r\n");
  Overrides overrides;
  EXPECT_TRUE(ReadAgentFlag(files_, overrides, NewSetup::RequestConfirmationBeforeDownload));
  EXPECT_FALSE(ReadAgentFlag(files_, overrides, NewSetup::RequestConfirmationBeforeInstall));

  SetOverride(overrides, 2, 0);
  SetOverride(overrides, 3, 1);
  SetOverride(overrides, 4, 2);
  EXPECT_FALSE(ReadAgentFlag(files_, overrides, NewSetup::RequestConfirmationBeforeDownload));
  EXPECT_TRUE(ReadAgentFlag(files_, overrides, NewSetup::RequestConfirmationBeforeInstall));
  EXPECT_FALSE(ReadAgentFlag(files_, overrides, NewSetup::BackgroundUpdate));
  // Only the eight listed switches have overrides.
  for (int number = 1; number <= kOverrideCount; ++number) SetOverride(overrides, number, 0);
  EXPECT_TRUE(ReadAgentFlag(files_, overrides, NewSetup::RemoveCheckForNewUpdateShortcut));

  SetOverride(overrides, 2, 255);
  EXPECT_TRUE(ReadAgentFlag(files_, overrides, NewSetup::RequestConfirmationBeforeDownload));
}

TEST_F(UpdateInfoFiles, OverrideListFromAnotherInstanceSteersTheReads) {
  WriteInfo("[NewSetup]\r\nInformFinish=1\r\nRestartProcess=0\r\nRequestConfirmationBeforeInstallForce=0\r\n");
  Overrides sender;
  SetOverride(sender, 5, 0);
  SetOverride(sender, 6, 1);
  SetOverride(sender, 8, 1);
  Overrides receiver;
  ParseOverrides(FormatOverrides(sender), receiver);
  EXPECT_FALSE(ReadAgentFlag(files_, receiver, NewSetup::InformFinish));
  EXPECT_TRUE(ReadAgentFlag(files_, receiver, NewSetup::RestartProcess));
  EXPECT_TRUE(ReadAgentFlag(files_, receiver, NewSetup::RequestConfirmationBeforeInstallForce));
  EXPECT_FALSE(ReadAgentFlag(files_, receiver, NewSetup::RequestConfirmationBeforeDownloadForce));
}

TEST_F(UpdateInfoFiles, IsAutoInform_OnlyForTheNumberOne) {
  const struct {
    const char* text;
    bool expected;
  } cases[] = {{"1", true}, {"$1", true}, {"0", false}, {"2", false}, {"yes", false}, {"257", false}};
  for (const auto& c : cases) {
    WriteInfo(std::string("[General]\r\nAutoInform=") + c.text + "\r\n");
    EXPECT_EQ(IsAutoInform(files_), c.expected) << c.text;
  }
}

TEST_F(UpdateInfoFiles, LoadAgentString_TextOfTheOriginalFileOrTheDefault) {
  EXPECT_EQ(LoadAgentString(files_, "s3", "File Download Aborted!"), "File Download Aborted!");
  const std::string question = "Check for a new version of <B>PROG_NAME<B>?<P>" + std::string(5000, 'x');
  WriteOriginal("[AutoUpdate]\r\ns22=" + question + "\r\ns23=\r\n");
  WriteInfo("[AutoUpdate]\r\ns3=from the info file\r\n");
  EXPECT_EQ(LoadAgentString(files_, "s22", "def"), question);
  EXPECT_EQ(LoadAgentString(files_, "s23", "def"), "");
  EXPECT_EQ(LoadAgentString(files_, "s3", "File Download Aborted!"), "File Download Aborted!");
  EXPECT_EQ(ReadAgentText(files_, AutoUpdate::s22), question);
}

TEST_F(UpdateInfoFiles, SecondsWritesPutAReadableTwinBeside) {
  WriteOriginal("[OriginalSetup]\r\nVersionOriginal=120\r\n[MsgBox]\r\nFontName=Arial\r\n");
  ASSERT_TRUE(WriteAgentSeconds(files_, OriginalSetup::ProbeSecondsLast, 3283200000));
  ASSERT_TRUE(WriteAgentSeconds(files_, OriginalSetup::ReAskSecondsLast, 3283200000 + 14 * 3600 + 5 * 60 + 9));

  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::ProbeSecondsLast), 3283200000);
  const std::string text = ReadWholeFile(files_.original);
  EXPECT_NE(text.find("ProbeSecondsLast=3283200000\r\n__ProbeSecondsLast=14-JAN-2004  00:00:00\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("__ReAskSecondsLast=14-JAN-2004  14:05:09\r\n"), std::string::npos) << text;
  // The product's own keys stay.
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::VersionOriginal), 120);
  EXPECT_EQ(ReadAgentText(files_, MsgBox::FontName), "Arial");
  EXPECT_FALSE(FileIsThere(files_.info));
}

TEST_F(UpdateInfoFiles, TwinUsesTheUsersTimeSeparator) {
  ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, "."));
  const bool written = WriteAgentSeconds(files_, OriginalSetup::ProbeSecondsLast, 3283200000 + 3661);
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, ":");
  ASSERT_TRUE(written);
  EXPECT_EQ(ReadIniString(files_.original, "OriginalSetup", "__ProbeSecondsLast", ""), "14-JAN-2004  01.01.01");
}

TEST_F(UpdateInfoFiles, IntegerWritesCreateTheFileAndReadBack) {
  const struct {
    IntKey key;
    int64_t value;
  } cases[] = {
      {OriginalSetup::ProbeSecondsInterval, -1},
      {OriginalSetup::ReAskSecondsInterval, 7 * 86400},
      {OriginalSetup::VersionOriginal, int32_t{-2}},  // 32-bit values arrive sign-extended
      {OriginalSetup::Stamp, std::numeric_limits<int32_t>::max()},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteAgentInt(files_, c.key, c.value)) << c.key.name;
    EXPECT_EQ(ReadAgentInt(files_, c.key), c.value) << c.key.name;
  }
  EXPECT_NE(ReadWholeFile(files_.original).find("VersionOriginal=-2\r\n"), std::string::npos);
}

TEST_F(UpdateInfoFiles, SecondsOutsideTheCalendarKeepTheNumberWithAnEmptyTwin) {
  ASSERT_TRUE(WriteAgentSeconds(files_, OriginalSetup::ReAskSecondsLast, 3283200000));
  ASSERT_TRUE(WriteAgentSeconds(files_, OriginalSetup::ReAskSecondsLast, std::numeric_limits<int64_t>::max()));
  EXPECT_EQ(ReadAgentInt(files_, OriginalSetup::ReAskSecondsLast), std::numeric_limits<int64_t>::max());
  const std::string text = ReadWholeFile(files_.original);
  EXPECT_NE(text.find("__ReAskSecondsLast=\r\n"), std::string::npos) << text;
}

TEST_F(UpdateInfoFiles, WritesFailWhenTheFolderIsGone) {
  const AgentIniFiles gone{folder_ / "gone\\Widget.original", folder_ / "gone\\Widget.info"};
  EXPECT_FALSE(WriteAgentInt(gone, OriginalSetup::VersionOriginal, 5));
  EXPECT_FALSE(WriteAgentSeconds(gone, OriginalSetup::ProbeSecondsLast, 3283200000));
  EXPECT_EQ(ReadAgentInt(gone, OriginalSetup::VersionOriginal), 0);
}

}  // namespace
}  // namespace vantor::testing
