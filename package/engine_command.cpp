#include "package/engine_command.h"

#include "agent/display_helpers.h"
#include "base/text.h"

namespace vantor {

std::string EngineToken(uint32_t threadId) { return "_" + std::to_string(threadId); }
std::string EngineAtomName(std::string_view token) { return "AutoUpdateAtomTokenByVantor" + std::string(token); }
std::string EngineWindowClass(std::string_view token) { return ".SDialog_Class_Name." + std::string(token); }

EngineItem SplitCommandItem(std::string_view commandItem) {
  EngineItem item;
  const std::size_t star = commandItem.find('*');
  item.hasStar = star != std::string_view::npos;
  item.program = Trim(commandItem.substr(0, star));
  if (item.hasStar) item.tail = Trim(commandItem.substr(star + 1));
  return item;
}

std::string EngineExtraArguments(std::string_view launcherArgs, const EngineItem& item) {
  std::string extra = item.hasStar ? Trim(std::string(launcherArgs) + " " + item.tail) : std::string(launcherArgs);
  extra = RemoveSwitch(extra, "/SpanCdLvl=");
  return RemoveSwitch(extra, "/SpanDiskFName1=");
}

std::string EngineCommandLine(std::string_view workFolder, const EngineItem& item, std::string_view launcherArgs,
                              std::string_view token, std::string_view launcherPath, bool isAgent) {
  std::string line = std::string(workFolder) + "\\" + item.program;
  const std::string extra = EngineExtraArguments(launcherArgs, item);
  if (!extra.empty()) line += " " + extra;
  line += " /TH_ID=" + std::string(token);
  // The CD stage passes on the origin of the first launcher: keep it.
  if (line.find("/OriginExe=") == std::string::npos) line += " /OriginExe=\"" + std::string(launcherPath) + "\"";
  if (isAgent) line += " /AutoUpdateProg";
  return line;
}

std::string RemoveSwitch(std::string_view line, std::string_view name) {
  std::string result(line);
  const std::size_t at = name.empty() ? std::string::npos : result.find(name);
  if (at == std::string::npos) return result;
  std::size_t end = at;
  do {
    ++end;
  } while (end < result.size() && result[end] != '/');
  result.erase(at, end - at);
  return result;
}

std::string TempSpaceQuestion(const TempSpaceTexts& texts, bool askAlways, double need, double free,
                              std::string_view folder) {
  std::string text;
  if (askAlways) text = texts.s2;
  if (need >= free) text = texts.s3;
  if (text.empty()) return text;
  text += texts.s4 + texts.s5 + texts.s6;
  const std::string drive = folder.empty() ? std::string() : std::string(1, UpperAscii(folder[0])) + ":";
  text = ReplaceText(text, "<DRIVE>", drive, false);
  text = ReplaceText(text, "<SPACE_REQ>", FormatMegabytes(need), false);
  return ReplaceText(text, "<SPACE_AVAIL>", FormatMegabytes(free), false);
}

}  // namespace vantor
