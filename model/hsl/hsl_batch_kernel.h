#pragma once

// The vector kernel of the colour adjustment, written once over a small set
// of operations and instantiated for SSE2 (hsl_batch.cpp), AVX2
// (hsl_batch_avx2.cpp, a file built for AVX2) and AVX-512
// (hsl_batch_avx512.cpp, built for AVX-512). Only those files include this
// header. The kernel has internal linkage, so that each file keeps its own
// copy in its own instruction set, and the one function each wide file
// exports takes a plain aggregate: no inline function built for a wider set
// can be picked by the linker for code that runs without it.
//
// Each step repeats AdjustChannels (hsl_arithmetic.cpp) operation for
// operation: both branches of every test are computed and the one the scalar
// code takes is selected, so each lane gives the scalar result bit for bit.
// Keep the two in step.

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace hsl::batch {

// The adjustment's values in the form the kernel uses.
struct Constants {
    double hue;              // degrees added to every hue
    double saturation_scale; // (saturation + 100) * 0.01
    double lightness_shift;  // lightness * 2.55
    // Each result's top byte: the source's top byte under top_mask, ORed
    // with top_bits (both 0: the top byte is 0).
    std::uint32_t top_mask;
    std::uint32_t top_bits;
};

// Adjusts `count` 0x00RRGGBB colours with AVX2 (hsl_batch_avx2.cpp); call only
// where the processor has AVX2.
void AdjustAvx2(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const Constants& constants);
// The same with AVX-512 (hsl_batch_avx512.cpp); call only where the processor
// has AVX-512 F, DQ and VL.
void AdjustAvx512(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const Constants& constants);

} // namespace hsl::batch

#if defined(__SSE2__)

