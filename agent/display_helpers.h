// Sizes as megabyte texts and colour values that may name a system colour.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// Bytes as megabytes (1048576 bytes) without leading blanks: 1 decimal above
// 10, 2 from 1, 3 below ("12.3", "1.50", "0.500"); a negative size gives "0.000".
std::string FormatMegabytes(double bytes);

// The colour of a system colour index, as the system gives it.
using SystemColourLookup = uint32_t (*)(int index);
// A negative value names the system colour whose index is its low 8 bits
// (0xFF00000F is colour 15); any other value is a colour already.
uint32_t ResolveColour(int32_t value, SystemColourLookup systemColour);

}  // namespace vantor
