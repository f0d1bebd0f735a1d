#include <windows.h>

#include "base/text.h"
#include "package/file_info.h"
#include "package/language_strings.h"

namespace vantor {

namespace {
// Chosen by the first lookup of the process and never changed afterwards.
std::string selectedBlock;

int NumberOr(const std::string& text, int def) {
  int64_t value = 0;
  return TryParseInt64(text, value) ? static_cast<int>(value) : def;
}
}  // namespace

std::string UserLanguageName() {
  LCID locale = GetThreadLocale();
  if (locale == 0) locale = 0x0409;
  return LanguageNameForLocale(locale);
}

std::string LoadPackageString(const TGFileInfo& info, std::string_view key, std::string_view def) {
  if (selectedBlock.empty()) selectedBlock = SelectLanguageBlock(info.LanguageTable(), UserLanguageName());
  return LookupLanguageString(selectedBlock, key, def);
}

int PackageCharset(const TGFileInfo& info) { return NumberOr(LoadPackageString(info, "Charset", "0"), 0); }
int PackageFontSize(const TGFileInfo& info) { return NumberOr(LoadPackageString(info, "FontSize", "8"), 8); }
std::string PackageFontName(const TGFileInfo& info) { return LoadPackageString(info, "FontName", "Tahoma"); }

}  // namespace vantor
