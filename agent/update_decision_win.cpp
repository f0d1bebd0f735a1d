#include "agent/update_decision_win.h"

#include "agent/schedule_state.h"
#include "agent/seconds_clock_win.h"
#include "agent/test_mode.h"
#include "agent/update_decision.h"
#include "agent/update_info_files_win.h"
#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/log.h"
#include "net/http_download.h"
#include "net/internet_connection.h"

namespace vantor {

bool GetOkToPerformAU(bool infoDownloaded, int32_t& code, std::string& reason) {
  DecisionFacts facts;
  facts.infoDownloaded = infoDownloaded;
  facts.versionOriginal = ReadAgentInt(OriginalSetup::VersionOriginal);
  facts.stampOriginal = ReadAgentInt(OriginalSetup::Stamp);
  facts.stampNew = ReadAgentInt(NewSetup::Stamp);
  facts.now = SecondsNow();
  facts.reAskSecondsLast = ReadAgentInt(OriginalSetup::ReAskSecondsLast);
  facts.reAskSecondsInterval = ReadAgentInt(OriginalSetup::ReAskSecondsInterval);
  facts.interactiveCheck = InteractiveCheckRunning();
  facts.versionNew = ReadAgentInt(NewSetup::VersionNew);
  facts.validVersions = ReadAgentText(NewSetup::ValidVersions);
  facts.sizeMatches = [] {
    return SizeMatches(ReadAgentText(NewSetup::DownloadURL_UPDATE), ReadAgentText(NewSetup::NameOfUpdateFile),
                       ReadAgentText(AutoInform::NameOfInformFile));
  };
  code = DecisionCode(facts);
  reason = DecisionReason(code);
  DebugLinePid(" GetOkToPerformAU=" + std::to_string(code));
  WriteLog("GetOkToPerformAU = " + std::to_string(code) + " - " + reason);
  return code == kDecisionOk;
}

bool SizeMatches(const std::string& folder, const std::string& updateName, const std::string& noticeName) {
  const bool notice = IsAutoInform();
  const int32_t expected = LowHalf(ReadAgentInt(notice ? AutoInform::SizeOfInformFile : NewSetup::SizeOfUpdateFile));
  const std::string name = ExtractFileName(notice ? noticeName : updateName);
  const std::string base = TestModeOn() ? TestModeAddress() : folder;
  std::string path = base + "\\" + name;
  int32_t actual = -1;
  if (FileExists(path)) {
    actual = LowHalf(static_cast<int64_t>(FileSizeByName(path)));
  } else if (!TestModeOn() && IsInternetConnected()) {
    path = base + "/" + name;
    actual = HTTP_GetFileSize(path);
  }
  const bool match = SizesMatch(actual, expected);
  if (!match) {
    WriteLog("  InfoSize=" + std::to_string(expected));
    WriteLog("  HttpSize=" + std::to_string(actual));
    WriteLog("  URL=" + path);
  }
  return match;
}

}  // namespace vantor
