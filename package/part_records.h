// Walking the records of one part file. Every declared length is checked
// against what is left of the part, and only one record is held at a time.
#pragma once

#include <cstdint>
#include <string>

#include "package/byte_source.h"

namespace vantor {

// Reads happen in pieces of this size, with the visitor's Pump between them,
// so the windows of the reading thread keep repainting.
constexpr std::size_t kRecordReadPiece = 65536;

// What runs on from one part to the next.
struct RecordRun {
  int headerCount = 2;      // header records at the start of the first part
  int64_t recordCount = 0;  // records seen so far, header records included
  int64_t headerEnd = 0;    // position just past the last header record; 0 until seen
};

class RecordVisitor {
 public:
  virtual ~RecordVisitor() = default;
  // Between records and between the pieces of one record.
  virtual void Pump() = 0;
  // A file record's data, read whole.
  virtual void FileRecord(bool compressed, std::string&& data) = 0;
  // A file record too large to hold in memory; it is skipped.
  virtual void UnreadableRecord(int64_t size) = 0;
};

enum class PartEnd {
  Complete,       // no more than a trailer's length left
  LengthPastEnd,  // a record would run past the end of the part
  ShortRead,      // the part gave fewer bytes than it holds
};

// The end of the records area: PackageEnd in a PE file that records one,
// else the physical end (the trailer lies just before it).
int64_t PartLength(ByteSource& part);

// The records from start while more than a trailer's length is left before
// partLength. Only the first part begins with header records; they are
// counted and skipped unread.
PartEnd WalkPartRecords(ByteSource& part, int64_t start, int64_t partLength, bool firstPart, RecordRun& run,
                        RecordVisitor& visitor);

}  // namespace vantor
