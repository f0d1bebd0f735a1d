// Colour values of the settings that may name a system colour.
#pragma once

#include <cstdint>

namespace vantor {

// A negative value is the system colour whose index is its low 8 bits;
// any other value is returned unchanged.
uint32_t ResolveColour(int32_t value);

}  // namespace vantor
