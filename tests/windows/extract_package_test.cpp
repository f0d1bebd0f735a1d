// ExtractPackage as a setup run calls it, under Wine: packages made by
// vpack.exe (and, where vpack refuses to write such a package, by the
// package writer), disk prompts and error boxes answered from a second
// thread, progress calls recorded.
//
// The first test must run first in its process: only the first failed write
// of a process shows a box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "base/debug_output.h"
#include "base/files.h"
#include "base/handles.h"
#include "package/agent_copy.h"
#include "package/extract_package.h"
#include "package/file_info.h"
#include "package/little_endian.h"
#include "package/package_writer.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tests/windows/support/box_series.h"
#include "tools/vshot/screenshot.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr FileDate kDate = 0x3C305C44;  // 2010-01-16 11:34:08
constexpr std::uint8_t kCharset = 1;
constexpr char kPrompt[] = "Please insert disk <DISK_NUM>.<P>Then press OK.";
// One incompressible 60000-byte file per part after the first; the first
// holds the program, the headers, docs\readme.txt, Engine.exe and x1.bin.
constexpr char kPartSize[] = "70000";

struct ProgressCall {
  int mode = 0;
  int64_t minimum = 0, maximum = 0, position = 0, step = 0;
  bool operator==(const ProgressCall&) const = default;
};
void PrintTo(const ProgressCall& c, std::ostream* out) {
  *out << "(" << c.mode << ", " << c.minimum << ", " << c.maximum << ", " << c.position << ", " << c.step << ")";
}
constexpr ProgressCall kAdvance{1, 0, 0, 0, 1};
constexpr ProgressCall ResetTo(int64_t maximum) { return {0, 0, maximum, 0, 1}; }

std::vector<ProgressCall> Calls(std::initializer_list<std::pair<ProgressCall, int>> runs) {
  std::vector<ProgressCall> calls;
  for (const auto& [call, count] : runs) calls.insert(calls.end(), count, call);
  return calls;
}

struct Extracted {
  bool checksumOk = false;
  std::string commandItem;
  std::vector<ProgressCall> calls;
};

Extracted Extract(const std::string& source, const std::string& destination, const std::string& agentName = "",
                  bool forcePrompt = false) {
  Extracted result;
  result.checksumOk = true;
  result.commandItem = "left over";
  const ProgressCallback progress = [&result](int mode, int64_t minimum, int64_t maximum, int64_t position,
                                              int64_t step, std::string_view text) {
    result.calls.push_back({mode, minimum, maximum, position, step});
    EXPECT_EQ(text, "");
  };
  ExtractPackage(source, destination, agentName, result.checksumOk, progress, kPrompt, "Setup", "", kCharset,
                 forcePrompt, result.commandItem);
  return result;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 generator(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(generator() & 0xFF);
  return out;
}

// "MZ" at 0 and "PE" at 256: enough of a program for the package layout.
std::string PeStub() {
  std::string stub(1024, '\0');
  stub.replace(0, 2, "MZ");
  stub.replace(256, 2, "PE");
  return stub;
}

FileDate LastWriteDosDate(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  WORD date = 0, time = 0;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToDosDateTime(&local, &date, &time)) {
    ADD_FAILURE() << "no date for " << path;
  }
  return (static_cast<FileDate>(date) << 16) | time;
}

void SetDate(const std::string& path, FileDate date) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(file.valid()) << path;
  ASSERT_TRUE(SetFileDate(file.get(), date)) << path;
}

// A product's files, dated kDate, in a scratch folder together with the
// setup files packed from them and the folders they are unpacked into.
class Product {
 public:
  explicit Product(const std::string& label) : folder_(label) {
    CreateDirectoryA((folder_ / "src").c_str(), nullptr);
    CreateDirectoryA((folder_ / "src\\docs").c_str(), nullptr);
    Put("docs\\readme.txt", "read me\r\n");
    Put("Engine.exe", "engine program");
    for (int i = 1; i <= 3; ++i) Put("x" + std::to_string(i) + ".bin", RandomBytes(60000, i));
    WriteWholeFile(folder_ / "stub.exe", PeStub());
  }

