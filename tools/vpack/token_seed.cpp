#include "tools/vpack/token_seed.h"

namespace vantor::vpack {

uint32_t TextSeed(std::string_view text) {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace vantor::vpack
