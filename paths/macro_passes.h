// The two replacement passes of macro expansion that do more than replace a
// word by a value: the folder pass, which may append a path separator, and the
// date pass. Both find their macro without regard to case.
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace vantor {

// Replaces every occurrence of macro by value and separator. The separator is
// left out when the first occurrence ends the text, stands before a blank, or
// stands before the closing quote of a quoted text (the same character at both
// ends and right after the macro, being neither "<" nor a letter). So with the
// separator "\" and backslashes collapsed afterwards, "<WinDir>notepad.exe"
// and "<WinDir>\notepad.exe" name the same file, "<WinDir> /s" keeps its blank
// and "\"<WinDir>\"" is the quoted folder alone.
std::string FolderPass(std::string_view text, std::string_view macro, std::string_view value,
                       std::string_view separator);

// The clock and the user's locale, as the date pass writes them.
struct DateValues {
  DateTime now;
  std::string longMonthName;  // of now's month, in the user's language
  char dateSeparator = '/';
  char timeSeparator = ':';
};

// Replaces the first "<Date=c>" by the date in the form of the code c:
//   #  dd/mmmm/yyyy with the long month name and the date separator
//   0  whole days since 2000-01-01 00:00
//   1  dd-mm-yy     2  mm-dd-yy     3  yy-mm-dd
//   4  dd-mm-yyyy   5  mm-dd-yyyy   6  yyyy-mm-dd
//   7  yyyy-mm-dd hh:nn:ss with the time separator
// The text stays as it is when its first "<Date=" has an unknown code or no
// ">" right after the code; later occurrences are never expanded.
std::string DatePass(std::string_view text, const DateValues& date);

}  // namespace vantor
