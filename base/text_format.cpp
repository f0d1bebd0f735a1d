// Fixed-format texts and numbers.
#include <chrono>
#include <limits>
#include <random>

#include "base/text.h"

namespace vantor {

namespace {

constexpr std::string_view kMonthNames = "||JAN|FEB|MAR|APR|MAY|JUN|JUL|AUG|SEP|OCT|NOV|DEC|";

std::string TwoDigits(int value) { return ZeroPad(value, 2); }

std::string TimeText(const DateTime& when, char timeSeparator) {
  return TwoDigits(when.hour) + timeSeparator + TwoDigits(when.minute) + timeSeparator + TwoDigits(when.second);
}

// Value of a digit in "0123456789ABCDEF", or -1.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int HexDigit(char c) { return DigitValue(UpperAscii(c)); }

}  // namespace

std::string DateText(const DateTime& when) {
  return TwoDigits(when.day) + "-" + BarItem(kMonthNames, when.month, "") + "-" + ZeroPad(when.year, 4);
}

std::string DateTimeText(const DateTime& when, char timeSeparator) {
  return DateText(when) + "  " + TimeText(when, timeSeparator);
}

std::string LogTimeStamp(const DateTime& when, char dateSeparator, char timeSeparator) {
  const int yy = (when.year % 100 + 100) % 100;
  return TwoDigits(when.day) + dateSeparator + TwoDigits(when.month) + dateSeparator + TwoDigits(yy) + ' ' +
         TimeText(when, timeSeparator);
}

std::string BoolText(bool value) { return value ? "TRUE" : "FALSE"; }

// Callers keep the range within 32 bits, but any range is drawn without bias,
// and high below low gives low.
std::string RandomNumberText(int64_t low, int64_t high) {
  if (high <= low) return std::to_string(low);
  const auto seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::mt19937_64 generator(seed);
  const uint64_t span = static_cast<uint64_t>(high) - static_cast<uint64_t>(low);
  const uint64_t offset = std::uniform_int_distribution<uint64_t>(0, span)(generator);
  return std::to_string(static_cast<int64_t>(static_cast<uint64_t>(low) + offset));
}

int64_t ParseNumberBase(std::string_view text, int base) {
  const std::string digits = UpperAscii(Trim(text));
  // Signed 64-bit arithmetic that wraps: done in unsigned.
  uint64_t value = 0, weight = 1;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    value += static_cast<uint64_t>(static_cast<int64_t>(DigitValue(*it))) * weight;
    weight *= static_cast<uint64_t>(static_cast<int64_t>(base));
  }
  return static_cast<int64_t>(value);
}

int64_t HexToInt64(std::string_view text) {
  if (StartsWith("0x", text, true)) text.remove_prefix(2);
  return ParseNumberBase(text, 16);
}

int64_t Min64(int64_t a, int64_t b) { return a < b ? a : b; }

int64_t Max64(int64_t a, int64_t b) { return a > b ? a : b; }

int64_t EnsureRange64(int64_t value, int64_t min, int64_t max) {
  if (value < min) value = min;
  if (value > max) value = max;
  return value;
}

bool TryParseInt64(std::string_view text, int64_t& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;
  // The magnitude may reach 2^63 only for a negative number.
  const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = base == 16 ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return false;
    if (magnitude > (limit - static_cast<uint64_t>(digit)) / base) return false;
    magnitude = magnitude * base + static_cast<uint64_t>(digit);
  }
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

}  // namespace vantor
