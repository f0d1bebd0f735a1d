#include "startup/roles.h"

#include "base/file_names.h"
#include "base/text.h"
#include "package/package_layout.h"

namespace vantor {

namespace {
// Only the low 32 bits of the switch value count.
int32_t SpanLevel(const RoleFacts& facts) { return static_cast<int32_t>(static_cast<uint32_t>(facts.spanCdLevel)); }
}  // namespace

bool IsPlainAgent(const RoleFacts& facts) {
  return facts.isAgentFile && SameTextTrimmed(ExtractFileName(facts.programPath), facts.agentExeName);
}

bool IsAgentCopy(const RoleFacts& facts) {
  return facts.isAgentFile && SameTextTrimmed(ExtractFileName(facts.programPath), "X_" + facts.agentExeName);
}

bool IsSpanLevel1(const RoleFacts& facts) {
  return (facts.packageFlags & kFlagCdStart) != 0 && SpanLevel(facts) == 1;
}

bool IsSpanLevel2(const RoleFacts& facts) { return SpanLevel(facts) == 2; }

std::string MainWindowClassFor(bool isAgentFile, std::string_view programPath) {
  if (isAgentFile) return ".AutoUpdate." + FileNameWithoutExt(programPath, true);
  return std::string(programPath);
}

std::string AgentCopyWindowClass(std::string_view agentExeName) {
  return ".AutoUpdate.X_" + FileNameWithoutExt(agentExeName, true);
}

}  // namespace vantor
