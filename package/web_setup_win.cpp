#include "package/web_setup_win.h"

#include <windows.h>

#include "agent/caption_label_win.h"
#include "agent/work_folders.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/message_pump.h"
#include "base/program_paths.h"
#include "base/switches_win.h"
#include "base/text.h"
#include "net/html_error_page.h"
#include "net/http_abort.h"
#include "net/http_download.h"
#include "net/internet_connection.h"
#include "package/agent_copy_win.h"
#include "package/file_info.h"
#include "package/language_strings.h"
#include "package/launch_sequence.h"
#include "package/web_setup.h"
#include "startup/main_window.h"
#include "startup/program_state.h"
#include "ui/message_box.h"

namespace vantor {

namespace {

constexpr char kDownloadQuestion[] =
    "<b>INTERNET DOWNLOAD</b><p><p>Vantor will download the Setup File from the Internet...<p>Please make sure your "
    "Internet connection is properly set.<p><p>Continue with Setup?<p><P>Size: <SIZE> MB<P>";
// The error that stands for a declined question: nothing is shown for it.
constexpr char kDeclined[] = "!";

void WriteDownloadOnlyAgentCopy(const std::string& agentName) {
  const std::string program = ProgramPath();
  const std::string target = SetupWorkFolder() + "\\" + agentName;
  if (WriteTextFile(target, DownloadOnlyAgentCopy(ReadFileText(program, 0, 0)), 0, false)) {
    CopyFileDate(program, target);
  }
}

std::string Download(const TGFileInfo& own, const std::string& url, const std::string& target, bool quiet,
                     bool& downloaded) {
  SetCaptionLabel(StatusText(), LoadPackageString(own, "s10", "Downloading File..."), PackageFontName(own),
                  PackageFontSize(own), PackageCharset(own));
  std::string error;
  const std::string buttons = LoadPackageString(own, "BtnText", kDefaultButtonCaptions);
  const uint8_t charset = static_cast<uint8_t>(PackageCharset(own));
  if (own.AskBeforeDownload() && !quiet) {
    const std::string question =
        DownloadQuestion(LoadPackageString(own, "s11", kDownloadQuestion), own.SetupFileSizeText());
    if (!AskYesNo(BoxOwnerMode::WithHeading, question, LoadPackageString(own, "Confirm", "Confirm"), buttons,
                  charset, 0)) {
      error = kDeclined;
    }
  }
  // Asked even after a declined question, so an unconnected computer says so.
  std::string reason;
  if (!IsInternetConnected(reason)) {
    error = LoadPackageString(own, "s12", "No valid Internet Connection.<p>Can not Download File!");
    if (!reason.empty()) error += "<P><P>" + reason;
  }
  SetHttpAbort(false);
  if (error.empty()) {
    std::string content;
    HTTP_DownloadFile_Incremental(quiet ? nullptr : MainWindow(), url, target, content, UpdateProgressBars, error);
    downloaded = error.empty();
  }
  WaitPumping(300, 0);
  UpdateProgressBars(0, 0, 10, 0, 1, {});
  WaitPumping(700, 0);
  return error;
}

}  // namespace

void RunDownloadOnlySetup() {
  const TGFileInfo& own = OwnPackage();
  std::string base = own.WebBase();
  if (own.CreateAgent() && !own.AgentExeName().empty()) WriteDownloadOnlyAgentCopy(own.AgentExeName());
  if (!own.NoLocalLookup() && FileExists(ProgramFolder(true) + own.SetupFileName())) base = ProgramFolder(false);
  DownloadAndRunSetup(SetupWorkFolder(), base, own.SetupFileName());
}

void DownloadAndRunSetup(const std::string& workFolder, const std::string& base, const std::string& fileName) {
  const TGFileInfo& own = OwnPackage();
  const bool quiet = HasSwitch("/hide") || own.QuietFlag();
  const std::string url = base + "/" + fileName;
  std::string error;
  bool downloaded = false;
  std::string setupFile = SetTrailingBackslash(base, true, IsLeadByte) + fileName;
  if (!FileExists(setupFile)) {
    setupFile = TempFolder(true) + fileName;
    error = Download(own, url, setupFile, quiet, downloaded);
  }
  if (error.empty() && !TGFileInfo(setupFile).SameWebToken(own)) {
    error = CheckHtmlErrorPage(setupFile, {}, url, "Bad Secret Token!", false);
  }
  if (error.empty()) RunSetupPackage(workFolder, setupFile, "", GetCommandArgs(), !quiet);
  if (downloaded) DeleteFileA(setupFile.c_str());
  if (!error.empty() && error != kDeclined) {
    ShowErrorBox(BoxOwnerMode::WithHeading, error, LoadPackageString(own, "Error", "Error"),
                 LoadPackageString(own, "BtnText", kDefaultButtonCaptions), static_cast<uint8_t>(PackageCharset(own)));
  }
}

}  // namespace vantor
