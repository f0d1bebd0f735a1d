#include "paths/macro_expansion.h"

#include <optional>

namespace vantor {

namespace {

struct NameMacro {
  std::string_view macro;
  MachineName name;
};
constexpr NameMacro kNameMacros[] = {
    {"<LoggedUserName>", MachineName::LoggedUserName},
    {"<UserName>", MachineName::UserName},
    {"<CompanyName>", MachineName::CompanyName},
    {"<ComputerName>", MachineName::ComputerName},
    {"<CurrentDomainName>", MachineName::CurrentDomainName},
};
// Values that a setup engine would have asked for or taken from its project;
// this system keeps none of them, so their macros are removed.
constexpr std::string_view kRemovedNameMacros[] = {
    "<EnteredUserName>",         "<EnteredCompanyName>", "<EnteredSerialNum>",
    "<EnteredStartProgramMenu>", "<VendorCompanyName>",  "<ProjectName>",
    "<ProgramDescriptiveName>",  "<ProgramVersion>",     "<SelectedLanguage>",
};

struct InstallMacro {
  std::string_view macro;
  std::string MacroValues::*folder;
};
constexpr InstallMacro kInstallFolderMacros[] = {
    {"<Application Folder>", &MacroValues::applicationFolder},
    {"<Common Folder>", &MacroValues::commonFolder},
    {"<Auxiliary Folder>", &MacroValues::auxiliaryFolder},
};
constexpr InstallMacro kInstallDirMacros[] = {
    {"<InstallDir>", &MacroValues::applicationFolder},
    {"<InstallCommonDir>", &MacroValues::commonFolder},
    {"<InstallAuxDir>", &MacroValues::auxiliaryFolder},
};

struct FolderMacro {
  std::string_view macro;
  FolderKind kind;
};
constexpr FolderMacro kSystemFolderMacros[] = {
    {"<Windows Directory>", FolderKind::WinDir},
    {"<System Directory>", FolderKind::WinSysDir},
    {"<System16 Directory>", FolderKind::WinSys16Dir},
};
constexpr FolderMacro kShortSystemFolderMacros[] = {
    {"<WinDir>", FolderKind::WinDir},
    {"<WinSysDir>", FolderKind::WinSysDir},
    {"<WinSys32Dir>", FolderKind::WinSysDir},
    {"<WinSys16Dir>", FolderKind::WinSys16Dir},
};
constexpr FolderMacro kFolderMacros[] = {
    {"<StartMenuDir>", FolderKind::StartMenuDir},
    {"<ProgramFilesDir>", FolderKind::ProgramFilesDir},
    {"<CommonFilesDir>", FolderKind::CommonFilesDir},
    {"<FontDir>", FolderKind::FontDir},
    {"<SrcDir>", FolderKind::SrcDir},
    {"<OriginDir>", FolderKind::OriginDir},
    {"<TempDir>", FolderKind::TempDir},
    {"<ServiceDir>", FolderKind::SrcDir},
    {"<UserDir>", FolderKind::UserDir},
    {"<UserAppDataDir>", FolderKind::UserAppDataDir},
    {"<UserLocalAppDataDir>", FolderKind::UserLocalAppDataDir},
    {"<MyDocumentsDir>", FolderKind::MyDocumentsDir},
    {"<UserStartMenuDir>", FolderKind::UserStartMenuDir},
    {"<UserStartProgramMenuDir>", FolderKind::UserStartProgramMenuDir},
    {"<UserDesktopDir>", FolderKind::UserDesktopDir},
    {"<DocumentsAndSettingsDir>", FolderKind::DocumentsAndSettingsDir},
    {"<AllUsersDir>", FolderKind::AllUsersDir},
    {"<AllUsersAppDataDir>", FolderKind::AllUsersAppDataDir},
    {"<AllUsersDocumentsDir>", FolderKind::AllUsersDocumentsDir},
    {"<AllUsersStartMenuDir>", FolderKind::AllUsersStartMenuDir},
    {"<AllUsersStartProgramMenuDir>", FolderKind::AllUsersStartProgramMenuDir},
    {"<AllUsersDesktopDir>", FolderKind::AllUsersDesktopDir},
};

// The first width characters of a folder: "D:\" (width 3) or "D:" (width 2).
struct DriveMacro {
  std::string_view macro;
  std::optional<FolderKind> kind;  // none: the application folder
  std::size_t width;
};
constexpr DriveMacro kDriveMacros[] = {
    {"<InstallDrive>", std::nullopt, 3},         {"<WinDrive>", FolderKind::WinDir, 3},
    {"<WinSysDrive>", FolderKind::WinSysDir, 3}, {"<OriginDrive>", FolderKind::OriginDir, 3},
    {"<InstallDisk>", std::nullopt, 2},          {"<WinDisk>", FolderKind::WinDir, 2},
    {"<WinSysDisk>", FolderKind::WinSysDir, 2},  {"<OriginDisk>", FolderKind::OriginDir, 2},
};

constexpr std::string_view kRunTimeDirPrefix = "<RunTimeDir_";
constexpr int kRunTimeDirCount = 8;

bool Occurs(std::string_view macro, std::string_view text) { return PosText(macro, text) != 0; }

void Remove(std::string& text, std::string_view macro) { text = ReplaceText(text, macro, "", true); }

void ExpandFolder(std::string& text, const FolderMacro& m, std::string_view separator, const MacroValues& values) {
  if (Occurs(m.macro, text)) text = FolderPass(text, m.macro, values.folder(m.kind), separator);
}

void ExpandInstallFolder(std::string& text, const InstallMacro& m, std::string_view separator,
                         const MacroValues& values) {
  text = FolderPass(text, m.macro, values.*m.folder, separator);
}

// Folders come without a trailing backslash, so a drive root is "D:"; the
// backslash is put back first so that "<OriginDrive>" of D:\setup.exe is
// "D:\" like that of D:\Downloads\setup.exe.
std::string DriveOf(const std::string& folder, std::size_t width, LeadByteTest isLeadByte) {
  if (folder.empty()) return folder;
  return SetTrailingBackslash(folder, true, isLeadByte).substr(0, width);
}

void ExpandDrive(std::string& text, const DriveMacro& m, const MacroValues& values) {
  if (!Occurs(m.macro, text)) return;
  const std::string folder = m.kind ? values.folder(*m.kind) : values.applicationFolder;
  text = ReplaceText(text, m.macro, DriveOf(folder, m.width, values.isLeadByte), true);
}

std::string ExpandNames(std::string text, const MacroValues& values) {
  text = DatePass(text, values.date);
  for (const NameMacro& m : kNameMacros) {
    if (Occurs(m.macro, text)) text = ReplaceText(text, m.macro, values.name(m.name), true);
  }
  text = ReplaceText(text, "<LastExecutableExitCode>", "0", true);
  for (const std::string_view macro : kRemovedNameMacros) Remove(text, macro);
  return text;
}

std::string ExpandFolders(const std::string& nameResult, std::string_view separator, const MacroValues& values) {
  std::string text = nameResult;
  Remove(text, "<UnInstallExePath>");
  if (Occurs(kRunTimeDirPrefix, text)) {
    for (int i = 1; i <= kRunTimeDirCount; ++i) {
      text = FolderPass(text, std::string(kRunTimeDirPrefix) + std::to_string(i) + ">", "", separator);
    }
  }
  for (const InstallMacro& m : kInstallFolderMacros) ExpandInstallFolder(text, m, separator, values);
  for (const FolderMacro& m : kSystemFolderMacros) ExpandFolder(text, m, separator, values);
  // A text whose folder was already given by one of the macros above holds the
  // install macros as mere leftovers: "<Windows Directory>\<InstallDir>app.exe"
  // is app.exe in the Windows folder.
  for (const InstallMacro& m : kInstallDirMacros) {
    if (text != nameResult) Remove(text, m.macro);
  }
  Remove(text, "<AbsoluteDir>");
  for (const InstallMacro& m : kInstallDirMacros) ExpandInstallFolder(text, m, separator, values);
  Remove(text, "<AbsoluteDir>");
  for (const FolderMacro& m : kShortSystemFolderMacros) ExpandFolder(text, m, separator, values);
  for (const DriveMacro& m : kDriveMacros) ExpandDrive(text, m, values);
  for (const FolderMacro& m : kFolderMacros) ExpandFolder(text, m, separator, values);
  // Folder values and separators meet as "C:\Windows\\notepad.exe".
  return text == nameResult ? nameResult : CollapseBackslashes(text, values.isLeadByte);
}

bool HasRelativePart(std::string_view text) {
  return text.find("\\..") != std::string_view::npos || text.find("..\\") != std::string_view::npos;
}

std::string ResolveRelative(std::string text, const MacroValues& values) {
  if (!HasRelativePart(text)) return text;
  const bool barList = (text.front() == ',' || text.front() == '|') && BarCount(text) != 0;
  if (!barList) return values.fullPath(text);
  const int count = BarCount(text);
  for (int i = 0; i < count; ++i) {
    const std::string item = BarItem(text, i, "");
    if (HasRelativePart(item)) BarSetItem(text, i, values.fullPath(item));
  }
  return text;
}

}  // namespace

std::string ExpandMacroText(std::string_view text, std::string_view separator, bool expandRelative, bool expandFolders,
                            const MacroValues& values) {
  std::string result(text);
  if (result.find('<') != std::string::npos) {
    const std::string nameResult = ExpandNames(result, values);
    result = expandFolders ? ExpandFolders(nameResult, separator, values) : nameResult;
  }
  return expandRelative ? ResolveRelative(result, values) : result;
}

}  // namespace vantor
