#include "base/debug_chunker.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vantor {
namespace {

struct Recorder {
  std::vector<std::string> pieces;
  ChunkingWriter writer{[this](std::string_view piece) { pieces.emplace_back(piece); }};
};

TEST(ChunkingWriter, LineOf300CharactersArrivesAs128_128_45) {
  Recorder r;
  r.writer.Write(std::string(300, 'a') + "\n");
  ASSERT_EQ(r.pieces.size(), 3u);
  EXPECT_EQ(r.pieces[0], std::string(128, 'a'));
  EXPECT_EQ(r.pieces[1], std::string(128, 'a'));
  EXPECT_EQ(r.pieces[2], std::string(44, 'a') + "\n");
}

TEST(ChunkingWriter, PiecesWrittenSeparatelyJoinUntilTheLineEnds) {
  Recorder r;
  r.writer.Write("42");
  r.writer.Write(" TRUE\n\ntail");
  ASSERT_EQ(r.pieces.size(), 2u);
  EXPECT_EQ(r.pieces[0], "42 TRUE\n");
  EXPECT_EQ(r.pieces[1], "\n");
  r.writer.Flush();
  ASSERT_EQ(r.pieces.size(), 3u);
  EXPECT_EQ(r.pieces[2], "tail");
  r.writer.Flush();  // nothing left: no empty piece
  EXPECT_EQ(r.pieces.size(), 3u);
}

TEST(ChunkingWriter, LineOfExactly128EndsWithLoneLineFeedPiece) {
  Recorder r;
  r.writer.Write(std::string(128, 'b') + "\n");
  ASSERT_EQ(r.pieces.size(), 2u);
  EXPECT_EQ(r.pieces[0].size(), 128u);
  EXPECT_EQ(r.pieces[1], "\n");
}

TEST(ChunkingWriter, FailingSinkNeverReachesTheWriter) {
  int calls = 0;
  ChunkingWriter writer([&calls](std::string_view) {
    ++calls;
    throw std::runtime_error("viewer gone");
  });
  EXPECT_NO_THROW(writer.Write("one\ntwo\n"));
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace vantor
