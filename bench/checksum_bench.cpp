// Times ComputePackageChecksum over a real file, read through the same kind
// of ByteSource the programs use, and prints its speed.
//
//   checksum_bench FILE [ROUNDS]
//
// Output, last line: "checksum bytes=N rounds=R best_MBps=X median_MBps=Y sum=S"
// (MB = 10^6 bytes). The file must not be larger than the checksum limit,
// since larger files are not summed at all.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "package/package_layout.h"
#ifdef _WIN32
#include "package/win32_file_source.h"
using BenchSource = vantor::Win32FileSource;
#else
#include "package/stdio_source.h"
using BenchSource = vantor::FileSource;
#endif

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: checksum_bench FILE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  BenchSource file(argv[1]);
  const int64_t size = file.Size();
  if (!file.IsOpen() || size <= 0) {
    std::fprintf(stderr, "checksum_bench: cannot read %s\n", argv[1]);
    return 1;
  }
  if (size > vantor::kChecksumSizeLimit) {
    std::fprintf(stderr, "checksum_bench: %s is over the checksum limit of %lld bytes\n", argv[1],
                 static_cast<long long>(vantor::kChecksumSizeLimit));
    return 1;
  }
  std::vector<double> speeds;
  uint32_t sum = 0;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    sum = vantor::ComputePackageChecksum(file, vantor::kTrailerSize);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    speeds.push_back(static_cast<double>(size) / 1e6 / took.count());
  }
  std::sort(speeds.begin(), speeds.end());
  std::printf("checksum bytes=%lld rounds=%d best_MBps=%.0f median_MBps=%.0f sum=%u\n", static_cast<long long>(size),
              rounds, speeds.back(), speeds[speeds.size() / 2], sum);
  return 0;
}
