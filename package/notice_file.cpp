#include "package/notice_file.h"

#include "base/text.h"
#include "package/scramble.h"

namespace vantor {

NoticeFile ParseNoticeFile(std::string_view content) {
  std::string t = UnscrambleText(content);
  t = TextAfter(t, "|");
  const std::string field = TextBefore(t, "|", "");
  for (int skipped = 0; skipped < 3; ++skipped) t = TextAfter(t, "|");
  return NoticeFile{TryUnscramble(field), t};
}

std::string MakeNoticeFile(std::string_view token, std::string_view body, uint32_t tokenSeed,
                           std::optional<unsigned char> textKey) {
  std::string content = "|" + ScrambleToken(token, tokenSeed) + "|x|y|";
  content.append(body);
  return textKey ? ScrambleText(content, *textKey) : content;
}

}  // namespace vantor
