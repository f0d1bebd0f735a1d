#include "package/launch_sequence.h"

#include "agent/caption_label_win.h"
#include "agent/update_info_files_win.h"
#include "agent/work_folders.h"
#include "base/debug_output.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/processes.h"
#include "base/program_paths.h"
#include "base/registry_win.h"
#include "base/switches_win.h"
#include "base/text.h"
#include "package/engine_command.h"
#include "package/extract_package.h"
#include "package/file_info.h"
#include "package/language_strings.h"
#include "package/web_setup_win.h"
#include "startup/main_window.h"
#include "startup/program_state.h"
#include "ui/message_box.h"

namespace vantor {

namespace {


bool ForcePromptSet() {
  return RegReadString("HKEY_CURRENT_USER\\Software\\Kelmondo\\Vantor\\SpanDisk", "ForcePrompt", "0") == "1";
}

uint8_t Charset(const TGFileInfo& pkg) { return static_cast<uint8_t>(PackageCharset(pkg)); }

// Shortcuts named before the engine ran; removed when the engine finished and the update asks for it.
struct OldShortcuts {
  std::string startUp = ReadAgentText(UnInstall::StartUpLink);
  std::string checkForUpdate = ReadAgentText(UnInstall::CheckforNewUpdateLink);

  void RemoveAsAsked() const {
    if (ReadAgentFlag(NewSetup::RemoveStartUpShortcut) && !startUp.empty() && FileExists(startUp)) {
      DeleteFileA(startUp.c_str());
    }
    if (ReadAgentFlag(NewSetup::RemoveCheckForNewUpdateShortcut) && !checkForUpdate.empty() &&
        FileExists(checkForUpdate)) {
      DeleteFileA(checkForUpdate.c_str());
    }
  }
};

// Starts the engine and waits for it and its window; true when it deleted the atom.
bool RunEngine(const std::string& workFolder, const std::string& commandItem, const std::string& extraArguments,
               bool foregroundOp) {
  const std::string token = EngineToken(GetCurrentThreadId());
  const std::string commandLine = EngineCommandLine(workFolder, SplitCommandItem(commandItem), extraArguments,
                                                    token, ProgramPath(), ThisIs_AutoUpdateProg());
  const OldShortcuts shortcuts;
  DebugLinePid(" ==== WinExec(Engine.exe) >>" + commandLine + "<<");
  // Not owned here: by contract the engine deletes the atom to report completion.
  const std::string atomName = EngineAtomName(token);
  GlobalAddAtomA(atomName.c_str());
  const UniqueKernelHandle process = RunProgram(commandLine, foregroundOp ? SW_SHOWNORMAL : SW_HIDE);
  ShowWindow(MainWindow(), SW_HIDE);
  WaitPumping(1000, 0);
  WaitForProcessHandle(process.get());
  DWORD exitCode = 0;
  if (process && GetExitCodeProcess(process.get(), &exitCode)) SetExitCode(static_cast<int32_t>(exitCode));
  const std::string engineClass = EngineWindowClass(token);
  WaitWindowGone(engineClass.c_str(), nullptr);
  WaitPumping(1000, 0);
  const ATOM left = GlobalFindAtomA(atomName.c_str());
  const bool engineDone = left == 0;
  if (!engineDone) GlobalDeleteAtom(left);
  if (engineDone) shortcuts.RemoveAsAsked();
  return engineDone;
}

}  // namespace

uint32_t GetClusterSize(const std::string& path) {
  const std::string root = path.substr(0, 3);
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) return 0;
  return sectorsPerCluster * bytesPerSector;
}

double GetSpaceRequired(const TGFileInfo& info, const std::string& path) {
  return info.SpaceRequiredFor(GetClusterSize(path));
}

void StubTimerStep(HWND window) {
  KillTimer(window, 1);
  const TGFileInfo& own = OwnPackage();
  const std::string agentName = own.CreateAgent() ? own.AgentExeName() : std::string();
  if (own.WebSetup()) {
    RunDownloadOnlySetup();
  } else {
    std::string packageFile = ProgramPath();
    if (const std::string span = GetSwitchText("/SpanDiskFName1="); !span.empty()) packageFile = span;
    const bool quiet = HasSwitch("/hide") || own.QuietFlag();
    RunSetupPackage(SetupWorkFolder(), packageFile, agentName, GetCommandArgs(), !quiet);
  }
  RemoveSetupWorkFolder();
  PostQuitMessage(0);
}

