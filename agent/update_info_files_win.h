// Reads and writes of the agent's INI files (keys in update_info_files.h).
// Each operation takes the files it works on; the overloads without them use
// the files beside the running agent and this process's overrides.
#pragma once

#include <cstdint>
#include <string>

#include "agent/overrides.h"
#include "agent/update_info_files.h"

namespace vantor {

AgentIniFiles OwnAgentIniFiles();
std::string OriginalIniPath();
std::string InfoIniPath();

std::string ReadAgentText(const AgentIniFiles& files, const TextKey& key);
int64_t ReadAgentInt(const AgentIniFiles& files, const IntKey& key);
int64_t ReadAgentInt(const AgentIniFiles& files, const SecondsKey& key);
// A set override decides without reading the file.
bool ReadAgentFlag(const AgentIniFiles& files, const Overrides& overrides, const FlagKey& key);
// General.AutoInform: a notice instead of an update, exactly when it is 1.
bool IsAutoInform(const AgentIniFiles& files);
// The AutoUpdate text of key in the .original file, or def.
std::string LoadAgentString(const AgentIniFiles& files, const std::string& key, const std::string& def);

// Integers are written as decimal text; true when the system stored them.
bool WriteAgentInt(const AgentIniFiles& files, const IntKey& key, int64_t value);
// Writes the number and its readable twin ("14-JAN-2004  00:00:00", with the
// user's time separator; empty for a value outside the calendar's years).
bool WriteAgentSeconds(const AgentIniFiles& files, const SecondsKey& key, int64_t seconds);

std::string ReadAgentText(const TextKey& key);
int64_t ReadAgentInt(const IntKey& key);
int64_t ReadAgentInt(const SecondsKey& key);
bool ReadAgentFlag(const FlagKey& key);
bool IsAutoInform();
std::string LoadAgentString(const std::string& key, const std::string& def);
bool WriteAgentInt(const IntKey& key, int64_t value);
bool WriteAgentSeconds(const SecondsKey& key, int64_t seconds);

}  // namespace vantor
