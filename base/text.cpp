// Searching, comparing, replacing and editing texts.
#include "base/text.h"

#include <algorithm>

namespace vantor {

namespace {

using Pos = std::size_t;

bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

// Index (from 0) of the first occurrence of sub in text at or after from, or
// npos; an empty sub never occurs.
std::size_t FindIn(std::string_view sub, std::string_view text, std::size_t from, bool ignoreCase) {
  if (sub.empty() || from > text.size() || sub.size() > text.size() - from) return std::string_view::npos;
  if (!ignoreCase) return text.find(sub, from);
  for (std::size_t i = from; i + sub.size() <= text.size(); ++i) {
    if (EqualFolded(text.substr(i, sub.size()), sub)) return i;
  }
  return std::string_view::npos;
}

Pos ToPos(std::size_t index) { return index == std::string_view::npos ? 0 : index + 1; }

Pos PosFromImpl(std::string_view sub, std::string_view text, std::size_t start, bool ignoreCase) {
  // The search ends at a zero byte in text.
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  if (start < 1) start = 1;
  if (start > text.size()) return 0;
  return ToPos(FindIn(sub, text, start - 1, ignoreCase));
}

}  // namespace

// ---- Searching and comparing ----

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperAscii(c);
  return result;
}

std::string Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t begin = 0, end = text.size();
  while (begin < end && blank(text[begin])) ++begin;
  while (end > begin && blank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

Pos PosFrom(std::string_view sub, std::string_view text, std::size_t start) {
  return PosFromImpl(sub, text, start, false);
}

Pos PosFromText(std::string_view sub, std::string_view text, std::size_t start) {
  return PosFromImpl(sub, text, start, true);
}

Pos PosText(std::string_view sub, std::string_view text) { return ToPos(FindIn(sub, text, 0, true)); }

Pos LastPos(std::string_view sub, std::string_view text) {
  if (sub.empty()) return 0;
  return ToPos(text.rfind(sub));
}

bool StartsWith(std::string_view prefix, std::string_view text, bool ignoreCase) {
  if (prefix.size() > text.size()) return false;
  const std::string_view head = text.substr(0, prefix.size());
  return ignoreCase ? EqualFolded(head, prefix) : head == prefix;
}

bool EndsWith(std::string_view suffix, std::string_view text, bool ignoreCase) {
  if (suffix.size() > text.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  return ignoreCase ? EqualFolded(tail, suffix) : tail == suffix;
}

bool SameTextTrimmed(std::string_view a, std::string_view b) { return EqualFolded(Trim(a), Trim(b)); }

std::string TextBefore(std::string_view text, std::string_view sub, std::string_view def) {
  const std::size_t at = FindIn(sub, text, 0, false);
  if (at == std::string_view::npos) return std::string(def);
  return std::string(text.substr(0, at));
}

std::string TextAfter(std::string_view text, std::string_view sub) {
  const std::size_t at = FindIn(sub, text, 0, false);
  if (at == std::string_view::npos) return std::string(text);
  return std::string(text.substr(at + sub.size()));
}

// ---- Replacing and editing ----

// Replacing could mark replaced stretches in a working copy with a filler
// byte that does not occur in the key and search that copy again from its
// start; the same result is computed here directly: with a non-empty replacement the occurrences are replaced left to
// right and never overlap a replaced stretch (the usual non-overlapping
// replace); with an empty replacement the first occurrence is removed again
// and again, so that the two sides of a removed stretch may form a new one.
// Doing it directly also covers a key holding all 256 byte values, for which
// no filler exists.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        bool ignoreCase) {
  if (FindIn(find, text, 0, ignoreCase) == std::string_view::npos) return std::string(text);
  const std::size_t k = find.size();
  std::string result;
  result.reserve(text.size());
  if (!replacement.empty()) {
    std::size_t from = 0;
    for (;;) {
      const std::size_t at = FindIn(find, text, from, ignoreCase);
      if (at == std::string_view::npos) break;
      result.append(text.substr(from, at - from));
      result.append(replacement);
      from = at + k;
    }
    result.append(text.substr(from));
    return result;
  }
  // Empty replacement: removing the first occurrence until none is left is the
  // same as removing an occurrence as soon as it ends on a stack of the bytes
  // read so far (the stack never holds an occurrence, and with a key of fixed
  // length the occurrence that ends first is the one that begins first).
  for (const char c : text) {
    result.push_back(c);
    if (result.size() >= k) {
      const std::string_view tail = std::string_view(result).substr(result.size() - k);
      if (ignoreCase ? EqualFolded(tail, find) : tail == find) result.resize(result.size() - k);
    }
  }
  return result;
}

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string result(text);
  if (from != to) std::replace(result.begin(), result.end(), from, to);
  return result;
}

