// Downloads from a real HTTP server on 127.0.0.1 (http_server.py, started by
// with-http-server.sh): the failure texts, progress calls, abort and resume,
// broken and changed remote files, memory downloads and HTML error pages.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/system_helpers.h"
#include "net/dos_date_time.h"
#include "net/http_abort.h"
#include "net/http_download.h"
#include "net/internet_connection.h"
#include "net/internet_library.h"
#include "net/partial_file.h"
#include "tests/windows/support/test_http_server.h"
#include "tests/windows/support/test_support.h"

namespace vantor::testing {
namespace {

constexpr int32_t kMiB = 1048576;
// The server's default Last-Modified date, 2024-05-17 10:20:30 GMT.
const uint32_t kServerDate = PackDosDateTime({2024, 5, 17, 10, 20, 30});
constexpr char kNotFoundPage[] =
    "<html><head><title>404 Not Found</title></head>"
    "<body><h1>Not Found</h1><p>The requested URL was not found on this server.</p></body></html>";

struct ProgressCall {
  int mode;
  int64_t minimum, maximum, position, step;
  std::string text;
};

// Records every progress call; with abortAfter > 0 raises the abort flag at
// that advance call, as a close request does during a transfer.
struct ProgressLog {
  std::vector<ProgressCall> calls;
  int abortAfter = 0;

  ProgressCallback Callback() {
    return [this](int mode, int64_t minimum, int64_t maximum, int64_t position, int64_t step, std::string_view text) {
      calls.push_back({mode, minimum, maximum, position, step, std::string(text)});
      if (abortAfter > 0 && Advances() == abortAfter) SetHttpAbort(true);
    };
  }
  int Advances() const {
    int n = 0;
    for (const ProgressCall& call : calls) n += call.mode == kProgressAdvance;
    return n;
  }
};

std::string DataUrl(const std::string& name, int32_t size, uint32_t seed, const std::string& options = "") {
  return TestServerUrl("/data/" + name + "?size=" + std::to_string(size) + "&seed=" + std::to_string(seed) +
                       options);
}

struct Result {
  std::string content;
  std::string error;
};

Result Download(const std::string& url, const std::string& target, ProgressLog* progress = nullptr,
                HWND window = nullptr) {
  Result result{"stale content", "stale error"};
  HTTP_DownloadFile_Incremental(window, url, target, result.content,
                                progress ? progress->Callback() : ProgressCallback(), result.error);
  return result;
}

class HttpDownload : public ::testing::Test {
 protected:
  void SetUp() override { SetHttpAbort(false); }
  void TearDown() override {
    SetHttpAbort(false);
    SetConnectedStateQuery(nullptr);
  }

