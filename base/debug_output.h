// The debug-viewer channel: the program's text output, handed in pieces of at
// most 128 characters to the window of class ".VDebug." through the
// registered message ".V_DebugMsg." and a global atom. Without a viewer window
// the text is dropped. Nothing is ever written to a console.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace vantor {

void InstallDebugOutput();
void SetDebugSource(uint16_t source);
void SendToDebugViewer(const char* text);

// The process-wide text output: formatted writes of texts, integers,
// characters and booleans ("TRUE"/"FALSE"); "\n" closes a line.
class DebugStream {
 public:
  DebugStream& operator<<(std::string_view text);
  DebugStream& operator<<(const char* text) { return *this << std::string_view(text); }
  DebugStream& operator<<(const std::string& text) { return *this << std::string_view(text); }
  DebugStream& operator<<(char ch) { return *this << std::string_view(&ch, 1); }
  DebugStream& operator<<(bool value) { return *this << (value ? "TRUE" : "FALSE"); }
  // Integers in decimal, without leading blanks or zeros.
  template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
  DebugStream& operator<<(T value) {
    return *this << std::to_string(value);
  }
  void Flush();
};
DebugStream& DebugOut();

// Debug lines by the program's convention: the process id in decimal, then
// the text (which itself begins with a blank), then the line end.
void DebugLinePid(std::string_view text);
void DebugLine(std::string_view text);

}  // namespace vantor
