#include "model/hsl/hsl_batch.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_batch_float_kernel.h"
#include "model/hsl/hsl_batch_kernel.h"
#include "model/hsl/hsl_batch_probe.h"

namespace hsl {

#if defined(__SSE2__)
namespace {

struct Sse2 {
    using D = __m128d;
    using M = __m128d;
    using I = __m128i;
    static constexpr std::size_t kLanes = 2;
    static D Fractions(const std::uint32_t* p, int shift) {
        return _mm_set_pd(kFractions.value[(p[1] >> shift) & 0xFF], kFractions.value[(p[0] >> shift) & 0xFF]);
    }
    static void StorePixels(std::uint32_t* p, I red, I green, I blue, I top) {
        const I packed =
            _mm_or_si128(_mm_or_si128(_mm_or_si128(_mm_slli_epi32(red, 16), _mm_slli_epi32(green, 8)), blue), top);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), packed);
    }
    static I LoadPixels(const std::uint32_t* p) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)); }
    static I SetI(std::uint32_t x) { return _mm_set1_epi32(static_cast<int>(x)); }
    static I AndI(I a, I b) { return _mm_and_si128(a, b); }
    static I OrI(I a, I b) { return _mm_or_si128(a, b); }
    static D ToDouble(I v) { return _mm_cvtepi32_pd(v); }
    static I Truncate(D v) { return _mm_cvttpd_epi32(v); }
    static D Set(double x) { return _mm_set1_pd(x); }
    static D Add(D a, D b) { return _mm_add_pd(a, b); }
    static D Sub(D a, D b) { return _mm_sub_pd(a, b); }
    static D Mul(D a, D b) { return _mm_mul_pd(a, b); }
    static D Div(D a, D b) { return _mm_div_pd(a, b); }
    static D Max(D a, D b) { return _mm_max_pd(a, b); }
    static D Min(D a, D b) { return _mm_min_pd(a, b); }
    static M Lt(D a, D b) { return _mm_cmplt_pd(a, b); }
    static M Le(D a, D b) { return _mm_cmple_pd(a, b); }
    static M Gt(D a, D b) { return _mm_cmpgt_pd(a, b); }
    static M Ge(D a, D b) { return _mm_cmpge_pd(a, b); }
    static M Eq(D a, D b) { return _mm_cmpeq_pd(a, b); }
    static M Neq(D a, D b) { return _mm_cmpneq_pd(a, b); }
    static M Both(M a, M b) { return _mm_and_pd(a, b); }
    static D Keep(M mask, D a) { return _mm_and_pd(mask, a); }
    static D Select(M mask, D a, D b) { return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b)); }
};
} // namespace
#endif

bool BatchPathSupported(BatchPath path) {
    switch (path) {
    case BatchPath::kScalar: return true;
    case BatchPath::kSse2:
#if defined(__SSE2__)
        return true;
#else
        return false;
#endif
    case BatchPath::kAvx2:
    case BatchPath::kAvx2Double:
#if defined(HEXMOOR_HSL_AVX2) && defined(__SSE2__)
        // The compiler's check includes the system's support for the wide
        // registers.
        return __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    case BatchPath::kAvx512:
    case BatchPath::kAvx512Double:
#if defined(HEXMOOR_HSL_AVX512) && defined(__SSE2__)
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    }
    return false;
}

namespace {
std::atomic<BatchPath> g_widest{BatchPath::kAvx512};
} // namespace

BatchPath BestBatchPath() {
    static const BatchPath best = BatchPathSupported(BatchPath::kAvx512) ? BatchPath::kAvx512
                                  : BatchPathSupported(BatchPath::kAvx2) ? BatchPath::kAvx2
                                  : BatchPathSupported(BatchPath::kSse2) ? BatchPath::kSse2
                                                                         : BatchPath::kScalar;
    return std::min(best, g_widest.load(std::memory_order_relaxed));
}

void LimitBatchPath(BatchPath widest) { g_widest.store(widest, std::memory_order_relaxed); }

bool BatchTakesValues(const HSLValues& values) {
    return std::isfinite(values.hue) && std::isfinite(values.saturation) && std::isfinite(values.lightness) &&
           std::fabs(values.hue) <= 1e6;
}

