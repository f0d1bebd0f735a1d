#include "net/transfer_plan.h"

#include <algorithm>

namespace vantor {

int32_t TransferChunkSize(int32_t total) {
  if (total <= 0) return 0;
  return std::clamp(total / 10, int32_t{1}, kReceiveBufferSize);
}

int64_t RoundHalfEven(int64_t numerator, int64_t denominator) {
  const int64_t quotient = numerator / denominator;
  const int64_t twiceRest = 2 * (numerator % denominator);
  if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) return quotient + 1;
  return quotient;
}

int64_t ProgressMaximum(int32_t total, int32_t chunk) { return RoundHalfEven(total, chunk) + 1; }

int64_t ProgressPosition(int64_t done, int32_t chunk) { return RoundHalfEven(done, chunk); }

}  // namespace vantor
