// The working folders, computed once per process, through copies of
// work_folder_probe.exe; and the caption label and colours of the display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "agent/caption_label_win.h"
#include "agent/system_colour_win.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/program_paths.h"
#include "base/window_helpers.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr FileDate kDate20240517 = ((2024 - 1980) << 9) | (5 << 5) | 17;

// A copy of the probe whose file date has the given time half.
std::string ProbeWithTime(const ScratchFolder& folder, uint16_t dosTime) {
  const std::string program = folder / "wf_probe.exe";
  const std::string probe = ProgramFolder(true) + "work_folder_probe.exe";
  EXPECT_TRUE(CopyFileA(probe.c_str(), program.c_str(), FALSE));
  const UniqueFile file(CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(file && SetFileDate(file.get(), (kDate20240517 << 16) | dosTime)) << program;
  return program;
}

// The probe's output lines.
std::vector<std::string> RunProbe(const ScratchFolder& folder, const std::string& program, const std::string& mode) {
  const std::string output = folder / "output.txt";
  DeleteFileA(output.c_str());
  const ProcessResult result = RunAndWait(Quote(program) + " " + Quote(output) + " " + mode);
  EXPECT_TRUE(result.finished && result.exitCode == 0) << mode << " ended with " << result.exitCode;
  std::vector<std::string> lines;
  const std::string text = ReadWholeFile(output);
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

void MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  WriteWholeFile(path, "busy");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

TEST(WorkFolders, SetupWorkFolder_NamedByTheProgramTimeAndEmptiedOnFirstUse) {
  const ScratchFolder folder("setup");
  const std::string program = ProbeWithTime(folder, 0x6B3A);
  const std::string expected = TempFolder(true) + "SETUP_27450";
  // What a stale run left, a read-only file among it.
  ASSERT_TRUE(ForceDirectories(expected + "\\sub"));
  MakeFile(expected + "\\old.txt");
  MakeFile(expected + "\\sub\\locked.txt", FILE_ATTRIBUTE_READONLY);

  EXPECT_EQ(RunProbe(folder, program, "setup"), (std::vector<std::string>{expected, expected, "made"}));
  EXPECT_TRUE(DirectoryExists(expected));
  EXPECT_TRUE(EntryNames(expected).empty());
  DeleteTree(expected, true);
}

// Another process of the same program file may be working in the folder: a
// process that never used it must leave it alone at its end.
TEST(WorkFolders, RemoveSetupWorkFolder_RemovesOnlyTheFolderThisProcessUsed) {
  const struct Case {
    const char* mode;
    bool folderStays;
  } cases[] = {
      {"end", true},
      {"setup-end", false},
  };
  const ScratchFolder folder("remove");
  const std::string program = ProbeWithTime(folder, 0x1234);
  const std::string workFolder = TempFolder(true) + "SETUP_" + std::to_string(0x1234);
  for (const Case& c : cases) {
    ASSERT_TRUE(ForceDirectories(workFolder));
    MakeFile(workFolder + "\\busy.txt");
    RunProbe(folder, program, c.mode);
    EXPECT_EQ(DirectoryExists(workFolder), c.folderStays) << c.mode;
    EXPECT_EQ(FileIsThere(workFolder + "\\busy.txt"), c.folderStays) << c.mode;
  }
  DeleteTree(workFolder, true);
}

// Wine has the fixed drives C: and Z: only, and the temporary folder on C:,
// so the probes of C:, D: and E: find no better drive than C:. Z: is never
// probed. Whether C:\TEMP exists or not, the probe leaves it as it was.
TEST(WorkFolders, FallbackWorkFolder_EmptyWithOnlyDriveCFixed) {
  ASSERT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
  ASSERT_NE(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_FIXED));
  ASSERT_NE(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_FIXED));
  ASSERT_EQ(TempFolder(false).substr(0, 2), "C:");
  ASSERT_FALSE(DirectoryExists("C:\\TEMP")) << "the prefix is not fresh";

  const ScratchFolder folder("fallback");
  const std::string program = ProbeWithTime(folder, 0);
  const std::vector<std::string> noRoot{"no root", ""};

  EXPECT_EQ(RunProbe(folder, program, "fallback"), noRoot);
  EXPECT_FALSE(DirectoryExists("C:\\TEMP")) << "the probe folder stayed";

  ASSERT_TRUE(ForceDirectories("C:\\TEMP"));
  MakeFile("C:\\TEMP\\keep.txt");
  EXPECT_EQ(RunProbe(folder, program, "fallback"), noRoot);
  EXPECT_EQ(EntryNames("C:\\TEMP"), std::vector<std::string>{"keep.txt"}) << "the probe folder stayed";
  DeleteTree("C:\\TEMP", true);
}

