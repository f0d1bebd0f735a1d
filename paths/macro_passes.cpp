#include "paths/macro_passes.h"

#include "base/calendar.h"

namespace vantor {

namespace {

constexpr std::string_view kDateMacro = "<Date=";

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// after: the index just past the first occurrence of the macro.
bool DropsSeparator(std::string_view text, std::size_t after) {
  if (after >= text.size()) return true;
  const char next = text[after];
  if (next == ' ') return true;
  return text.front() == text.back() && next == text.front() && next != '<' && !IsAsciiLetter(next);
}

std::string Two(int value) { return ZeroPad(value, 2); }
std::string Four(int value) { return ZeroPad(value, 4); }

int64_t WholeDaysSince2000(const DateTime& now) {
  // Truncated towards zero: before 2000 the day under way is not yet a whole day back.
  const int64_t days = DayNumber(now) - DayNumber(DateTime{2000, 1, 1});
  const bool partDay = days < 0 && (now.hour != 0 || now.minute != 0 || now.second != 0);
  return days + (partDay ? 1 : 0);
}

// Empty for an unknown code.
std::string DateForm(char code, const DateValues& date) {
  const DateTime& d = date.now;
  const std::string yy = Two(d.year % 100);
  const std::string t = std::string(1, date.timeSeparator);
  switch (code) {
    case '#':
      return Two(d.day) + date.dateSeparator + date.longMonthName + date.dateSeparator + Four(d.year);
    case '0':
      return std::to_string(WholeDaysSince2000(d));
    case '1':
      return Two(d.day) + "-" + Two(d.month) + "-" + yy;
    case '2':
      return Two(d.month) + "-" + Two(d.day) + "-" + yy;
    case '3':
      return yy + "-" + Two(d.month) + "-" + Two(d.day);
    case '4':
      return Two(d.day) + "-" + Two(d.month) + "-" + Four(d.year);
    case '5':
      return Two(d.month) + "-" + Two(d.day) + "-" + Four(d.year);
    case '6':
      return Four(d.year) + "-" + Two(d.month) + "-" + Two(d.day);
    case '7':
      return Four(d.year) + "-" + Two(d.month) + "-" + Two(d.day) + " " + Two(d.hour) + t + Two(d.minute) + t +
             Two(d.second);
    default:
      return std::string();
  }
}

}  // namespace

std::string FolderPass(std::string_view text, std::string_view macro, std::string_view value,
                       std::string_view separator) {
  const std::size_t at = PosText(macro, text);
  if (at == 0) return std::string(text);
  std::string replacement(value);
  if (!DropsSeparator(text, at - 1 + macro.size())) replacement.append(separator);
  return ReplaceText(text, macro, replacement, true);
}

std::string DatePass(std::string_view text, const DateValues& date) {
  const std::size_t at = PosText(kDateMacro, text);
  if (at == 0) return std::string(text);
  const std::size_t code = at - 1 + kDateMacro.size();
  // Only the complete form: "<Date=6x>" must not lose its "x".
  if (code + 1 >= text.size() || text[code + 1] != '>') return std::string(text);
  const std::string form = DateForm(text[code], date);
  if (form.empty()) return std::string(text);
  return std::string(text.substr(0, at - 1)) + form + std::string(text.substr(code + 2));
}

}  // namespace vantor
