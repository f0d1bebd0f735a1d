#include "agent/update_info_files_win.h"

#include "agent/seconds_clock.h"
#include "base/ini_files_win.h"
#include "base/locale_win.h"
#include "base/program_paths.h"
#include "startup/program_state.h"

namespace vantor {

namespace {

std::string Text(std::string_view view) { return std::string(view); }

}  // namespace

AgentIniFiles OwnAgentIniFiles() { return AgentIniFilesIn(ProgramFolder(true), OwnPackage()); }
std::string OriginalIniPath() { return OwnAgentIniFiles().original; }
std::string InfoIniPath() { return OwnAgentIniFiles().info; }

std::string ReadAgentText(const AgentIniFiles& files, const TextKey& key) {
  return ReadIniString(files.PathOf(key.file), Text(key.section), Text(key.name), Text(key.def));
}

int64_t ReadAgentInt(const AgentIniFiles& files, const IntKey& key) {
  return ReadIniInt(files.PathOf(key.file), Text(key.section), Text(key.name), key.def);
}

int64_t ReadAgentInt(const AgentIniFiles& files, const SecondsKey& key) { return ReadAgentInt(files, key.value); }

bool ReadAgentFlag(const AgentIniFiles& files, const Overrides& overrides, const FlagKey& key) {
  if (key.override) {
    if (const std::optional<bool> value = OverrideValue(overrides, *key.override)) return *value;
  }
  return ReadIniString(files.PathOf(key.file), Text(key.section), Text(key.name), "0") == "1";
}

bool IsAutoInform(const AgentIniFiles& files) { return ReadAgentInt(files, General::AutoInform) == 1; }

std::string LoadAgentString(const AgentIniFiles& files, const std::string& key, const std::string& def) {
  return ReadIniString(files.original, "AutoUpdate", key, def);
}

bool WriteAgentInt(const AgentIniFiles& files, const IntKey& key, int64_t value) {
  return WriteIniInt(files.PathOf(key.file), Text(key.section), Text(key.name), value);
}

bool WriteAgentSeconds(const AgentIniFiles& files, const SecondsKey& key, int64_t seconds) {
  const bool stored = WriteAgentInt(files, key.value, seconds);
  const bool twinStored = WriteIniString(files.PathOf(key.value.file), Text(key.value.section), Text(key.twin),
                                         ReadableSecondsText(seconds, UserTimeSeparator()));
  return stored && twinStored;
}

std::string ReadAgentText(const TextKey& key) { return ReadAgentText(OwnAgentIniFiles(), key); }
int64_t ReadAgentInt(const IntKey& key) { return ReadAgentInt(OwnAgentIniFiles(), key); }
int64_t ReadAgentInt(const SecondsKey& key) { return ReadAgentInt(OwnAgentIniFiles(), key); }
bool ReadAgentFlag(const FlagKey& key) { return ReadAgentFlag(OwnAgentIniFiles(), AgentOverrides(), key); }
bool IsAutoInform() { return IsAutoInform(OwnAgentIniFiles()); }
std::string LoadAgentString(const std::string& key, const std::string& def) {
  return LoadAgentString(OwnAgentIniFiles(), key, def);
}
bool WriteAgentInt(const IntKey& key, int64_t value) { return WriteAgentInt(OwnAgentIniFiles(), key, value); }
bool WriteAgentSeconds(const SecondsKey& key, int64_t seconds) {
  return WriteAgentSeconds(OwnAgentIniFiles(), key, seconds);
}

}  // namespace vantor
