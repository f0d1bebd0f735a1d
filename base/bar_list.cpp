// Bar lists: one text whose first character is its separator.
#include <algorithm>
#include <vector>

#include "base/text.h"

namespace vantor {

namespace {

// The items of a list as BarItem reads them: every stretch closed by a
// separator after the first character; text after the last separator is not
// an item. The last character is not tested.
std::vector<std::string_view> SplitItems(std::string_view list) {
  std::vector<std::string_view> items;
  if (list.empty()) return items;
  const char sep = list[0];
  std::size_t begin = 1;
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (list[i] != sep) continue;
    items.push_back(list.substr(begin, i - begin));
    begin = i + 1;
  }
  return items;
}

}  // namespace

int BarCount(std::string_view list) {
  if (list.empty() || list.back() != list.front()) return 0;
  return static_cast<int>(std::count(list.begin() + 1, list.end(), list.front()));
}

std::string BarItem(std::string_view list, int index, std::string_view def) {
  if (list.empty() || index < 0) return std::string(def);
  const char sep = list[0];
  std::size_t begin = 1;
  int item = 0;
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (list[i] != sep) continue;
    if (item == index) {
      if (i == begin) break;  // an empty item reads as a missing one
      return std::string(list.substr(begin, i - begin));
    }
    ++item;
    begin = i + 1;
  }
  return std::string(def);
}

void BarSetItem(std::string& list, int index, std::string_view value) {
  if (list.empty()) list.assign(1, '|');
  std::vector<std::string_view> old = SplitItems(list);
  // In 64 bits: index + 1 must not overflow for the largest index.
  const int64_t n = std::max<int64_t>(BarCount(list), int64_t{index} + 1);
  // Items from n on are dropped (a list that does not end with its separator
  // has a count of 0); the item at index is the value.
  if (static_cast<int64_t>(old.size()) > n) old.resize(static_cast<std::size_t>(n));
  auto itemAt = [&](int64_t i) -> std::string_view {
    if (i == index) return value;
    return i < static_cast<int64_t>(old.size()) ? old[static_cast<std::size_t>(i)] : std::string_view();
  };
  auto occurs = [&](char c) {
    if (index >= 0 && value.find(c) != std::string_view::npos) return true;
    for (int64_t i = 0; i < static_cast<int64_t>(old.size()); ++i) {
      if (i != index && old[static_cast<std::size_t>(i)].find(c) != std::string_view::npos) return true;
    }
    return false;
  };
  // The first candidate that occurs in no item; when all ten occur, the zero
  // byte placeholder stays the separator. Only the separators written here
  // are chosen: a zero byte inside an item is kept as it is.
  static constexpr char kCandidates[] = {'|', '^', '!', '~', '@', '#', '$', '&', '*', '\xFF'};
  char sep = '\0';
  for (const char candidate : kCandidates) {
    if (!occurs(candidate)) {
      sep = candidate;
      break;
    }
  }
  std::string result(1, sep);
  for (int64_t i = 0; i < n; ++i) {
    result.append(itemAt(i));
    result.push_back(sep);
  }
  list = std::move(result);
}

std::string BarKeyValue(std::string_view list, std::string_view key, std::string_view def) {
  if (list.size() < 3 || list.back() != list.front()) return std::string(def);
  const char sep = list.front();
  std::string pattern(1, sep);
  pattern.append(key);
  if (!EndsWith("=", key, false)) pattern.push_back('=');
  std::string work = ReplaceText(list, std::string{sep, ' '}, std::string(1, sep), false);
  work = ReplaceText(work, " =", "=", false);
  const std::size_t at = PosText(pattern, work);
  if (at == 0) return std::string(def);
  const std::size_t begin = at - 1 + pattern.size();
  const std::size_t end = work.find(sep, begin);
  return work.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

}  // namespace vantor
