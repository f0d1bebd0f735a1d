// Values of private profile (INI) files, through the system's profile-string
// functions. Reads fall back to the caller's default; nothing is cached.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// The value (at most 10,240 characters, a longer one is cut), or def when
// the file or key is missing.
std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& def);
// The value in the number form of switches (decimal or $/0x hex, all of the
// text used), or def when missing or not a number.
int64_t ReadIniInt(const std::string& file, const std::string& section, const std::string& key, int64_t def);

// True when the system stored the value; a missing file or section is created.
bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
bool WriteIniInt(const std::string& file, const std::string& section, const std::string& key, int64_t value);

}  // namespace vantor
