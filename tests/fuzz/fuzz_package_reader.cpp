// The package reader over arbitrary file bytes, and the token round trip.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "package/file_info.h"
#include "package/notice_file.h"
#include "package/package_layout.h"
#include "package/scramble.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace vantor;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MemorySource source(bytes);

  const TGFileInfo info(&source);
  (void)info.SetupToken(true);
  (void)info.InstalledVersionFileName();
  (void)info.SameWebToken(info);
  (void)info.SpaceRequiredFor(4096);

  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  (void)IsPeFile(source);
  (void)PackageEnd(source);
  (void)ComputePackageChecksum(source, trailer.TrailerLength());
  (void)ComputePackageChecksum(source, static_cast<int32_t>(size % 200) - 100);

  (void)Unscramble(bytes);
  (void)UnscrambleText(bytes);
  (void)ParseNoticeFile(bytes);

  if (TryUnscramble(ScrambleToken(bytes, static_cast<uint32_t>(size), 1 + size % 255)) != bytes) std::abort();
  const auto key = static_cast<unsigned char>(33 + size % 90);
  if (UnscrambleText(ScrambleText(bytes, key)) != bytes) std::abort();
  return 0;
}