bool RunSetupPackage(std::string workFolder, const std::string& packageFile, const std::string& agentName,
                     const std::string& extraArguments, bool foregroundOp) {
  const TGFileInfo pkg(packageFile);
  bool engineDone = false;
  if (pkg.CyclingBar()) ShowWindow(CycleBar(), SW_SHOW);
  SetCaptionLabel(StatusText(), LoadPackageString(pkg, "s1", "Extracting Files..."), PackageFontName(pkg),
                  PackageFontSize(pkg), PackageCharset(pkg));
  if (!TempFolderUsable(workFolder, packageFile) && FindFallbackTempRoot()) workFolder = FallbackWorkFolder();
  DebugLine("========= ForegroundOp=" + BoolText(foregroundOp) + " ==========");
  const bool proceed = !foregroundOp || ConfirmTempSpace(workFolder, packageFile, pkg);
  if (proceed) {
    const std::string prompt =
        LoadPackageString(pkg, "s8", "Please insert <B>DISK #<DISK_NUM></B> and press OK to continue");
    const std::string title = LoadPackageString(pkg, "Attention", "Attention");
    const std::string buttons = LoadPackageString(pkg, "BtnText", kDefaultButtonCaptions);
    if (foregroundOp) ShowWindow(MainWindow(), SW_SHOWNORMAL);
    WaitPumping(1000, 1);
    bool checksumOk = false;
    std::string commandItem;
    ExtractPackage(packageFile, workFolder, agentName, checksumOk, UpdateProgressBars, prompt, title, buttons,
                   Charset(pkg), ForcePromptSet(), commandItem);
    WaitPumping(1000, 0);
    if (!commandItem.empty() && checksumOk) engineDone = RunEngine(workFolder, commandItem, extraArguments, foregroundOp);
    if (!checksumOk) {
      ShowErrorBox(BoxOwnerMode::WithHeading,
                   LoadPackageString(pkg, "s7", "Bad CRC!<P>This indicates that your setup file might be corrupted..."),
                   LoadPackageString(pkg, "Error", "Error"), buttons, Charset(pkg));
    }
  }
  RemoveFallbackWorkFolder();
  return engineDone;
}

bool TempFolderUsable(const std::string& folder, const std::string& packageFile) {
  const double need = GetSpaceRequired(TGFileInfo(packageFile), folder);
  return need < DiskFreeSpace(folder) && DirectoryExists(folder);
}

bool ConfirmTempSpace(const std::string& folder, const std::string& packageFile, const TGFileInfo& pkg) {
  TempSpaceTexts texts;
  texts.s2 = LoadPackageString(pkg, "s2", "Vantor will extract files to your Temp Drive (<DRIVE>)<P>");
  texts.s3 = LoadPackageString(pkg, "s3", "Limited Free Space on your Temp Drive! (<DRIVE>)<P>");
  texts.s4 = LoadPackageString(pkg, "s4", "<P>Estimated space required on your Temp drive is: <T>  <SPACE_REQ> MB<P>");
  texts.s5 = LoadPackageString(pkg, "s5", "Free space available on your Temp drive is: <T>  <SPACE_AVAIL> MB<P>");
  texts.s6 = LoadPackageString(pkg, "s6", "<P>Continue with Setup?<P>");
  const std::string question =
      TempSpaceQuestion(texts, pkg.TempDriveNotice(), GetSpaceRequired(pkg, folder), DiskFreeSpace(folder), folder);
  if (question.empty()) return true;
  return AskYesNo(BoxOwnerMode::WithHeading, question, LoadPackageString(pkg, "Confirm", "Confirm"),
                  LoadPackageString(pkg, "BtnText", kDefaultButtonCaptions), Charset(pkg), 0);
}

UniqueKernelHandle RunProgram(const std::string& commandLine, int showState) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION pi{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
  const UniqueKernelHandle thread(pi.hThread);
  return UniqueKernelHandle(pi.hProcess);
}

void WaitForProcessHandle(HANDLE process) {
  // The handle's signal, not the exit code: an engine that exits with 259
  // (STILL_ACTIVE) must not keep the launcher waiting for ever.
  do {
    WaitPumping(500, 0);
  } while (process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT);
}

}  // namespace vantor
