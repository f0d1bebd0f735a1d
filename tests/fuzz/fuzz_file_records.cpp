// The file-record parser over arbitrary part bytes: framing, header split,
// name rules and the bounded inflate. Whatever the bytes, a record handed on
// stays inside the part, and a record to write has a safe name.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "package/file_records.h"
#include "package/package_layout.h"
#include "package/part_records.h"
#include "package/record_name.h"

namespace {

// Small enough that a run of zeros inflating a thousandfold is caught.
constexpr uint64_t kFuzzInflateLimit = 1 << 20;

class CheckingVisitor final : public vantor::RecordVisitor {
 public:
  explicit CheckingVisitor(int64_t partSize) : partSize_(partSize) {}
  void Pump() override {}
  void FileRecord(bool compressed, std::string&& data) override {
    if (static_cast<int64_t>(data.size()) > partSize_) std::abort();
    Check(vantor::DecodeFileRecord(compressed, std::move(data), kFuzzInflateLimit));
  }
  void UnreadableRecord(int64_t) override {}

  static void Check(const vantor::FileRecordText& record) {
    if (record.text.size() > kFuzzInflateLimit) std::abort();
    if (record.status == vantor::RecordStatus::File || record.status == vantor::RecordStatus::UnsafeName) {
      if (record.contentStart > record.text.size()) std::abort();
      if (record.text[record.contentStart - 1] != '\0') std::abort();
    }
    if (record.status == vantor::RecordStatus::File && !vantor::IsSafeRecordName(record.header.name)) std::abort();
    if (record.status == vantor::RecordStatus::UnsafeName && record.header.commandItem) std::abort();
  }

 private:
  int64_t partSize_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace vantor;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MemorySource source(bytes);
  PackageTrailer trailer;
  ReadTrailer(source, trailer);
  const int64_t length = PartLength(source);
  for (const bool firstPart : {true, false}) {
    RecordRun run;
    run.headerCount = trailer.HeaderCount();
    CheckingVisitor visitor(static_cast<int64_t>(size));
    WalkPartRecords(source, trailer.PayloadOffset(), length, firstPart, run, visitor);
    if (run.headerEnd < 0 || run.headerEnd > length) std::abort();
    // The same bytes from the start, as a part without header records.
    RecordRun fromStart;
    WalkPartRecords(source, 0, static_cast<int64_t>(size), false, fromStart, visitor);
  }
  // The whole input as one record's data, both ways.
  CheckingVisitor::Check(DecodeFileRecord(true, std::string(bytes), kFuzzInflateLimit));
  CheckingVisitor::Check(DecodeFileRecord(false, std::string(bytes), kFuzzInflateLimit));
  (void)IsSafeRecordName(bytes);
  return 0;
}
