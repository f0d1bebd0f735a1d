// The file records of a package and the record text inside each one.
//
// Record (after the header records of the first file, and from PayloadOffset
// in every further part file):
//   0  i32 LE  length: > 0 a zlib stream (RFC 1950) of that many bytes,
//              < 0 stored bytes, -length of them; 0 an empty record
//   4  data    |length| bytes
//
// Record text (the data, inflated when compressed):
//   file header   a bar list: item 0 the file name, item 1 the DOS date-time
//                 in decimal (date high, time low); further items ignored
//   byte 0        the first zero byte ends the header
//   content       the file's bytes, to the end of the text
//
// A "*" in the name marks the program started after extraction:
// "|Engine.exe*/LANG=2|1009802308|" names Engine.exe, and the whole name item
// is the command item.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

struct RecordFrame {
  bool compressed = false;
  int64_t size = 0;  // bytes of data after the length field
};
RecordFrame DecodeRecordLength(uint32_t raw);

struct RecordTextParts {
  std::string_view header;   // before the first byte 0 (empty when there is none)
  std::string_view content;  // after it
};
RecordTextParts SplitRecordText(std::string_view text);

struct RecordHeader {
  std::string name;   // relative to the destination, before any "*"
  uint32_t date = 0;  // 0 leaves the file's date alone
  std::optional<std::string> commandItem;
};
RecordHeader ParseRecordHeader(std::string_view header);

// The date item as a decimal number; 0 for an empty text, anything that is
// not a number or a value beyond 32 bits.
uint32_t RecordDate(std::string_view item);

enum class RecordStatus {
  File,        // a name and content to write
  NoHeader,    // no byte 0 or an empty header: skipped
  UnsafeName,  // the name would leave the destination folder
  BadStream,   // not one complete zlib stream
  TooLarge,    // inflates beyond the bound, or more than memory allows
};

struct FileRecordText {
  RecordStatus status = RecordStatus::NoHeader;
  std::string text;  // the whole record text (empty when skipped or not inflated)
  RecordHeader header;
  std::size_t contentStart = 0;
  std::string_view Content() const { return std::string_view(text).substr(contentStart); }
};

// Inflates (when compressed) and splits one record's data. Stored data is
// taken over without a copy.
FileRecordText DecodeFileRecord(bool compressed, std::string&& data, uint64_t inflateLimit);

}  // namespace vantor
