// Markup boxes in processes of their own (box_probe.exe), for what is fixed
// per process: developer mode, read once from DVX, and a missing rich-edit
// library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/disabled_library.h"
#include "tests/windows/support/test_support.h"
#include "ui/message_box.h"

// <windows.h> maps MessageBox to MessageBoxA; the suites are named after our box.
#undef MessageBox

namespace vantor::testing {
namespace {

std::string ProbePath() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string path = self;
  return path.substr(0, path.rfind('\\') + 1) + "box_probe.exe";
}

// Starts a copy of box_probe.exe with one environment variable set (or
// removed, for a null value).
UniqueKernelHandle StartProbe(const std::string& program, const std::string& arguments, const char* name,
                              const char* value) {
  std::string line = Quote(program) + " " + arguments;
  char saved[1024] = {};
  const DWORD savedLength = GetEnvironmentVariableA(name, saved, sizeof saved);
  SetEnvironmentVariableA(name, value);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  SetEnvironmentVariableA(name, savedLength > 0 ? saved : nullptr);
  if (!started) {
    ADD_FAILURE() << "cannot start " << line;
    return UniqueKernelHandle();
  }
  const UniqueKernelHandle thread(pi.hThread);
  return UniqueKernelHandle(pi.hProcess);
}

struct ProbeRun {
  BoxLook look;
  DWORD exitCode = 0;
};

ProbeRun RunProbe(const std::string& program, const std::string& arguments, const char* name = "DVX",
                  const char* value = nullptr) {
  ProbeRun run;
  BoxDriver driver([&](HWND box) {
    run.look = LookAt(box);
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  const UniqueKernelHandle process = StartProbe(program, arguments, name, value);
  if (process) {
    EXPECT_EQ(WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.get(), &run.exitCode);
  }
  driver.Finish();
  return run;
}

TEST(MessageBox, DeveloperMode_MovesTheStoreEntryQuestion150PixelsDownAndRight) {
  const std::string question = "0x24 \"Do you want to store the new Entry in the list?\"";
  const ProbeRun plain = RunProbe(ProbePath(), question);
  const ProbeRun developer = RunProbe(ProbePath(), question, "DVX", "974");
  const ProbeRun other = RunProbe(ProbePath(), "0x24 \"Do you want to continue?\"", "DVX", "974");
  EXPECT_EQ(plain.exitCode, static_cast<DWORD>(kBoxYes));
  EXPECT_EQ(developer.exitCode, static_cast<DWORD>(kBoxYes));
  EXPECT_EQ(developer.look.window.left - plain.look.window.left, 150);
  EXPECT_EQ(developer.look.window.top - plain.look.window.top, 150);
  const RECT area = GetWorkArea();
  EXPECT_EQ(other.look.window.left, area.left + (Width(area) - Width(other.look.window)) / 2);
}

TEST(MessageBox, WithoutRichEditLibrary_ShowsThePlainTextInAnEditControl) {
  ScratchFolder folder("norich");
  const std::string program = folder / "box_probe_norich.exe";
  ASSERT_TRUE(CopyFileA(ProbePath().c_str(), program.c_str(), FALSE));
  const DisabledLibraryFor disabled("box_probe_norich.exe", "riched32");
  const ProbeRun run = RunProbe(program, "0x1 \"<B>Setup</B><P>Insert disk 2.\"");
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(kBoxOk));
  EXPECT_EQ(run.look.textClass, "Edit");
  EXPECT_EQ(run.look.shown, "Setup\r\nInsert disk 2.");
  EXPECT_EQ(run.look.buttonCaptions, (std::vector<std::string>{"&OK", "&Cancel"}));
}

}  // namespace
}  // namespace vantor::testing
