#include "ui/box_keys.h"

#include "base/text.h"

namespace vantor {

int FocusSlot(int index, int count) {
  if (count < 1) count = 1;
  return ((index % count) + count) % count;
}

int AltCharChoice(const std::vector<std::string>& captions, char typed) {
  for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
    const std::string& caption = captions[i];
    if (caption.size() >= 2 && (caption[1] == typed || caption[1] == UpperAscii(typed))) return i;
  }
  return -1;
}

int LetterKeyChoice(const std::vector<std::string>& captions, char letter) {
  int chosen = -1;
  for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
    const std::string& caption = captions[i];
    const std::size_t amp = caption.find('&');
    const std::size_t at = amp == std::string::npos ? 0 : amp + 1;
    if (at < caption.size() && UpperAscii(caption[at]) == UpperAscii(letter)) chosen = i;
  }
  return chosen;
}

}  // namespace vantor
