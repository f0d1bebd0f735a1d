// Where each kind of folder lies on the running system: the Windows and
// system folders, the program's own and origin folders, folders recorded in
// the registry, and the per-user and all-users shell folders. A shell folder
// that the shell does not report, or that does not exist, is replaced by one
// built from other folders and the fixed names of older systems.
#pragma once

#include <string>

#include "paths/folder_kind.h"

namespace vantor {

// The folder, without a trailing backslash or, with withBackslash, with
// exactly one (a drive root comes back as "C:" or "C:\"). Empty where a
// registry value is absent (ProgramFilesDir, CommonFilesDir, StartMenuDir).
// Everything is looked up afresh on each call, except the origin file and
// folder: the "/OriginExe=" switch is read once and holds for the run.
std::string GetSpecialFolder(FolderKind kind, bool withBackslash);

}  // namespace vantor
