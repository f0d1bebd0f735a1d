#include "ui/rich_text_layout.h"

#include <algorithm>

namespace vantor {

RichTextLayout LayOutRichTextWindow(Extent client, bool withButton) {
  RichTextLayout layout;
  const int textHeight = withButton ? client.height - kRichTextBandHeight : client.height;
  layout.text = {kRichTextLeft, 0, std::max(0, client.width - kRichTextLeft), std::max(0, textHeight)};
  if (withButton) {
    layout.button = {(client.width - kRichTextButtonWidth) / 2, client.height - kRichTextButtonRise,
                     kRichTextButtonWidth, kRichTextButtonHeight};
  }
  return layout;
}

BoxRect RichTextWindowPlace(Extent screen, Extent window) {
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2, window.width, window.height};
}

std::string RichTextFace(std::string_view faceName) {
  if (faceName.empty() || faceName == "Tahoma") return "Verdana";
  return std::string(faceName);
}

}  // namespace vantor
