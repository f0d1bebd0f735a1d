#include "base/process_list_win.h"

#include <windows.h>
#include <tlhelp32.h>

#include <optional>

#include "base/file_names.h"
#include "base/handles.h"
#include "base/processes.h"
#include "base/program_paths.h"
#include "base/system_helpers.h"
#include "base/text.h"

namespace vantor {

namespace {

using EnumProcessesProc = BOOL(WINAPI*)(DWORD* ids, DWORD bytes, DWORD* bytesReturned);
using EnumProcessModulesProc = BOOL(WINAPI*)(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded);
using ModuleTextProc = DWORD(WINAPI*)(HANDLE process, HMODULE module, LPSTR text, DWORD size);
using SnapshotProc = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using ProcessWalkProc = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32* entry);

struct PsapiFunctions {
  EnumProcessesProc enumProcesses;
  EnumProcessModulesProc enumProcessModules;
  ModuleTextProc moduleFileName;
  ModuleTextProc moduleBaseName;
  bool complete() const { return enumProcesses && enumProcessModules && moduleFileName && moduleBaseName; }
};

struct ToolHelpFunctions {
  SnapshotProc createSnapshot;
  ProcessWalkProc first;
  ProcessWalkProc next;
  bool complete() const { return createSnapshot && first && next; }
};

const PsapiFunctions& Psapi() {
  static const PsapiFunctions functions{
      ProcAs<EnumProcessesProc>(GetLibraryProc("PSAPI.dll", "EnumProcesses")),
      ProcAs<EnumProcessModulesProc>(GetLibraryProc("PSAPI.dll", "EnumProcessModules")),
      ProcAs<ModuleTextProc>(GetLibraryProc("PSAPI.dll", "GetModuleFileNameExA")),
      ProcAs<ModuleTextProc>(GetLibraryProc("PSAPI.dll", "GetModuleBaseNameA")),
  };
  return functions;
}

const ToolHelpFunctions& ToolHelp() {
  static const ToolHelpFunctions functions{
      ProcAs<SnapshotProc>(GetLibraryProc("kernel32.dll", "CreateToolhelp32Snapshot")),
      ProcAs<ProcessWalkProc>(GetLibraryProc("kernel32.dll", "Process32First")),
      ProcAs<ProcessWalkProc>(GetLibraryProc("kernel32.dll", "Process32Next")),
  };
  return functions;
}

// Empty when the system has no short form, as for a file that does not exist.
std::string ShortPathOf(const std::string& path) {
  if (path.empty()) return {};
  std::string shortPath(MAX_PATH, '\0');
  DWORD n = GetShortPathNameA(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  if (n >= shortPath.size()) {
    shortPath.resize(n);
    n = GetShortPathNameA(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  }
  if (n == 0 || n >= shortPath.size()) return {};
  shortPath.resize(n);
  return shortPath;
}

// Module names are read into buffers of this size; a longer path is cut
// there and so never matches a path given in full.
constexpr DWORD kModuleTextSize = 1024;

std::string ModuleText(ModuleTextProc query, HANDLE process, HMODULE module) {
  char text[kModuleTextSize] = {};
  const DWORD n = query(process, module, text, kModuleTextSize);
  return std::string(text, n < kModuleTextSize ? n : 0);
}

std::optional<ProcessNames> PsapiNames(const PsapiFunctions& psapi, DWORD id, bool withShortPaths) {
  const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
  if (!process) return std::nullopt;
  HMODULE first = nullptr;
  DWORD needed = 0;
  if (!psapi.enumProcessModules(process.get(), &first, sizeof first, &needed)) return std::nullopt;
  ProcessNames names;
  names.fullPath = ModuleText(psapi.moduleFileName, process.get(), first);
  names.bareName = ModuleText(psapi.moduleBaseName, process.get(), first);
  if (names.fullPath.empty() && names.bareName.empty()) return std::nullopt;
  if (withShortPaths) names.shortPath = ShortPathOf(names.fullPath);
  return names;
}

std::vector<ProcessEntry> ListWithPsapi(bool withShortPaths) {
  std::vector<ProcessEntry> entries;
  const PsapiFunctions& psapi = Psapi();
  if (!psapi.complete()) return entries;
  for (const uint32_t id : ProcessIds()) {
    if (std::optional<ProcessNames> names = PsapiNames(psapi, id, withShortPaths)) {
      entries.push_back(ProcessEntry{id, std::move(*names)});
    }
  }
  return entries;
}

std::vector<ProcessEntry> ListWithToolHelp(bool withShortPaths) {
  std::vector<ProcessEntry> entries;
  const ToolHelpFunctions& toolHelp = ToolHelp();
  if (!toolHelp.complete()) return entries;
  // The snapshot is invalid as INVALID_HANDLE_VALUE, like a file handle.
  const UniqueFile snapshot(toolHelp.createSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return entries;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = toolHelp.first(snapshot.get(), &entry); more; more = toolHelp.next(snapshot.get(), &entry)) {
    ProcessNames names;
    names.fullPath = entry.szExeFile;
    names.bareName = ExtractFileName(names.fullPath);
    if (withShortPaths) names.shortPath = ShortPathOf(names.fullPath);
    entries.push_back(ProcessEntry{static_cast<uint32_t>(entry.th32ProcessID), std::move(names)});
  }
  return entries;
}

}  // namespace

ProcessListing PlatformListing() { return IsWinNT() ? ProcessListing::Psapi : ProcessListing::ToolHelp; }

std::vector<uint32_t> ProcessIds() {
  const PsapiFunctions& psapi = Psapi();
  if (!psapi.enumProcesses) return {};
  // The buffer grows by 1024 bytes for as long as the system fills it.
  constexpr std::size_t kIdsPerStep = 1024 / sizeof(DWORD);
  std::vector<DWORD> ids(kIdsPerStep);
  for (;;) {
    const auto bytes = static_cast<DWORD>(ids.size() * sizeof(DWORD));
    DWORD returned = 0;
    if (!psapi.enumProcesses(ids.data(), bytes, &returned)) return {};
    if (returned < bytes) {
      ids.resize(returned / sizeof(DWORD));
      return std::vector<uint32_t>(ids.begin(), ids.end());
    }
    ids.resize(ids.size() + kIdsPerStep);
  }
}

std::vector<ProcessEntry> ListProcesses(ProcessListing listing, bool withShortPaths) {
  return listing == ProcessListing::Psapi ? ListWithPsapi(withShortPaths) : ListWithToolHelp(withShortPaths);
}

uint32_t FindProcessByPath(const std::string& path, bool fullPathOnly, ProcessListing listing) {
  if (path.empty()) return 0;
  const ProcessTarget target = MakeProcessTarget(path, fullPathOnly, ShortPathOf(path));
  return LastMatchingProcess(ListProcesses(listing, WantsShortPaths(target)), target);
}

uint32_t FindProcessByPath(const std::string& path, bool fullPathOnly) {
  return FindProcessByPath(path, fullPathOnly, PlatformListing());
}

bool IsProcessRunning(const std::string& path) { return FindProcessByPath(Unquote(path, false), false) != 0; }

}  // namespace vantor
