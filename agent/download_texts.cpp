#include "agent/download_texts.h"

#include "agent/agent_downloads.h"

namespace vantor {

const TextKey* DownloadCaptionKey(int kind) {
  switch (kind) {
    case kInfoFile:
      return &AutoUpdate::s31;
    case kUpdateFile:
      return &AutoUpdate::s32;
    case kInformFile:
      return &AutoUpdate::s33;
    default:
      return nullptr;
  }
}

bool IsDriveOrSharePath(std::string_view source) {
  return (source.size() >= 2 && source[1] == ':') || source.starts_with("\\\\");
}

std::string TransferFailureMessage(std::string_view source, bool aborted, std::string_view abortedText,
                                   std::string_view notFoundText, std::string_view unableText) {
  if (aborted) return std::string(abortedText);
  return std::string(source) + "<P><P>" + std::string(IsDriveOrSharePath(source) ? notFoundText : unableText);
}

}  // namespace vantor
