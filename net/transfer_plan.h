// How a download of a known size is cut into reads and shown as steps.
#pragma once

#include <cstdint>

namespace vantor {

// The fixed receive buffer, and so the largest read.
inline constexpr int32_t kReceiveBufferSize = 10240;

// A tenth of the file, at most the receive buffer, so a display advances about
// ten times for a small file and in 10 KB steps for a large one. Files of 1 to
// 9 bytes are read a byte at a time: a chunk of 0 would end the transfer at
// once. 0 for a total of 0 or less, which is never transferred.
int32_t TransferChunkSize(int32_t total);

// numerator / denominator rounded to the nearest integer, halves to even;
// denominator > 0, numerator >= 0.
int64_t RoundHalfEven(int64_t numerator, int64_t denominator);

// The range maximum and start position of the progress display (minimum 0,
// step 1): 103 and 0 for a fresh 1,048,576-byte file in 10240-byte chunks.
int64_t ProgressMaximum(int32_t total, int32_t chunk);
int64_t ProgressPosition(int64_t done, int32_t chunk);

}  // namespace vantor
