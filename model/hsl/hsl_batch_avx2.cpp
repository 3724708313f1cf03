// The AVX2 instance of the colour kernel. This file alone is built for AVX2
// (see model/CMakeLists.txt); it includes nothing whose inline functions
// other files share, and it runs only after a run-time check.
#if defined(HEXMOOR_HSL_AVX2) && defined(__AVX2__)

#include <immintrin.h>

#include "model/hsl/hsl_batch_float_kernel.h"
#include "model/hsl/hsl_batch_kernel.h"
#include "model/hsl/hsl_batch_probe_kernel.h"

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
    static I Pack(I red, I green, I blue, I top) {
        return _mm_or_si128(_mm_or_si128(_mm_or_si128(_mm_slli_epi32(red, 16), _mm_slli_epi32(green, 8)), blue), top);
    }
    static void StorePixels(std::uint32_t* p, I red, I green, I blue, I top) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), Pack(red, green, blue, top));
    }
    static I LoadPixels(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static I SetI(std::uint32_t x) { return _mm_set1_epi32(static_cast<int>(x)); }
    static I AndI(I a, I b) { return _mm_and_si128(a, b); }
    static I OrI(I a, I b) { return _mm_or_si128(a, b); }
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

// For each set of lanes (a bit each), the lanes' numbers in order, a byte
// each: the permutation that moves the chosen lanes to the front.
struct LanePacking {
    std::uint64_t order[256];
    constexpr LanePacking() : order() {
        for (unsigned bits = 0; bits < 256; ++bits) {
            int k = 0;
            for (unsigned lane = 0; lane < 8; ++lane) {
                if (bits & (1u << lane)) order[bits] |= std::uint64_t{lane} << (8 * k++);
            }
        }
    }
};
constexpr LanePacking kPacking;

// The lanes of the guarded kernel: eight floats at a time, and for the
// second look the double instance above, four at a time. A lane mask is a
// vector of all-ones or zero lanes.
struct Avx2Float {
    using T = float;
    using P = __m256;
    using K = __m256;
    using U = __m256i;
    static constexpr std::size_t kLanes = 8;
    static constexpr bool kExact = false;
    static constexpr float kGuard = 4e-3f; // see hsl_batch_float_kernel.h
    static U Load(const std::uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static void Store(std::uint32_t* p, U v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static U SetU(std::uint32_t x) { return _mm256_set1_epi32(static_cast<int>(x)); }
    static U AndU(U a, U b) { return _mm256_and_si256(a, b); }
    static U OrU(U a, U b) { return _mm256_or_si256(a, b); }
    template <int kShift>
    static P Byte(U v) {
        return _mm256_cvtepi32_ps(_mm256_and_si256(_mm256_srli_epi32(v, kShift), _mm256_set1_epi32(0xFF)));
    }
    static U Pack(U red, U green, U blue, U top) {
        return _mm256_or_si256(
            _mm256_or_si256(_mm256_or_si256(_mm256_slli_epi32(red, 16), _mm256_slli_epi32(green, 8)), blue), top);
    }
    static P Set(double x) { return _mm256_set1_ps(static_cast<float>(x)); }
    static P Add(P a, P b) { return _mm256_add_ps(a, b); }
    static P Sub(P a, P b) { return _mm256_sub_ps(a, b); }
    static P Mul(P a, P b) { return _mm256_mul_ps(a, b); }
    static P Div(P a, P b) { return _mm256_div_ps(a, b); }
    static P Max(P a, P b) { return _mm256_max_ps(a, b); }
    static P Min(P a, P b) { return _mm256_min_ps(a, b); }
    static P Floor(P a) { return _mm256_round_ps(a, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC); }
    static U Truncate(P a) { return _mm256_cvttps_epi32(a); }
    static K Lt(P a, P b) { return _mm256_cmp_ps(a, b, _CMP_LT_OQ); }
    static K Gt(P a, P b) { return _mm256_cmp_ps(a, b, _CMP_GT_OQ); }
    static K Ge(P a, P b) { return _mm256_cmp_ps(a, b, _CMP_GE_OQ); }
    static K Eq(P a, P b) { return _mm256_cmp_ps(a, b, _CMP_EQ_OQ); }
    // These two also hold where either value is NaN.
    static K NotGe(P a, P b) { return _mm256_cmp_ps(a, b, _CMP_NGE_UQ); }
    static K NotLe(P a, P b) { return _mm256_cmp_ps(a, b, _CMP_NLE_UQ); }
    static K Or(K a, K b) { return _mm256_or_ps(a, b); }
    static K And(K a, K b) { return _mm256_and_ps(a, b); }
    static K AndNot(K a, K b) { return _mm256_andnot_ps(a, b); }
    static P Select(K mask, P a, P b) { return _mm256_blendv_ps(b, a, mask); }
    static bool Any(K mask) { return _mm256_movemask_ps(mask) != 0; }
    static K FirstLanes(std::size_t left) {
        return _mm256_castsi256_ps(
            _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(left)), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7)));
    }
    // Writes the chosen lanes' pixels and their numbers (from `first`) to
    // the front of `pixels_out` and `at`, storing eight of each.
    static std::size_t Append(K lanes, U pixels, std::uint32_t first, std::uint32_t* pixels_out, std::uint32_t* at) {
        const unsigned bits = static_cast<unsigned>(_mm256_movemask_ps(lanes));
        const __m256i order =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&kPacking.order[bits])));
        const __m256i numbers = _mm256_add_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), SetU(first));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels_out), _mm256_permutevar8x32_epi32(pixels, order));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), _mm256_permutevar8x32_epi32(numbers, order));
        return static_cast<std::size_t>(__builtin_popcount(bits));
    }
};

