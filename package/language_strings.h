// The package's translated texts: the language table's block for the user's
// language, chosen once per process, and lookups by key with a default.
//
// LanguageTable: a bar list of blocks; each block is a bar list with its own
// separator: item 0 the language name, then key=value items, e.g.
// "\x02~ENGLISH~s0=Widget Setup~\x02~GERMAN~s0=Widget Installation~\x02".
#pragma once

#include <string>
#include <string_view>

namespace vantor {

class TGFileInfo;

// The built-in list of language names and numbers, one text of "|NAME = number|" rows.
extern const std::string_view kBuiltInLanguageList;

// The name of the first row of the built-in list whose text holds the
// language's primary id (bits 0-9 of the locale) written with at least two
// digits; empty when none does.
std::string LanguageNameForLocale(unsigned localeId);
// The block named name (trimmed, without case), the only block of a
// one-block table whatever its name, or "*" when none matches.
std::string FindLanguageBlock(std::string_view languageTable, std::string_view name);
// The block for the user's language, else the English block, else "*".
std::string SelectLanguageBlock(std::string_view languageTable, std::string_view userLanguageName);
// The key's value in a selected block ("*" or empty: the default).
std::string LookupLanguageString(std::string_view block, std::string_view key, std::string_view def);

// The language name of the thread's locale (Windows layer).
std::string UserLanguageName();
// The key's text in the process's selected block, chosen on the first call
// from this object's table and shared by every object afterwards.
std::string LoadPackageString(const TGFileInfo& info, std::string_view key, std::string_view def);
int PackageCharset(const TGFileInfo& info);
int PackageFontSize(const TGFileInfo& info);
std::string PackageFontName(const TGFileInfo& info);
// Right-to-left layout for Hebrew (177) and Arabic (178) character sets.
bool IsRightToLeftCharset(int charset);

}  // namespace vantor