namespace {

// V supplies D (a vector of V::kLanes doubles), M (a lane mask: a vector of
// all-ones or zero lanes, or a mask register), I (V::kLanes 32-bit integers)
// and the operations below.
template <class V>
inline typename V::D WrappedHueToChannelV(typename V::D hue, typename V::D p, typename V::D q) {
    using D = typename V::D;
    using M = typename V::M;
    // The rising and the falling edge are the same steps on hue and on
    // 240 - hue: choose the operand first and take the steps once.
    const M rising = V::Lt(hue, V::Set(60.0));
    const D along = V::Select(rising, hue, V::Sub(V::Set(240.0), hue));
    const D edge = V::Add(p, V::Mul(V::Sub(q, p), V::Mul(along, V::Set(1.0 / 60.0))));
    const D upper = V::Select(V::Lt(hue, V::Set(240.0)), edge, p);
    const D middle = V::Select(V::Lt(hue, V::Set(180.0)), q, upper);
    return V::Select(rising, edge, middle);
}

// floor(x) for |x| < 2^31.
template <class V>
inline typename V::D FloorV(typename V::D x) {
    using D = typename V::D;
    const D truncated = V::ToDouble(V::Truncate(x));
    return V::Sub(truncated, V::Keep(V::Gt(truncated, x), V::Set(1.0)));
}

// A hue in degrees brought into [0, 360) as WrapDegrees does. With
// kNarrow the hue shift is 0 or within [1e-6, 360] either way, so the sum of
// shift and colour hue (in [0, 360)) lies in [-360, 720] and is never so
// near 0 that its quotient by 360 underflows: floor(hue / 360) is then -1
// below 0 and 1 from 360 (at 720, where it is 2, both give 0 after the last
// test), and no division is needed.
template <class V, bool kNarrow>
inline typename V::D WrapDegreesV(typename V::D hue) {
    using D = typename V::D;
    const D full = V::Set(360.0);
    const typename V::M in_range = V::Both(V::Ge(hue, V::Set(0.0)), V::Lt(hue, full));
    D wrapped;
    if constexpr (kNarrow) {
        wrapped = V::Select(V::Lt(hue, V::Set(0.0)), V::Add(hue, full), V::Sub(hue, full));
    } else {
        wrapped = V::Sub(hue, V::Mul(full, FloorV<V>(V::Div(hue, full))));
    }
    wrapped = V::Select(V::Ge(wrapped, full), V::Set(0.0), wrapped);
    return V::Select(in_range, hue, wrapped);
}

// ChannelToByte: 0 unless positive, then the value plus the noise allowance,
// at most 255, truncated.
// k / 255 for every byte value (the same doubles as dividing), for the
// instances that look channels up.
struct ByteFractionTable {
    double value[256];
    constexpr ByteFractionTable() : value() {
        for (int k = 0; k < 256; ++k) value[k] = k / 255.0;
    }
};
inline constexpr ByteFractionTable kFractions;

template <class V>
inline typename V::I ChannelToByteV(typename V::D value) {
    using D = typename V::D;
    D held = V::Min(V::Add(value, V::Set(1e-7)), V::Set(255.0));
    held = V::Keep(V::Gt(value, V::Set(0.0)), held);
    return V::Truncate(held);
}

// Always inlined into the group loop below, so that its constants are set up
// once per call and not once per group.
template <class V, bool kNarrow>
[[gnu::always_inline]] inline void AdjustLanes(const std::uint32_t* src, std::uint32_t* dst,
                                               const hsl::batch::Constants& constants) {
    using D = typename V::D;
    using M = typename V::M;
    const D k255 = V::Set(255.0);
    // Each channel as the double nearest to byte / 255.
    const D r = V::Fractions(src, 16);
    const D g = V::Fractions(src, 8);
    const D b = V::Fractions(src, 0);

    // SpreadOf.
    const D max = V::Max(V::Max(r, b), g);
    const D min = V::Min(V::Min(r, b), g);
    const D l = V::Mul(V::Add(max, min), V::Set(0.5));
    const D d = V::Sub(max, min);
    const M coloured = V::Neq(max, min);
    const D denominator = V::Select(V::Lt(l, V::Set(0.5)), V::Add(max, min), V::Sub(V::Sub(V::Set(2.0), max), min));
    const D s = V::Keep(coloured, V::Div(d, denominator));

    // The hue: blue wins over green over red on ties.
    const M blue_max = V::Eq(max, b);
    const M green_max = V::Eq(max, g);
    const D numerator = V::Select(blue_max, V::Sub(r, g), V::Select(green_max, V::Sub(b, r), V::Sub(g, b)));
    const D part = V::Div(numerator, d);
    const D sector =
        V::Select(blue_max, V::Add(V::Set(4.0), part), V::Select(green_max, V::Add(V::Set(2.0), part), part));
    D hue = V::Mul(V::Set(60.0), sector);
    hue = V::Select(V::Lt(hue, V::Set(0.0)), V::Add(hue, V::Set(360.0)), hue);
    hue = V::Keep(coloured, hue);

    const D s1 = V::Mul(s, V::Set(constants.saturation_scale));
    const D m = V::Select(V::Le(l, V::Set(0.5)), l, V::Sub(V::Set(1.0), l));
    const D q = V::Add(l, V::Mul(s1, m));
    const D p = V::Sub(V::Mul(V::Set(2.0), l), q);
    const D h = WrapDegreesV<V, kNarrow>(V::Add(V::Set(constants.hue), hue));
    const D h_red = V::Select(V::Lt(h, V::Set(240.0)), V::Add(h, V::Set(120.0)), V::Sub(h, V::Set(240.0)));
    const D h_blue = V::Select(V::Ge(h, V::Set(120.0)), V::Sub(h, V::Set(120.0)), V::Add(h, V::Set(240.0)));
    // Where s1 is 0 (a grey, or saturation -100), q is l + 0 and p is
    // 2l - l, both exactly l, so every channel is exactly the scalar code's
    // grey 255 * l without a test of its own.
    const D out_r = V::Mul(k255, WrappedHueToChannelV<V>(h_red, p, q));
    const D out_g = V::Mul(k255, WrappedHueToChannelV<V>(h, p, q));
    const D out_b = V::Mul(k255, WrappedHueToChannelV<V>(h_blue, p, q));

    const D shift = V::Set(constants.lightness_shift);
    const typename V::I top =
        V::OrI(V::AndI(V::LoadPixels(src), V::SetI(constants.top_mask)), V::SetI(constants.top_bits));
    V::StorePixels(dst, ChannelToByteV<V>(V::Add(out_r, shift)), ChannelToByteV<V>(V::Add(out_g, shift)),
                   ChannelToByteV<V>(V::Add(out_b, shift)), top);
}

// Whole groups of lanes straight from the arrays, the rest through a padded
// group.
template <class V, bool kNarrow>
inline void AdjustAllOf(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                        const hsl::batch::Constants& constants) {
    // A copy the stores cannot alias, so that the constants stay in registers.
    const hsl::batch::Constants local = constants;
    std::size_t i = 0;
    for (; i + V::kLanes <= count; i += V::kLanes) AdjustLanes<V, kNarrow>(src + i, dst + i, local);
    if (i == count) return;
    std::uint32_t in[V::kLanes] = {};
    std::uint32_t out[V::kLanes] = {};
    for (std::size_t k = 0; i + k < count; ++k) in[k] = src[i + k];
    AdjustLanes<V, kNarrow>(in, out, local);
    for (std::size_t k = 0; i + k < count; ++k) dst[i + k] = out[k];
}

// Whether a hue shift is narrow: 0, or within [1e-6, 360] either way (see
// WrapDegreesV).
inline bool NarrowHueShift(double hue) {
    const double shift = hue < 0.0 ? -hue : hue;
    return shift == 0.0 || (shift >= 1e-6 && shift <= 360.0);
}

template <class V>
inline void AdjustAll(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                      const hsl::batch::Constants& constants) {
    if (NarrowHueShift(constants.hue)) {
        AdjustAllOf<V, true>(src, dst, count, constants);
    } else {
        AdjustAllOf<V, false>(src, dst, count, constants);
    }
}

} // namespace

#endif // __SSE2__
