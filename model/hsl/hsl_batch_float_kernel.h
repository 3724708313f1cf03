#pragma once

// The single-precision colour kernel with its exactness guard, written once
// over a small set of operations and instantiated for AVX2 and AVX-512 (the
// files that instantiate the double kernel; only they include this header,
// for the reasons hsl_batch_kernel.h gives).
//
// Each lane computes its three channels in float, twice as many lanes per
// vector as the double kernel, and from the channel bytes themselves: with
// M, m the largest and smallest byte, D = M - m and L = M + m, the double
// kernel's q and p (in units of 255) are exactly (L + S D) / 2 and
// (L - S D) / 2 for the saturation scale S, since s * min(l, 1 - l) is
// D / 510 on both sides of l = 1/2; and the hue, kept in sixths of a turn
// (the width of one sector) rather than degrees, is the sector plus the
// byte difference over D. Every comparison that picks a branch (which
// channel is largest, whether the hue is negative) is exact on bytes. A grey
// (D = 0) gets w = 0, so each channel is L / 2, its byte.
//
// The guard. Let X be the channel value plus lightness offset that the double
// kernel truncates, and x the same value here, |x - X| <= E. The double
// kernel's byte is clamp(floor(X + 1e-7), 0, 255) (ChannelToByte; at or
// below 0 both give 0). Where x lies farther than E + 1e-7 from every whole
// number, floor(x) is that same byte (the float lanes leave the allowance
// out: it is far below G). A lane is doubtful when any channel's x lies
// within the guard G of a whole number, or is not a number; values beyond
// the clamps are checked too, which costs a few needless second looks and
// saves two comparisons a channel.
//
// Doubtful lanes get a second look: the same steps in double precision,
// with the 1e-7 allowance added and G = 1e-9; what is doubtful even then
// goes through the double kernel, and so do whole blocks after one that
// needed a second look for more than half of its lanes. The
// second look matters: with whole slider values many channels lie exactly
// on a whole number (a hue shift of 120 degrees alone moves every channel
// to another's byte), which only a precise value can place on the right
// side of the 1e-7 allowance.
//
// The bound E in float, for the values this kernel takes (hue shift within
// one turn, 0 < S <= 2, |lightness offset| <= 255), with u = 2^-24 the unit
// roundoff; rounding a float result below 2^k is off by at most 2^(k-25):
//   the hue in sixths: (byte difference) / D is off by at most u (its size
//   is at most 1); adding the sector (< 8) 2^-22; adding 6 to a negative
//   hue 2^-22; the shift in sixths rounded to float (< 8) 2^-22; their sum
//   (< 16) 2^-21; the wrap into [0, 6) 2^-22 (subtracting 6 is exact); the
//   red or blue channel's offset of two sectors 2^-22; t = min(h, 4 - h)
//   held in [0, 1] is exact (4 - h by Sterbenz where it is the smaller).
//   Sum: 7.25 * 2^-22 < 1.8e-6 in t.
//   Every channel is P + W t with W = S D <= 510 and |P|, |P + W t| < 512
//   (t = 1 on the flat part where the double kernel takes q): W
//   times the error in t, 9.2e-4; W's own rounding and that of S (2u W,
//   6.1e-5) through W t, and half of it through P (3.1e-5); L - W rounded
//   (7.6e-6 after halving); the product W t and the sum P + W t rounded
//   (1.5e-5 each); the offset rounded to float (|.| <= 255: 7.6e-6) and
//   added (|x| < 1024: 3.1e-5). Altogether below 1.1e-3 against the exact
//   value; the double kernel is within 1e-11 of it (the same count in
//   double, in degrees). A branch taken on the other side of an edge (a hue
//   near a sector's end, l near 1/2) changes nothing of this: every channel
//   is continuous in the hue and in l, so the bound holds whichever side
//   each computation takes.
// So E < 1.2e-3 in float, and G = 4e-3 leaves a threefold margin; about
// 6 G of the lanes (both sides of a whole number, three channels) with
// fractional values need a second look. In double the same count gives
// 2^-29 of the float bound, below 3e-12, and with the double kernel's own
// 1e-11, G = 1e-9 leaves a margin of a hundred.

#include <cstddef>
#include <cstdint>

#include "model/hsl/hsl_batch_kernel.h"

