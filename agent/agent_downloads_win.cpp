#include "agent/agent_downloads.h"

#include <windows.h>

#include <optional>

#include "agent/agent_boxes.h"
#include "agent/caption_label_win.h"
#include "agent/download_texts.h"
#include "agent/schedule_state.h"
#include "agent/test_mode.h"
#include "agent/update_info_files_win.h"
#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/log.h"
#include "base/message_pump.h"
#include "base/program_paths.h"
#include "base/text.h"
#include "net/http_abort.h"
#include "net/http_download.h"
#include "net/internet_connection.h"
#include "net/progress.h"
#include "package/file_info.h"
#include "package/notice_file.h"
#include "package/scramble.h"
#include "startup/main_window.h"
#include "startup/program_state.h"

namespace vantor {

namespace {

constexpr char kBadToken[] = "Bad Secret Token!";
constexpr unsigned kSettleMs = 500;
constexpr int kCopySteps = 10;
constexpr unsigned kCopyStepMs = 300;

// A copy from a drive is over at once; the display moves through ten steps
// so that the user sees what happened.
void ShowCopyProgress() {
  UpdateProgressBars(kProgressSetUp, 0, kCopySteps, 0, 1, {});
  for (int step = 0; step < kCopySteps; ++step) {
    UpdateProgressBars(kProgressAdvance, 0, 0, 0, 0, {});
    WaitPumping(kCopyStepMs, 0);
  }
  UpdateProgressBars(kProgressSetUp, 0, 0, 0, 0, {});
}

// The copy in the agent's folder, or empty when it could not be written whole.
std::string StoreCopy(const std::string& target, const std::string& content) {
  if (WriteTextFile(target, content, 0, false)) return target;
  DeleteFileA(target.c_str());  // never leave a truncated copy behind
  return {};
}

// An .info file is kept only when it is not an HTML page and was written whole.
bool KeepInfoFile(const std::string& content, const std::string& source, const std::string& infoFile,
                  std::string& errorText) {
  if (!errorText.empty() || content.empty()) return false;
  errorText = CheckHtmlErrorPage({}, content, source, {}, false);
  return errorText.empty() && WriteTextFile(infoFile, content, 0, false);
}

// A stored update or notice file without the agent's token is removed and reported.
bool AcceptStoredFile(const std::string& target, const std::string& source, int kind) {
  if (MatchesPackageToken(target, kind)) return true;
  const std::string message = CheckHtmlErrorPage(target, {}, source, kBadToken, false);
  if (!target.empty()) DeleteFileA(target.c_str());
  WriteLog("ERROR: " + message);
  AgentErrorBox(BoxOwnerMode::WithHeading, message);
  return false;
}

void ReportFailedTransfer(const std::string& source) {
  const std::string message =
      TransferFailureMessage(source, HttpAbortRequested(), ReadAgentText(AutoUpdate::s3),
                             ReadAgentText(AutoUpdate::s4), ReadAgentText(AutoUpdate::s5));
  WriteLog("ATTENTION: " + message);
  AgentWarningBox(BoxOwnerMode::WithHeading, message);
}

}  // namespace

bool DownloadFileAU(const std::string& sourceFolder, const std::string& fileName, int kind, std::string& errorText) {
  errorText.clear();
  const std::string name = ExtractFileName(fileName);
  const bool testMode = TestModeOn();
  const std::string folder = testMode ? TestModeAddress() : sourceFolder;
  const std::string agentCopy = ProgramFolder(true) + name;
  const bool packageKind = kind == kUpdateFile || kind == kInformFile;
  std::string source = folder + "\\" + name;
  const bool onDisk = FileExists(source);
  DebugLinePid(" DownloadFileAU: " + BoolText(onDisk) + " " + source);
  WriteLog("TestMode=" + BoolText(testMode));
  WriteLog("Download START: " + source);

  const bool confirm = ReadAgentFlag(NewSetup::RequestConfirmationBeforeDownload);
  const bool showFirst = kind == kUpdateFile && confirm && !InteractiveCheckRunning();
  if (showFirst) ShowWindow(MainWindow(), SW_SHOWNORMAL);
  SetDownloadCaption(kind);

  std::string content;
  std::string target;
  if (onDisk) {
    content = ReadFileText(source, 0, 0);
    if (packageKind && !content.empty()) {
      target = StoreCopy(agentCopy, content);
      if (showFirst) ShowCopyProgress();
    }
  } else if (!testMode && IsInternetConnected()) {
    WaitPumping(kSettleMs, 0);
    source = folder + "/" + name;
    SetHttpAbort(false);
    if (packageKind) {
      target = agentCopy;
      // A transfer that ends short leaves the target alone: a copy left from
      // an earlier download must not pass for this one.
      DeleteFileA(target.c_str());
    }
    HTTP_DownloadFile_Incremental(InteractiveCheckRunning() ? MainWindow() : nullptr, source, target, content,
                                  UpdateProgressBars, errorText);
    WaitPumping(kSettleMs, 0);
  }
  if (showFirst) ShowWindow(MainWindow(), SW_HIDE);
  WriteLog("Download END:   " + source);

  if (kind == kInfoFile) return KeepInfoFile(content, source, agentCopy, errorText);
  if (!packageKind) return false;
  if (errorText.empty()) return AcceptStoredFile(target, source, kind);
  if (source.size() > 2 && confirm) ReportFailedTransfer(source);
  return false;
}

bool MatchesPackageToken(const std::string& file, int kind) {
  // Tokens that do not check never match: their random stand-ins could be
  // equal by chance.
  const std::optional<std::string> own = TryUnscramble(OwnPackage().SetupToken(false));
  if (!own || file.empty() || !FileExists(file)) return false;
  if (kind == kUpdateFile) {
    const std::optional<std::string> theirs = TryUnscramble(TGFileInfo(file).SetupToken(false));
    return theirs && *theirs == *own;
  }
  if (kind == kInformFile) {
    const std::string content = ReadFileText(file, 0, 0);
    return !content.empty() && ParseNoticeFile(content).token == own;
  }
  return false;
}

void SetDownloadCaption(int kind) {
  const TextKey* key = DownloadCaptionKey(kind);
  SetCaptionLabel(StatusText(), key != nullptr ? ReadAgentText(*key) : std::string(), ReadAgentText(MsgBox::FontName),
                  static_cast<int>(ReadAgentInt(MsgBox::FontSize)), static_cast<int>(ReadAgentInt(MsgBox::CharSet)));
}

void JustDownloadInfoFile() {
  PostToHost(40, 1);
  std::string errorText;
  DownloadFileAU(OwnPackage().UpdateBase(), InfoIniPath(), kInfoFile, errorText);
  PostToHost(40, 2);
}

}  // namespace vantor
