#include "net/range_reply.h"

#include <optional>

#include "base/text.h"

namespace vantor {

namespace {

// Reads the decimal number at the front of text and removes it; none when
// there are no digits or it exceeds 18 digits.
std::optional<int64_t> TakeNumber(std::string_view& text) {
  std::size_t length = 0;
  int64_t value = 0;
  while (length < text.size() && text[length] >= '0' && text[length] <= '9') {
    if (length == 18) return std::nullopt;
    value = value * 10 + (text[length] - '0');
    ++length;
  }
  if (length == 0) return std::nullopt;
  text.remove_prefix(length);
  return value;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::string RangeRequestHeader(int64_t start) { return "Range: bytes=" + std::to_string(start) + "-\r\n"; }

bool ContentRangeCoversRest(std::string_view contentRange, int64_t start, int64_t total) {
  const std::string trimmed = Trim(contentRange);
  std::string_view text = trimmed;
  if (!StartsWith("bytes ", text, true)) return false;
  text.remove_prefix(6);
  const auto first = TakeNumber(text);
  if (!first || !TakeChar(text, '-')) return false;
  const auto last = TakeNumber(text);
  if (!last || !TakeChar(text, '/')) return false;
  const auto length = TakeNumber(text);
  return length && text.empty() && *first == start && *last == total - 1 && *length == total;
}

}  // namespace vantor
