// Runs the native packer as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "package/file_info.h"
#include "package/notice_file.h"
#include "package/scramble.h"
#include "package/stdio_source.h"
#include "package_fixtures.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

class VpackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tools = std::getenv("VANTOR_TOOLS");
    ASSERT_NE(tools, nullptr) << "VANTOR_TOOLS names the folder of vpack";
    vpack_ = fs::path(tools) / "vpack";
    ASSERT_TRUE(fs::exists(vpack_)) << vpack_;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("vpack_test_" + std::to_string(::getpid()) + "_" + test->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    WriteAll(dir_ / "stub.exe", fixtures::PeStub(1024));
    WriteAll(dir_ / "src" / "Engine.exe", "engine program");
    WriteAll(dir_ / "src" / "docs" / "readme.txt", "read me\r\n");
    WriteAll(dir_ / "src" / "data.bin", fixtures::RandomBytes(10000, 5));
  }
  void TearDown() override { fs::remove_all(dir_); }

  RunResult Run(const std::vector<std::string>& args) {
    std::string command = Quoted(vpack_.string());
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " >" + Quoted((dir_ / "stdout").string()) + " 2>" + Quoted((dir_ / "stderr").string());
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(dir_ / "stdout");
    result.err = ReadAll(dir_ / "stderr");
    return result;
  }

  std::vector<std::string> SetupArgs(const std::string& out) {
    return {"setup", "--stub", Path("stub.exe"), "--out", Path(out), "--dir", Path("src"), "--engine",
            "Engine.exe*/quiet"};
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::map<std::string, std::string> Lines(const std::string& text) {
    std::map<std::string, std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      const std::size_t equals = line.find('=');
      if (equals != std::string::npos) lines[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return lines;
  }

  fs::path vpack_;
  fs::path dir_;
};

TEST_F(VpackTest, HelpDocumentsEveryOption) {
  const RunResult result = Run({"--help"});
  EXPECT_EQ(result.exitCode, 0);
  for (const char* option :
       {"setup", "token", "notice", "info", "--stub", "--out", "--dir", "--file", "--engine", "--store", "--flags",
        "--web-setup", "--ask-download", "--create-agent", "--agent", "--update-base", "--info-file", "--agent-name",
        "--token", "--quiet", "--setup-descriptor", "--web-base", "--setup-file-name", "--no-local-lookup",
        "--web-token", "--setup-file-size", "--web-descriptor", "--header-count", "--lang-block", "--lang-table-file",
        "--checksum", "--no-package-end", "--trailer-length", "--part-size", "--body-file", "--scramble"}) {
    EXPECT_NE(result.out.find(option), std::string::npos) << option;
  }
}

TEST_F(VpackTest, BadUseGivesOneLineAndExitCode2) {
  WriteAll(dir_ / "bad" / "a|b.txt", "x");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"pack"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--bogus"},
      {"setup", "--stub", Path("stub.exe")},
      {"setup", "--stub", Path("missing.exe"), "--out", Path("o.exe")},
      {"setup", "--stub", Path("src"), "--out", Path("o.exe")},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--flags", "256"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--checksum", "maybe"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--file", Path("missing.txt")},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--dir", Path("bad")},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--file", Path("stub.exe") + "=..\\up.exe"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--file", Path("stub.exe") + "=C:\\x.exe"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--file", Path("stub.exe") + "=/abs.exe"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--dir", Path("src"), "--engine", "none.exe"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--update-base", "a|b"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--flags"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--part-size", "1023"},
      {"setup", "--stub", Path("stub.exe"), "--out", Path("o.exe"), "--dir", Path("src"), "--part-size", "2000"},
      {"info"},
      {"info", Path("missing.exe")},
      {"notice", "--token", "t", "--out", Path("n.txt")},
  };
  for (const auto& args : cases) {
    const RunResult result = Run(args);
    std::string shown;
    for (const std::string& arg : args) shown += arg + " ";
    EXPECT_EQ(result.exitCode, 2) << shown;
    EXPECT_TRUE(result.err.starts_with("vpack: ")) << shown << "\n" << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << shown << "\n" << result.err;
  }
  EXPECT_FALSE(fs::exists(dir_ / "o.exe"));
}

