#include "package/extract_package.h"

#include <windows.h>

#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/system_helpers.h"
#include "base/window_helpers.h"
#include "package/agent_copy_win.h"
#include "package/extract_messages.h"
#include "package/extract_progress.h"
#include "package/package_layout.h"
#include "package/part_files.h"
#include "package/part_records.h"
#include "package/record_inflate.h"
#include "package/record_name.h"
#include "package/record_writer_win.h"
#include "package/win32_file_source.h"
#include "ui/message_box.h"

namespace vantor {

namespace {

constexpr unsigned kDiskSettleMs = 500;

struct ExtractRun {
  const std::string& destination;
  const ProgressCallback& progress;
  std::string& commandItem;
  RecordRun records;
};

bool ChecksumAccepted(uint32_t computed, uint32_t stored) {
  return computed == stored || computed == kChecksumDisabled || stored == kChecksumDisabled;
}

// Unpacks one part whose trailer has been read; false when its checksum
// fails (or it cannot be read at all), and then nothing of it is unpacked.
bool ExtractPart(Win32FileSource& file, const std::string& path, int part, const PackageTrailer& trailer,
                 const std::string& agentName, ExtractRun& run) {
  if (!file.IsOpen() || !ChecksumAccepted(ComputePackageChecksum(file, trailer.TrailerLength()), trailer.Checksum())) {
    return false;
  }
  const int64_t fileLen = PartLength(file);
  DebugLine("FileLen=" + std::to_string(fileLen));
  if (trailer.Magic() != kPackageMagic) return true;
  if (part == 1) ProgressSetUp(run.progress, trailer.FilesCount());
  if (!ForceDirectories(run.destination)) {
    ShowErrorBox(BoxOwnerMode::WithHeading, FolderFailureText(run.destination, LastErrorText()), "", "", 0);
  }
  RecordWriter writer(run.destination, path, RecordInflateLimit(trailer.SpaceRequired(0)), run.progress,
                      run.commandItem);
  WalkPartRecords(file, trailer.PayloadOffset(), fileLen, part == 1, run.records, writer);
  // Without the end of its header records the copy would be no program at all.
  const std::string agentFile = ExtractFileName(agentName);
  if (part == 1 && !agentFile.empty() && IsSafeRecordName(agentFile) && SourceTakesAgentCopy(path) &&
      run.records.headerEnd > 0) {
    WriteAgentCopy(file, path, run.records.headerEnd, run.destination + "\\" + agentFile);
  }
  return true;
}

// Asks for the disk that holds path until the file is there; false when the
// user cancels.
bool AskForDisk(const std::string& path, int part, bool forcePrompt, std::string_view prompt, std::string_view title,
                std::string_view buttons, std::uint8_t charset) {
  if (!forcePrompt && FileExists(path)) return true;
  EjectCD(path);
  bool go = true;
  do {
    go = AskOkCancel(BoxOwnerMode::WithHeading, DiskPromptText(prompt, part), title, buttons, charset);
    WaitPumping(kDiskSettleMs, 0);
  } while (go && !FileExists(path));
  return go;
}

}  // namespace

void ExtractPackage(const std::string& source, const std::string& destination, const std::string& agentName,
                    bool& checksumOk, const ProgressCallback& progress, std::string_view diskPrompt,
                    std::string_view promptTitle, std::string_view promptButtons, std::uint8_t charset,
                    bool forcePrompt, std::string& commandItem) {
  const DWORD start = GetTickCount();
  const std::string base = PartFileBase(source);
  commandItem.clear();
  checksumOk = false;
  ProgressSetUp(progress, 0);
  ExtractRun run{destination, progress, commandItem, {}};
  // A damaged part fails the whole package: a later good part must not
  // make a setup with missing files look whole.
  bool everyPartChecked = true;
  bool anyPart = false;
  bool go = true;
  std::string path = source;
  for (int part = 1;; ++part) {
    PackageTrailer trailer;
    if (FileExists(path)) {
      Win32FileSource file(path);
      ReadTrailer(file, trailer);
      if (part == 1) {
        DebugLine("FileInfo.FilesCount=" + std::to_string(trailer.FilesCount()));
        run.records.headerCount = trailer.HeaderCount();
      }
      anyPart = true;
      everyPartChecked = ExtractPart(file, path, part, trailer, agentName, run) && everyPartChecked;
    }
    if (!trailer.HasFlag(kFlagMultiPart)) break;
    SetAutoPlaySuppression(true);
    path = PartFileName(base, part + 1);
    go = AskForDisk(path, part + 1, forcePrompt, diskPrompt, promptTitle, promptButtons, charset);
    ProgressAdvance(progress);
    if (!go) break;
  }
  checksumOk = anyPart && everyPartChecked;
  if (!go) commandItem.clear();
  DebugLine("UnCompressTime: " + std::to_string(GetTickCount() - start) + " MS");
  DebugLine("");
  WaitPumping(kDiskSettleMs, 0);
}

}  // namespace vantor
