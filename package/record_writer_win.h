// Writes the file records of one part below the destination folder as the
// record walker hands them over, and reports records that cannot be written.
#pragma once

#include <cstdint>
#include <string>

#include "net/progress.h"
#include "package/part_records.h"

namespace vantor {

class RecordWriter final : public RecordVisitor {
 public:
  // partPath names the part in reports of records without a usable name.
  RecordWriter(const std::string& destination, const std::string& partPath, uint64_t inflateLimit,
               const ProgressCallback& progress, std::string& commandItem);
  void Pump() override;
  void FileRecord(bool compressed, std::string&& data) override;
  void UnreadableRecord(int64_t size) override;

 private:
  // A record whose data cannot be used, reported like a failed write with
  // the error code that says why.
  void RejectRecord(unsigned long errorCode, uint64_t dataSize);

  const std::string& destination_;
  const std::string& partPath_;
  uint64_t inflateLimit_;
  const ProgressCallback& progress_;
  std::string& commandItem_;
  int fileRecords_ = 0;
  static constexpr unsigned long kPumpIntervalMs = 10;
  bool pumped_ = false;
  unsigned long lastPump_ = 0;  // GetTickCount of the last pump
};

}  // namespace vantor