TEST_F(VpackTest, SameInputsSameBytes) {
  ASSERT_EQ(Run(SetupArgs("one.exe")).exitCode, 0);
  ASSERT_EQ(Run(SetupArgs("two.exe")).exitCode, 0);
  const std::string one = ReadAll(dir_ / "one.exe");
  EXPECT_GT(one.size(), 1024u);
  EXPECT_EQ(one, ReadAll(dir_ / "two.exe"));
}

TEST_F(VpackTest, InfoShowsWhatSetupWrote) {
  std::vector<std::string> args = SetupArgs("setup.exe");
  args.insert(args.end(), {"--flags", "8", "--agent", "--update-base", "http://example.test/upd/", "--info-file",
                           "prod.info", "--agent-name", "ProdAgent.exe", "--token", "prod-1", "--quiet", "--web-base",
                           "http://example.test/full/", "--setup-file-name", "full.exe", "--web-token", "full-1",
                           "--setup-file-size", "123456", "--lang-block", "~ENGLISH~s0=Prod Setup~", "--file",
                           Path("stub.exe") + "=bin/tool.exe", "--store"});
  ASSERT_EQ(Run(args).exitCode, 0);
  const RunResult result = Run({"info", Path("setup.exe")});
  ASSERT_EQ(result.exitCode, 0);
  auto lines = Lines(result.out);
  const std::size_t size = fs::file_size(dir_ / "setup.exe");
  EXPECT_EQ(lines["FileSize"], std::to_string(size));
  EXPECT_EQ(lines["IsPeFile"], "TRUE");
  EXPECT_EQ(lines["PackageEnd"], std::to_string(size));
  EXPECT_EQ(lines["HeaderCount"], "3");
  EXPECT_EQ(lines["PayloadOffset"], "1024");
  EXPECT_EQ(lines["FilesCount"], "4");
  EXPECT_EQ(lines["PackageFlags"], "8");
  EXPECT_EQ(lines["Agent"], "1");
  EXPECT_EQ(lines["WebSetup"], "0");
  EXPECT_EQ(lines["ChecksumOk"], "TRUE");
  EXPECT_EQ(lines["PackageChecksum"], lines["ComputedChecksum"]);
  EXPECT_EQ(lines["LanguageTable"], "\\x02~ENGLISH~s0=Prod Setup~\\x02");
  EXPECT_EQ(lines["SetupToken"], "prod-1");
  EXPECT_EQ(lines["WebToken"], "full-1");
  // Sorted ignoring case: bin\tool.exe, data.bin, docs\readme.txt, Engine.exe, ...
  EXPECT_TRUE(lines["FileRecord1.Header"].starts_with("|bin\\\\tool.exe|")) << lines["FileRecord1.Header"];
  EXPECT_EQ(lines["FileRecord1.Size"], "1024");
  EXPECT_EQ(lines["FileRecord1.Compressed"], "FALSE");
  EXPECT_TRUE(lines["FileRecord4.Header"].starts_with("|Engine.exe*/quiet|")) << lines["FileRecord4.Header"];
  EXPECT_EQ(lines["FileRecord4.Size"], "14");

  // The reader sees the same.
  const TGFileInfo info = FileInfoFromPath(Path("setup.exe"));
  EXPECT_TRUE(info.SetupDescriptor().starts_with("|http://example.test/upd/|prod.info|ProdAgent.exe|"));
  EXPECT_TRUE(info.QuietFlag());
  EXPECT_EQ(info.WebBase(), "http://example.test/full/");
  EXPECT_EQ(info.SetupFileName(), "full.exe");
  EXPECT_EQ(info.SetupFileSizeText(), "123456");
  EXPECT_FALSE(info.NoLocalLookup());
  EXPECT_TRUE(info.IsAgent());
}

