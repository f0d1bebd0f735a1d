#include "package/language_strings.h"

#include "base/text.h"

namespace vantor {

// The first 43 rows carry primary language ids, the last eight full ids.
const std::string_view kBuiltInLanguageList =
    "|AFRIKAANS    = 54|ALBANIAN     = 28|ARABIC       = 01|BASQUE       = 45|BELARUSIAN   = 35"
    "|BULGARIAN    = 02|CATALAN      = 03|CHINESE      = 04|CROATIAN     = 26|CZECH        = 05"
    "|DANISH       = 06|DUTCH        = 19|ENGLISH      = 09|ESTONIAN     = 37|FAEROESE     = 56"
    "|FARSI        = 41|FINNISH      = 11|FRENCH       = 12|GERMAN       = 07|GREEK        = 08"
    "|HEBREW       = 13|HUNGARIAN    = 14|ICELANDIC    = 15|INDONESIAN   = 33|ITALIAN      = 16"
    "|JAPANESE     = 17|KOREAN       = 18|LATVIAN      = 38|LITHUANIAN   = 39|NORWEGIAN    = 20"
    "|POLISH       = 21|PORTUGUESE   = 22|ROMANIAN     = 24|RUSSIAN      = 25|SERBIAN      = 26"
    "|SLOVAK       = 27|SLOVENIAN    = 36|SPANISH      = 10|SWEDISH      = 29|THAI         = 30"
    "|TURKISH      = 31|UKRAINIAN    = 34|VIETNAMESE   = 42"
    "|CHINESE(SIMPLIFIED)   = 2052|CHINESE(TRADITIONAL)  = 1028|DUTCH(FLEMISH)       = 2067"
    "|DUTCH(STANDARD)      = 1043|PORTUGUESE(PORTUGAL) = 2070|PORTUGUESE(BRAZIL)   = 1046"
    "|SERBIAN(LATIN)       = 2074|SERBIAN(CYRILIC)     = 3098|";

std::string LanguageNameForLocale(unsigned localeId) {
  // A plain substring test on each row: 20 finds NORWEGIAN before any later
  // row, 26 finds CROATIAN before SERBIAN.
  const std::string digits = ZeroPad(localeId & 0x3FF, 2);
  const int rows = BarCount(kBuiltInLanguageList);
  for (int i = 0; i < rows; ++i) {
    const std::string row = BarItem(kBuiltInLanguageList, i, "");
    const std::size_t equals = row.find('=');
    if (equals == std::string::npos || equals == 0) continue;
    if (row.find(digits) != std::string::npos) return Trim(row.substr(0, equals));
  }
  return {};
}

std::string FindLanguageBlock(std::string_view languageTable, std::string_view name) {
  const int blocks = BarCount(languageTable);
  for (int i = 0; i < blocks; ++i) {
    const std::string block = BarItem(languageTable, i, "");
    if (SameTextTrimmed(BarItem(block, 0, ""), name)) return block;
  }
  if (blocks == 1) return BarItem(languageTable, 0, "");
  return "*";
}

std::string SelectLanguageBlock(std::string_view languageTable, std::string_view userLanguageName) {
  std::string block = FindLanguageBlock(languageTable, userLanguageName);
  if (block == "*") block = FindLanguageBlock(languageTable, "English");
  return block;
}

std::string LookupLanguageString(std::string_view block, std::string_view key, std::string_view def) {
  if (block.size() <= 1) return std::string(def);
  return BarKeyValue(block, key, def);
}

bool IsRightToLeftCharset(int charset) { return charset == 177 || charset == 178; }

}  // namespace vantor
