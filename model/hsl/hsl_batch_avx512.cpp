// The AVX-512 instance of the colour kernel, eight colours at a time. This
// file alone is built for AVX-512 (see model/CMakeLists.txt), with no fused
// multiply-add but the one written below; it includes nothing whose inline
// functions other files share, and it runs only after a run-time check.
#if defined(HEXMOOR_HSL_AVX512) && defined(__AVX512F__)

#include <immintrin.h>

#include "model/hsl/hsl_batch_kernel.h"
#include "model/hsl/hsl_batch_probe.h"

namespace {

struct Avx512 {
    using D = __m512d;
    using M = __mmask8;
    using I = __m256i;
    static constexpr std::size_t kLanes = 8;

    // byte / 255 correctly rounded without a division: the product with the
    // rounded reciprocal is off by at most one unit in the last place, and
    // one correction step from its exact remainder gives the nearest double
    // (checked for every byte by the tests against the scalar path).
    static D Fractions(const std::uint32_t* p, int shift) {
        const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i bytes =
            _mm256_and_si256(_mm256_srl_epi32(pixels, _mm_cvtsi32_si128(shift)), _mm256_set1_epi32(0xFF));
        const D k = _mm512_cvtepi32_pd(bytes);
        const D reciprocal = _mm512_set1_pd(1.0 / 255.0);
        const D estimate = _mm512_mul_pd(k, reciprocal);
        const D remainder = _mm512_fnmadd_pd(estimate, _mm512_set1_pd(255.0), k);
        return _mm512_fmadd_pd(remainder, reciprocal, estimate);
    }
    static void StorePixels(std::uint32_t* p, I red, I green, I blue) {
        const I packed =
            _mm256_or_si256(_mm256_or_si256(_mm256_slli_epi32(red, 16), _mm256_slli_epi32(green, 8)), blue);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), packed);
    }
    static D ToDouble(I v) { return _mm512_cvtepi32_pd(v); }
    static I Truncate(D v) { return _mm512_cvttpd_epi32(v); }
    static D Set(double x) { return _mm512_set1_pd(x); }
    static D Add(D a, D b) { return _mm512_add_pd(a, b); }
    static D Sub(D a, D b) { return _mm512_sub_pd(a, b); }
    static D Mul(D a, D b) { return _mm512_mul_pd(a, b); }
    static D Div(D a, D b) { return _mm512_div_pd(a, b); }
    static D Max(D a, D b) { return _mm512_max_pd(a, b); }
    static D Min(D a, D b) { return _mm512_min_pd(a, b); }
    static M Lt(D a, D b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ); }
    static M Le(D a, D b) { return _mm512_cmp_pd_mask(a, b, _CMP_LE_OQ); }
    static M Gt(D a, D b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); }
    static M Ge(D a, D b) { return _mm512_cmp_pd_mask(a, b, _CMP_GE_OQ); }
    static M Eq(D a, D b) { return _mm512_cmp_pd_mask(a, b, _CMP_EQ_OQ); }
    static M Neq(D a, D b) { return _mm512_cmp_pd_mask(a, b, _CMP_NEQ_UQ); }
    static M Both(M a, M b) { return static_cast<M>(a & b); }
    static D Keep(M mask, D a) { return _mm512_maskz_mov_pd(mask, a); }
    static D Select(M mask, D a, D b) { return _mm512_mask_blend_pd(mask, b, a); }
};

} // namespace

void hsl::batch::AdjustAvx512(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                              const Constants& constants) {
    AdjustAll<Avx512>(src, dst, count, constants);
}

void hsl::batch::ProbeAvx512(ProbeBlock& block) {
    const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m512i colour_bits = _mm512_set1_epi32(0x00FFFFFF);
    const __m512i valid = _mm512_set1_epi32(static_cast<int>(kProbeValid));
    const __m512i golden = _mm512_set1_epi32(static_cast<int>(0x9E3779B1u));
    const __m512i opaque = _mm512_set1_epi32(block.opaque ? static_cast<int>(0xFF000000u) : 0);
    const __m128i index_shift = _mm_cvtsi32_si128(32 - block.cache_bits);
    const int* keys = reinterpret_cast<const int*>(block.cache);
    const int* results = keys + 1;
    const int* alphas = reinterpret_cast<const int*>(block.alpha);
    __m512i before = _mm512_set1_epi32(static_cast<int>(block.previous));
    std::size_t misses = 0;
    std::size_t repeats = 0;
    for (std::size_t start = 0; start < block.count; start += 16) {
        const std::size_t left = block.count - start;
        const __mmask16 used = left >= 16 ? __mmask16(0xFFFF) : __mmask16((1u << left) - 1);
        const __m512i pixels = _mm512_or_si512(_mm512_maskz_loadu_epi32(used, block.in + start), opaque);
        // Each lane beside the pixel before it.
        const __m512i previous = _mm512_alignr_epi32(pixels, before, 15);
        before = pixels;
        const __mmask16 repeat = _mm512_mask_cmpeq_epi32_mask(used, pixels, previous);
        const __m512i at = _mm512_add_epi32(lanes, _mm512_set1_epi32(static_cast<int>(start)));
        // Compressed in registers and stored whole: the arrays have room.
        _mm512_storeu_si512(block.repeats + repeats, _mm512_maskz_compress_epi32(repeat, at));
        repeats += static_cast<std::size_t>(__builtin_popcount(repeat));
        // The pixels that repeat take their result afterwards; the others
        // look in the cache, unless there are none (a flat run).
        const __mmask16 fresh = static_cast<__mmask16>(used & ~repeat);
        if (fresh == 0) continue;
        const __m512i rgb = _mm512_and_si512(pixels, colour_bits);
        const __m512i entry = _mm512_srl_epi32(_mm512_mullo_epi32(rgb, golden), index_shift);
        const __m512i key = _mm512_mask_i32gather_epi32(_mm512_setzero_si512(), fresh, entry, keys, 8);
        const __mmask16 hit = _mm512_mask_cmpeq_epi32_mask(fresh, key, _mm512_or_si512(rgb, valid));
        const __m512i result = _mm512_mask_i32gather_epi32(_mm512_setzero_si512(), hit, entry, results, 8);
        const __m512i alpha =
            _mm512_mask_i32gather_epi32(_mm512_setzero_si512(), fresh, _mm512_srli_epi32(pixels, 24), alphas, 4);
        _mm512_mask_storeu_epi32(block.out + start, fresh, _mm512_or_si512(alpha, result));
        const __mmask16 missed = static_cast<__mmask16>(fresh & ~hit);
        _mm512_storeu_si512(block.missing + misses, _mm512_maskz_compress_epi32(missed, rgb));
        _mm512_storeu_si512(block.missing_at + misses, _mm512_maskz_compress_epi32(missed, at));
        misses += static_cast<std::size_t>(__builtin_popcount(missed));
    }
    block.missing_count = misses;
    block.repeat_count = repeats;
}

#endif
