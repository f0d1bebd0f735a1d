#include "package/engine_command.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(EngineCommandLine, ExamplesOfTheLaunchSequence) {
  struct Case {
    const char* item;
    const char* launcherArgs;
    bool isAgent;
    const char* expected;
  } cases[] = {
      {"Engine.exe*", "/hide", false,
       "C:\\Temp\\SETUP_27450\\Engine.exe /hide /TH_ID=_1234 /OriginExe=\"C:\\Downloads\\setup.exe\""},
      {"Engine.exe*/LANG=2", "/hide", false,
       "C:\\Temp\\SETUP_27450\\Engine.exe /hide /LANG=2 /TH_ID=_1234 /OriginExe=\"C:\\Downloads\\setup.exe\""},
      {"Engine.exe", "", false,
       "C:\\Temp\\SETUP_27450\\Engine.exe /TH_ID=_1234 /OriginExe=\"C:\\Downloads\\setup.exe\""},
      // An origin already on the launcher's line is passed through, not added twice.
      {"Engine.exe*", "/OriginExe=\"D:\\setup.exe\"", false,
       "C:\\Temp\\SETUP_27450\\Engine.exe /OriginExe=\"D:\\setup.exe\" /TH_ID=_1234"},
      // The CD stage's switches never reach the engine.
      {" Engine.exe * ", "/SpanCdLvl=2 /SpanDiskFName1=\"D:\\setup.exe.001\" /X=1", true,
       "C:\\Temp\\SETUP_27450\\Engine.exe /X=1 /TH_ID=_1234 /OriginExe=\"C:\\Downloads\\setup.exe\" "
       "/AutoUpdateProg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EngineCommandLine("C:\\Temp\\SETUP_27450", SplitCommandItem(c.item), c.launcherArgs, EngineToken(1234),
                                "C:\\Downloads\\setup.exe", c.isAgent),
              c.expected)
        << c.item << " / " << c.launcherArgs;
  }
}

TEST(EngineCommandLine, NamesDerivedFromTheToken) {
  EXPECT_EQ(EngineToken(1234), "_1234");
  EXPECT_EQ(EngineAtomName("_1234"), "AutoUpdateAtomTokenByVantor_1234");
  EXPECT_EQ(EngineWindowClass("_1234"), ".SDialog_Class_Name._1234");
}

TEST(RemoveSwitch, SwitchValueAndBlanksUpToTheNextSwitch) {
  EXPECT_EQ(RemoveSwitch("a /SpanCdLvl=2 /X=1", "/SpanCdLvl="), "a /X=1");
  EXPECT_EQ(RemoveSwitch("/X=1 /SpanCdLvl=2", "/SpanCdLvl="), "/X=1 ");
  EXPECT_EQ(RemoveSwitch("/X=1", "/SpanCdLvl="), "/X=1");
  EXPECT_EQ(RemoveSwitch("/spancdlvl=2 /X", "/SpanCdLvl="), "/spancdlvl=2 /X");  // case counts
  // A value holding "/" is cut there: its rest stays behind.
  EXPECT_EQ(RemoveSwitch("/SpanDiskFName1=D:/a /X", "/SpanDiskFName1="), "/a /X");
}

TEST(TempSpaceQuestion, NoticeOrShortageAndFiguresFilledIn) {
  const TempSpaceTexts t{"s2(<DRIVE>)", "s3(<DRIVE>)", "[<SPACE_REQ>]", "[<SPACE_AVAIL>]", "s6"};
  EXPECT_EQ(TempSpaceQuestion(t, false, 10, 20, "c:\\temp"), "");
  EXPECT_EQ(TempSpaceQuestion(t, true, 524288, 1572864, "c:\\temp"), "s2(C:)[0.500][1.50]s6");
  EXPECT_EQ(TempSpaceQuestion(t, false, 20, 20, "D:\\t"), "s3(D:)[0.000][0.000]s6");  // equal counts as short
  EXPECT_EQ(TempSpaceQuestion(t, true, 30, 20, ""), "s3()[0.000][0.000]s6");
}

}  // namespace
}  // namespace vantor
