// Expansion of the macros that configured paths may hold, such as
// "<WinDir>\notepad.exe" or "<InstallDir>\app.exe", on the running system.
#pragma once

#include <string>

namespace vantor {

// The install folders that "<InstallDir>", "<InstallCommonDir>",
// "<InstallAuxDir>" and "<Application Folder>", "<Common Folder>",
// "<Auxiliary Folder>" stand for, for the rest of the run (empty until set).
void SetInstallFolders(const std::string& application, const std::string& common, const std::string& auxiliary);

// The text with its macros replaced by the user's and the machine's names,
// the date and, with expandFolders, the folders of GetSpecialFolder with the
// separator appended where a file name may follow; see macro_expansion.h.
// With expandRelative a result holding "\.." or "..\" is made absolute
// against the current folder.
std::string ExpandMacros(const std::string& text, const std::string& separator, bool expandRelative,
                         bool expandFolders);

}  // namespace vantor