  // Packs the files into name (beside them) with vpack setup and the extra
  // arguments; the path of the first file.
  std::string Pack(const std::string& name, const std::string& extra = "") {
    const std::string out = folder_ / name;
    vantor::testing::Pack("setup --stub " + Quote(folder_ / "stub.exe") + " --out " + Quote(out) + " --dir " +
                          Quote(folder_ / "src") + " --engine Engine.exe*/LANG=2 " + extra);
    return out;
  }
  std::string PackParts(const std::string& name) { return Pack(name, std::string("--part-size ") + kPartSize); }

  std::string Path(const std::string& name) const { return folder_ / name; }
  const std::map<std::string, std::string>& Files() const { return files_; }

  // Every named file in the folder as packed, with its date; no file for the others.
  void ExpectUnpacked(const std::string& destination, const std::vector<std::string>& names) const {
    for (const auto& [name, content] : files_) {
      const std::string path = destination + "\\" + name;
      if (std::find(names.begin(), names.end(), name) == names.end()) {
        EXPECT_FALSE(FileExists(path)) << path;
        continue;
      }
      ASSERT_TRUE(FileIsThere(path)) << path;
      EXPECT_TRUE(ReadWholeFile(path) == content) << path;
      EXPECT_EQ(LastWriteDosDate(path), kDate) << path;
    }
  }

 private:
  void Put(const std::string& name, const std::string& content) {
    const std::string path = folder_ / ("src\\" + name);
    WriteWholeFile(path, content);
    SetDate(path, kDate);
    files_[name] = content;
  }

  ScratchFolder folder_;
  std::map<std::string, std::string> files_;
};

const std::vector<std::string> kAllFiles = {"docs\\readme.txt", "Engine.exe", "x1.bin", "x2.bin", "x3.bin"};
const std::vector<std::string> kFirstPartFiles = {"docs\\readme.txt", "Engine.exe", "x1.bin"};

// Answers every box with Enter and counts them: for extractions whose
// failures may or may not be the first of the process.
class AnyBoxes {
 public:
  AnyBoxes() : series_([](HWND box, int) { PostKey(FocusedWindowOf(box), VK_RETURN); }) {}
  int Finish() { return series_.Finish(); }

 private:
  BoxSeries series_;
};

// ---- Failures of writing (first: the process has had none yet) ----

