// The Windows side of bench/download.sh. It measures, it tests nothing.
//
//   download_probe.exe download URL TARGET   HTTP_DownloadFile_Incremental to TARGET
//   download_probe.exe read URL              the internet library alone: the same
//                                            request, read in receive-buffer pieces
//                                            with no wait, no file and no progress
//   download_probe.exe loop URL FILE         the transfer loop's steps (wait, read,
//                                            append to FILE), each timed apart
//   download_probe.exe prime URL             the priming request alone
//   download_probe.exe costs N               the mean cost of the per-chunk wait over
//                                            N waits back to back, and the step of the
//                                            tick count that ends it
//
// Each prints one line of NAME=VALUE fields; times come from the performance
// counter, peak_ws_kib is this process's peak working set.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/files.h"
#include "base/message_pump.h"
#include "net/http_download.h"
#include "net/http_requests_win.h"
#include "net/transfer_plan.h"

namespace {

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

unsigned long long PeakWorkingSetKib() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return counters.PeakWorkingSetSize / 1024;
}

// Also splits the call at its progress reports: before the first (the wait at
// the start, the priming request, opening the URL), from it to the last chunk
// (the transfer loop), and after (the rename).
int Download(const std::string& url, const std::string& target) {
  long long chunks = 0;
  double setUpAt = 0;
  double lastChunkAt = 0;
  const vantor::ProgressCallback count = [&](int mode, int64_t, int64_t, int64_t, int64_t, std::string_view) {
    if (mode == vantor::kProgressSetUp) setUpAt = NowMs();
    if (mode == vantor::kProgressAdvance) {
      ++chunks;
      lastChunkAt = NowMs();
    }
  };
  std::string content;
  std::string error;
  const double start = NowMs();
  vantor::HTTP_DownloadFile_Incremental(nullptr, url, target, content, count, error);
  const double end = NowMs();
  std::printf("ms=%.1f before_ms=%.1f loop_ms=%.1f after_ms=%.1f chunks=%lld bytes=%llu peak_ws_kib=%llu error=%s\n",
              end - start, setUpAt - start, lastChunkAt - setUpAt, end - lastChunkAt, chunks,
              static_cast<unsigned long long>(vantor::FileSizeByName(target)), PeakWorkingSetKib(),
              error.empty() ? "none" : error.c_str());
  return error.empty() ? 0 : 1;
}

// The transfer loop's steps, timed apart: with a file, the per-chunk wait,
// the read through the internet library and the append to the file; without,
// the reads alone, back to back. No progress text, no priming request.
int Read(const std::string& url, const std::string& file) {
  const double start = NowMs();
  const vantor::UniqueInternetHandle root = vantor::OpenInternetRoot(vantor::kDownloadAgent);
  const vantor::UniqueInternetHandle request =
      root ? vantor::OpenUrl(root.get(), url, vantor::kResynchronizeFlag) : vantor::UniqueInternetHandle();
  if (!request) {
    std::printf("error=cannot open %s\n", url.c_str());
    return 1;
  }
  const bool loop = !file.empty();
  std::vector<char> buffer(vantor::kReceiveBufferSize);
  unsigned long long bytes = 0;
  long long reads = 0;
  double waitMs = 0;
  double readMs = 0;
  double appendMs = 0;
  for (;;) {
    const double beforeWait = NowMs();
    if (loop) vantor::WaitPumping(2, 0);
    const double beforeRead = NowMs();
    DWORD count = 0;
    const BOOL read =
        vantor::wininet::InternetReadFile(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count);
    const double afterRead = NowMs();
    waitMs += beforeRead - beforeWait;
    readMs += afterRead - beforeRead;
    if (!read || count == 0) break;
    if (loop && !vantor::AppendTextToFile(file, std::string_view(buffer.data(), count), 0)) {
      std::printf("error=cannot append to %s\n", file.c_str());
      return 1;
    }
    appendMs += NowMs() - afterRead;
    bytes += count;
    ++reads;
  }
  std::printf("ms=%.1f reads=%lld bytes=%llu wait_ms=%.1f read_ms=%.1f append_ms=%.1f\n", NowMs() - start, reads,
              bytes, waitMs, readMs, appendMs);
  return 0;
}

// The priming request on its own, as the download makes it before the real one.
int Prime(const std::string& url) {
  const double start = NowMs();
  vantor::PrimeUrl(url);
  std::printf("ms=%.1f\n", NowMs() - start);
  return 0;
}

int Costs(int rounds) {
  // The per-chunk wait on its own, back to back.
  double start = NowMs();
  for (int i = 0; i < rounds; ++i) vantor::WaitPumping(2, 0);
  const double waitMs = (NowMs() - start) / rounds;

  // How often the tick count that ends the wait moves when nothing else runs.
  constexpr int kTickChanges = 20;
  DWORD tick = GetTickCount();
  while (GetTickCount() == tick) {
  }
  start = NowMs();
  for (int i = 0; i < kTickChanges; ++i) {
    tick = GetTickCount();
    while (GetTickCount() == tick) {
    }
  }
  const double tickStepMs = (NowMs() - start) / kTickChanges;

  std::printf("wait_ms=%.3f tick_step_ms=%.2f rounds=%d\n", waitMs, tickStepMs, rounds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  int rc = 2;
  if (mode == "download" && argc == 4) {
    rc = Download(argv[2], argv[3]);
  } else if (mode == "read" && argc == 3) {
    rc = Read(argv[2], "");
  } else if (mode == "loop" && argc == 4) {
    rc = Read(argv[2], argv[3]);
  } else if (mode == "prime" && argc == 3) {
    rc = Prime(argv[2]);
  } else if (mode == "costs" && argc == 3) {
    rc = Costs(std::max(1, std::atoi(argv[2])));
  } else {
    std::fprintf(stderr, "usage: download_probe.exe download URL TARGET | read URL | loop URL FILE | prime URL | costs N\n");
  }
  std::fflush(stdout);
  return rc;
}