std::string ReverseText(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

std::string StripEnclosing(std::string_view text, char ch, bool unpaired, bool oneOnly) {
  if (text.size() == 1 && text[0] == ch) return std::string();
  if (text.size() < 2) return std::string(text);
  if (!unpaired && !(text.front() == ch && text.back() == ch)) return std::string(text);
  while (!text.empty() && text.front() == ch) {
    text.remove_prefix(1);
    if (oneOnly) break;
  }
  while (!text.empty() && text.back() == ch) {
    text.remove_suffix(1);
    if (oneOnly) break;
  }
  return std::string(text);
}

std::string Unquote(std::string_view text, bool unpaired) { return StripEnclosing(Trim(text), '"', unpaired, false); }

std::string PadLeft(std::string_view text, std::size_t width, char ch) {
  if (text.size() >= width) return std::string(text);
  std::string result(width - text.size(), ch);
  result.append(text);
  return result;
}

std::string ZeroPad(int64_t number, std::size_t width) { return PadLeft(std::to_string(number), width, '0'); }

std::string ExpandLineCodes(std::string_view text) {
  std::string result = ReplaceText(text, "\\\\n", "\r\n", false);
  result = ReplaceText(result, "\\\\t", "\t", false);
  result = ReplaceText(result, "<P>", "\r\n", true);
  return ReplaceText(result, "<T>", "\t", true);
}

bool NoLeadBytes(unsigned char) { return false; }

std::string CollapseBackslashes(std::string_view text, LeadByteTest isLeadByte) {
  std::string t(text);
  const std::size_t n = t.size();
  if (n <= 2) return t;
  if (isLeadByte == nullptr) isLeadByte = NoLeadBytes;
  // Positions count from 1 in this function: at(p) is t[p - 1].
  auto at = [&t](std::size_t p) { return t[p - 1]; };
  const bool enclosed = t.front() == t.back();
  const char encloser = t.front();
  // Deletions happen at p or to the right of it, so positions below p and the
  // first and last characters stay put while the scan goes down.
  for (std::size_t p = n - 2; p >= 3; --p) {
    if (at(p) != '\\' || at(p + 1) != '\\') continue;
    const char before = at(p - 1);
    if (isLeadByte(static_cast<unsigned char>(before))) continue;
    if (enclosed && before == encloser) continue;
    t.erase(p - 1, 1);
  }
  // Three backslashes at the start become two ("\\\server"). A pair in the
  // last two positions is never changed, so this applies from four characters
  // on; the scan never deletes positions 1, 2 or the last two, so a text of
  // four or more still has them.
  if (n >= 4 && at(2) == '\\' && at(3) == '\\') t.erase(1, 1);
  return t;
}

std::string SetTrailingBackslash(std::string_view path, bool add, LeadByteTest isLeadByte) {
  std::string result(path);
  if (isLeadByte == nullptr) isLeadByte = NoLeadBytes;
  const std::size_t n = result.size();
  if (n >= 3 && result[n - 1] == '\\' && !isLeadByte(static_cast<unsigned char>(result[n - 2]))) result.pop_back();
  if (add) result.push_back('\\');
  return result;
}

unsigned WaitPumpingInterval(unsigned milliseconds) { return std::clamp(milliseconds / 10, 1u, 25u); }

}  // namespace vantor