TEST(ExtractPackage, FirstFailedWriteShowsOneBoxWithItsSizeReport) {
  ASSERT_EQ(ExtractWriteFailures(), 0) << "this test must run first in its process";
  Product product("extract_fail");
  const std::string setup = product.Pack("setup.exe");
  // A folder where x2.bin is to be written: the write fails.
  for (const char* dest : {"dest1", "dest2"}) {
    CreateDirectoryA(product.Path(dest).c_str(), nullptr);
    CreateDirectoryA(product.Path(std::string(dest) + "\\x2.bin").c_str(), nullptr);
  }

  BoxLook look;
  BoxDriver driver([&](HWND box) {
    look = LookAt(box);
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  const Extracted first = Extract(setup, product.Path("dest1"));
  driver.Finish();
  EXPECT_EQ(ExtractWriteFailures(), 1);
  EXPECT_EQ(look.caption, "Error");
  const std::string target = product.Path("dest1\\x2.bin");
  EXPECT_NE(look.shown.find(target + "\r\n\r\nUnable to save Extracted File!\r\n\r\n"), std::string::npos)
      << look.shown;
  EXPECT_NE(look.shown.find("\r\n  Data Size: \t60000 Bytes\r\n  File Size:  \t0 Bytes\r\n  Bytes Free: \t"),
            std::string::npos)
      << look.shown;
  // Extraction went on with the next records.
  product.ExpectUnpacked(product.Path("dest1"), {"docs\\readme.txt", "Engine.exe", "x1.bin", "x3.bin"});
  EXPECT_TRUE(first.checksumOk);

  // The second failure of the process is counted, not shown.
  AnyBoxes boxes;
  Extract(setup, product.Path("dest2"));
  EXPECT_EQ(boxes.Finish(), 0);
  EXPECT_EQ(ExtractWriteFailures(), 2);
  product.ExpectUnpacked(product.Path("dest2"), {"docs\\readme.txt", "Engine.exe", "x1.bin", "x3.bin"});
}

// ---- One setup file ----

TEST(ExtractPackage, SinglePackageWritesEveryFileWithItsDateAndCommandItem) {
  Product product("extract_single");
  const std::string setup = product.Pack("setup.exe");
  InstallDebugOutput();
  DebugViewer viewer(product.Path("viewer.txt"));
  AnyBoxes boxes;
  const Extracted result = Extract(setup, product.Path("dest\\deeper"));
  EXPECT_EQ(boxes.Finish(), 0);

  product.ExpectUnpacked(product.Path("dest\\deeper"), kAllFiles);
  EXPECT_TRUE(result.checksumOk);
  EXPECT_EQ(result.commandItem, "Engine.exe*/LANG=2");
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(5), 1}, {kAdvance, 5}}));

  const std::vector<std::string> lines = viewer.Lines();
  const auto at = std::find(lines.begin(), lines.end(), "FileInfo.FilesCount=5");
  ASSERT_NE(at, lines.end());
  ASSERT_GE(lines.end() - at, 4);
  EXPECT_EQ(at[1], "FileLen=" + std::to_string(ReadWholeFile(setup).size()));
  EXPECT_TRUE(at[2].starts_with("UnCompressTime: ") && at[2].ends_with(" MS")) << at[2];
  EXPECT_EQ(at[3], "");
}

TEST(ExtractPackage, ExistingTargetIsOverwrittenWithoutAdvancing) {
  Product product("extract_overwrite");
  const std::string setup = product.Pack("setup.exe");
  CreateDirectoryA(product.Path("dest").c_str(), nullptr);
  WriteWholeFile(product.Path("dest\\x1.bin"), "an older x1.bin, longer than nothing");
  const Extracted result = Extract(setup, product.Path("dest"));
  product.ExpectUnpacked(product.Path("dest"), kAllFiles);
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(5), 1}, {kAdvance, 4}}));
}

TEST(ExtractPackage, StoredRecordsAreWrittenAsTheyAre) {
  Product product("extract_stored");
  const std::string setup = product.Pack("setup.exe", "--store");
  // Stored records have negative lengths: the first file record follows
  // the program and the two header records.
  const std::string bytes = ReadWholeFile(setup);
  const TGFileInfo info(setup);
  const auto length =
      static_cast<int32_t>(LoadU32(reinterpret_cast<const uint8_t*>(bytes.data()) + info.Trailer().PayloadOffset()));
  ASSERT_LT(length, 0);
  const Extracted result = Extract(setup, product.Path("dest"));
  product.ExpectUnpacked(product.Path("dest"), kAllFiles);
  EXPECT_TRUE(result.checksumOk);
  EXPECT_EQ(result.commandItem, "Engine.exe*/LANG=2");
}

TEST(ExtractPackage, MissingSourceExtractsNothing) {
  Product product("extract_missing");
  const Extracted result = Extract(product.Path("setup.exe"), product.Path("dest"));
  EXPECT_FALSE(result.checksumOk);
  EXPECT_EQ(result.commandItem, "");
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}}));
  EXPECT_FALSE(FileIsThere(product.Path("dest")));
}

// ---- Parts and disks ----

TEST(ExtractPackage, MultiPartWithEveryPartPresentAsksNothing) {
  Product product("extract_parts");
  const std::string first = product.PackParts("setup.exe.001");
  ASSERT_TRUE(FileIsThere(product.Path("setup.exe.003")));
  ASSERT_FALSE(FileIsThere(product.Path("setup.exe.004")));
  AnyBoxes boxes;
  const Extracted result = Extract(first, product.Path("dest"));
  EXPECT_EQ(boxes.Finish(), 0);
  product.ExpectUnpacked(product.Path("dest"), kAllFiles);
  EXPECT_TRUE(result.checksumOk);
  EXPECT_EQ(result.commandItem, "Engine.exe*/LANG=2");
  // Three files, the change to part 2, its file, the change to part 3, its file.
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(5), 1}, {kAdvance, 3 + 2 + 2}}));
}

