// The notice file an agent downloads: |token|x|y|body, where token is a
// scrambled token, x and y are skipped, and the whole content may come in the
// "Scrambled=01" form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

struct NoticeFile {
  // Unscrambled; nothing when the field does not check, so that no stand-in
  // can match an agent's token by chance.
  std::optional<std::string> token;
  std::string body;
};

NoticeFile ParseNoticeFile(std::string_view content);

// The inverse for the packer: the token (plain) is scrambled with tokenSeed;
// with a key character (33..122) the whole content takes the "Scrambled=01" form.
std::string MakeNoticeFile(std::string_view token, std::string_view body, uint32_t tokenSeed,
                           std::optional<unsigned char> textKey);

}  // namespace vantor