// A static label on a hidden parent, as the progress display has it.
struct LabelWindows {
  LabelWindows()
      : parent(CreateWindowA("STATIC", "", WS_OVERLAPPED, 0, 0, 300, 100, nullptr, nullptr, nullptr, nullptr)),
        label(CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, parent.get(), nullptr, nullptr,
                            nullptr)) {}
  HFONT Font() const { return reinterpret_cast<HFONT>(SendMessageA(label.get(), WM_GETFONT, 0, 0)); }

  UniqueWindow parent;
  UniqueWindow label;
};

TEST(WorkFolders, SetCaptionLabel_RightToLeftForHebrewAndArabicOnly) {
  LabelWindows windows;
  ASSERT_TRUE(windows.label.valid());
  for (const int charset : {177, 0, 178, 1, 161, 186, 204, 255, 177}) {
    const bool rightToLeft = charset == 177 || charset == 178;
    const std::string text = "Caption " + std::to_string(charset);
    SetCaptionLabel(windows.label.get(), text, "Arial", 10, charset);
    const HWND label = windows.label.get();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(label, GWL_EXSTYLE)), rightToLeft ? 0x2000u : 0u) << charset;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(label, GWL_STYLE)), rightToLeft ? 0x50000002u : 0x50000000u)
        << charset;
    EXPECT_EQ(GetWindowTextOf(windows.label.get()), text);
    LOGFONTA font{};
    ASSERT_EQ(GetObjectA(windows.Font(), sizeof font, &font), static_cast<int>(sizeof font)) << charset;
    EXPECT_EQ(font.lfHeight, -PointsToPixels(10));
    EXPECT_EQ(font.lfWeight, FW_DONTCARE);
    EXPECT_EQ(font.lfCharSet, charset);
    EXPECT_STREQ(font.lfFaceName, "Arial");
  }
}

TEST(WorkFolders, SetCaptionLabel_FreesTheFontItReplacesAndTheLastWithTheLabel) {
  LabelWindows windows;
  ASSERT_TRUE(windows.label.valid());
  SetCaptionLabel(windows.label.get(), "one", "Arial", 10, 0);
  const HFONT first = windows.Font();
  SetCaptionLabel(windows.label.get(), "two", "Arial", 12, 0);
  const HFONT second = windows.Font();
  ASSERT_NE(first, second);
  EXPECT_EQ(GetObjectType(first), 0u) << "the replaced font leaked";
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_FONT)) << "the font in use was freed";
  SetCaptionLabel(windows.label.get(), "three", "Arial", 14, 0);
  const HFONT third = windows.Font();
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(GetWindowTextOf(windows.label.get()), "three");
  windows.label.reset();
  EXPECT_EQ(GetObjectType(third), 0u) << "the font outlived its label";
}

TEST(WorkFolders, ResolveColour_NegativeValuesAreSystemColours) {
  EXPECT_EQ(ResolveColour(static_cast<int32_t>(0xFF00000Fu)), GetSysColor(15));
  EXPECT_EQ(ResolveColour(static_cast<int32_t>(0x80000005u)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ResolveColour(0x00FF0000), 0x00FF0000u);
}

}  // namespace
}  // namespace vantor::testing