struct Avx2Exact : Avx2 {
    using T = double;
    using P = D;
    using K = M;
    using U = I;
    static constexpr bool kExact = true;
    static constexpr double kGuard = 1e-9; // see hsl_batch_float_kernel.h
    static U Load(const std::uint32_t* p) { return LoadPixels(p); }
    static void Store(std::uint32_t* p, U v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
    static U SetU(std::uint32_t x) { return SetI(x); }
    static U AndU(U a, U b) { return AndI(a, b); }
    static U OrU(U a, U b) { return OrI(a, b); }
    template <int kShift>
    static P Byte(U v) {
        return _mm256_cvtepi32_pd(_mm_and_si128(_mm_srli_epi32(v, kShift), _mm_set1_epi32(0xFF)));
    }
    static P Floor(P a) { return _mm256_round_pd(a, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC); }
    static K NotGe(P a, P b) { return _mm256_cmp_pd(a, b, _CMP_NGE_UQ); }
    static K NotLe(P a, P b) { return _mm256_cmp_pd(a, b, _CMP_NLE_UQ); }
    static K Or(K a, K b) { return _mm256_or_pd(a, b); }
    static K AndNot(K a, K b) { return _mm256_andnot_pd(a, b); }
    static unsigned Bits(K mask) { return static_cast<unsigned>(_mm256_movemask_pd(mask)); }
};

// The cache probe, eight pixels at a time; a lane mask is a vector of
// all-ones or zero lanes, and lists are written by moving the chosen lanes
// to the front and storing all eight (the arrays have room).
struct Avx2Probe {
    using U = __m256i;
    using K = __m256i;
    using Carry = __m256i; // the group before, turned one lane up
    static constexpr std::size_t kLanes = 8;
    static U Set(std::uint32_t x) { return _mm256_set1_epi32(static_cast<int>(x)); }
    static K FirstLanes(std::size_t left) {
        if (left >= 8) return _mm256_set1_epi32(-1);
        return _mm256_cmpgt_epi32(Set(static_cast<std::uint32_t>(left)), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    }
    static U Load(K used, const std::uint32_t* p) {
        return _mm256_maskload_epi32(reinterpret_cast<const int*>(p), used);
    }
    static void Store(K lanes, std::uint32_t* p, U v) { _mm256_maskstore_epi32(reinterpret_cast<int*>(p), lanes, v); }
    static Carry StartCarry(std::uint32_t previous) { return Set(previous); }
    static U Previous(U pixels, Carry& before) {
        const U turned = _mm256_permutevar8x32_epi32(pixels, _mm256_setr_epi32(7, 0, 1, 2, 3, 4, 5, 6));
        const U previous = _mm256_blend_epi32(turned, before, 0x01);
        before = turned;
        return previous;
    }
    static U Indices(std::uint32_t start) {
        return _mm256_add_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), Set(start));
    }
    static U Or(U a, U b) { return _mm256_or_si256(a, b); }
    static U And(U a, U b) { return _mm256_and_si256(a, b); }
    static U MulLo(U a, U b) { return _mm256_mullo_epi32(a, b); }
    static U ShiftRight(U a, int bits) { return _mm256_srl_epi32(a, _mm_cvtsi32_si128(bits)); }
    static K Equal(K lanes, U a, U b) { return _mm256_and_si256(lanes, _mm256_cmpeq_epi32(a, b)); }
    static K AndNot(K a, K b) { return _mm256_andnot_si256(a, b); }
    static bool None(K a) { return _mm256_testz_si256(a, a) != 0; }
    template <int kScale>
    static U Gather(K lanes, U index, const int* base) {
        return _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), base, index, lanes, kScale);
    }
    static std::size_t Append(K lanes, U v, std::uint32_t* p) {
        const unsigned bits = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(lanes)));
        const __m256i order =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&kPacking.order[bits])));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm256_permutevar8x32_epi32(v, order));
        return static_cast<std::size_t>(__builtin_popcount(bits));
    }
};

} // namespace

void hsl::batch::AdjustAvx2(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                            const Constants& constants) {
    AdjustAll<Avx2>(src, dst, count, constants);
}

hsl::batch::GuardCounts hsl::batch::AdjustFloatAvx2(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                                                    const Constants& constants) {
    return AdjustGuardedAll<Avx2Float, Avx2Exact, Avx2>(src, dst, count, constants);
}

void hsl::batch::ProbeAvx2(ProbeBlock& block) { ProbeAll<Avx2Probe>(block); }

#endif
