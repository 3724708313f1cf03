// The AVX2 instance of the colour kernel. This file alone is built for AVX2
// (see model/CMakeLists.txt); it includes nothing whose inline functions
// other files share, and it runs only after a run-time check.
#if defined(HEXMOOR_HSL_AVX2) && defined(__AVX2__)

#include <immintrin.h>

#include "model/hsl/hsl_batch_kernel.h"

namespace {

struct Avx2 {
    using D = __m256d;
    using M = __m256d;
    using I = __m128i;
    static constexpr std::size_t kLanes = 4;
    static D Fractions(const std::uint32_t* p, int shift) {
        return _mm256_set_pd(kFractions.value[(p[3] >> shift) & 0xFF], kFractions.value[(p[2] >> shift) & 0xFF],
                             kFractions.value[(p[1] >> shift) & 0xFF], kFractions.value[(p[0] >> shift) & 0xFF]);
    }
    static void StorePixels(std::uint32_t* p, I red, I green, I blue) {
        const I packed = _mm_or_si128(_mm_or_si128(_mm_slli_epi32(red, 16), _mm_slli_epi32(green, 8)), blue);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), packed);
    }
    static D ToDouble(I v) { return _mm256_cvtepi32_pd(v); }
    static I Truncate(D v) { return _mm256_cvttpd_epi32(v); }
    static D Set(double x) { return _mm256_set1_pd(x); }
    static D Add(D a, D b) { return _mm256_add_pd(a, b); }
    static D Sub(D a, D b) { return _mm256_sub_pd(a, b); }
    static D Mul(D a, D b) { return _mm256_mul_pd(a, b); }
    static D Div(D a, D b) { return _mm256_div_pd(a, b); }
    static D Max(D a, D b) { return _mm256_max_pd(a, b); }
    static D Min(D a, D b) { return _mm256_min_pd(a, b); }
    static M Lt(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
    static M Le(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
    static M Gt(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_GT_OQ); }
    static M Ge(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_GE_OQ); }
    static M Eq(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_EQ_OQ); }
    static M Neq(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_NEQ_UQ); }
    static M Both(M a, M b) { return _mm256_and_pd(a, b); }
    static D Keep(M mask, D a) { return _mm256_and_pd(mask, a); }
    static D Select(M mask, D a, D b) { return _mm256_blendv_pd(b, a, mask); }
};

} // namespace

void hsl::batch::AdjustAvx2(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                            const Constants& constants) {
    AdjustAll<Avx2>(src, dst, count, constants);
}

#endif
