#pragma once

// The first step of the pixel adjuster's block loop done many pixels at a
// time, eight with AVX2 (hsl_batch_avx2.cpp) and sixteen with AVX-512
// (hsl_batch_avx512.cpp): each pixel is looked up in the adjuster's cache of
// computed colours and the misses are listed. Plain data only, so that
// nothing inline built for a wider instruction set is shared with other
// files.

#include <cstddef>
#include <cstdint>

#include "model/hsl/hsl_batch.h"

namespace hsl::batch {

struct ProbeBlock {
    const std::uint32_t* in = nullptr;
    std::uint32_t* out = nullptr; // may be `in`
    std::size_t count = 0;        // at most 65536
    // Entries of two words, the colour with kProbeValid and its result;
    // (colour * 0x9E3779B1) >> (32 - cache_bits) picks the entry.
    const std::uint32_t* cache = nullptr;
    int cache_bits = 0;
    const std::uint32_t* alpha = nullptr; // the result's alpha, in place, for each alpha
    std::uint32_t previous = 0;           // the pixel before the block
    bool opaque = false;                  // every pixel counts as alpha 255

    // Out: the colours missing from the cache, each with its pixel's index,
    // and the indices of the pixels equal to the one before them, which the
    // probe leaves alone. Each array holds count + 16 entries.
    std::uint32_t* missing = nullptr;
    std::uint32_t* missing_at = nullptr;
    std::uint32_t* repeats = nullptr;
    std::size_t missing_count = 0;
    std::size_t repeat_count = 0;
};

inline constexpr std::uint32_t kProbeValid = 0x01000000u;

// Write alpha | result for every pixel found in the cache and the alpha
// alone for the misses; call only where the processor has AVX2 (AVX-512 F
// for the second).
void ProbeAvx2(ProbeBlock& block);
void ProbeAvx512(ProbeBlock& block);

using ProbeFunction = void (*)(ProbeBlock& block);
// The probe of a path after the same fallback as AdjustColours; null for the
// paths without one (SSE2 and scalar), which probe one pixel at a time.
ProbeFunction ProbeFor(BatchPath path);

} // namespace hsl::batch
