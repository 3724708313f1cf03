// The AVX-512 instance of the colour kernel, eight colours at a time. This
// file alone is built for AVX-512 (see model/CMakeLists.txt), with no fused
// multiply-add but the one written below; it includes nothing whose inline
// functions other files share, and it runs only after a run-time check.
#if defined(HEXMOOR_HSL_AVX512) && defined(__AVX512F__)

#include <immintrin.h>

#include "model/hsl/hsl_batch_float_kernel.h"
#include "model/hsl/hsl_batch_kernel.h"
#include "model/hsl/hsl_batch_probe_kernel.h"

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
    static I Pack(I red, I green, I blue, I top) {
        return _mm256_or_si256(
            _mm256_or_si256(_mm256_or_si256(_mm256_slli_epi32(red, 16), _mm256_slli_epi32(green, 8)), blue), top);
    }
    static void StorePixels(std::uint32_t* p, I red, I green, I blue, I top) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), Pack(red, green, blue, top));
    }
    static I LoadPixels(const std::uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static I SetI(std::uint32_t x) { return _mm256_set1_epi32(static_cast<int>(x)); }
    static I AndI(I a, I b) { return _mm256_and_si256(a, b); }
    static I OrI(I a, I b) { return _mm256_or_si256(a, b); }
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

// The lanes of the guarded kernel: sixteen floats at a time, and for the
// second look the double instance above, eight at a time.
struct Avx512Float {
    using T = float;
    using P = __m512;
    using K = __mmask16;
    using U = __m512i;
    static constexpr std::size_t kLanes = 16;
    static constexpr bool kExact = false;
    static constexpr float kGuard = 4e-3f; // see hsl_batch_float_kernel.h
    static U Load(const std::uint32_t* p) { return _mm512_loadu_si512(p); }
    static void Store(std::uint32_t* p, U v) { _mm512_storeu_si512(p, v); }
    static U SetU(std::uint32_t x) { return _mm512_set1_epi32(static_cast<int>(x)); }
    static U AndU(U a, U b) { return _mm512_and_si512(a, b); }
    static U OrU(U a, U b) { return _mm512_or_si512(a, b); }
    template <int kShift>
    static P Byte(U v) {
        return _mm512_cvtepi32_ps(_mm512_and_si512(_mm512_srli_epi32(v, kShift), _mm512_set1_epi32(0xFF)));
    }
    static U Pack(U red, U green, U blue, U top) {
        return _mm512_or_si512(
            _mm512_or_si512(_mm512_or_si512(_mm512_slli_epi32(red, 16), _mm512_slli_epi32(green, 8)), blue), top);
    }
    static P Set(double x) { return _mm512_set1_ps(static_cast<float>(x)); }
    static P Add(P a, P b) { return _mm512_add_ps(a, b); }
    static P Sub(P a, P b) { return _mm512_sub_ps(a, b); }
    static P Mul(P a, P b) { return _mm512_mul_ps(a, b); }
    static P Div(P a, P b) { return _mm512_div_ps(a, b); }
    static P Max(P a, P b) { return _mm512_max_ps(a, b); }
    static P Min(P a, P b) { return _mm512_min_ps(a, b); }
    static P Floor(P a) { return _mm512_roundscale_ps(a, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC); }
    static U Truncate(P a) { return _mm512_cvttps_epi32(a); }
    static K Lt(P a, P b) { return _mm512_cmp_ps_mask(a, b, _CMP_LT_OQ); }
    static K Gt(P a, P b) { return _mm512_cmp_ps_mask(a, b, _CMP_GT_OQ); }
    static K Ge(P a, P b) { return _mm512_cmp_ps_mask(a, b, _CMP_GE_OQ); }
    static K Eq(P a, P b) { return _mm512_cmp_ps_mask(a, b, _CMP_EQ_OQ); }
    // These two also hold where either value is NaN.
    static K NotGe(P a, P b) { return _mm512_cmp_ps_mask(a, b, _CMP_NGE_UQ); }
    static K NotLe(P a, P b) { return _mm512_cmp_ps_mask(a, b, _CMP_NLE_UQ); }
    static K Or(K a, K b) { return static_cast<K>(a | b); }
    static K And(K a, K b) { return static_cast<K>(a & b); }
    static K AndNot(K a, K b) { return static_cast<K>(~a & b); }
    static P Select(K mask, P a, P b) { return _mm512_mask_blend_ps(mask, b, a); }
    static bool Any(K mask) { return mask != 0; }
    static K FirstLanes(std::size_t left) { return left >= 16 ? K(0xFFFF) : K((1u << left) - 1); }
    // Writes the chosen lanes' pixels and their numbers (from `first`) to
    // the front of `pixels_out` and `at`, storing sixteen of each.
    static std::size_t Append(K lanes, U pixels, std::uint32_t first, std::uint32_t* pixels_out, std::uint32_t* at) {
        const U numbers =
            _mm512_add_epi32(_mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15), SetU(first));
        _mm512_storeu_si512(pixels_out, _mm512_maskz_compress_epi32(lanes, pixels));
        _mm512_storeu_si512(at, _mm512_maskz_compress_epi32(lanes, numbers));
        return static_cast<std::size_t>(__builtin_popcount(lanes));
    }
};

