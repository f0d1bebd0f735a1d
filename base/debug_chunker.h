// The buffer behind the debug-viewer channel: it holds at most 128 characters
// and hands them to a sink when it is full and after every line end, so a
// 300-character line arrives as pieces of 128, 128 and 45 (the last one
// ending with the line feed).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantor {

constexpr std::size_t kDebugPieceSize = 128;

class ChunkingWriter {
 public:
  using Sink = std::function<void(std::string_view piece)>;
  explicit ChunkingWriter(Sink sink) : sink_(std::move(sink)) { buffer_.reserve(kDebugPieceSize); }

  void Write(std::string_view text);
  // Hands over whatever is buffered (at exit, or when a writer asks).
  void Flush();

 private:
  Sink sink_;
  std::string buffer_;
};

}  // namespace vantor
