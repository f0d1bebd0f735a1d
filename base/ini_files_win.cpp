#include "base/ini_files_win.h"

#include <windows.h>

#include <exception>

#include "base/debug_output.h"
#include "base/system_helpers.h"
#include "base/text.h"

namespace vantor {

namespace {

constexpr DWORD kValueBufferSize = 10241;

}  // namespace

std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& def) {
  try {
    std::string value(kValueBufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), value.data(),
                                                  kValueBufferSize, file.c_str());
    value.resize(length);
    return value;
  } catch (const std::exception&) {
    DebugLine("EXCEPTION --- Utils.ReadIniString()  " + LastErrorText());
    return std::string();
  }
}

int64_t ReadIniInt(const std::string& file, const std::string& section, const std::string& key, int64_t def) {
  int64_t value = 0;
  return TryParseInt64(ReadIniString(file, section, key, std::to_string(def)), value) ? value : def;
}

bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool WriteIniInt(const std::string& file, const std::string& section, const std::string& key, int64_t value) {
  return WriteIniString(file, section, key, std::to_string(value));
}

}  // namespace vantor
