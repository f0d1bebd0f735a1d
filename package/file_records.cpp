#include "package/file_records.h"

#include "base/text.h"
#include "package/record_inflate.h"
#include "package/record_name.h"

namespace vantor {

RecordFrame DecodeRecordLength(uint32_t raw) {
  const auto length = static_cast<int32_t>(raw);
  // 64 bits: the stored size of -2^31 has no 32-bit positive form.
  return {length > 0, length < 0 ? -int64_t{length} : int64_t{length}};
}

RecordTextParts SplitRecordText(std::string_view text) {
  const std::size_t zero = text.find('\0');
  if (zero == std::string_view::npos) return {{}, text.substr(text.size())};
  return {text.substr(0, zero), text.substr(zero + 1)};
}

uint32_t RecordDate(std::string_view item) {
  if (item.empty() || item.size() > 10 || item.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  uint64_t value = 0;
  for (const char digit : item) value = value * 10 + static_cast<uint64_t>(digit - '0');
  return value > UINT32_MAX ? 0 : static_cast<uint32_t>(value);
}

RecordHeader ParseRecordHeader(std::string_view header) {
  RecordHeader result;
  // A "*" anywhere marks the record; normally it sits in the name item,
  // which then becomes the command item on its own.
  if (header.find('*') != std::string_view::npos) result.commandItem = std::string(header);
  result.name = BarItem(header, 0, "");
  result.date = RecordDate(BarItem(header, 1, ""));
  const std::size_t star = result.name.find('*');
  if (star != std::string::npos) {
    result.commandItem = result.name;
    result.name.erase(star);
  }
  return result;
}

FileRecordText DecodeFileRecord(bool compressed, std::string&& data, uint64_t inflateLimit) {
  FileRecordText record;
  if (compressed) {
    const InflateResult inflated = InflateRecord(data, inflateLimit, record.text);
    if (inflated != InflateResult::Ok) {
      record.status = inflated == InflateResult::TooLarge ? RecordStatus::TooLarge : RecordStatus::BadStream;
      return record;
    }
  } else {
    record.text = std::move(data);
  }
  const RecordTextParts parts = SplitRecordText(record.text);
  if (parts.header.empty()) {
    record.status = RecordStatus::NoHeader;
    record.text.clear();
    return record;
  }
  record.header = ParseRecordHeader(parts.header);
  record.contentStart = parts.header.size() + 1;
  if (!IsSafeRecordName(record.header.name)) {
    // A refused record names nothing to start either.
    record.header.commandItem.reset();
    record.status = RecordStatus::UnsafeName;
    return record;
  }
  record.status = RecordStatus::File;
  return record;
}

}  // namespace vantor
