#include "package/web_setup.h"

#include "agent/display_helpers.h"
#include "base/text.h"
#include "package/byte_source.h"
#include "package/package_layout.h"

namespace vantor {

std::string DownloadOnlyAgentCopy(std::string bytes) {
  MemorySource source(bytes);
  const uint64_t end = static_cast<uint32_t>(PackageEnd(source));
  // Any recorded end inside the file is cut at, however much follows it: the
  // copy must end with its trailer to be an agent file at all.
  if (end > 0 && end < bytes.size()) bytes.resize(static_cast<std::size_t>(end));
  if (bytes.size() > 5) bytes[bytes.size() - 5] = 1;
  return bytes;
}

std::string DownloadQuestion(std::string_view question, std::string_view setupFileSize) {
  int64_t size = 0;
  if (!TryParseInt64(setupFileSize, size)) size = 0;
  return ReplaceText(question, "<SIZE>", FormatMegabytes(static_cast<double>(size)), false);
}

}  // namespace vantor