struct Avx512Exact : Avx512 {
    using T = double;
    using P = D;
    using K = M;
    using U = I;
    static constexpr bool kExact = true;
    static constexpr double kGuard = 1e-9; // see hsl_batch_float_kernel.h
    static U Load(const std::uint32_t* p) { return LoadPixels(p); }
    static void Store(std::uint32_t* p, U v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static U SetU(std::uint32_t x) { return SetI(x); }
    static U AndU(U a, U b) { return AndI(a, b); }
    static U OrU(U a, U b) { return OrI(a, b); }
    template <int kShift>
    static P Byte(U v) {
        return _mm512_cvtepi32_pd(_mm256_and_si256(_mm256_srli_epi32(v, kShift), _mm256_set1_epi32(0xFF)));
    }
    static P Floor(P a) { return _mm512_roundscale_pd(a, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC); }
    static K NotGe(P a, P b) { return _mm512_cmp_pd_mask(a, b, _CMP_NGE_UQ); }
    static K NotLe(P a, P b) { return _mm512_cmp_pd_mask(a, b, _CMP_NLE_UQ); }
    static K Or(K a, K b) { return static_cast<K>(a | b); }
    static K AndNot(K a, K b) { return static_cast<K>(~a & b); }
    static unsigned Bits(K mask) { return mask; }
};

// The cache probe, sixteen pixels at a time; lists are written by
// compressing lanes in registers and storing them whole (the arrays have
// room).
struct Avx512Probe {
    using U = __m512i;
    using K = __mmask16;
    using Carry = __m512i; // the group before
    static constexpr std::size_t kLanes = 16;
    static U Set(std::uint32_t x) { return _mm512_set1_epi32(static_cast<int>(x)); }
    static K FirstLanes(std::size_t left) { return left >= 16 ? K(0xFFFF) : K((1u << left) - 1); }
    static U Load(K used, const std::uint32_t* p) { return _mm512_maskz_loadu_epi32(used, p); }
    static void Store(K lanes, std::uint32_t* p, U v) { _mm512_mask_storeu_epi32(p, lanes, v); }
    static Carry StartCarry(std::uint32_t previous) { return Set(previous); }
    static U Previous(U pixels, Carry& before) {
        const U previous = _mm512_alignr_epi32(pixels, before, 15);
        before = pixels;
        return previous;
    }
    static U Indices(std::uint32_t start) {
        return _mm512_add_epi32(_mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15), Set(start));
    }
    static U Or(U a, U b) { return _mm512_or_si512(a, b); }
    static U And(U a, U b) { return _mm512_and_si512(a, b); }
    static U MulLo(U a, U b) { return _mm512_mullo_epi32(a, b); }
    static U ShiftRight(U a, int bits) { return _mm512_srl_epi32(a, _mm_cvtsi32_si128(bits)); }
    static K Equal(K lanes, U a, U b) { return _mm512_mask_cmpeq_epi32_mask(lanes, a, b); }
    static K AndNot(K a, K b) { return static_cast<K>(b & ~a); }
    static bool None(K a) { return a == 0; }
    template <int kScale>
    static U Gather(K lanes, U index, const int* base) {
        return _mm512_mask_i32gather_epi32(_mm512_setzero_si512(), lanes, index, base, kScale);
    }
    static std::size_t Append(K lanes, U v, std::uint32_t* p) {
        _mm512_storeu_si512(p, _mm512_maskz_compress_epi32(lanes, v));
        return static_cast<std::size_t>(__builtin_popcount(lanes));
    }
};

} // namespace

void hsl::batch::AdjustAvx512(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                              const Constants& constants) {
    AdjustAll<Avx512>(src, dst, count, constants);
}

hsl::batch::GuardCounts hsl::batch::AdjustFloatAvx512(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                                                      const Constants& constants) {
    return AdjustGuardedAll<Avx512Float, Avx512Exact, Avx512>(src, dst, count, constants);
}

void hsl::batch::ProbeAvx512(ProbeBlock& block) { ProbeAll<Avx512Probe>(block); }

#endif