  ScratchFolder folder{"http"};
  const std::string target = folder / "Update.exe";
};

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_WholeFileTakesTheTargetName) {
  const std::string url = DataUrl("Update.exe", kMiB, 1);
  ProgressLog progress;
  const Result result = Download(url, target, &progress);

  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.content, "");
  EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(kMiB, 1)) << "the file differs from the original";
  EXPECT_EQ(EntryNames(folder.path()), std::vector<std::string>{"Update.exe"});  // no partial file left

  ASSERT_GE(progress.calls.size(), 2u);
  const ProgressCall& first = progress.calls.front();
  // 102.4 chunks of 10240 bytes, rounded, plus one.
  EXPECT_EQ(first.mode, kProgressSetUp);
  EXPECT_EQ(first.minimum, 0);
  EXPECT_EQ(first.maximum, 103);
  EXPECT_EQ(first.position, 0);
  EXPECT_EQ(first.step, 1);
  EXPECT_EQ(first.text, "0/1048576 Bytes   ");
  for (std::size_t i = 1; i < progress.calls.size(); ++i) {
    const ProgressCall& call = progress.calls[i];
    EXPECT_EQ(call.mode, kProgressAdvance);
    EXPECT_EQ(call.maximum + call.minimum + call.position + call.step, 0);
  }
  EXPECT_EQ(progress.calls.back().text.rfind("1048576/1048576 Bytes   ", 0), 0u) << progress.calls.back().text;
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_TargetThatCannotBeReplacedIsAnError) {
  // A folder in the target's place: the whole file arrives but cannot take its name.
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
  const Result result = Download(DataUrl("Update.exe", 50000, 4), target);
  EXPECT_EQ(result.error.rfind(target + "<P><P>Unable to save Downloaded File!<P><P>", 0), 0u) << result.error;
  EXPECT_GT(result.error.size(), target.size() + 44) << "the system's reason follows";
  RemoveDirectoryA(target.c_str());
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_ProgressRangeOfSmallFiles) {
  struct Case {
    int32_t size;
    int64_t maximum;
  } cases[] = {
      {50000, 11},  // chunk 5000
      {10, 11},     // chunk 1
      {5, 6},       // under 10 bytes: a byte at a time, not a chunk of 0
      {1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    ProgressLog progress;
    const Result result = Download(DataUrl("small", c.size, 7), target, &progress);
    EXPECT_EQ(result.error, "");
    EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(c.size, 7));
    ASSERT_FALSE(progress.calls.empty());
    EXPECT_EQ(progress.calls.front().maximum, c.maximum);
    EXPECT_EQ(progress.Advances(), c.maximum - 1);
  }
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_FailuresBeforeTheTransferWriteNothing) {
  const std::string refused = "http://127.0.0.1:1/Update.exe";
  const std::string chunked = TestServerUrl("/chunked?size=50000&seed=3");
  const std::string empty = TestServerUrl("/empty");
  struct Case {
    std::string url, error;
  } cases[] = {
      {refused, "Unable to open Internet Connection <P>URL: " + refused},
      {"no address at all", "Unable to open Internet Connection <P>URL: no address at all"},
      {chunked, chunked + "<P><P>File Not Found !"},  // no Content-Length
      {empty, empty + "<P><P>File Not Found !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    for (const std::string& into : {target, std::string()}) {
      ProgressLog progress;
      const UniqueWindow window(CreateWindowExA(0, "STATIC", "progress", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                nullptr, nullptr));
      const Result result = Download(c.url, into, &progress, window.get());
      EXPECT_EQ(result.error, c.error);
      EXPECT_EQ(result.content, "");
      EXPECT_TRUE(progress.calls.empty());
      EXPECT_FALSE(IsWindowVisible(window.get()));
      EXPECT_TRUE(EntryNames(folder.path()).empty());
    }
  }
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_ShowsTheProgressWindowOnceTheSizeIsKnown) {
  const UniqueWindow window(
      CreateWindowExA(0, "STATIC", "progress", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  ASSERT_FALSE(IsWindowVisible(window.get()));
  EXPECT_EQ(Download(DataUrl("shown", 2000, 2), target, nullptr, window.get()).error, "");
  EXPECT_TRUE(IsWindowVisible(window.get()));
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_AbortKeepsThePartialFileAndTheRepeatResumes) {
  const std::string url = DataUrl("Update.exe", kMiB, 4, "&tag=resume");
  const std::string partial = PartialFileName(target, kMiB, kServerDate);
  WriteWholeFile(target, "the installed version");
  ProgressLog aborted;
  aborted.abortAfter = 30;
  EXPECT_EQ(Download(url, target, &aborted).error, "Download Aborted");
  EXPECT_EQ(aborted.Advances(), 30);
  EXPECT_EQ(ReadWholeFile(target), "the installed version");
  const std::string held = ReadWholeFile(partial);
  ASSERT_GT(held.size(), 0u);
  ASSERT_LT(held.size(), static_cast<std::size_t>(kMiB));
  EXPECT_TRUE(held == PatternBytes(kMiB, 4).substr(0, held.size()));

  SetHttpAbort(false);
  ProgressLog resumed;
  EXPECT_EQ(Download(url, target, &resumed).error, "");
  EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(kMiB, 4)) << "the resumed file differs from the original";
  EXPECT_FALSE(FileIsThere(partial));
  ASSERT_FALSE(resumed.calls.empty());
  // Started at the bytes held, in steps of 10240.
  EXPECT_NEAR(static_cast<double>(resumed.calls.front().position), held.size() / 10240.0, 0.5);
  // The rest came by a range request rather than from byte 0 again.
  const std::vector<std::string> requests = ServerRequests("resume");
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.back(), "HTTP_Connect_3|bytes=" + std::to_string(held.size()) + "-");
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_CloseRequestDuringTheTransferAbortsIt) {
  // A window of the thread raises the flag when its message arrives, as the
  // main window does on close; the download's own waits dispatch it.
  struct Closer {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_APP) SetHttpAbort(true);
      return DefWindowProcA(window, message, wParam, lParam);
    }
  };
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Closer::Procedure;
  windowClass.lpszClassName = "HttpDownloadCloser";
  const WindowClassRegistration registration(RegisterClassA(&windowClass), nullptr);
  const UniqueWindow closer(CreateWindowExA(0, "HttpDownloadCloser", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            nullptr, nullptr));
  ASSERT_TRUE(closer);
  const std::string url = DataUrl("slow.bin", 200000, 5, "&rate=400000");
  const ProgressCallback postOnFirstStep = [&](int mode, int64_t, int64_t, int64_t, int64_t, std::string_view) {
    if (mode == kProgressAdvance) PostMessageA(closer.get(), WM_APP, 0, 0);
  };
  std::string content, error;
  HTTP_DownloadFile_Incremental(nullptr, url, target, content, postOnFirstStep, error);
  EXPECT_EQ(error, "Download Aborted");
  EXPECT_FALSE(FileIsThere(target));
  const std::string held = ReadWholeFile(PartialFileName(target, 200000, kServerDate));
  EXPECT_GT(held.size(), 0u);
  EXPECT_LT(held.size(), 200000u);
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_AbortAlreadySetReadsOneChunk) {
  SetHttpAbort(true);
  ProgressLog progress;
  EXPECT_EQ(Download(DataUrl("Update.exe", kMiB, 6), target, &progress).error, "Download Aborted");
  EXPECT_EQ(progress.Advances(), 1);
  const std::string held = ReadWholeFile(PartialFileName(target, kMiB, kServerDate));
  EXPECT_GT(held.size(), 0u);
  EXPECT_LE(held.size(), 10240u);
  EXPECT_FALSE(FileIsThere(target));
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_BrokenAt40PercentAndRepeatedEndsIdentical) {
  // Every request without a Range header breaks after 40 % of the file.
  const std::string url = DataUrl("Update.exe", kMiB, 8, "&drop=419430&tag=broken");
  WriteWholeFile(target, "the installed version");
  ProgressLog broken;
  EXPECT_EQ(Download(url, target, &broken).error, "");
  EXPECT_EQ(ReadWholeFile(target), "the installed version");
  const std::string held = ReadWholeFile(PartialFileName(target, kMiB, kServerDate));
  ASSERT_GT(held.size(), 0u);
  ASSERT_LE(held.size(), 419430u);
  EXPECT_TRUE(held == PatternBytes(kMiB, 8).substr(0, held.size()));

  EXPECT_EQ(Download(url, target).error, "");
  EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(kMiB, 8)) << "the repeated download differs from the original";
  EXPECT_EQ(EntryNames(folder.path()), std::vector<std::string>{"Update.exe"});
  EXPECT_EQ(ServerRequests("broken").back(), "HTTP_Connect_3|bytes=" + std::to_string(held.size()) + "-");
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_PartialFileThatCannotResumeStartsAfresh) {
  // Servers that ignore the range, or answer it with the whole file, and a
  // partial file longer than the remote file: appending would corrupt it.
  struct Case {
    std::string options;
    std::size_t held;
  } cases[] = {
      {"&norange=1", 30000},
      {"&badrange=1", 30000},
      {"", 100001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options + " " + std::to_string(c.held));
    const std::string partial = PartialFileName(target, 100000, kServerDate);
    WriteWholeFile(partial, PatternBytes(c.held, 9));
    EXPECT_EQ(Download(DataUrl("Update.exe", 100000, 9, c.options), target).error, "");
    EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(100000, 9));
    EXPECT_FALSE(FileIsThere(partial));
  }
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_CompletePartialFileTakesTheTargetName) {
  const std::string partial = PartialFileName(target, 100000, kServerDate);
  WriteWholeFile(partial, PatternBytes(100000, 10));
  WriteWholeFile(target, "the installed version");
  ProgressLog progress;
  EXPECT_EQ(Download(DataUrl("Update.exe", 100000, 10), target, &progress).error, "");
  EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(100000, 10));
  EXPECT_FALSE(FileIsThere(partial));
  EXPECT_EQ(progress.Advances(), 0);
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_FailedWriteStopsWithThePartialFileIntact) {
  const std::string partial = PartialFileName(target, 100000, kServerDate);
  const std::string prefix = PatternBytes(30000, 11);
  WriteWholeFile(partial, prefix);
  {
    // Held open without write sharing, so every append fails (a read-only
    // attribute would not stop the root user that runs the tests).
    const UniqueFile reader(
        CreateFileA(partial.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    ProgressLog progress;
    EXPECT_EQ(Download(DataUrl("Update.exe", 100000, 11), target, &progress).error, "");
    EXPECT_EQ(progress.Advances(), 0);
  }
  EXPECT_FALSE(FileIsThere(target));
  EXPECT_TRUE(ReadWholeFile(partial) == prefix);
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_ChangedRemoteFileRemovesOldPartialFiles) {
  const std::string oldPartial = PartialFileName(target, 200000, kServerDate);
  SetHttpAbort(true);
  EXPECT_EQ(Download(DataUrl("Update.exe", 200000, 12), target).error, "Download Aborted");
  ASSERT_TRUE(FileIsThere(oldPartial));
  SetHttpAbort(false);
  WriteWholeFile(folder / "Update.exe.config", "kept");

  struct Case {
    std::string options;
    int32_t size;
  } changes[] = {
      {"&modified=1718619630", 200000},  // a new date, 2024-06-17
      {"", 150000},                      // a new size
  };
  for (const Case& c : changes) {
    SCOPED_TRACE(c.options + " " + std::to_string(c.size));
    WriteWholeFile(oldPartial, PatternBytes(50000, 12));
    WriteWholeFile(target, "the installed version");
    // The new version breaks at once, so only the sweep of old partial files shows.
    EXPECT_EQ(Download(DataUrl("Update.exe", c.size, 13, c.options + "&drop=0"), target).error, "");
    EXPECT_FALSE(FileIsThere(oldPartial));
    EXPECT_EQ(ReadWholeFile(folder / "Update.exe.config"), "kept");
    EXPECT_EQ(ReadWholeFile(target), "the installed version");
    EXPECT_EQ(Download(DataUrl("Update.exe", c.size, 13, c.options), target).error, "");
    EXPECT_TRUE(ReadWholeFile(target) == PatternBytes(c.size, 13));
    EXPECT_EQ(EntryNames(folder.path()).size(), 2u);
  }
}

TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_MemoryDownloadNeverTouchesTheDisk) {
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
  const Result whole = Download(DataUrl("Widget.info", 50000, 14, "&tag=memory"), "");
  // A text cut short would pass for the whole file with callers that parse it.
  const Result broken = Download(DataUrl("Widget.info", 50000, 14, "&drop=20000"), "");
  SetCurrentDirectoryA(previous);

  EXPECT_EQ(whole.error, "");
  EXPECT_TRUE(whole.content == PatternBytes(50000, 14));
  EXPECT_EQ(broken.error, "");
  EXPECT_EQ(broken.content, "");
  EXPECT_TRUE(EntryNames(folder.path()).empty());
  EXPECT_EQ(ServerRequests("memory"),
            (std::vector<std::string>{"HTTP_Connect_2|-", "HTTP_Connect_3|-"}));  // primed, then read
}

TEST_F(HttpDownload, CheckHtmlErrorPage_ErrorPageDownloadedAsTheFileGivesThe404Message) {
  const std::string url = TestServerUrl("/missing/Update.exe");
  const std::string message = "<B>404 File Not Found...</B><P><P>URL:  " + url +
                              ".<P><P>Please make sure the file is available and access is allowed to this file.";
  // Status codes are not examined: the page arrives as the file.
  const Result toFile = Download(url, target);
  EXPECT_EQ(toFile.error, "");
  EXPECT_EQ(ReadWholeFile(target), kNotFoundPage);
  EXPECT_EQ(CheckHtmlErrorPage(target, "", url, "Bad Secret Token!", false), message);
  // The file, when there is one, replaces the content passed in.
  EXPECT_EQ(CheckHtmlErrorPage(target, "MZ", url, "", false), message);

  const Result toMemory = Download(url, "");
  EXPECT_EQ(toMemory.content, kNotFoundPage);
  EXPECT_EQ(CheckHtmlErrorPage("", toMemory.content, url, "", false), message);

  const std::string program = folder / "Setup.exe";
  WriteWholeFile(program, PatternBytes(20000, 15));
  EXPECT_EQ(CheckHtmlErrorPage(program, kNotFoundPage, url, "Bad Secret Token!", false), "Bad Secret Token!");
  EXPECT_EQ(CheckHtmlErrorPage(folder / "absent.exe", kNotFoundPage, url, "", false), message);
}

TEST_F(HttpDownload, HTTP_GetFileSize_ReportedLengthOrMinusOne) {
  struct Case {
    std::string url;
    int32_t size;
  } cases[] = {
      {DataUrl("Update.exe", kMiB, 16), kMiB},
      {TestServerUrl("/missing/Update.exe"), static_cast<int32_t>(sizeof kNotFoundPage - 1)},  // a page has a size too
      {TestServerUrl("/chunked?size=5000"), -1},
      {"http://127.0.0.1:1/Update.exe", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(HTTP_GetFileSize(c.url), c.size) << c.url;
  HTTP_GetFileSize(DataUrl("Update.exe", 100, 16, "&tag=size"));
  EXPECT_EQ(ServerRequests("size"), (std::vector<std::string>{"HTTP_Connect_2|-", "HTTP_Connect_2|-"}));
}

// Wine's loader refuses a library that the prefix's settings disable for a
// program name, so a copy of this program under that name runs without
// "wininet.dll". The copy runs this same test, which then checks and reports
// through the marker file.
TEST_F(HttpDownload, HTTP_DownloadFile_Incremental_WithoutTheLibraryUnableToInitialize) {
  const char* marker = std::getenv("VANTOR_WITHOUT_WININET");
  if (marker != nullptr) {
    const std::string url = DataUrl("Update.exe", 5000, 17);
    ProgressLog progress;
    const Result result = Download(url, target, &progress);
    EXPECT_EQ(result.error, "Unable to initialize \"WinINet.dll\"");
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_TRUE(EntryNames(folder.path()).empty());
    EXPECT_EQ(HTTP_GetFileSize(url), -1);
    std::string reason;
    EXPECT_FALSE(IsInternetConnected(reason));
    EXPECT_NE(reason, "");
    if (InternetLibrary() == nullptr) WriteWholeFile(marker, "ran without the library");
    return;
  }
  const std::string markerFile = folder / "marker.txt";
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const std::string copy = folder / "no_wininet_tests.exe";
  ASSERT_TRUE(CopyFileA(program, copy.c_str(), FALSE));
  UniqueRegKey overrides;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\no_wininet_tests.exe\\DllOverrides", 0,
                            nullptr, 0, KEY_SET_VALUE, nullptr, overrides.put(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(overrides.get(), "wininet", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1),
            ERROR_SUCCESS);
  const std::string testName = std::string(::testing::UnitTest::GetInstance()->current_test_suite()->name()) + "." +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name();
  SetEnvironmentVariableA("VANTOR_WITHOUT_WININET", markerFile.c_str());
  const ProcessResult copyRun = RunAndWait(Quote(copy) + " --gtest_filter=" + testName, 120000);
  SetEnvironmentVariableA("VANTOR_WITHOUT_WININET", nullptr);
  ASSERT_TRUE(copyRun.finished);
  EXPECT_EQ(copyRun.exitCode, 0u);
  EXPECT_EQ(ReadWholeFile(markerFile), "ran without the library");
}

BOOL Unconnected(DWORD* flags, DWORD) {
  *flags = 0;
  SetLastError(ERROR_NOT_CONNECTED);
  return FALSE;
}

TEST_F(HttpDownload, IsInternetConnected_ReasonOnlyWhenUnconnected) {
  std::string reason = "stale";
  EXPECT_TRUE(IsInternetConnected(reason));  // Wine always answers connected
  EXPECT_EQ(reason, "");

  SetConnectedStateQuery(Unconnected);
  EXPECT_FALSE(IsInternetConnected(reason));
  SetLastError(ERROR_NOT_CONNECTED);
  EXPECT_EQ(reason, LastErrorText());
  EXPECT_NE(reason, "");
  EXPECT_FALSE(IsInternetConnected());
}

}  // namespace
}  // namespace vantor::testing