TEST_F(VpackTest, DefaultDescriptorWithoutUpdateSettings) {
  ASSERT_EQ(Run(SetupArgs("setup.exe")).exitCode, 0);
  const TGFileInfo info = FileInfoFromPath(Path("setup.exe"));
  EXPECT_EQ(info.LanguageTable(), "\x02");
  EXPECT_EQ(info.UpdateBase(), "http://");
  EXPECT_EQ(info.InfoFileName(), ".info");
  EXPECT_EQ(info.AgentExeName(), ".exe");
  EXPECT_EQ(info.SetupToken(false).size(), 48u);
  EXPECT_TRUE(TryUnscramble(info.SetupToken(false)).has_value());
  EXPECT_FALSE(info.QuietFlag());
  EXPECT_EQ(info.WebDescriptor(), "");
  EXPECT_EQ(info.Trailer().HeaderCount(), 2);
}

TEST_F(VpackTest, PartSizeWritesNumberedPartFiles) {
  // The program (1024 bytes), its headers and the records of data.bin (10000
  // random bytes) and readme.txt fill the first 11300 bytes; Engine.exe goes
  // to the second part.
  for (const std::string first : {"setup.exe", "setup.exe.001"}) {
    std::vector<std::string> args = SetupArgs(first);
    args.insert(args.end(), {"--flags", "8", "--part-size", "11300"});
    ASSERT_EQ(Run(args).exitCode, 0) << first;
    ASSERT_TRUE(fs::exists(dir_ / first));
    ASSERT_TRUE(fs::exists(dir_ / "setup.exe.002")) << first;
    EXPECT_FALSE(fs::exists(dir_ / "setup.exe.003")) << first;

    std::vector<std::string> headers;
    int files = 0;
    for (int part = 1; part <= 2; ++part) {
      const std::string name = part == 1 ? first : "setup.exe.002";
      EXPECT_LE(fs::file_size(dir_ / name), 11300u) << name;
      const RunResult info = Run({"info", Path(name)});
      ASSERT_EQ(info.exitCode, 0) << name;
      auto lines = Lines(info.out);
      EXPECT_EQ(lines["ChecksumOk"], "TRUE") << name;
      EXPECT_EQ(lines["PartFile"], part == 1 ? "FALSE" : "TRUE") << name;
      EXPECT_EQ(lines["PackageFlags"], part == 2 ? "8" : "10") << name;
      EXPECT_EQ(lines["FilesCount"], part == 1 ? "3" : "1") << name;
      for (int i = 1; lines.count("FileRecord" + std::to_string(i) + ".Header"); ++i, ++files) {
        headers.push_back(lines["FileRecord" + std::to_string(i) + ".Header"].substr(0, 6));
      }
    }
    EXPECT_EQ(files, 3) << first;
    EXPECT_EQ(headers, (std::vector<std::string>{"|data.", "|docs\\", "|Engin"})) << first;
    for (const char* name : {"setup.exe", "setup.exe.001", "setup.exe.002"}) fs::remove(dir_ / name);
  }
}

TEST_F(VpackTest, TokenAndNoticeCommands) {
  const RunResult token = Run({"token", "abc"});
  ASSERT_EQ(token.exitCode, 0);
  ASSERT_FALSE(token.out.empty());
  EXPECT_EQ(Unscramble(token.out.substr(0, token.out.size() - 1)), "abc");

  WriteAll(dir_ / "body.rtf", "{\\rtf1 New version|2.0}");
  for (bool scramble : {false, true}) {
    std::vector<std::string> args = {"notice", "--token", "prod-1", "--body-file", Path("body.rtf"), "--out",
                                     Path("notice.txt")};
    if (scramble) args.push_back("--scramble");
    ASSERT_EQ(Run(args).exitCode, 0);
    const std::string content = ReadAll(dir_ / "notice.txt");
    EXPECT_EQ(content.starts_with("Scrambled=01"), scramble);
    const NoticeFile notice = ParseNoticeFile(content);
    EXPECT_EQ(notice.token, "prod-1");
    EXPECT_EQ(notice.body, "{\\rtf1 New version|2.0}");
  }
}

}  // namespace
}  // namespace vantor