TEST(ExtractPackage, MissingPartIsAskedForUntilItIsThere) {
  Product product("extract_disk");
  const std::string setup = product.PackParts("setup.exe");
  const std::string part2 = product.Path("setup.exe.002");
  const std::string away = product.Path("away.002");
  ASSERT_TRUE(MoveFileA(part2.c_str(), away.c_str()));

  std::vector<std::string> shown;
  Image image;
  BoxSeries series([&](HWND box, int) {
    shown.push_back(LookAt(box).shown);
    image = CaptureWindow(box);
    // The user inserts the disk, then presses OK.
    MoveFileA(away.c_str(), part2.c_str());
    PostKey(FocusedWindowOf(box), 'O');
  });
  const Extracted result = Extract(setup, product.Path("dest"));
  EXPECT_EQ(series.Finish(), 1);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Please insert disk 2.\r\nThen press OK."), std::string::npos) << shown[0];
  EXPECT_TRUE(SavePng(image, ScreenshotPath("extract_disk_prompt.png")));
  product.ExpectUnpacked(product.Path("dest"), kAllFiles);
  EXPECT_TRUE(result.checksumOk);
  EXPECT_EQ(result.commandItem, "Engine.exe*/LANG=2");
}

TEST(ExtractPackage, CancelledDiskPromptKeepsEarlierFilesAndClearsTheCommandItem) {
  Product product("extract_cancel");
  const std::string setup = product.PackParts("setup.exe");
  ASSERT_TRUE(DeleteFileA(product.Path("setup.exe.002").c_str()));
  BoxSeries series([](HWND box, int) { PostKey(FocusedWindowOf(box), 'C'); });
  const Extracted result = Extract(setup, product.Path("dest"));
  EXPECT_EQ(series.Finish(), 1);
  EXPECT_EQ(result.commandItem, "");
  product.ExpectUnpacked(product.Path("dest"), kFirstPartFiles);
  // Part 3 is never reached.
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(5), 1}, {kAdvance, 3 + 1}}));
}

TEST(ExtractPackage, ForcePromptAsksForEveryFurtherPart) {
  Product product("extract_force");
  const std::string setup = product.PackParts("setup.exe");
  std::vector<std::string> shown;
  BoxSeries series([&](HWND box, int) {
    shown.push_back(LookAt(box).shown);
    PostKey(FocusedWindowOf(box), 'O');
  });
  const Extracted result = Extract(setup, product.Path("dest"), "", true);
  EXPECT_EQ(series.Finish(), 2);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].find("Please insert disk 2."), std::string::npos) << shown[0];
  EXPECT_NE(shown[1].find("Please insert disk 3."), std::string::npos) << shown[1];
  product.ExpectUnpacked(product.Path("dest"), kAllFiles);
  EXPECT_TRUE(result.checksumOk);
}

TEST(ExtractPackage, CorruptedPartIsSkippedAndFailsTheVerdict) {
  Product product("extract_corrupt");
  const std::string setup = product.PackParts("setup.exe");
  const std::string part2 = product.Path("setup.exe.002");
  std::string bytes = ReadWholeFile(part2);
  bytes[bytes.size() / 2] ^= 0x5A;  // inside x2.bin's record
  WriteWholeFile(part2, bytes);
  AnyBoxes boxes;
  const Extracted result = Extract(setup, product.Path("dest"));
  EXPECT_EQ(boxes.Finish(), 0);
  // Part 3, named by part 2's flag, is still unpacked; the package is not whole.
  product.ExpectUnpacked(product.Path("dest"), {"docs\\readme.txt", "Engine.exe", "x1.bin", "x3.bin"});
  EXPECT_FALSE(result.checksumOk);
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(5), 1}, {kAdvance, 3 + 1 + 2}}));
}

