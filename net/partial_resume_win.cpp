#include "net/partial_resume_win.h"

#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/folder_entries_win.h"
#include "net/http_requests_win.h"
#include "net/partial_file.h"
#include "net/range_reply.h"

namespace vantor {

namespace {

constexpr DWORD kPartialContent = 206;

void DebugResume(int64_t held, const char* how) {
  DebugLinePid(" HTTP_DownloadFile_Incremental: partial file of " + std::to_string(held) + " bytes " + how);
}

// Only names of the partial-file form: target + ".*" alone would also match
// the target itself and files such as "Update.exe.config".
void DeleteOtherPartialFiles(const std::string& target) {
  const std::string folder = ExtractFilePath(target);
  const std::string name = ExtractFileName(target);
  for (const FolderEntry& entry : FolderEntries(target + ".*")) {
    if (!IsFolder(entry) && IsPartialFileOf(name, entry.name)) DeleteFileA((folder + entry.name).c_str());
  }
}

bool StartAfresh(const std::string& partial) {
  DeleteFileA(partial.c_str());
  return !FileExists(partial);
}

// Wine's library, and Windows' for replies it has not cached, cannot move the
// read position of an HTTP stream and would read from byte 0 again. A range
// request asks for the rest; its reply is used only when it is that rest of
// the same remote file.
UniqueInternetHandle OpenRest(HINTERNET root, const std::string& url, DWORD flags, int64_t start, int32_t total,
                              uint32_t lastModified) {
  UniqueInternetHandle ranged = OpenUrl(root, url, flags, RangeRequestHeader(start));
  if (!ranged || QueryStatusCode(ranged.get()) != kPartialContent ||
      !ContentRangeCoversRest(QueryContentRange(ranged.get()), start, total) ||
      QueryLastModified(ranged.get()) != lastModified) {
    return {};
  }
  return ranged;
}

}  // namespace

std::optional<int64_t> ResumePartialFile(HINTERNET root, UniqueInternetHandle& request, const std::string& url,
                                         DWORD flags, const std::string& target, const std::string& partial,
                                         int32_t total, uint32_t lastModified) {
  if (!FileExists(partial)) {
    DeleteOtherPartialFiles(target);
    return 0;
  }
  const auto held = static_cast<int64_t>(FileSizeByName(partial));
  // A complete file needs no read; an empty one needs no move.
  if (held == total || held == 0) return held;
  if (held < total) {
    const DWORD moved = wininet::InternetSetFilePointer(request.get(), static_cast<LONG>(held), nullptr, FILE_BEGIN, 0);
    if (moved == static_cast<DWORD>(held)) {
      DebugResume(held, "resumed, read position moved");
      return held;
    }
    if (UniqueInternetHandle rest = OpenRest(root, url, flags, held, total, lastModified)) {
      request = std::move(rest);
      DebugResume(held, "resumed by a range request");
      return held;
    }
  }
  // Larger than the remote file, or no way to skip what it holds: appending
  // the reply from byte 0 would corrupt it.
  DebugResume(held, "cannot be resumed, starting afresh");
  if (!StartAfresh(partial)) return std::nullopt;
  return 0;
}

}  // namespace vantor
