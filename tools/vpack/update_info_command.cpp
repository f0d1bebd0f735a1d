#include "tools/vpack/update_info_command.h"

#include <string>
#include <utility>
#include <vector>

#include "base/file_names.h"
#include "tools/vpack/file_io.h"
#include "tools/vpack/usage.h"

namespace vantor::vpack {

namespace {

// Sections in the order they are written, each key once, in the order first set.
struct IniText {
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;

  void Set(const std::string& section, const std::string& key, const std::string& value) {
    auto s = sections.begin();
    while (s != sections.end() && s->first != section) ++s;
    if (s == sections.end()) s = sections.insert(s, {section, {}});
    for (auto& entry : s->second) {
      if (entry.first == key) {
        entry.second = value;
        return;
      }
    }
    s->second.emplace_back(key, value);
  }

  std::string Text() const {
    std::string text;
    for (const auto& [section, entries] : sections) {
      text += "[" + section + "]\r\n";
      for (const auto& [key, value] : entries) text += key + "=" + value + "\r\n";
      text += "\r\n";
    }
    return text;
  }
};

// A sample that installs at once: every question on, the product closed by
// WM_CLOSE and restarted.
IniText SampleInfo() {
  IniText ini;
  ini.Set("General", "AutoInform", "0");
  for (const char* key : {"VersionNew", "Stamp", "ProgramName", "DownloadURL_UPDATE", "NameOfUpdateFile",
                          "SizeOfUpdateFile", "ValidVersions", "RunningProcess"}) {
    ini.Set("NewSetup", key, "");
  }
  ini.Set("NewSetup", "ShutDownMethod", "Using WM_CLOSE");
  ini.Set("NewSetup", "RequestConfirmationBeforeDownload", "1");
  ini.Set("NewSetup", "RequestConfirmationBeforeDownloadForce", "0");
  ini.Set("NewSetup", "RequestConfirmationBeforeInstall", "0");
  ini.Set("NewSetup", "RequestConfirmationBeforeInstallForce", "0");
  ini.Set("NewSetup", "BackgroundUpdate", "0");
  ini.Set("NewSetup", "RestartProcess", "1");
  ini.Set("NewSetup", "InformFinish", "1");
  return ini;
}

std::string SizeOf(const std::string& path, std::string& error) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) error = "cannot read " + path;
  return std::to_string(bytes.size());
}

std::string ApplyOption(IniText& ini, const std::string& name, const std::string& value) {
  std::string error;
  if (name == "--version") {
    ini.Set("NewSetup", "VersionNew", value);
    ini.Set("NewSetup", "Stamp", value);
  } else if (name == "--stamp") {
    ini.Set("NewSetup", "Stamp", value);
  } else if (name == "--program-name") {
    ini.Set("NewSetup", "ProgramName", value);
  } else if (name == "--url") {
    ini.Set("NewSetup", "DownloadURL_UPDATE", value);
  } else if (name == "--update-file") {
    ini.Set("NewSetup", "NameOfUpdateFile", ExtractFileName(value));
    ini.Set("NewSetup", "SizeOfUpdateFile", SizeOf(value, error));
  } else if (name == "--notice-file") {
    ini.Set("General", "AutoInform", "1");
    ini.Set("AutoInform", "NameOfInformFile", ExtractFileName(value));
    ini.Set("AutoInform", "SizeOfInformFile", SizeOf(value, error));
  } else if (name == "--download-page") {
    ini.Set("AutoInform", "DownloadURL_INFORM", value);
  } else if (name == "--running-process") {
    ini.Set("NewSetup", "RunningProcess", value);
  } else if (name == "--set") {
    const std::size_t dot = value.find('.');
    const std::size_t equals = value.find('=');
    if (dot == std::string::npos || equals == std::string::npos || dot > equals || dot == 0 || equals == dot + 1) {
      return "--set needs SECTION.KEY=VALUE: " + value;
    }
    ini.Set(value.substr(0, dot), value.substr(dot + 1, equals - dot - 1), value.substr(equals + 1));
  } else {
    return "unknown option for update-info: " + name;
  }
  return error;
}

}  // namespace

int RunUpdateInfoCommand(Arguments& args) {
  IniText ini = SampleInfo();
  std::string outPath;
  while (std::optional<std::string> argument = TakeArgument(args)) {
    std::string name = *argument;
    const std::optional<std::string> value = TakeValue(args, name);
    if (!value) return Fail(name + " needs a value");
    if (name == "--out") {
      outPath = *value;
      continue;
    }
    if (const std::string error = ApplyOption(ini, name, *value); !error.empty()) return Fail(error);
  }
  if (outPath.empty()) return Fail("update-info needs --out");
  if (!WriteFileBytes(outPath, ini.Text())) return Fail("cannot write " + outPath);
  return 0;
}

}  // namespace vantor::vpack
