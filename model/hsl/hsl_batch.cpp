#include "model/hsl/hsl_batch.h"

#include <cmath>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_batch_kernel.h"

namespace hsl {

#if defined(__SSE2__)
namespace {

struct Sse2 {
    using D = __m128d;
    static constexpr std::size_t kLanes = 2;
    static D FromTable(const double* table, const std::uint32_t* p, int shift) {
        return _mm_set_pd(table[(p[1] >> shift) & 0xFF], table[(p[0] >> shift) & 0xFF]);
    }
    static void Store(std::uint32_t* p, __m128i v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v); }
    static D ToDouble(__m128i v) { return _mm_cvtepi32_pd(v); }
    static __m128i Truncate(D v) { return _mm_cvttpd_epi32(v); }
    static D Set(double x) { return _mm_set1_pd(x); }
    static D Add(D a, D b) { return _mm_add_pd(a, b); }
    static D Sub(D a, D b) { return _mm_sub_pd(a, b); }
    static D Mul(D a, D b) { return _mm_mul_pd(a, b); }
    static D Div(D a, D b) { return _mm_div_pd(a, b); }
    static D Max(D a, D b) { return _mm_max_pd(a, b); }
    static D Min(D a, D b) { return _mm_min_pd(a, b); }
    static D And(D a, D b) { return _mm_and_pd(a, b); }
    static D Lt(D a, D b) { return _mm_cmplt_pd(a, b); }
    static D Le(D a, D b) { return _mm_cmple_pd(a, b); }
    static D Gt(D a, D b) { return _mm_cmpgt_pd(a, b); }
    static D Ge(D a, D b) { return _mm_cmpge_pd(a, b); }
    static D Eq(D a, D b) { return _mm_cmpeq_pd(a, b); }
    static D Neq(D a, D b) { return _mm_cmpneq_pd(a, b); }
    static D Select(D mask, D a, D b) { return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b)); }
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
#if defined(HEXMOOR_HSL_AVX2) && defined(__SSE2__)
        // The compiler's check includes the system's support for the wide
        // registers.
        return __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    }
    return false;
}

BatchPath BestBatchPath() {
    static const BatchPath best = BatchPathSupported(BatchPath::kAvx2)   ? BatchPath::kAvx2
                                  : BatchPathSupported(BatchPath::kSse2) ? BatchPath::kSse2
                                                                         : BatchPath::kScalar;
    return best;
}

bool BatchTakesValues(const HSLValues& values) {
    return std::isfinite(values.hue) && std::isfinite(values.saturation) && std::isfinite(values.lightness) &&
           std::fabs(values.hue) <= 1e6;
}

void AdjustColours(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, const HSLValues& values,
                   BatchPath path) {
    if (path == BatchPath::kAvx2 && !BatchPathSupported(BatchPath::kAvx2)) path = BatchPath::kSse2;
    if (path == BatchPath::kSse2 && !BatchPathSupported(BatchPath::kSse2)) path = BatchPath::kScalar;
    if (!BatchTakesValues(values)) path = BatchPath::kScalar;
    // The same factors as AdjustChannels computes.
    const batch::Constants constants{values.hue, (values.saturation + 100.0) * 0.01, values.lightness * 2.55};
    switch (path) {
    case BatchPath::kAvx2:
#if defined(HEXMOOR_HSL_AVX2) && defined(__SSE2__)
        batch::AdjustAvx2(src, dst, count, constants);
        return;
#endif
    case BatchPath::kSse2:
#if defined(__SSE2__)
        AdjustAll<Sse2>(src, dst, count, constants);
        return;
#endif
    case BatchPath::kScalar: break;
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t red = (src[i] >> 16) & 0xFF;
        std::uint8_t green = (src[i] >> 8) & 0xFF;
        std::uint8_t blue = src[i] & 0xFF;
        AdjustChannels(red, green, blue, values);
        dst[i] = std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
    }
}

} // namespace hsl