namespace hsl::batch {

// How many colours a call of the guarded kernel looked at a second time,
// and how many it computed with the double kernel.
struct GuardCounts {
    std::size_t second_look = 0;
    std::size_t double_kernel = 0;
};

// Adjusts `count` colours through the guarded float kernel of AVX2
// (AVX-512). Only for values FloatKernelTakes.
GuardCounts AdjustFloatAvx2(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                            const Constants& constants);
GuardCounts AdjustFloatAvx512(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
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

// The values in the form the lanes use (T float, or double for the second
// look).
template <class T>
struct LaneConstants {
    T hue_sixths; // hue shift / 60
    T scale;      // saturation scale
    T shift;      // lightness offset
    explicit LaneConstants(const hsl::batch::Constants& c)
        : hue_sixths(static_cast<T>(c.hue / 60.0)),
          scale(static_cast<T>(c.saturation_scale)),
          shift(static_cast<T>(c.lightness_shift)) {}
};

// F supplies T (float or double), kGuard, P (F::kLanes values of T), K (a
// lane mask), U (F::kLanes 32-bit integers) and the operations used below.
template <class F>
[[gnu::always_inline]] inline typename F::P ChannelV(typename F::P hue, typename F::P p, typename F::P w) {
    // As WrappedHueToChannelV, in sixths: p + w t with t rising over [0, 1),
    // 1 up to 3, falling over [3, 4) and 0 after, which is min(h, 4 - h)
    // held in [0, 1] (p + w is q, up to rounding the bound allows for).
    const typename F::P t = F::Min(F::Max(F::Min(hue, F::Sub(F::Set(4.0), hue)), F::Set(0.0)), F::Set(1.0));
    return F::Add(p, F::Mul(w, t));
}

// A channel's byte, clamp(floor(x + 1e-7), 0, 255), and whether it is
// doubtful: that sum within F::kGuard of a whole number, or not a number.
template <class F>
[[gnu::always_inline]] inline typename F::U ToByteV(typename F::P x, typename F::K& doubtful) {
    using P = typename F::P;
    using K = typename F::K;
    // In float the allowance is far below the guard (and vanishes in
    // rounding above 2): it is left out.
    const P y = F::kExact ? F::Add(x, F::Set(1e-7)) : x;
    const P whole = F::Floor(y);
    const P above = F::Sub(y, whole);
    const K by_whole = F::Or(F::NotGe(above, F::Set(F::kGuard)), F::NotLe(above, F::Set(1.0 - F::kGuard)));
    doubtful = by_whole;
    return F::Truncate(F::Min(F::Max(whole, F::Set(0.0)), F::Set(255.0)));
}

// One group of lanes: writes every lane's result to dst and returns the
// doubtful lanes.
template <class F>
[[gnu::always_inline]] inline typename F::K GuardedLanes(typename F::U pixels, std::uint32_t* dst,
                                                         const LaneConstants<typename F::T>& c, typename F::U top_mask,
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

    // The hue in sixths, blue winning over green over red on ties.
    const K blue_max = F::Eq(max, b);
    const K green_max = F::Eq(max, g);
    const P numerator = F::Select(blue_max, F::Sub(r, g), F::Select(green_max, F::Sub(b, r), F::Sub(g, b)));
    const P sector = F::Select(blue_max, F::Set(4.0), F::Select(green_max, F::Set(2.0), F::Set(0.0)));
    // A grey (D = 0, numerator 0) takes hue 0 and w = 0: every channel is
    // then p = L / 2, exactly its byte, as the double kernel's 255 l.
    P hue = F::Add(sector, F::Div(numerator, F::Max(d, F::Set(1.0))));
    hue = F::Select(F::Lt(hue, F::Set(0.0)), F::Add(hue, F::Set(6.0)), hue);
    P h = F::Add(F::Set(c.hue_sixths), hue);
    h = F::Select(F::Lt(h, F::Set(0.0)), F::Add(h, F::Set(6.0)), h);
    h = F::Select(F::Ge(h, F::Set(6.0)), F::Sub(h, F::Set(6.0)), h);
    const P h_red = F::Select(F::Lt(h, F::Set(4.0)), F::Add(h, F::Set(2.0)), F::Sub(h, F::Set(4.0)));
    const P h_blue = F::Select(F::Ge(h, F::Set(2.0)), F::Sub(h, F::Set(2.0)), F::Add(h, F::Set(4.0)));

    const P w = F::Mul(F::Set(c.scale), d);
    const P p = F::Mul(F::Sub(l, w), F::Set(0.5));
    const P shift = F::Set(c.shift);
    K red_doubtful, green_doubtful, blue_doubtful;
    const typename F::U red = ToByteV<F>(F::Add(ChannelV<F>(h_red, p, w), shift), red_doubtful);
    const typename F::U green = ToByteV<F>(F::Add(ChannelV<F>(h, p, w), shift), green_doubtful);
    const typename F::U blue = ToByteV<F>(F::Add(ChannelV<F>(h_blue, p, w), shift), blue_doubtful);
    F::Store(dst, F::Pack(red, green, blue, F::OrU(F::AndU(pixels, top_mask), top_bits)));
    return F::Or(F::Or(red_doubtful, green_doubtful), blue_doubtful);
}

// Blocks of pixels through the float lanes F. The doubtful lanes of a block
// (their source pixels kept, as src may be dst) get a second look together
// through the same steps in double (S); what is still doubtful then goes
// through the double kernel V.
template <class F, class S, class V>
inline hsl::batch::GuardCounts AdjustGuardedAll(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                                                const hsl::batch::Constants& constants) {
    using U = typename F::U;
    using K = typename F::K;
    const hsl::batch::Constants local = constants;
    const LaneConstants<float> c(local);
    const LaneConstants<double> c2(local);
    const U top_mask = F::SetU(local.top_mask);
    const U top_bits = F::SetU(local.top_bits);
    const typename S::U top_mask2 = S::SetU(local.top_mask);
    const typename S::U top_bits2 = S::SetU(local.top_bits);
    constexpr std::size_t kBlock = 256;
    constexpr std::size_t kRoom = kBlock + F::kLanes; // whole groups stored past the last lane
    static_assert(kBlock % F::kLanes == 0 && S::kLanes <= F::kLanes);
    std::uint32_t doubtful[kRoom];
    std::uint32_t doubtful_at[kRoom];
    std::uint32_t second[kRoom];
    std::uint32_t hard[kBlock];
    std::uint32_t hard_at[kBlock];
    std::uint32_t redone[kBlock];
    hsl::batch::GuardCounts counts;
    // After a block more than half of whose lanes needed a second look, the
    // next blocks go to the double kernel: one at first, twice as many each
    // time the block after them needs as many second looks again, up to
    // kDoubleBlocks. Values that put most channels on whole numbers thus
    // spend nearly every block in the double kernel, while art with short
    // stretches of such colours (a gradient whose channel spread stays a
    // multiple of five for a while) returns to the float lanes at once.
    constexpr int kDoubleBlocks = 16;
    int double_blocks = 0;
    int next_fallback = 1;
    for (std::size_t start = 0; start < count; start += kBlock) {
        const std::size_t n = count - start < kBlock ? count - start : kBlock;
        const std::uint32_t* in = src + start;
        std::uint32_t* out = dst + start;
        if (double_blocks > 0) {
            // Values whose channels mostly lie on whole numbers (whole hue
            // steps of a sector with no saturation change, say) would send
            // most lanes to the second look: blocks go to the double kernel
            // straight.
            --double_blocks;
            AdjustAllOf<V, true>(in, out, n, local);
            counts.double_kernel += n;
            continue;
        }
        std::size_t found = 0;
        std::size_t i = 0;
        for (; i + F::kLanes <= n; i += F::kLanes) {
            const U pixels = F::Load(in + i);
            const K lanes = GuardedLanes<F>(pixels, out + i, c, top_mask, top_bits);
            if (F::Any(lanes))
                found += F::Append(lanes, pixels, static_cast<std::uint32_t>(i), doubtful + found, doubtful_at + found);
        }
        if (i < n) {
            // The last lanes through a padded group; only the used lanes
            // count.
            std::uint32_t pad_in[F::kLanes] = {};
            std::uint32_t pad_out[F::kLanes];
            for (std::size_t k = 0; i + k < n; ++k) pad_in[k] = in[i + k];
            const U pixels = F::Load(pad_in);
            const K lanes = F::And(GuardedLanes<F>(pixels, pad_out, c, top_mask, top_bits), F::FirstLanes(n - i));
            for (std::size_t k = 0; i + k < n; ++k) out[i + k] = pad_out[k];
            if (F::Any(lanes))
                found += F::Append(lanes, pixels, static_cast<std::uint32_t>(i), doubtful + found, doubtful_at + found);
        }
        if (found * 2 > n) {
            double_blocks = next_fallback;
            next_fallback = next_fallback * 2 > kDoubleBlocks ? kDoubleBlocks : next_fallback * 2;
        } else {
            next_fallback = 1;
        }
        if (found == 0) continue;
        counts.second_look += found;
        // The second look, whole groups over the list (the lanes past its
        // end hold zeros and are not counted).
        for (std::size_t k = found; k < found + S::kLanes; ++k) doubtful[k] = 0;
        std::size_t still = 0;
        for (std::size_t k = 0; k < found; k += S::kLanes) {
            unsigned lanes = S::Bits(GuardedLanes<S>(S::Load(doubtful + k), second + k, c2, top_mask2, top_bits2));
            if (found - k < S::kLanes) lanes &= (1u << (found - k)) - 1;
            for (; lanes != 0; lanes &= lanes - 1) {
                const std::size_t at = k + static_cast<std::size_t>(__builtin_ctz(lanes));
                hard[still] = doubtful[at];
                hard_at[still] = static_cast<std::uint32_t>(at);
                ++still;
            }
        }
        if (still > 0) {
            AdjustAllOf<V, true>(hard, redone, still, local);
            for (std::size_t k = 0; k < still; ++k) second[hard_at[k]] = redone[k];
            counts.double_kernel += still;
        }
        for (std::size_t k = 0; k < found; ++k) out[doubtful_at[k]] = second[k];
    }
    return counts;
}

} // namespace

#endif // __SSE2__
