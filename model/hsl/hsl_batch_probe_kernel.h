#pragma once

// The cache probe of the pixel adjuster (see hsl_batch_probe.h), written once
// over a small set of lane operations and instantiated for AVX2
// (hsl_batch_avx2.cpp) and AVX-512 (hsl_batch_avx512.cpp). Only those files
// include this header; like the colour kernel it has internal linkage, so
// each file keeps its own copy in its own instruction set.

#include <cstddef>
#include <cstdint>

#include "model/hsl/hsl_batch_probe.h"

namespace {

// P supplies U (P::kLanes 32-bit integers), K (a lane mask) and the
// operations below. Masked-off lanes are neither read nor written, so the
// last group of a block may be short.
template <class P>
inline void ProbeAll(hsl::batch::ProbeBlock& block) {
    using U = typename P::U;
    using K = typename P::K;
    const U colour_bits = P::Set(0x00FFFFFFu);
    const U valid = P::Set(hsl::batch::kProbeValid);
    const U golden = P::Set(0x9E3779B1u);
    const U opaque = P::Set(block.opaque ? 0xFF000000u : 0u);
    const int index_shift = 32 - block.cache_bits;
    const int* keys = reinterpret_cast<const int*>(block.cache);
    const int* results = keys + 1;
    const int* alphas = reinterpret_cast<const int*>(block.alpha);
    typename P::Carry before = P::StartCarry(block.previous);
    std::size_t misses = 0;
    std::size_t repeats = 0;
    for (std::size_t start = 0; start < block.count; start += P::kLanes) {
        const K used = P::FirstLanes(block.count - start);
        const U pixels = P::Or(P::Load(used, block.in + start), opaque);
        // Each lane beside the pixel before it; `before` moves on to this
        // group.
        const U previous = P::Previous(pixels, before);
        const K repeat = P::Equal(used, pixels, previous);
        const U at = P::Indices(static_cast<std::uint32_t>(start));
        repeats += P::Append(repeat, at, block.repeats + repeats);
        // The pixels that repeat take their result afterwards; the others
        // look in the cache, unless there are none (a flat run).
        const K fresh = P::AndNot(repeat, used);
        if (P::None(fresh)) continue;
        const U rgb = P::And(pixels, colour_bits);
        const U entry = P::ShiftRight(P::MulLo(rgb, golden), index_shift);
        const U key = P::template Gather<8>(fresh, entry, keys);
        const K hit = P::Equal(fresh, key, P::Or(rgb, valid));
        const U result = P::template Gather<8>(hit, entry, results);
        const U alpha = P::template Gather<4>(fresh, P::ShiftRight(pixels, 24), alphas);
        P::Store(fresh, block.out + start, P::Or(alpha, result));
        const K missed = P::AndNot(hit, fresh);
        P::Append(missed, rgb, block.missing + misses);
        misses += P::Append(missed, at, block.missing_at + misses);
    }
    block.missing_count = misses;
    block.repeat_count = repeats;
}

} // namespace
