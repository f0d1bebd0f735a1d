// The kinds of folder that GetSpecialFolder finds, each named after the
// folder macro that stands for it ("<UserAppDataDir>" is UserAppDataDir).
#pragma once

namespace vantor {

enum class FolderKind {
  WinDir,
  WinSysDir,
  WinSys16Dir,
  TempDir,
  SrcDir,
  OriginExe,
  OriginDir,
  FontDir,
  ProgramFilesDir,
  CommonFilesDir,
  StartMenuDir,
  DocumentsAndSettingsDir,
  UserDir,
  AllUsersDir,
  UserLocalAppDataDir,
  UserAppDataDir,
  AllUsersAppDataDir,
  MyDocumentsDir,
  AllUsersDocumentsDir,
  UserStartMenuDir,
  AllUsersStartMenuDir,
  UserStartProgramMenuDir,
  AllUsersStartProgramMenuDir,
  UserDesktopDir,
  AllUsersDesktopDir
};

}  // namespace vantor
