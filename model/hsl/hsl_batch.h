#pragma once

// Many colours through the adjustment at once. The vector paths compute two
// (SSE2), four (AVX2) or eight (AVX-512) colours side by side with the same
// double-precision operations, in the same order, as AdjustChannels, so every
// result is bit-identical to it; the scalar path is AdjustChannels itself.
// For the usual values (hue shift within a turn, saturation from above -100
// to +100, lightness within +-100) AVX2 and AVX-512 first compute eight or
// sixteen colours at a time in single precision, and take a second look in
// double precision at every colour whose float result lies too near a whole
// number to be sure of its byte, and hand what is still in doubt to the
// double kernel (hsl_batch_float_kernel.h gives the bounds), which keeps
// them bit-identical too.

#include <cstddef>
#include <cstdint>

#include "model/hsl/hsl_values.h"

namespace hsl {

enum class BatchPath {
    kScalar,
    kSse2,   // x86 with SSE2 (every x86-64 processor; the 32-bit build requires it)
    kAvx2,   // x86 with AVX2, checked at run time
    kAvx512, // x86 with AVX-512 F, checked at run time
    // The same two with the double kernel alone, for tests and benchmarks
    // (BestBatchPath never gives them, and they are no limit below).
    kAvx2Double,
    kAvx512Double,
};

// Whether this build and this processor can run the path.
bool BatchPathSupported(BatchPath path);
// The widest supported path, within the limit below.
BatchPath BestBatchPath();
// Keeps BestBatchPath at or below `widest` from now on (kAvx512: no limit),
// so that a benchmark can measure what a processor without the wider paths
// gets. Adjusters made before keep their path.
void LimitBatchPath(BatchPath widest);

// Whether the vector paths take these values: hue, saturation and lightness
// finite and the hue within a million degrees (where the hue's wrap into
// 0..360 is computed exactly by the vector code). Other values go through the
// scalar path whatever path is asked for.
bool BatchTakesValues(const HSLValues& values);

// Adjusts `count` colours given as 0x00RRGGBB (the top byte is ignored) and
// writes 0x00RRGGBB results, as AdjustChannels does for each. src and dst may
// be the same array; otherwise they must not overlap. An unsupported path
// falls back to the widest supported one below it.
void AdjustColours(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const HSLValues& values,
                   BatchPath path);
// The same for pixels: each result's top byte is the source's top byte
// under `top_mask`, ORed with `top_bits` (AdjustColours is both 0).
void AdjustColours(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const HSLValues& values,
                   BatchPath path, std::uint32_t top_mask, std::uint32_t top_bits);

// What the path's single-precision kernel does with these colours under
// these values: whether it takes them at all, how many colours it looks at
// a second time in double precision (their float results were too near a
// whole number) and how many it computes with the double kernel (those
// still in doubt, and blocks where most colours would need a second look);
// for benchmarks.
struct GuardedColourCounts {
    bool float_kernel = false;
    std::size_t second_look = 0;
    std::size_t double_kernel = 0;
};
GuardedColourCounts CountGuardedColours(const std::uint32_t* src, std::size_t count, const HSLValues& values,
                                        BatchPath path);

} // namespace hsl
