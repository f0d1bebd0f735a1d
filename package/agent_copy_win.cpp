#include "package/agent_copy_win.h"

#include <windows.h>

#include <exception>

#include "base/debug_output.h"
#include "base/files.h"
#include "base/handles.h"
#include "package/agent_copy.h"
#include "package/package_layout.h"

namespace vantor {

void CopyFileDate(const std::string& from, const std::string& to) {
  WIN32_FILE_ATTRIBUTE_DATA source;
  if (!GetFileAttributesExA(from.c_str(), GetFileExInfoStandard, &source)) return;
  UniqueFile target(CreateFileA(to.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (target) SetFileTime(target.get(), nullptr, nullptr, &source.ftLastWriteTime);
}

void WriteAgentCopy(ByteSource& setupFile, const std::string& sourcePath, int64_t headerEnd,
                    const std::string& target) {
  PackageTrailer trailer;
  ReadTrailer(setupFile, trailer);
  std::string head;
  if (headerEnd <= 0 || static_cast<uint64_t>(headerEnd) > head.max_size()) return;
  try {
    head.resize(static_cast<std::size_t>(headerEnd));
  } catch (const std::exception&) {  // more than this process can hold
    return;
  }
  if (setupFile.ReadAt(0, head.data(), head.size()) != head.size()) return;
  if (WriteTextFile(target, AgentCopyBytes(std::move(head), trailer), 0, false)) CopyFileDate(sourcePath, target);
  DebugLinePid(" New AU-Agent: " + target);
}

}  // namespace vantor