// ---- The update-agent copy ----

TEST(ExtractPackage, AgentCopyOnlyFromProgramSources) {
  Product product("extract_agent");
  const std::string setup = product.Pack(
      "setup.exe", "--stub " + Quote(ToolPath("VantorStub.exe")) + " --agent-name Agent.exe --create-agent");
  const std::string bytes = ReadWholeFile(setup);
  ASSERT_TRUE(CopyFileA(setup.c_str(), product.Path("setup.exe.001").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(setup.c_str(), product.Path("setup.bin").c_str(), FALSE));
  const TGFileInfo setupInfo(setup);
  // The info object's PayloadOffset points past the header records.
  const std::string expected = AgentCopyBytes(bytes.substr(0, setupInfo.Trailer().PayloadOffset()), [&] {
    MemorySource source(bytes);
    PackageTrailer trailer;
    ReadTrailer(source, trailer);
    return trailer;
  }());
  InstallDebugOutput();
  DebugViewer viewer(product.Path("viewer.txt"));
  const struct {
    const char* source;
    bool copy;
  } cases[] = {{"setup.exe", true}, {"setup.exe.001", true}, {"setup.bin", false}};
  for (const auto& c : cases) {
    const std::string dest = product.Path(std::string("dest_") + c.source);
    const Extracted result = Extract(product.Path(c.source), dest, "C:\\Program Files\\Prod\\Agent.exe");
    product.ExpectUnpacked(dest, kAllFiles);
    const std::string agent = dest + "\\Agent.exe";
    ASSERT_EQ(FileIsThere(agent), c.copy) << c.source;
    if (!c.copy) continue;
    EXPECT_TRUE(ReadWholeFile(agent) == expected) << c.source;
    EXPECT_EQ(LastWriteDosDate(agent), LastWriteDosDate(setup)) << c.source;
    const TGFileInfo info(agent);
    EXPECT_TRUE(info.IsAgent()) << c.source;
    EXPECT_EQ(info.SetupDescriptor(), setupInfo.SetupDescriptor()) << c.source;
    EXPECT_EQ(info.AgentExeName(), "Agent.exe") << c.source;
    const std::vector<std::string> lines = viewer.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::to_string(GetCurrentProcessId()) + " New AU-Agent: " + agent),
              lines.end())
        << c.source;
  }
}

// ---- Packages that vpack does not write ----

struct CraftedRecord {
  PackageEntry entry;
  bool corrupt = false;  // a byte in the middle of the stream flipped
};

// A package with the given records, built with the package writer (which,
// unlike vpack, does not check the names of records made one by one).
std::string CraftPackage(const std::vector<CraftedRecord>& crafted, uint32_t totalSize) {
  PackageFileLayout layout;
  layout.program = PeStub();
  for (const std::string& header : {std::string("\x02"), std::string("|http://|.info|.exe|tok|0|")}) {
    AppendU32(layout.records, static_cast<uint32_t>(header.size()));
    layout.records += header;
  }
  for (const CraftedRecord& c : crafted) {
    std::string record = MakeFileRecord(c.entry).value_or("");
    if (c.corrupt) record[record.size() / 2] ^= 0x5A;
    layout.records += record;
  }
  layout.filesCount = static_cast<uint32_t>(crafted.size());
  layout.spaceRequired[0] = totalSize;
  const BuiltPackage built = AssemblePackageFile(layout, TrailerSettings());
  EXPECT_EQ(built.error, "");
  return built.bytes;
}

