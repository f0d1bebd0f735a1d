// Bar lists, ReplaceText, CollapseBackslashes, ParseNumberBase and the switch
// functions over arbitrary bytes, with the invariants that must hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/switches.h"
#include "base/text.h"
#include "tests/common/literal_replace_text.h"

namespace {

using namespace vantor;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsTrimmed(std::string_view s) {
  return s.empty() || (static_cast<unsigned char>(s.front()) > 32 && static_cast<unsigned char>(s.back()) > 32);
}

std::string WithoutBackslashes(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '\\'), s.end());
  return s;
}

bool HighLeadBytes(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

void CheckBarList(const std::string& list, const std::string& value, const std::string& key, int index) {
  const int count = BarCount(list);
  Check(count >= 0);
  Check(list.empty() ? count == 0 : static_cast<std::size_t>(count) < list.size());
  if (count > 0) {
    // A default holding the separator can never be an item: rebuild the list.
    const char sep = list.front();
    const std::string def(2, sep);
    std::string rebuilt(1, sep);
    for (int i = 0; i < count; ++i) {
      const std::string item = BarItem(list, i, def);
      Check(item == def || (item.find(sep) == std::string::npos && !item.empty()));
      if (item != def) rebuilt += item;
      rebuilt += sep;
    }
    Check(rebuilt == list);
    Check(BarItem(list, count, def) == def);
  }
  Check(BarItem(list, -1, "d") == "d");

  // BarSetItem: n items, the value at index, the others as read before.
  std::string changed = list;
  BarSetItem(changed, index, value);
  Check(!changed.empty() && changed.front() == changed.back());
  const int n = std::max(count, index + 1);
  const char sep = changed.front();
  if (sep != '\0') {
    static constexpr char kCandidates[] = {'|', '^', '!', '~', '@', '#', '$', '&', '*', '\xFF'};
    for (const char candidate : kCandidates) {
      if (candidate == sep) break;
      Check(changed.find(candidate) != std::string::npos);  // an earlier candidate is in some item
    }
    Check(BarCount(changed) == n);
    for (int i = 0; i < n; ++i) {
      const std::string expected = i == index ? value : BarItem(list, i, "");
      Check(BarItem(changed, i, "") == expected);
    }
  }

  // A KEY=value item written with BarSetItem is found again.
  if (!key.empty() && std::all_of(key.begin(), key.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }) &&
      value.find(' ') == std::string::npos && value.find('\0') == std::string::npos) {
    std::string keyed;
    BarSetItem(keyed, 0, key + "=" + value);
    if (keyed.front() != '\0') Check(BarKeyValue(keyed, key, "\x01") == value);
  }
  const std::string found = BarKeyValue(list, key, "\x01\x02");
  if (found != "\x01\x02") Check(list.size() >= 3 && found.find(list.front()) == std::string::npos);
}

void CheckReplace(const std::string& text, const std::string& find, const std::string& replacement, bool ignoreCase) {
  const std::string result = ReplaceText(text, find, replacement, ignoreCase);
  const bool occurs = ignoreCase ? PosText(find, text) != 0 : (!find.empty() && text.find(find) != std::string::npos);
  if (!occurs) Check(result == text);
  if (replacement.empty() && !find.empty()) Check(!(ignoreCase ? PosText(find, result) != 0 : result.find(find) != std::string::npos));
  if (!ignoreCase) Check(ReplaceText(text, find, find, false) == text);
  if (text.size() <= 512 && find.size() < 256) Check(result == LiteralReplaceText(text, find, replacement, ignoreCase));
}

void CheckCollapse(const std::string& text) {
  for (const LeadByteTest lead : {NoLeadBytes, HighLeadBytes}) {
    const std::string out = CollapseBackslashes(text, lead);
    Check(out.size() <= text.size());
    Check(WithoutBackslashes(out) == WithoutBackslashes(text));
    if (text.size() <= 2) {
      Check(out == text);
      continue;
    }
    Check(out.front() == text.front());
    Check(out.substr(out.size() - 2) == text.substr(text.size() - 2));
    if (lead == NoLeadBytes && text.front() != text.back()) {
      for (std::size_t i = 1; i + 2 < out.size(); ++i) Check(!(out[i] == '\\' && out[i + 1] == '\\'));
      Check(CollapseBackslashes(out) == out);
    }
  }
}

void CheckNumbers(const std::string& text, int base) {
  const int64_t value = ParseNumberBase(text, base);
  Check(ParseNumberBase(Trim(text), base) == value);
  Check(ParseNumberBase(UpperAscii(text), base) == value);
  Check(HexToInt64("0x" + text) == ParseNumberBase(text, 16));
  const std::string trimmed = Trim(text);
  const bool decimal = !trimmed.empty() && trimmed.size() <= 18 &&
                       std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (decimal) {
    int64_t parsed = 0;
    Check(TryParseInt64(trimmed, parsed) && parsed == ParseNumberBase(trimmed, 10));
  }
  const bool hex = !trimmed.empty() && trimmed.size() <= 15 &&
                   std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
  if (hex) {
    int64_t parsed = 0;
    Check(TryParseInt64("$" + trimmed, parsed) && parsed == ParseNumberBase(trimmed, 16));
    Check(TryParseInt64("-0x" + trimmed, parsed) && parsed == -ParseNumberBase(trimmed, 16));
  }
  int64_t any = 0;
  (void)TryParseInt64(text, any);
}

void CheckSwitches(const std::string& line, const std::string& path, const std::string& name) {
  const std::string args = CommandArgsOf(line, path);
  Check(IsTrimmed(args));
  Check(args.size() <= line.size());
  if (!path.empty()) Check(CommandArgsOf("\"" + path + "\" " + line, path) == Trim(line));

  const bool has = HasSwitchIn(args, name);
  const std::string text = SwitchTextIn(args, name);
  const int64_t a = SwitchIntIn(args, name, 1), b = SwitchIntIn(args, name, 2);
  if (!has) {
    Check(text.empty() && a == 1 && b == 2);
    return;
  }
  Check(IsTrimmed(text));
  if (text != "TRUE") Check(args.find(text) != std::string::npos);
  const std::size_t at = PosText(name, args) - 1 + name.size();
  if (at == args.size()) Check(text == "TRUE");
  if (at < args.size() && args[at] != '"') Check(text.find(' ') == std::string::npos && text.find('/') == std::string::npos);
  if (at < args.size() && args[at] == '"') Check(text.find('"') == std::string::npos);
  int64_t parsed = 0;
  if (TryParseInt64(text, parsed)) {
    Check(a == parsed && b == parsed);
  } else {
    Check(a == 1 && b == 2);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int index = input.ConsumeIntegralInRange<int>(-2, 40);
  const int base = input.ConsumeIntegralInRange<int>(-1, 17);
  const bool ignoreCase = input.ConsumeBool();
  const std::string small = input.ConsumeRandomLengthString(64);
  const std::string other = input.ConsumeRandomLengthString(64);
  const std::string text = input.ConsumeRemainingBytesAsString();

  CheckBarList(text, small, other, index);
  CheckBarList(small, other, small, index);
  CheckReplace(text, small, other, ignoreCase);
  CheckCollapse(text);
  CheckNumbers(small, base);
  CheckNumbers(text, base);
  CheckSwitches(text, other, small);
  (void)DeveloperModeFrom(small.c_str());
  return 0;
}
