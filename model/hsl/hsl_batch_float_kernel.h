#pragma once

// The single-precision colour kernel with its exactness guard, written once
// over a small set of operations and instantiated for AVX2 and AVX-512 (the
// files that instantiate the double kernel; only they include this header,
// for the reasons hsl_batch_kernel.h gives).
//
// Each lane computes its three channels in float, twice as many lanes per
// vector as the double kernel, and from the channel bytes themselves: with
// M, m the largest and smallest byte, D = M - m and L = M + m, the double
// kernel's q and p (in units of 255) are exactly (L + S*D) / 2 and
// (L - S*D) / 2 for the saturation scale S, since s * min(l, 1 - l) is
// D / 510 on both sides of l = 1/2; and the hue, kept in sixths of a turn
// (the width of one sector) rather than degrees, is the sector plus the
// byte difference over D. Every comparison that picks a branch (which
// channel is largest, whether the hue is negative) is exact on bytes.
//
// The guard. Let X be the channel value plus lightness offset that the double
// kernel truncates, and x the same value here. The double kernel's result
// is clamp(floor(X + 1e-7), 0, 255) (ChannelToByte; below 0 both give 0).
// Whenever x lies farther than E + 1e-7 from every whole number, where
// |x - X| <= E, floor(x) is that same whole number, so truncating the float
// value gives the double kernel's byte. A lane is doubtful when any channel's
// x lies within kFloatGuard of a whole number inside [-0.5, 255.5] (outside that
// range both clamp alike), when x is not a number, or when the colour is a
// grey (D = 0, no hue); doubtful lanes are recomputed by the double kernel.
//
// The bound E, for the values this kernel takes (hue shift within one turn,
// 0 < S <= 2, |lightness offset| <= 255), with u = 2^-24 the unit roundoff;
// rounding a float result below 2^k is off by at most 2^(k-25):
//   the hue in sixths: (byte difference) / D is off by at most u (its size
//   is at most 1); adding the sector (< 8) 2^-22; adding 6 to a negative
//   hue 2^-22; the shift in sixths rounded to float (< 8) 2^-22; their sum
//   (< 16) 2^-21; the wrap into [0, 6) 2^-22 (subtracting 6 is exact); the
//   red or blue channel's offset of two sectors 2^-22; the falling edge
//   4 - h is exact (Sterbenz). Sum: 7.25 * 2^-22 < 1.8e-6 in the edge's
//   slope parameter t (0 <= t <= 1).
//   The edge is P + W t with W = S D <= 510 and |P|, |P + W t| < 512: W
//   times the error in t, 9.2e-4; W's own rounding and that of S (2u W,
//   6.1e-5) through W t, and half of it through P (3.1e-5); L - W rounded
//   (7.6e-6 after halving); the product W t and the sum P + W t rounded
//   (1.5e-5 each); the offset rounded to float (|.| <= 255: 7.6e-6) and
//   added (|x| < 1024: 3.1e-5). Altogether below 1.1e-3 against the exact
//   value; the double kernel is within 1e-10 of it. A branch taken on the
//   other side of an edge (a hue near a sector's end, l near 1/2) changes
//   nothing of this: every channel is continuous in the hue and in l, so
//   the bound holds whichever side each computation takes.
// So E < 1.2e-3, and kFloatGuard = 4e-3 leaves a threefold margin. About
// 6 * kFloatGuard of the coloured lanes (both sides of a whole number, three
// channels) are recomputed, and every grey.

#include <cstddef>
#include <cstdint>

#include "model/hsl/hsl_batch_kernel.h"

namespace hsl::batch {

inline constexpr float kFloatGuard = 4e-3f;

// Adjusts `count` colours through the float kernel of AVX2 (AVX-512), the
// doubtful ones through the double kernel; returns how many were doubtful.
// Only for values FloatKernelTakes.
std::size_t AdjustFloatAvx2(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                            const Constants& constants);
std::size_t AdjustFloatAvx512(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                              const Constants& constants);

} // namespace hsl::batch

#if defined(__SSE2__)

