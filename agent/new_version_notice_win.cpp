#include "agent/new_version_notice.h"

#include <string>

#include "agent/agent_downloads.h"
#include "agent/schedule_state.h"
#include "agent/update_info_files_win.h"
#include "base/debug_output.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/log.h"
#include "base/program_paths.h"
#include "base/text.h"
#include "package/notice_file.h"
#include "startup/main_window.h"
#include "ui/rich_text_window.h"

namespace vantor {

namespace {

bool ShowNotice() {
  const std::string folder = ReadAgentText(NewSetup::DownloadURL_UPDATE);
  const std::string noticeName = ReadAgentText(AutoInform::NameOfInformFile);
  if (folder.empty() || noticeName.empty()) return false;
  DebugLinePid(" ==== PerformAutoInform-2 ====");
  Schedule().agentState = 2;
  PostToHost(41, 1);
  std::string downloadError;
  const bool fetched = DownloadFileAU(folder, noticeName, kInformFile, downloadError);
  PostToHost(41, 2);
  if (!fetched) return false;

  DebugLinePid(" ==== PerformAutoInform-3 ====");
  const std::string body = ParseNoticeFile(ReadFileText(ProgramFolder(true) + ExtractFileName(noticeName), 0, 0)).body;
  // Laid out left to right for every character set, Hebrew and Arabic too.
  const bool shown = ShowRichTextWindow(
      MainWindow(), LoadAgentString("s34", "New Version"), LoadAgentString("s35", "Download"), body,
      ReadAgentText(AutoInform::DownloadURL_INFORM), static_cast<int>(ReadAgentInt(AutoInform::AutoInformW)),
      static_cast<int>(ReadAgentInt(AutoInform::AutoInformH)), false, ReadAgentText(MsgBox::FontName),
      static_cast<int>(ReadAgentInt(MsgBox::FontSize)), static_cast<uint8_t>(ReadAgentInt(MsgBox::CharSet)));
  if (shown) WriteAgentInt(OriginalSetup::VersionOriginal, ReadAgentInt(NewSetup::VersionNew));
  DebugLinePid(" ==== PerformAutoInform-4 ====");
  return shown;
}

}  // namespace

bool PerformAutoInform() {
  WriteLog("PerformAutoInform() - START ");
  DebugLinePid(" ==== PerformAutoInform-1 ====");
  const bool result = ShowNotice();
  WriteLog("PerformAutoInform() - END " + BoolText(result));
  return result;
}

}  // namespace vantor
