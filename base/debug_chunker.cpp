#include "base/debug_chunker.h"

namespace vantor {

void ChunkingWriter::Write(std::string_view text) {
  for (const char ch : text) {
    buffer_.push_back(ch);
    if (buffer_.size() >= kDebugPieceSize || ch == '\n') Flush();
  }
}

void ChunkingWriter::Flush() {
  if (buffer_.empty()) return;
  try {
    sink_(buffer_);
  } catch (...) {
    // The writer of a debug line never learns of a failure to hand it on.
  }
  buffer_.clear();
}

}  // namespace vantor
