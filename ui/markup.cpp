#include "ui/markup.h"

#include "base/text.h"
#include "ui/box_options.h"

namespace vantor {

namespace {

constexpr std::string_view kOpenBold = "<B>";
constexpr std::string_view kCloseBold = "</B>";

struct Tag {
  std::size_t sourceAt = 0;  // orders the tags as they stood
  std::size_t at = 0;        // the position in the text with every tag removed
  bool paired = false;
};

}  // namespace

PreparedMarkup PrepareMarkup(std::string_view markup) {
  std::string expanded = ExpandLineCodes(markup);
  std::string_view source = expanded;
  // A heading is composed as "<<b>" + title + "</b>"; the doubled "<" only
  // at the very start is dropped.
  if (StartsWith("<<b>", source, false)) source.remove_prefix(1);

  PreparedMarkup prepared;
  std::vector<Tag> opens, closes;
  for (std::size_t i = 0; i < source.size();) {
    const std::string_view rest = source.substr(i);
    if (StartsWith(kOpenBold, rest, true)) {
      opens.push_back({i, prepared.text.size()});
      i += kOpenBold.size();
    } else if (StartsWith(kCloseBold, rest, true)) {
      closes.push_back({i, prepared.text.size()});
      i += kCloseBold.size();
    } else {
      prepared.text.push_back(source[i]);
      ++i;
    }
  }

  // Each opening tag, from the start, takes the nearest unpaired closing tag
  // after it; tags left without a partner just disappear.
  for (const Tag& open : opens) {
    for (Tag& close : closes) {
      if (close.paired || close.sourceAt < open.sourceAt) continue;
      close.paired = true;
      if (close.at > open.at) prepared.boldRuns.push_back({open.at, close.at});
      break;
    }
  }
  return prepared;
}

std::string HeadedText(std::string_view text, std::string_view title) {
  std::string heading(title);
  if (PosFrom(heading, kDefaultTitles, 1) > 0) heading = UpperAscii(heading);
  return "<<b>" + heading + "</b><P><P>" + std::string(text) + "<P>";
}

}  // namespace vantor
