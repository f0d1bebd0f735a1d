// Message texts come from packages and downloaded information files: any bytes
// must prepare into a text whose bold runs lie inside it (runs may overlap:
// "<b>a<b>b</b>" opens bold twice, which the control shows as one run).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/markup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const vantor::PreparedMarkup prepared = vantor::PrepareMarkup(input);
  for (const vantor::BoldRun& run : prepared.boldRuns) {
    if (run.start >= run.end || run.end > prepared.text.size()) std::abort();
  }
  // Tags only ever shrink the text; line codes grow by at most one byte each.
  if (prepared.text.size() > 2 * input.size()) std::abort();
  const std::string headed = vantor::HeadedText(input, input.substr(0, input.size() / 2));
  (void)vantor::PrepareMarkup(headed);
  return 0;
}