TEST(ExtractPackage, UnsafeNamesAreRefusedAndNothingIsWrittenOutside) {
  ScratchFolder folder("extract_unsafe");
  const std::string outside = folder / "abs.txt";
  const std::vector<CraftedRecord> records = {
      {{"Engine.exe", kDate, "engine", true, true, "/x"}},
      {{"..\\escape.txt", kDate, "out", true, false, ""}},
      {{"sub\\..\\..\\escape2.txt", kDate, "out", true, false, ""}},
      {{outside, kDate, "out", false, false, ""}},
      {{"\\rooted.txt", kDate, "out", true, false, ""}},
      {{"..\\evil.exe", kDate, "out", true, true, ""}},  // a refused record names nothing to start
      {{"sub\\deeper\\ok.txt", kDate, "inside", true, false, ""}},
  };
  const std::string setup = folder / "setup.exe";
  WriteWholeFile(setup, CraftPackage(records, 100));
  const int failuresBefore = ExtractWriteFailures();
  AnyBoxes boxes;
  const Extracted result = Extract(setup, folder / "dest");
  EXPECT_LE(boxes.Finish(), 1);

  EXPECT_EQ(ReadWholeFile(folder / "dest\\sub\\deeper\\ok.txt"), "inside");
  EXPECT_EQ(LastWriteDosDate(folder / "dest\\sub\\deeper\\ok.txt"), kDate);
  EXPECT_EQ(ReadWholeFile(folder / "dest\\Engine.exe"), "engine");
  for (const std::string& path : {folder / "escape.txt", folder / "escape2.txt", outside, std::string("C:\\rooted.txt"),
                                  std::string("\\rooted.txt"), folder / "evil.exe"}) {
    EXPECT_FALSE(FileIsThere(path)) << path;
  }
  EXPECT_EQ(result.commandItem, "Engine.exe*/x");
  EXPECT_TRUE(result.checksumOk);
  EXPECT_EQ(ExtractWriteFailures() - failuresBefore, 5);
  // Refused records count on the file bar like written ones.
  EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(7), 1}, {kAdvance, 7}}));
}

TEST(ExtractPackage, RecordsThatDoNotInflateAreSkipped) {
  ScratchFolder folder("extract_inflate");
  // Five million zeros make a record of a few kilobytes.
  const std::string zeros(5000000, '\0');
  const std::vector<CraftedRecord> records = {
      {{"a.txt", kDate, "first", true, false, ""}},
      {{"c.bin", kDate, RandomBytes(5000, 4), true, false, ""}, true},
      {{"bomb.bin", kDate, zeros, true, false, ""}},
      {{"z.txt", kDate, "last", true, false, ""}},
  };
  const struct {
    const char* name;
    uint32_t totalSize;
    bool bombWritten;
  } cases[] = {
      // The package says its files take 20000 bytes: five megabytes are too many.
      {"stated", 20000, false},
      // Without a stated size the fixed ceiling allows it.
      {"unstated", 0, true},
  };
  for (const auto& c : cases) {
    const std::string setup = folder / (std::string(c.name) + ".exe");
    const std::string dest = folder / (std::string("dest_") + c.name);
    WriteWholeFile(setup, CraftPackage(records, c.totalSize));
    const int failuresBefore = ExtractWriteFailures();
    AnyBoxes boxes;
    const Extracted result = Extract(setup, dest);
    EXPECT_LE(boxes.Finish(), 1);
    EXPECT_EQ(ReadWholeFile(dest + "\\a.txt"), "first") << c.name;
    EXPECT_EQ(ReadWholeFile(dest + "\\z.txt"), "last") << c.name;
    EXPECT_FALSE(FileIsThere(dest + "\\c.bin")) << c.name;
    EXPECT_EQ(FileIsThere(dest + "\\bomb.bin"), c.bombWritten) << c.name;
    if (c.bombWritten) {
      EXPECT_TRUE(ReadWholeFile(dest + "\\bomb.bin") == zeros) << c.name;
    }
    EXPECT_EQ(ExtractWriteFailures() - failuresBefore, c.bombWritten ? 1 : 2) << c.name;
    EXPECT_TRUE(result.checksumOk) << c.name;
    EXPECT_EQ(result.calls, Calls({{ResetTo(0), 1}, {ResetTo(4), 1}, {kAdvance, 4}})) << c.name;
  }
}

}  // namespace
}  // namespace vantor::testing
