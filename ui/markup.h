// The Markup tag language of every message text, turned into what the box's
// rich-edit control shows: plain text plus the character ranges to make bold.
//
//   "<B>Setup</B><P>Insert disk 2.<T>Then press OK."
//   -> "Setup\r\nInsert disk 2.\tThen press OK.", bold [0, 5)
//
// Line codes: the three characters \\n (a line break) and \\t (a tab), with
// their case; <P> (line break) and <T> (tab) in any case. <B> and </B> in any
// case open and close a bold run. Everything else, any other word in angle
// brackets or a lone "<", is shown as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Characters [start, end) of the prepared text, counted from 0; CR LF counts
// as two characters, as the version 1 rich-edit control counts them.
struct BoldRun {
  std::size_t start = 0;
  std::size_t end = 0;
  bool operator==(const BoldRun&) const = default;
};

struct PreparedMarkup {
  std::string text;
  std::vector<BoldRun> boldRuns;
};

PreparedMarkup PrepareMarkup(std::string_view markup);

// The text of a box that shows its title as a bold heading: the default
// English titles ("Error", "Attention", "Confirm") are shouted in capitals, a
// translated title keeps its case.
std::string HeadedText(std::string_view text, std::string_view title);

}  // namespace vantor
