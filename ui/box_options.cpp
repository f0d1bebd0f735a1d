#include "ui/box_options.h"

#include "base/text.h"
#include "ui/markup.h"

namespace vantor {

namespace {

constexpr std::uint8_t kHebrewCharset = 177;
constexpr std::uint8_t kArabicCharset = 178;

}  // namespace

BoxIcon IconOf(std::uint32_t flags) {
  switch (flags & kBoxIconMask) {
    case 0x10: return BoxIcon::Hand;
    case 0x20: return BoxIcon::Question;
    case 0x30: return BoxIcon::Exclamation;
    case 0x40: return BoxIcon::Asterisk;
    default: return BoxIcon::Program;
  }
}

int DefaultButtonOf(std::uint32_t flags) { return static_cast<int>((flags & kBoxDefaultButtonMask) >> 8); }

std::vector<ButtonSpec> ButtonSetOf(std::uint32_t flags) {
  constexpr ButtonSpec ok{0, kBoxOk}, cancel{1, kBoxCancel}, yes{2, kBoxYes}, no{3, kBoxNo},
      abort{4, kBoxAbort}, retry{5, kBoxRetry}, ignore{6, kBoxIgnore};
  switch (flags & kBoxButtonSetMask) {
    case 0: return {ok};
    case 1: return {ok, cancel};
    case 2: return {abort, retry, ignore};
    case 3: return {yes, no, cancel};
    case 4: return {yes, no};
    case 5: return {retry, cancel};
    default: return {};
  }
}

BoxCall PrepareBoxCall(std::uintptr_t owner, std::string_view text, std::string_view title, std::uint8_t charset,
                       std::uint32_t flags) {
  BoxCall call;
  call.flags = flags;
  if (charset == kHebrewCharset || charset == kArabicCharset) call.flags |= kBoxRight | kBoxRtlReading;
  const auto mode = static_cast<BoxOwnerMode>(owner);
  call.text = mode == BoxOwnerMode::WithHeading ? HeadedText(text, title) : std::string(text);
  if (mode == BoxOwnerMode::NoClose) call.flags |= kBoxNoClose;
  call.ownerIsActiveWindow = owner <= static_cast<std::uintptr_t>(BoxOwnerMode::NoClose);
  return call;
}

std::string ButtonsOrDefault(std::string_view buttons) {
  return std::string(buttons.empty() ? kDefaultButtonCaptions : buttons);
}

std::string TitleOrDefault(std::string_view title, TitleItem item) {
  if (!title.empty()) return std::string(title);
  return BarItem(kDefaultTitles, static_cast<int>(item), "");
}

}  // namespace vantor