namespace {

// Whether the float kernel takes these values (the hue shift narrow as well,
// see NarrowHueShift): a saturation scale in (0, 2] and a lightness offset
// within one full channel, the ranges the bound above covers. Scale 0 makes
// every colour a grey, which the guard would send back whole.
inline bool FloatKernelTakes(const hsl::batch::Constants& constants) {
    return NarrowHueShift(constants.hue) && constants.saturation_scale > 0.0 && constants.saturation_scale <= 2.0 &&
           constants.lightness_shift >= -255.0 && constants.lightness_shift <= 255.0;
}

// The values in the form the float lanes use.
struct FloatConstants {
    float hue_sixths; // hue shift / 60
    float scale;      // saturation scale
    float shift;      // lightness offset
};

// F supplies P (F::kLanes floats), K (a lane mask), U (F::kLanes 32-bit
// integers) and the operations used below.
template <class F>
[[gnu::always_inline]] inline typename F::P FloatChannelV(typename F::P hue, typename F::P p, typename F::P w,
                                                          typename F::P q) {
    using P = typename F::P;
    using K = typename F::K;
    // As WrappedHueToChannelV, in sixths: rising over [0, 1), q up to 3,
    // falling over [3, 4), p after.
    const K rising = F::Lt(hue, F::Set(1.0f));
    const P along = F::Select(rising, hue, F::Sub(F::Set(4.0f), hue));
    const P edge = F::Add(p, F::Mul(w, along));
    const P upper = F::Select(F::Lt(hue, F::Set(4.0f)), edge, p);
    const P middle = F::Select(F::Lt(hue, F::Set(3.0f)), q, upper);
    return F::Select(rising, edge, middle);
}

// A channel's byte, and whether it is doubtful (see the header comment).
template <class F>
[[gnu::always_inline]] inline typename F::U FloatToByteV(typename F::P x, typename F::K& doubtful) {
    using P = typename F::P;
    const P off = F::Abs(F::Sub(x, F::RoundNearest(x)));
    const typename F::K outside = F::Or(F::Lt(x, F::Set(-0.5f)), F::Gt(x, F::Set(255.5f)));
    doubtful = F::Or(doubtful, F::AndNot(outside, F::NotGe(off, F::Set(hsl::batch::kFloatGuard))));
    return F::Truncate(F::Min(F::Max(x, F::Set(0.0f)), F::Set(255.0f)));
}

// One group of lanes: writes every lane's result to dst and returns the
// doubtful lanes.
template <class F>
[[gnu::always_inline]] inline typename F::K FloatLanes(typename F::U pixels, std::uint32_t* dst,
                                                       const FloatConstants& c, typename F::U top_mask,
                                                       typename F::U top_bits) {
    using P = typename F::P;
    using K = typename F::K;
    const P r = F::template Byte<16>(pixels);
    const P g = F::template Byte<8>(pixels);
    const P b = F::template Byte<0>(pixels);
    const P max = F::Max(F::Max(r, b), g);
    const P min = F::Min(F::Min(r, b), g);
    const P d = F::Sub(max, min);
    const P l = F::Add(max, min);
    K doubtful = F::Eq(d, F::Set(0.0f)); // a grey

    // The hue in sixths, blue winning over green over red on ties.
    const K blue_max = F::Eq(max, b);
    const K green_max = F::Eq(max, g);
    const P numerator = F::Select(blue_max, F::Sub(r, g), F::Select(green_max, F::Sub(b, r), F::Sub(g, b)));
    const P sector = F::Select(blue_max, F::Set(4.0f), F::Select(green_max, F::Set(2.0f), F::Set(0.0f)));
    P hue = F::Add(sector, F::Div(numerator, d));
    hue = F::Select(F::Lt(hue, F::Set(0.0f)), F::Add(hue, F::Set(6.0f)), hue);
    P h = F::Add(F::Set(c.hue_sixths), hue);
    h = F::Select(F::Lt(h, F::Set(0.0f)), F::Add(h, F::Set(6.0f)), h);
    h = F::Select(F::Ge(h, F::Set(6.0f)), F::Sub(h, F::Set(6.0f)), h);
    const P h_red = F::Select(F::Lt(h, F::Set(4.0f)), F::Add(h, F::Set(2.0f)), F::Sub(h, F::Set(4.0f)));
    const P h_blue = F::Select(F::Ge(h, F::Set(2.0f)), F::Sub(h, F::Set(2.0f)), F::Add(h, F::Set(4.0f)));

    const P w = F::Mul(F::Set(c.scale), d);
    const P p = F::Mul(F::Sub(l, w), F::Set(0.5f));
    const P q = F::Mul(F::Add(l, w), F::Set(0.5f));
    const P shift = F::Set(c.shift);
    const typename F::U red = FloatToByteV<F>(F::Add(FloatChannelV<F>(h_red, p, w, q), shift), doubtful);
    const typename F::U green = FloatToByteV<F>(F::Add(FloatChannelV<F>(h, p, w, q), shift), doubtful);
    const typename F::U blue = FloatToByteV<F>(F::Add(FloatChannelV<F>(h_blue, p, w, q), shift), doubtful);
    F::Store(dst, F::Pack(red, green, blue, F::OrU(F::AndU(pixels, top_mask), top_bits)));
    return doubtful;
}

// Blocks of pixels through the float lanes; the doubtful lanes of a block
// (their source pixels kept, as src may be dst) then go through the double
// kernel V together and replace their results.
template <class F, class V>
inline std::size_t AdjustGuardedAll(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                                    const hsl::batch::Constants& constants) {
    const hsl::batch::Constants local = constants;
    const FloatConstants c{static_cast<float>(local.hue / 60.0), static_cast<float>(local.saturation_scale),
                           static_cast<float>(local.lightness_shift)};
    const typename F::U top_mask = F::SetU(local.top_mask);
    const typename F::U top_bits = F::SetU(local.top_bits);
    constexpr std::size_t kBlock = 256;
    static_assert(kBlock % F::kLanes == 0);
    // Room for a whole group stored past the last doubtful lane.
    std::uint32_t doubtful[kBlock + F::kLanes];
    std::uint32_t doubtful_at[kBlock + F::kLanes];
    std::uint32_t redone[kBlock];
    std::size_t total = 0;
    for (std::size_t start = 0; start < count; start += kBlock) {
        const std::size_t n = count - start < kBlock ? count - start : kBlock;
        const std::uint32_t* in = src + start;
        std::uint32_t* out = dst + start;
        std::size_t found = 0;
        std::size_t i = 0;
        for (; i + F::kLanes <= n; i += F::kLanes) {
            const typename F::U pixels = F::Load(in + i);
            const typename F::K lanes = FloatLanes<F>(pixels, out + i, c, top_mask, top_bits);
            if (F::Any(lanes))
                found += F::Append(lanes, pixels, static_cast<std::uint32_t>(i), doubtful + found, doubtful_at + found);
        }
        if (i < n) {
            // The last lanes through a padded group; only the used lanes
            // count.
            std::uint32_t pad_in[F::kLanes] = {};
            std::uint32_t pad_out[F::kLanes];
            for (std::size_t k = 0; i + k < n; ++k) pad_in[k] = in[i + k];
            const typename F::U pixels = F::Load(pad_in);
            const typename F::K lanes =
                F::And(FloatLanes<F>(pixels, pad_out, c, top_mask, top_bits), F::FirstLanes(n - i));
            for (std::size_t k = 0; i + k < n; ++k) out[i + k] = pad_out[k];
            if (F::Any(lanes))
                found += F::Append(lanes, pixels, static_cast<std::uint32_t>(i), doubtful + found, doubtful_at + found);
        }
        if (found == 0) continue;
        AdjustAllOf<V, true>(doubtful, redone, found, local);
        for (std::size_t k = 0; k < found; ++k) out[doubtful_at[k]] = redone[k];
        total += found;
    }
    return total;
}

} // namespace

#endif // __SSE2__
