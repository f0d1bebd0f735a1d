// What the launcher tells the setup engine, as pure text operations.
//
// The engine is started as
//   <work folder>\Engine.exe [extra] /TH_ID=_1234 /OriginExe="C:\Downloads\setup.exe" [/AutoUpdateProg]
// and reports completion by deleting the global atom "AutoUpdateAtomTokenByVantor_1234".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// "_" + the launcher's thread id: names the atom and the engine's window class.
std::string EngineToken(uint32_t threadId);
std::string EngineAtomName(std::string_view token);
std::string EngineWindowClass(std::string_view token);

// The command item "Engine.exe*/LANG=2" split at its first "*", both trimmed.
struct EngineItem {
  std::string program;
  std::string tail;
  bool hasStar = false;
};
EngineItem SplitCommandItem(std::string_view commandItem);

// The launcher's argument text plus the item's tail, without the span switches.
std::string EngineExtraArguments(std::string_view launcherArgs, const EngineItem& item);
std::string EngineCommandLine(std::string_view workFolder, const EngineItem& item, std::string_view launcherArgs,
                              std::string_view token, std::string_view launcherPath, bool isAgent);

// Deletes the first occurrence of name (with case) and everything after it up
// to the next "/": "a /SpanCdLvl=2 /X=1" without /SpanCdLvl= is "a /X=1".
std::string RemoveSwitch(std::string_view line, std::string_view name);

// The temporary-drive question, or empty when none is to be asked. The texts
// are the package's s2..s6 with their place-holders still in them.
struct TempSpaceTexts {
  std::string s2, s3, s4, s5, s6;
};
std::string TempSpaceQuestion(const TempSpaceTexts& texts, bool askAlways, double need, double free,
                              std::string_view folder);

}  // namespace vantor
