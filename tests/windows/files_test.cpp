// The file-system utilities against Wine's real file system: reads and writes
// at their limits, dates, pattern and tree deletion, tree searches, disks, and
// a program that removes its own file after it has ended.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/file_rules.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/program_paths.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;
constexpr int64_t kGiB = 1024ll * 1024 * 1024;

std::string Pattern(std::size_t length) {
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 23);
  return text;
}

void MakeFolder(const std::string& path, DWORD attributes = 0) {
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
  if (attributes != 0) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
  }
}

void MakeFile(const std::string& path, DWORD attributes = 0) {
  WriteWholeFile(path, "data");
  ASSERT_TRUE(FileIsThere(path)) << path;
  if (attributes != 0) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
  }
}

FileDate PackDosDate(int year, int month, int day, int hour, int minute, int second) {
  const auto date = static_cast<FileDate>(((year - 1980) << 9) | (month << 5) | day);
  const auto time = static_cast<FileDate>((hour << 11) | (minute << 5) | (second / 2));
  return (date << 16) | time;
}

FileDate LastWriteDosDate(const std::string& path) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr));
  FILETIME utc, local;
  WORD date = 0, time = 0;
  if (!file || !GetFileTime(file.get(), nullptr, nullptr, &utc) || !FileTimeToLocalFileTime(&utc, &local) ||
      !FileTimeToDosDateTime(&local, &date, &time)) {
    ADD_FAILURE() << "no date for " << path;
  }
  return (static_cast<FileDate>(date) << 16) | time;
}

// The test sets TMP for the programs it starts, and puts it back.
class TempFolderOverride {
 public:
  explicit TempFolderOverride(const std::string& folder) {
    char previous[MAX_PATH] = {};
    hadValue_ = GetEnvironmentVariableA("TMP", previous, sizeof previous) != 0;
    previous_ = previous;
    SetEnvironmentVariableA("TMP", folder.c_str());
  }
  ~TempFolderOverride() { SetEnvironmentVariableA("TMP", hadValue_ ? previous_.c_str() : nullptr); }
  TempFolderOverride(const TempFolderOverride&) = delete;
  TempFolderOverride& operator=(const TempFolderOverride&) = delete;

 private:
  bool hadValue_ = false;
  std::string previous_;
};

// A message-mode pipe that records the size of every write it receives, so
// the chunks of one WriteTextFile call can be seen; it hangs up after
// stopAfter messages.
class PipeRecorder {
 public:
  explicit PipeRecorder(std::size_t stopAfter = SIZE_MAX)
      : name_("\\\\.\\pipe\\vt_files_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count_)),
        pipe_(CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                               1, 0, 0, 0, nullptr)) {
    EXPECT_TRUE(pipe_.valid());
    reader_ = std::thread([this, stopAfter] {
      ConnectNamedPipe(pipe_.get(), nullptr);
      std::string buffer(2 * kMiB, '\0');
      DWORD got = 0;
      while (sizes_.size() < stopAfter &&
             ReadFile(pipe_.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
        sizes_.push_back(got);
      }
      pipe_.reset();
    });
  }
  ~PipeRecorder() { Finish(); }
  PipeRecorder(const PipeRecorder&) = delete;
  PipeRecorder& operator=(const PipeRecorder&) = delete;

  const std::string& name() const { return name_; }
  std::vector<std::size_t> Sizes() {
    Finish();
    return sizes_;
  }

 private:
  void Finish() {
    if (!reader_.joinable()) return;
    // Should the writer never have connected, this connection ends the reader's wait.
    UniqueFile(CreateFileA(name_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    reader_.join();
  }

  static inline unsigned count_ = 0;
  std::string name_;
  UniqueFile pipe_;
  std::vector<std::size_t> sizes_;
  std::thread reader_;
};

// Wine 8 cannot create links itself (CreateSymbolicLink does nothing), but it
// shows a Unix symbolic link as a linked folder, and it runs Unix programs.
void MakeUnixLink(const std::string& link, const std::string& target) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  ASSERT_NE(unixName, nullptr) << "not running under Wine";
  auto toUnix = [unixName](const std::string& path) {
    const std::wstring wide(path.begin(), path.end());
    char* name = unixName(wide.c_str());
    std::string result = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return result;
  };
  // A Unix process gives Wine no handle to wait on: the link is polled for.
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "/bin/ln -s " + toUnix(target) + " " + toUnix(link);
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
  ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; })) << command;
  ASSERT_EQ(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, DWORD{FILE_ATTRIBUTE_REPARSE_POINT})
      << "the link is not shown as a link";
}

