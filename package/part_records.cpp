#include "package/part_records.h"

#include <algorithm>
#include <exception>

#include "package/file_records.h"
#include "package/package_layout.h"

namespace vantor {

namespace {

// Reads the data in pieces; false when the part ends early.
bool ReadData(ByteSource& part, int64_t offset, std::string& data, RecordVisitor& visitor) {
  for (std::size_t done = 0; done < data.size();) {
    const std::size_t want = std::min(kRecordReadPiece, data.size() - done);
    const std::size_t got = part.ReadAt(offset + static_cast<int64_t>(done), data.data() + done, want);
    visitor.Pump();
    if (got == 0) return false;
    done += got;
  }
  return true;
}

}  // namespace

int64_t PartLength(ByteSource& part) {
  if (IsPeFile(part)) {
    const int64_t end = PackageEnd(part);
    if (end > 0) return end;
  }
  return part.Size();
}

PartEnd WalkPartRecords(ByteSource& part, int64_t start, int64_t partLength, bool firstPart, RecordRun& run,
                        RecordVisitor& visitor) {
  std::string data;
  for (int64_t pos = start; partLength - pos > kTrailerSize;) {
    visitor.Pump();
    uint32_t raw = 0;
    if (!ReadU32At(part, pos, raw)) return PartEnd::ShortRead;
    const RecordFrame frame = DecodeRecordLength(raw);
    if (frame.size > partLength - pos - 4) return PartEnd::LengthPastEnd;
    ++run.recordCount;
    const int64_t next = pos + 4 + frame.size;
    if (firstPart && run.recordCount <= run.headerCount) {
      if (run.recordCount == run.headerCount) run.headerEnd = next;
    } else {
      try {
        data.resize(static_cast<std::size_t>(frame.size));
      } catch (const std::exception&) {  // more than this process can hold
        visitor.UnreadableRecord(frame.size);
        pos = next;
        continue;
      }
      if (!ReadData(part, pos + 4, data, visitor)) return PartEnd::ShortRead;
      visitor.FileRecord(frame.compressed, std::move(data));
      data = std::string();
    }
    pos = next;
  }
  return PartEnd::Complete;
}

}  // namespace vantor