namespace {

using AdjustFunction = void (*)(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                                const batch::Constants& constants);
using FloatFunction = batch::GuardCounts (*)(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                                             const batch::Constants& constants);

// What a path runs: its double kernel, its float kernel and its cache probe,
// null where it has none (the scalar path computes colour by colour, SSE2 and
// the double-only paths have no float kernel, SSE2 probes pixel by pixel).
struct PathFunctions {
    AdjustFunction adjust = nullptr;
    FloatFunction guarded = nullptr;
    batch::ProbeFunction probe = nullptr;
};

// The functions of the path asked for, or of the widest supported one below
// it.
PathFunctions FunctionsFor(BatchPath path) {
    if (path == BatchPath::kAvx512Double && !BatchPathSupported(path)) path = BatchPath::kAvx2Double;
    if (path == BatchPath::kAvx2Double && !BatchPathSupported(path)) path = BatchPath::kSse2;
    if (path == BatchPath::kAvx512 && !BatchPathSupported(BatchPath::kAvx512)) path = BatchPath::kAvx2;
    if (path == BatchPath::kAvx2 && !BatchPathSupported(BatchPath::kAvx2)) path = BatchPath::kSse2;
    if (path == BatchPath::kSse2 && !BatchPathSupported(BatchPath::kSse2)) path = BatchPath::kScalar;
    switch (path) {
    case BatchPath::kAvx512:
#if defined(HEXMOOR_HSL_AVX512) && defined(__SSE2__)
        return {batch::AdjustAvx512, batch::AdjustFloatAvx512, batch::ProbeAvx512};
#endif
    case BatchPath::kAvx2:
#if defined(HEXMOOR_HSL_AVX2) && defined(__SSE2__)
        return {batch::AdjustAvx2, batch::AdjustFloatAvx2, batch::ProbeAvx2};
#endif
    case BatchPath::kSse2:
#if defined(__SSE2__)
        return {AdjustAll<Sse2>, nullptr, nullptr};
#endif
    case BatchPath::kScalar: break;
    case BatchPath::kAvx512Double:
#if defined(HEXMOOR_HSL_AVX512) && defined(__SSE2__)
        return {batch::AdjustAvx512, nullptr, batch::ProbeAvx512};
#endif
    case BatchPath::kAvx2Double:
#if defined(HEXMOOR_HSL_AVX2) && defined(__SSE2__)
        return {batch::AdjustAvx2, nullptr, batch::ProbeAvx2};
#endif
#if defined(__SSE2__)
        return {AdjustAll<Sse2>, nullptr, nullptr};
#endif
        break;
    }
    return {};
}

// The same factors as AdjustChannels computes.
batch::Constants ConstantsOf(const HSLValues& values, std::uint32_t top_mask, std::uint32_t top_bits) {
    return {values.hue, (values.saturation + 100.0) * 0.01, values.lightness * 2.55, top_mask, top_bits};
}

} // namespace

batch::ProbeFunction batch::ProbeFor(BatchPath path) { return FunctionsFor(path).probe; }

void AdjustColours(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const HSLValues& values,
                   BatchPath path) {
    AdjustColours(src, dst, count, values, path, 0, 0);
}

void AdjustColours(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const HSLValues& values,
                   BatchPath path, std::uint32_t top_mask, std::uint32_t top_bits) {
    top_mask &= 0xFF000000u;
    top_bits &= 0xFF000000u;
    if (BatchTakesValues(values)) {
        const PathFunctions functions = FunctionsFor(path);
        const batch::Constants constants = ConstantsOf(values, top_mask, top_bits);
        if (functions.guarded && FloatKernelTakes(constants)) {
            functions.guarded(src, dst, count, constants);
            return;
        }
        if (functions.adjust) {
            functions.adjust(src, dst, count, constants);
            return;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t top = (src[i] & top_mask) | top_bits;
        std::uint8_t red = (src[i] >> 16) & 0xFF;
        std::uint8_t green = (src[i] >> 8) & 0xFF;
        std::uint8_t blue = src[i] & 0xFF;
        AdjustChannels(red, green, blue, values);
        dst[i] = top | std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
    }
}

GuardedColourCounts CountGuardedColours(const std::uint32_t* src, std::size_t count, const HSLValues& values,
                                        BatchPath path) {
    if (!BatchTakesValues(values)) return {};
    const PathFunctions functions = FunctionsFor(path);
    const batch::Constants constants = ConstantsOf(values, 0, 0);
    if (!functions.guarded || !FloatKernelTakes(constants)) return {};
    std::vector<std::uint32_t> out(count);
    const batch::GuardCounts counts = functions.guarded(src, out.data(), count, constants);
    return {true, counts.second_look, counts.double_kernel};
}

} // namespace hsl
