#include "net/http_download.h"

#include <array>

#include "base/debug_output.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/system_helpers.h"
#include "net/download_errors.h"
#include "net/http_abort.h"
#include "net/http_requests_win.h"
#include "net/partial_file.h"
#include "net/partial_resume_win.h"
#include "net/transfer_plan.h"
#include "net/transfer_progress.h"

namespace vantor {

namespace {

// Where the bytes go: the partial file (opened, appended and closed per
// chunk, so memory does not grow with the file), or the content text.
struct Destination {
  std::string partial;  // empty for a memory download
  std::string& content;

  bool Append(std::string_view bytes) const {
    if (partial.empty()) {
      content.append(bytes);
      return true;
    }
    return AppendTextToFile(partial, bytes, 0);
  }
};

// Reads until the reply ends, the whole length is held, the abort flag is set
// or a write fails: bytes appended after a lost chunk would sit at the wrong
// offset, and a later resume would take them for the file.
void ReadToEnd(HINTERNET request, const Destination& destination, int32_t total, int64_t done,
               const ProgressCallback& progress) {
  const int32_t chunk = TransferChunkSize(total);
  ProgressRings rings;
  std::string text = FormatTransferProgress(rings, true, total, done, 0, GetTickCount());
  if (progress) progress(kProgressSetUp, 0, ProgressMaximum(total, chunk), ProgressPosition(done, chunk), 1, text);

  std::array<char, kReceiveBufferSize> buffer;
  DWORD count = 0;
  while (done < total) {
    WaitPumping(2, 0);
    buffer.fill(0);
    count = 0;
    const bool read = wininet::InternetReadFile(request, buffer.data(), static_cast<DWORD>(chunk), &count) != FALSE;
    if (!read) count = 0;
    if (count > 0) {
      if (!destination.Append(std::string_view(buffer.data(), count))) return;
      done += count;
    }
    text = FormatTransferProgress(rings, false, total, done, count, GetTickCount());
    if (count > 0 && progress) progress(kProgressAdvance, 0, 0, 0, 0, text);
    if (count == 0 || HttpAbortRequested()) return;
  }
}

std::string Download(HWND progressWindow, const std::string& url, const std::string& targetFile,
                     std::string& content, const ProgressCallback& progress) {
  const UniqueInternetHandle root = OpenInternetRoot(kDownloadAgent);
  if (!root) return std::string(kUnableToInitializeText);
  const bool toFile = !targetFile.empty();
  const DWORD flags = toFile ? kResynchronizeFlag : kReloadFlag;
  UniqueInternetHandle request = OpenUrl(root.get(), url, flags);
  if (!request) return UnableToOpenText(url);

  const int32_t total = QueryContentLength(request.get());
  const uint32_t lastModified = QueryLastModified(request.get());
  DebugLine("HTTP_DownloadFile_Incremental FileSize=" + std::to_string(total) + "  " + url);
  if (total <= 0) return FileNotFoundText(url);
  if (progressWindow != nullptr) ShowWindow(progressWindow, SW_SHOWNORMAL);

  const Destination destination{toFile ? PartialFileName(targetFile, total, lastModified) : std::string(), content};
  std::optional<int64_t> done = 0;
  if (toFile) {
    done = ResumePartialFile(root.get(), request, url, flags, targetFile, destination.partial, total, lastModified);
  }
  if (done) ReadToEnd(request.get(), destination, total, *done, progress);

  std::string errorText = HttpAbortRequested() ? std::string(kDownloadAbortedText) : std::string();
  if (toFile && FileSizeByName(destination.partial) == static_cast<uint64_t>(total)) {
    DeleteFileA(targetFile.c_str());
    if (!MoveFileA(destination.partial.c_str(), targetFile.c_str())) {
      errorText = UnableToSaveText(targetFile, LastErrorText());
    }
  }
  // A text cut short would pass for the whole file with callers that parse it.
  if (!toFile && content.size() != static_cast<std::size_t>(total)) content.clear();
  return errorText;
}

}  // namespace

void HTTP_DownloadFile_Incremental(HWND progressWindow, const std::string& url, const std::string& targetFile,
                                   std::string& content, const ProgressCallback& progress, std::string& errorText) {
  WaitPumping(100, 0);
  errorText.clear();
  content.clear();
  PrimeUrl(url);
  errorText = Download(progressWindow, url, targetFile, content, progress);
  if (!errorText.empty()) DebugLinePid(" HTTP_DownloadFile_Incremental: " + errorText);
}

}  // namespace vantor
