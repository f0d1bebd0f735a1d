#include "agent/display_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantor {
namespace {

TEST(FormatMegabytes, DecimalsBySize) {
  struct Case {
    double bytes;
    const char* text;
  } cases[] = {
      {12900000, "12.3"},   {1572864, "1.50"},   {524288, "0.500"},
      {0, "0.000"},         {-5, "0.000"},       {10 * 1048576.0, "10.00"},  // 10 itself is not above 10
      {1048576, "1.00"},    {1048575, "1.000"},  // just under 1 rounds up in 3 decimals
      {2.5e12, "2384185.8"}, {NAN, "0.000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatMegabytes(c.bytes), c.text) << c.bytes;
}

TEST(FormatMegabytes, HugeSizesAreWrittenWhole) {
  const std::string text = FormatMegabytes(1e300);
  EXPECT_GT(text.size(), 290u);
  EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

uint32_t FakeSystemColour(int index) { return 0xC0DE00u + static_cast<uint32_t>(index); }

TEST(ResolveColour, NegativeValuesNameSystemColours) {
  struct Case {
    int32_t value;
    uint32_t colour;
  } cases[] = {
      {static_cast<int32_t>(0xFF00000Fu), 0xC0DE0Fu},
      {static_cast<int32_t>(0x80000105u), 0xC0DE05u},  // only the low 8 bits are the index
      {-1, 0xC0DEFFu},
      {0x00FF0000, 0x00FF0000u},
      {0, 0},
      {0x7FFFFFFF, 0x7FFFFFFFu},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveColour(c.value, FakeSystemColour), c.colour) << c.value;
}

}  // namespace
}  // namespace vantor