class Files : public ::testing::Test {
 protected:
  ScratchFolder scratch{"files"};
};

TEST_F(Files, ReadFileText_OffsetAndMaximum) {
  const std::string path = scratch / "abcd.txt";
  WriteWholeFile(path, "abcd");
  struct Case {
    uint64_t maximum;
    int64_t offset;
    const char* text;
  } cases[] = {
      {0, 0, "abcd"}, {10, 0, "abcd"}, {2, 1, "bc"}, {0, 3, "d"}, {0, 4, ""}, {0, 5, ""}, {0, -1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadFileText(path, c.maximum, c.offset), c.text) << "maximum " << c.maximum << " offset " << c.offset;
  }
  EXPECT_EQ(ReadFileText(scratch / "missing.txt", 0, 0), "");
  EXPECT_EQ(ReadFileText(scratch.path(), 0, 0), "");
}

TEST_F(Files, ReadFileText_ReadsAFileThatAnotherHandleWrites) {
  const std::string path = scratch / "log.txt";
  UniqueFile writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(writer.valid());
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(writer.get(), "line\r\n", 6, &written, nullptr));
  EXPECT_EQ(ReadFileText(path, 0, 0), "line\r\n");
}

TEST_F(Files, ReadFileText_FileOver4GiBReadsByOffsetButNotWhole) {
  const std::string path = scratch / "big.bin";
  const int64_t size = 5 * kGiB;
  {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file.valid());
    ASSERT_EQ(FileSeek64(file.get(), 0, size - 4), size - 4);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.get(), "WXYZ", 4, &written, nullptr));  // the rest stays a hole
    EXPECT_EQ(FileSize64(file.get()), static_cast<uint64_t>(size));
  }
  EXPECT_EQ(FileSizeByName(path), static_cast<uint64_t>(size));
  EXPECT_EQ(ReadFileText(path, 0, size - 4), "WXYZ");
  EXPECT_EQ(ReadFileText(path, 2, size - 3), "XY");
  EXPECT_EQ(ReadFileText(path, 3, 4 * kGiB), std::string(3, '\0'));
  // 5 GiB do not fit one read; the low 32 bits (1 GiB) would be the wrong text.
  EXPECT_EQ(ReadFileText(path, 0, 0), "");
}

