#include "agent/update_info_files.h"

#include "base/text.h"

namespace vantor {

AgentIniFiles AgentIniFilesIn(std::string_view folder, const TGFileInfo& package) {
  const std::string base = SetTrailingBackslash(folder, true);
  return {base + package.InstalledVersionFileName(), base + package.InfoFileName()};
}

}  // namespace vantor
