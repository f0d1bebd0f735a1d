// What a markup box is asked to show: flags and result codes in the layout of
// the system's message-box values, the default caption and title lists, the
// owner modes and the button sets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Captions are always taken by these item numbers, so a translated list keeps
// the order: 0 OK, 1 Cancel, 2 Yes, 3 No, 4 Abort, 5 Retry, 6 Ignore.
inline constexpr std::string_view kDefaultButtonCaptions = "|&OK|&Cancel|&Yes|&No|&Abort|&Retry|&Ignore|";
// Item 0 for errors, 1 for warnings, 2 for questions.
inline constexpr std::string_view kDefaultTitles = "|Error|Attention|Confirm|";
enum class TitleItem { Error = 0, Warning = 1, Question = 2 };

// Flags. Only these bits have an effect.
inline constexpr std::uint32_t kBoxButtonSetMask = 0x0000000F;  // 0 OK ... 5 Retry/Cancel
inline constexpr std::uint32_t kBoxIconMask = 0x000000F0;
inline constexpr std::uint32_t kBoxDefaultButtonMask = 0x00000F00;  // counted from 0
inline constexpr std::uint32_t kBoxRight = 0x00080000;              // MB_RIGHT
inline constexpr std::uint32_t kBoxRtlReading = 0x00100000;         // MB_RTLREADING
inline constexpr std::uint32_t kBoxNoClose = 0x10000000;            // not a system flag

inline constexpr std::uint32_t kErrorBoxFlags = 0x10;      // OK, hand icon
inline constexpr std::uint32_t kWarningBoxFlags = 0x30;    // OK, exclamation icon
inline constexpr std::uint32_t kYesNoBoxFlags = 0x24;      // Yes and No, question icon
inline constexpr std::uint32_t kOkCancelBoxFlags = 0x21;   // OK and Cancel, question icon

// Result codes: the system's dialog identifiers, 0 for the Close command.
inline constexpr int kBoxClosed = 0;
inline constexpr int kBoxOk = 1;
inline constexpr int kBoxCancel = 2;
inline constexpr int kBoxAbort = 3;
inline constexpr int kBoxRetry = 4;
inline constexpr int kBoxIgnore = 5;
inline constexpr int kBoxYes = 6;
inline constexpr int kBoxNo = 7;

enum class BoxIcon { Hand, Question, Exclamation, Asterisk, Program };
BoxIcon IconOf(std::uint32_t flags);
int DefaultButtonOf(std::uint32_t flags);

struct ButtonSpec {
  int captionItem = 0;
  int result = 0;
  bool operator==(const ButtonSpec&) const = default;
};
// The buttons from left to right; none for a set above 5.
std::vector<ButtonSpec> ButtonSetOf(std::uint32_t flags);

// The owner argument: these modes, or any larger value, a window handle.
enum class BoxOwnerMode : std::uintptr_t { WithHeading = 0, NoHeading = 1, NoClose = 2 };

// What ShowMarkupBox makes of its arguments before it opens the box.
struct BoxCall {
  std::string text;  // Markup, with the heading when the owner mode asks for one
  std::uint32_t flags = 0;
  bool ownerIsActiveWindow = false;  // for the three modes; else the owner is the handle
};
BoxCall PrepareBoxCall(std::uintptr_t owner, std::string_view text, std::string_view title, std::uint8_t charset,
                       std::uint32_t flags);

// The wrappers' defaults for an empty caption list or title.
std::string ButtonsOrDefault(std::string_view buttons);
std::string TitleOrDefault(std::string_view title, TitleItem item);

}  // namespace vantor