TEST_F(Files, FileSeek64_EachOriginAndAFailure) {
  const std::string path = scratch / "ten.bin";
  WriteWholeFile(path, "0123456789");
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(file.valid());
  struct Case {
    int origin;
    int64_t offset, position;
  } cases[] = {{0, 3, 3}, {1, 2, 5}, {2, -4, 6}, {1, -1, 5}, {0, -1, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(FileSeek64(file.get(), c.origin, c.offset), c.position) << c.origin << " " << c.offset;
  }
}

TEST_F(Files, FileSizeByName_FirstMatchOfAPatternOrZero) {
  WriteWholeFile(scratch / "only.bin", "12345");
  EXPECT_EQ(FileSizeByName(scratch / "only.bin"), 5u);
  EXPECT_EQ(FileSizeByName(scratch / "*.bin"), 5u);
  EXPECT_EQ(FileSizeByName(scratch / "*.none"), 0u);
}

TEST_F(Files, WriteTextFile_ChunksSeenByAPipeReader) {
  struct Case {
    std::size_t length;
    std::vector<std::size_t> chunks;
  } cases[] = {
      {100, {100}},
      {kMiB, {kMiB}},
      {3 * kMiB, {314572, 314572, 314572, 314572, 314572, 314572, 314572, 314572, 314572, 314572, 8}},
      {20 * kMiB, std::vector<std::size_t>(20, kMiB)},
  };
  for (const Case& c : cases) {
    PipeRecorder pipe;
    EXPECT_TRUE(WriteTextFile(pipe.name(), Pattern(c.length), 0, false)) << c.length;
    EXPECT_EQ(pipe.Sizes(), c.chunks) << c.length;
  }
}

TEST_F(Files, WriteTextFile_ReaderHangingUpMidwayIsAFailure) {
  PipeRecorder pipe(2);
  EXPECT_FALSE(WriteTextFile(pipe.name(), Pattern(3 * kMiB), 0, false));
  EXPECT_EQ(pipe.Sizes(), (std::vector<std::size_t>{314572, 314572}));
}

TEST_F(Files, WriteTextFile_ThreeMiBReachTheFileWhole) {
  const std::string path = scratch / "three.bin";
  const std::string text = Pattern(3 * kMiB);
  ASSERT_TRUE(WriteTextFile(path, text, 0, false));
  EXPECT_EQ(ReadWholeFile(path), text);
  ASSERT_TRUE(WriteTextFile(path, text, 0, true));
  EXPECT_EQ(ReadWholeFile(path), text + text);
}

TEST_F(Files, WriteTextFile_ReplaceTruncatesAndAppendCreatesOrExtends) {
  const std::string path = scratch / "t.txt";
  WriteWholeFile(path, "0123456789");
  EXPECT_TRUE(WriteTextFile(path, "ab", 0, false));
  EXPECT_EQ(ReadWholeFile(path), "ab");
  EXPECT_TRUE(WriteTextFile(path, "cd", 0, true));
  EXPECT_EQ(ReadWholeFile(path), "abcd");
  EXPECT_TRUE(WriteTextFile(scratch / "new.txt", "x", 0, true));
  EXPECT_EQ(ReadWholeFile(scratch / "new.txt"), "x");
  EXPECT_FALSE(WriteTextFile(scratch / "no folder\\x.txt", "x", 0, false));
}

TEST_F(Files, FileDate_SetByEveryWriter) {
  const FileDate date = PackDosDate(2001, 2, 3, 4, 5, 6);
  const std::function<bool(const std::string&)> writers[] = {
      [&](const std::string& path) { return WriteTextFile(path, "abc", date, false); },
      [&](const std::string& path) { return WriteTextFile(path, std::string(2 * kMiB, 'c'), date, false); },
      [&](const std::string& path) { return WriteTextFile(path, "abc", date, true); },
      [&](const std::string& path) { return AppendTextToFile(path, "abc", date); },
  };
  int index = 0;
  for (const auto& write : writers) {
    const std::string path = scratch / ("dated" + std::to_string(++index) + ".txt");
    ASSERT_TRUE(write(path)) << index;
    EXPECT_EQ(LastWriteDosDate(path), date) << index;
  }
  UniqueFile file(CreateFileA((scratch / "dated1.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  const FileDate later = PackDosDate(2020, 12, 31, 23, 59, 58);
  EXPECT_TRUE(SetFileDate(file.get(), later));
  file.reset();
  EXPECT_EQ(LastWriteDosDate(scratch / "dated1.txt"), later);
}

TEST_F(Files, ForceDirectories_CreatesEveryMissingParent) {
  EXPECT_TRUE(ForceDirectories(scratch / "a\\b\\c\\"));
  EXPECT_TRUE(DirectoryExists(scratch / "a\\b\\c"));
  EXPECT_TRUE(ForceDirectories(scratch / "a\\b"));
  WriteWholeFile(scratch / "file", "x");
  EXPECT_FALSE(ForceDirectories(scratch / "file\\sub"));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST_F(Files, DeleteFiles_PatternsAndAttributes) {
  struct Case {
    const char* pattern;
    bool clearAttributes;
    bool result;
    const char* left;  // the entries that stay, in a fixed order
  } cases[] = {
      {"*.txt", false, true, "ro.txt c.log d.txt"},  // hidden and system files go, read-only stays
      {"*.txt", true, true, "c.log d.txt"},
      {"a.*", false, true, "b.txt h.txt s.txt ro.txt c.log d.txt"},
      {"*.zip", false, false, "a.txt b.txt h.txt s.txt ro.txt c.log d.txt"},
      {"d.txt", true, false, "a.txt b.txt h.txt s.txt ro.txt c.log d.txt"},  // folders never match
  };
  int index = 0;
  for (const Case& c : cases) {
    const std::string folder = scratch / ("case" + std::to_string(++index));
    MakeFolder(folder);
    for (const char* name : {"a.txt", "b.txt", "c.log"}) MakeFile(folder + "\\" + name);
    MakeFile(folder + "\\h.txt", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(folder + "\\s.txt", FILE_ATTRIBUTE_SYSTEM);
    MakeFile(folder + "\\ro.txt", FILE_ATTRIBUTE_READONLY);
    MakeFolder(folder + "\\d.txt");
    EXPECT_EQ(DeleteFiles(folder + "\\" + c.pattern, c.clearAttributes), c.result) << c.pattern;
    std::string left;
    for (const char* name : {"a.txt", "b.txt", "h.txt", "s.txt", "ro.txt", "c.log", "d.txt"}) {
      if (FileIsThere(folder + "\\" + name)) left += std::string(left.empty() ? "" : " ") + name;
    }
    EXPECT_EQ(left, c.left) << c.pattern << " " << c.clearAttributes;
  }
}

TEST_F(Files, DeleteTree_WholeTreeGoes) {
  const std::string tree = scratch / "tree";
  MakeFolder(tree);
  MakeFolder(tree + "\\a");
  MakeFolder(tree + "\\a\\b");
  MakeFile(tree + "\\top.txt");
  MakeFile(tree + "\\a\\b\\deep.txt", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(DeleteTree(tree, false));
  EXPECT_FALSE(FileIsThere(tree));
}

TEST_F(Files, DeleteTree_ReadOnlyFileGoesOnlyWithClearAttributes) {
  for (const bool clear : {false, true}) {
    const std::string tree = scratch / (clear ? "cleared" : "kept");
    MakeFolder(tree);
    MakeFolder(tree + "\\sub");
    MakeFile(tree + "\\other.txt");
    MakeFile(tree + "\\sub\\ro.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(DeleteTree(tree, clear), clear);
    EXPECT_EQ(FileIsThere(tree + "\\sub\\ro.txt"), !clear);
    EXPECT_FALSE(FileIsThere(tree + "\\other.txt"));
    EXPECT_EQ(FileIsThere(tree), !clear);
  }
}

TEST_F(Files, DeleteTree_HiddenOrSystemSubfolderKeepsTheTree) {
  for (const DWORD attribute : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}}) {
    const std::string tree = scratch / ("tree" + std::to_string(attribute));
    MakeFolder(tree);
    MakeFolder(tree + "\\normal");
    MakeFile(tree + "\\normal\\n.txt");
    MakeFolder(tree + "\\special", attribute);
    MakeFile(tree + "\\special\\s.txt");
    EXPECT_FALSE(DeleteTree(tree, true)) << attribute;
    EXPECT_TRUE(FileIsThere(tree + "\\special\\s.txt")) << attribute;
    EXPECT_FALSE(FileIsThere(tree + "\\normal")) << attribute;
  }
}

TEST_F(Files, DeleteTree_MissingOrEmptyNameGivesFalse) {
  MakeFile(scratch / "sibling.txt");
  EXPECT_FALSE(DeleteTree(scratch / "missing", true));
  EXPECT_FALSE(DeleteTree("", true));
  EXPECT_TRUE(FileIsThere(scratch / "sibling.txt"));
}

TEST_F(Files, DeleteTree_LinkIsRemovedWithoutEnteringIt) {
  const std::string outside = scratch / "outside";
  MakeFolder(outside);
  MakeFile(outside + "\\keep.txt");
  const std::string tree = scratch / "tree";
  MakeFolder(tree);
  MakeFile(tree + "\\a.txt");
  MakeUnixLink(tree + "\\link", outside);
  EXPECT_EQ(FindFileInTree(tree, "keep.txt"), "");
  // Windows removes the link itself; Wine 8 cannot remove a Unix link at all,
  // so there the tree stays, holding only the link, and the result says so.
  const bool removed = DeleteTree(tree, true);
  EXPECT_EQ(removed, !FileIsThere(tree));
  EXPECT_FALSE(FileIsThere(tree + "\\a.txt"));
  EXPECT_TRUE(FileIsThere(outside + "\\keep.txt"));
}

// The tree of the search tests, in the scratch folder.
void MakeSearchTree(const ScratchFolder& scratch) {
  MakeFile(scratch / "top.bin");
  MakeFolder(scratch / "a");
  MakeFolder(scratch / "a\\b");
  MakeFile(scratch / "a\\b\\target.bin");
  MakeFolder(scratch / "a\\App");
  MakeFolder(scratch / "a\\App\\Data");
  MakeFolder(scratch / "Hid", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(scratch / "Hid\\secret.bin");
  MakeFolder(scratch / "Hid\\Secret");
  MakeFolder(scratch / "Sys", FILE_ATTRIBUTE_SYSTEM);
  MakeFile(scratch / "Sys\\sysfile.bin");
}

TEST_F(Files, FindFileInTree_DepthFirstSkippingHiddenFolders) {
  MakeSearchTree(scratch);
  struct Case {
    const char* name;
    const char* found;  // below the scratch folder; "" for none
  } cases[] = {
      {"top.bin", "top.bin"},
      {"target.bin", "a\\b\\target.bin"},
      {"sysfile.bin", "Sys\\sysfile.bin"},  // system folders are searched
      {"secret.bin", ""},                   // hidden ones are not
      {"none.bin", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindFileInTree(scratch.path(), c.name), *c.found ? scratch / c.found : "") << c.name;
  }
}

TEST_F(Files, FindFolderInTree_PathEndsWithTheNameIgnoringCase) {
  MakeSearchTree(scratch);
  struct Case {
    const char* name;
    const char* found;
  } cases[] = {
      {"App\\Data", "a\\App\\Data"}, {"app\\DATA", "a\\App\\Data"}, {"b", "a\\b"},
      {"Secret", ""},  // inside a hidden folder
      {"pp\\Data", ""},  // a whole folder name must match
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindFolderInTree(scratch.path(), c.name), *c.found ? scratch / c.found : "") << c.name;
  }
  const std::string self = scratch.path().substr(scratch.path().rfind('\\') + 1);
  EXPECT_EQ(FindFolderInTree(scratch.path(), self), scratch.path());
}

TEST_F(Files, FindOnDrives_DriveCAndFullPaths) {
  MakeSearchTree(scratch);
  const std::string unique = "vt_unique_" + std::to_string(GetCurrentProcessId()) + ".bin";
  MakeFile(scratch / ("a\\b\\" + unique));
  ASSERT_EQ(scratch.path().substr(0, 3), "C:\\") << "the scratch folder is expected on drive C:";
  EXPECT_EQ(FindFileOnDrives(unique, DRIVE_FIXED), scratch / ("a\\b\\" + unique));
  EXPECT_EQ(FindFileOnDrives(unique, DRIVE_RAMDISK), "");
  EXPECT_EQ(FindFolderOnDrives(scratch / "a\\App", DRIVE_FIXED), scratch / "a\\App");
  EXPECT_EQ(FindFolderOnDrives(scratch / "a\\App", DRIVE_CDROM), "");
  EXPECT_EQ(FindFolderOnDrives(scratch / "a\\Missing", DRIVE_FIXED), "");
  EXPECT_EQ(FindFolderOnDrives("App\\Data", DRIVE_RAMDISK), "");
}

char UnusedDriveLetter() {
  for (char letter = 'D'; letter <= 'Y'; ++letter) {
    if (GetDriveTypeA((std::string(1, letter) + ":\\").c_str()) == DRIVE_NO_ROOT_DIR) return letter;
  }
  return '\0';
}

TEST_F(Files, DiskFreeSpace_LocalPathsNetworkAndMissingDrive) {
  EXPECT_GT(DiskFreeSpace("C:\\"), 0);
  EXPECT_GT(DiskFreeSpace("c:/windows/system32/missing"), 0);  // falls back to the drive root
  EXPECT_GT(DiskFreeSpace(scratch.path()), 0);
  EXPECT_EQ(DiskFreeSpace("\\\\server\\share\\folder"), -1);
  const char unused = UnusedDriveLetter();
  ASSERT_NE(unused, '\0');
  EXPECT_EQ(DiskFreeSpace(std::string(1, unused) + ":\\x"), -1);
}

TEST_F(Files, EjectCD_FalseForAnythingButACDDrive) {
  EXPECT_FALSE(EjectCD("C:\\"));
  EXPECT_FALSE(EjectCD(scratch.path()));
  EXPECT_FALSE(EjectCD("1:\\"));
  EXPECT_FALSE(EjectCD(""));
}

std::string ProbePath() { return ProgramFolder(true) + "selfdelete_probe.exe"; }

// Blanks and an ANSI letter in both folders, and a "%" in the program's:
// cmd reads each of them differently unless the script takes care.
TEST_F(Files, DeleteMySelf_ProgramAndOptionallyItsFolderGoAfterItEnds) {
  struct Case {
    const char* argument;
    bool folderGoes;
  } cases[] = {{"", false}, {"folder", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    const std::string label = c.folderGoes ? "folder" : "file";
    const std::string temp = scratch / ("tmp caf\xE9 " + label);
    const std::string programFolder = scratch / ("Y_ caf\xE9 %TMP% " + label);
    MakeFolder(temp);
    MakeFolder(programFolder);
    const std::string program = programFolder + "\\setup.exe";
    ASSERT_TRUE(CopyFileA(ProbePath().c_str(), program.c_str(), FALSE)) << ProbePath();
    {
      TempFolderOverride tmp(temp);
      const ProcessResult r = RunAndWait(Quote(program) + " " + c.argument);
      ASSERT_TRUE(r.finished);
    }
    // The script removes itself last, after the program and the folder.
    const std::string script = temp + "\\" + kSelfDeleteScriptName;
    EXPECT_TRUE(WaitUntil([&] { return !FileIsThere(script); })) << ReadWholeFile(script);
    EXPECT_FALSE(FileIsThere(program));
    EXPECT_EQ(FileIsThere(programFolder), !c.folderGoes);
  }
}

}  // namespace
}  // namespace vantor::testing
