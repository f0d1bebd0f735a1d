#include "package/agent_copy.h"

#include <algorithm>

namespace vantor {

std::string AgentCopyBytes(std::string programAndHeaders, PackageTrailer trailer) {
  std::string copy = std::move(programAndHeaders);
  if (copy.size() > kPackageEndLowOffset) {
    const std::size_t end = std::min<std::size_t>(copy.size(), kPackageEndLowOffset + 4);
    std::fill(copy.begin() + kPackageEndLowOffset, copy.begin() + static_cast<std::ptrdiff_t>(end), '\0');
  }
  trailer.SetByte(kOffsetAgent, 1);
  trailer.SetU32(kOffsetTrailerLength, kTrailerSize);
  copy.append(reinterpret_cast<const char*>(trailer.bytes.data()), trailer.bytes.size());
  return copy;
}

}  // namespace vantor
