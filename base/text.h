// Text and list utilities shared by every subsystem.
//
// Texts are byte strings in the ANSI code page. Positions count from 1 and 0
// means "not found". Ignoring case folds only a-z/A-Z; trimming removes every
// character with a code of 32 or less from both ends.
//
// A bar list is one text whose first character is its separator:
// "|&OK|&Cancel|" holds item 0 "&OK" and item 1 "&Cancel".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Bar lists.
int BarCount(std::string_view list);
std::string BarItem(std::string_view list, int index, std::string_view def);
void BarSetItem(std::string& list, int index, std::string_view value);
std::string BarKeyValue(std::string_view list, std::string_view key, std::string_view def);

// Searching and comparing.
char UpperAscii(char c);
std::string UpperAscii(std::string_view text);
std::string Trim(std::string_view text);
std::size_t PosFrom(std::string_view sub, std::string_view text, std::size_t start);
std::size_t PosFromText(std::string_view sub, std::string_view text, std::size_t start);
std::size_t PosText(std::string_view sub, std::string_view text);
std::size_t LastPos(std::string_view sub, std::string_view text);
bool StartsWith(std::string_view prefix, std::string_view text, bool ignoreCase);
bool EndsWith(std::string_view suffix, std::string_view text, bool ignoreCase);
bool SameTextTrimmed(std::string_view a, std::string_view b);
std::string TextBefore(std::string_view text, std::string_view sub, std::string_view def);
std::string TextAfter(std::string_view text, std::string_view sub);

// Replacing and editing.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        bool ignoreCase);
std::string ReplaceChar(std::string_view text, char from, char to);
std::string ReverseText(std::string_view text);
std::string StripEnclosing(std::string_view text, char ch, bool unpaired, bool oneOnly);
std::string Unquote(std::string_view text, bool unpaired);
std::string PadLeft(std::string_view text, std::size_t width, char ch);
std::string ZeroPad(int64_t number, std::size_t width);
std::string ExpandLineCodes(std::string_view text);
// isLeadByte tells whether a byte opens a double-byte character in the
// system's code page; the Windows layer passes the system's answer.
using LeadByteTest = bool (*)(unsigned char);
bool NoLeadBytes(unsigned char);
std::string CollapseBackslashes(std::string_view text, LeadByteTest isLeadByte = NoLeadBytes);
std::string SetTrailingBackslash(std::string_view path, bool add, LeadByteTest isLeadByte = NoLeadBytes);

// Fixed-format texts and numbers.
struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
std::string DateText(const DateTime& when);
std::string DateTimeText(const DateTime& when, char timeSeparator);
std::string LogTimeStamp(const DateTime& when, char dateSeparator, char timeSeparator);
std::string BoolText(bool value);
// Random whole number from low to high (both included) from a generator
// reseeded from the high-resolution clock on every call.
std::string RandomNumberText(int64_t low, int64_t high);
int64_t ParseNumberBase(std::string_view text, int base);
int64_t HexToInt64(std::string_view text);
int64_t Min64(int64_t a, int64_t b);
int64_t Max64(int64_t a, int64_t b);
int64_t EnsureRange64(int64_t value, int64_t min, int64_t max);
// The strict number form of switch values: optional blanks and sign, decimal
// digits, or hex digits after "$", "x", "X", "0x" or "0X"; all of the text
// must be used and the value must fit in 64 bits (signed: hex digits give the
// magnitude too, so "$8000000000000000" fails and "-$8000000000000000" is the
// minimum).
bool TryParseInt64(std::string_view text, int64_t& value);

// The automatic interval of WaitPumping: milliseconds div 10, kept in 1..25.
unsigned WaitPumpingInterval(unsigned milliseconds);

}  // namespace vantor
