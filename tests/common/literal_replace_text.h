// ReplaceText done the slow way, as the text operation is defined: a working
// copy in which every replaced stretch is overwritten by a filler byte that
// the key lacks, searched again from its start after each replacement. The
// unit tests and the fuzzer cross-check the fast version against it; use it
// only where a filler exists (a key of fewer than 256 distinct bytes).
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace vantor {

inline std::string LiteralReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                                      bool ignoreCase) {
  std::string result(text);
  std::string work = ignoreCase ? UpperAscii(text) : std::string(text);
  const std::string key = ignoreCase ? UpperAscii(find) : std::string(find);
  if (key.empty() || work.find(key) == std::string::npos) return result;
  int filler = 0;
  while (key.find(static_cast<char>(filler)) != std::string::npos) ++filler;
  for (;;) {
    const std::size_t at = work.find(key);
    if (at == std::string::npos) break;
    result.replace(at, key.size(), replacement);
    work.replace(at, key.size(), std::string(replacement.size(), static_cast<char>(filler)));
  }
  return result;
}

}  // namespace vantor
