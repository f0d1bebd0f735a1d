// Seeds for the tokens vpack writes, taken from the inputs so that equal
// inputs give equal output files.
#pragma once

#include <cstdint>
#include <string_view>

namespace vantor::vpack {

uint32_t TextSeed(std::string_view text);

}  // namespace vantor::vpack
