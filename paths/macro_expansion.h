// Macro expansion over values supplied by the caller: the fixed sequence of
// passes that turns "<WinDir>\notepad.exe" or "<UserAppDataDir>\App\app.exe"
// into a path. It is not a parser: each pass replaces every occurrence of its
// macro, found without regard to case, and words in angle brackets that no
// pass knows stay in the text.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/text.h"
#include "paths/folder_kind.h"
#include "paths/macro_passes.h"

namespace vantor {

// The names of the user and the machine that macros stand for.
enum class MachineName {
  LoggedUserName,  // the account the program runs as
  UserName,        // the registered owner
  CompanyName,     // the registered organisation
  ComputerName,
  CurrentDomainName,  // the domain of the logged user's account
};

// What the passes insert. Names, folders and full paths are asked for only
// when a pass needs them, since asking may be slow (a domain lookup) or leave
// traces (the shell creates some of the folders it is asked for).
struct MacroValues {
  std::string applicationFolder;
  std::string commonFolder;
  std::string auxiliaryFolder;
  DateValues date;
  std::function<std::string(MachineName)> name;
  // Without a trailing backslash, as GetSpecialFolder(kind, false) answers.
  std::function<std::string(FolderKind)> folder;
  // The absolute path with "." and ".." parts resolved against the current folder.
  std::function<std::string(const std::string&)> fullPath;
  LeadByteTest isLeadByte = NoLeadBytes;
};

// The expanded text. Folder macros get the separator appended by the rule of
// FolderPass and are expanded only with expandFolders; doubled backslashes
// are then collapsed. With expandRelative a result holding "\.." or "..\"
// becomes its full path, or, for a bar list, each such item does.
std::string ExpandMacroText(std::string_view text, std::string_view separator, bool expandRelative, bool expandFolders,
                            const MacroValues& values);

}  // namespace vantor
