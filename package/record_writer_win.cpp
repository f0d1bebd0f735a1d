#include "package/record_writer_win.h"

#include <windows.h>

#include "base/file_names.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/system_helpers.h"
#include "package/extract_messages.h"
#include "package/extract_package.h"
#include "package/extract_progress.h"
#include "package/file_records.h"
#include "ui/message_box.h"

namespace vantor {

namespace {

int writeFailures = 0;

// The figures are read after the error text, which they would otherwise overwrite.
void ReportWriteFailure(const std::string& target, uint64_t dataSize, bool targetIsFile, const std::string& disk) {
  if (++writeFailures != 1) return;
  const std::string errorText = LastErrorText();
  const uint64_t fileSize = targetIsFile ? FileSizeByName(target) : 0;
  const std::string report = SizeReportText(errorText, dataSize, fileSize, DiskFreeSpace(disk));
  ShowErrorBox(BoxOwnerMode::WithHeading, WriteFailureText(target, report), "", "", 0);
}

bool HasFolderPart(const std::string& name) { return name.find_first_of("\\/") != std::string::npos; }

}  // namespace

int ExtractWriteFailures() { return writeFailures; }

RecordWriter::RecordWriter(const std::string& destination, const std::string& partPath, uint64_t inflateLimit,
                           const ProgressCallback& progress, std::string& commandItem)
    : destination_(destination),
      partPath_(partPath),
      inflateLimit_(inflateLimit),
      progress_(progress),
      commandItem_(commandItem) {}

// A message-queue check and a yield after every 64 KiB piece cost more than
// the reading itself on a fast disk; pumping at most every few milliseconds
// keeps the windows just as responsive. Slow reads still pump after each piece.
void RecordWriter::Pump() {
  const DWORD now = GetTickCount();
  if (pumped_ && now - lastPump_ < kPumpIntervalMs) return;
  pumped_ = true;
  lastPump_ = now;
  PumpMessages(0);
}

void RecordWriter::FileRecord(bool compressed, std::string&& data) {
  ++fileRecords_;
  const uint64_t dataSize = data.size();
  const FileRecordText record = DecodeFileRecord(compressed, std::move(data), inflateLimit_);
  const std::string target = destination_ + "\\" + record.header.name;
  switch (record.status) {
    case RecordStatus::NoHeader:
      return;
    case RecordStatus::BadStream:
      return RejectRecord(ERROR_INVALID_DATA, dataSize);
    case RecordStatus::TooLarge:
      return RejectRecord(ERROR_FILE_TOO_LARGE, dataSize);
    case RecordStatus::UnsafeName:
      // Only named in the report: nothing is created or read at that path.
      ProgressAdvance(progress_);
      SetLastError(ERROR_INVALID_NAME);
      return ReportWriteFailure(target, record.Content().size(), false, destination_);
    case RecordStatus::File:
      break;
  }
  if (record.header.commandItem) commandItem_ = *record.header.commandItem;
  if (!FileExists(target)) ProgressAdvance(progress_);
  if (HasFolderPart(record.header.name)) ForceDirectories(ExtractFilePath(target));
  if (!WriteTextFile(target, record.Content(), record.header.date, false)) {
    ReportWriteFailure(target, record.Content().size(), true, target);
  }
}

void RecordWriter::UnreadableRecord(int64_t size) {
  ++fileRecords_;
  RejectRecord(ERROR_NOT_ENOUGH_MEMORY, static_cast<uint64_t>(size));
}

void RecordWriter::RejectRecord(unsigned long errorCode, uint64_t dataSize) {
  ProgressAdvance(progress_);
  SetLastError(errorCode);
  ReportWriteFailure(partPath_ + ", file record " + std::to_string(fileRecords_), dataSize, false, destination_);
}

}  // namespace vantor
