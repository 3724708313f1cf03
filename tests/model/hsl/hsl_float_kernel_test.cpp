// The single-precision kernel of AVX2 and AVX-512 against the scalar path:
// its guard must send every colour whose float result could truncate to
// another byte back to the double kernel, so every result is the scalar
// one. Every colour there is (sampled under the sanitizers) for values at
// the rules' edges, and random values on random colours.

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_batch.h"

namespace {

using hsl::BatchPath;

std::vector<BatchPath> FloatPaths() {
    std::vector<BatchPath> paths;
    for (BatchPath path : {BatchPath::kAvx2, BatchPath::kAvx512}) {
        if (hsl::BatchPathSupported(path)) paths.push_back(path);
    }
    return paths;
}

// Every colour in the Windows tree; every seventh (each byte in each
// channel still met) where the sanitizers slow the scalar path down.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEXMOOR_HSL_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(HEXMOOR_HSL_SANITIZED)
constexpr std::uint32_t kSweepStep = 7;
#else
constexpr std::uint32_t kSweepStep = 1;
#endif

void ExpectScalarColours(const std::vector<std::uint32_t>& colours, const HSLValues& v) {
    std::vector<std::uint32_t> expected(colours.size()), got(colours.size());
    hsl::AdjustColours(colours.data(), expected.data(), colours.size(), v, BatchPath::kScalar);
    for (BatchPath path : FloatPaths()) {
        SCOPED_TRACE(static_cast<int>(path));
        hsl::AdjustColours(colours.data(), got.data(), colours.size(), v, path);
        const auto differs = std::mismatch(got.begin(), got.end(), expected.begin());
        ASSERT_TRUE(differs.first == got.end()) << std::hex << "colour " << colours[differs.first - got.begin()]
                                                << " gives " << *differs.first << ", not " << *differs.second;
    }
}

std::vector<std::uint32_t> AllColours() {
    std::vector<std::uint32_t> colours;
    colours.reserve((1u << 24) / kSweepStep + 1);
    for (std::uint32_t colour = 0; colour < (1u << 24); colour += kSweepStep) colours.push_back(colour);
    return colours;
}

// Hue shifts of none, both directions, half a turn either way and a
// fraction; saturation to grey, partly down, none, up and doubled;
// lightness to black, a little down, none, far up (clamping most channels at
// 255) and to white. Whole lightness offsets (0, +-255) put every grey on a
// whole number; a hue shift of a third of a turn with no other change, or
// with a whole offset, puts every channel of every colour on one.
const HSLValues kSweepValues[] = {
    {35, 20, -10, 100},    {-35, 100, 0, 100}, {180, -37, 55, 100}, {-180, 0, -100, 100},
    {12.5, 100, 100, 100}, {0, -37, -10, 100}, {12.5, 20, 55, 100}, {-35, -100, 0, 100},
    {180, 100, -10, 100},  {0, 100, 55, 100},  {120, 0, 0, 100},    {-120, 0, 20, 100},
};

TEST(HslFloatKernel, EveryColourGivesTheScalarResultUnderEdgeValuesFirstHalf) {
    if (FloatPaths().empty()) GTEST_SKIP() << "no float kernel on this processor";
    const std::vector<std::uint32_t> colours = AllColours();
    for (std::size_t i = 0; i < std::size(kSweepValues) / 2; ++i) {
        const HSLValues& v = kSweepValues[i];
        SCOPED_TRACE(testing::Message() << v.hue << ", " << v.saturation << ", " << v.lightness);
        ExpectScalarColours(colours, v);
    }
}

TEST(HslFloatKernel, EveryColourGivesTheScalarResultUnderEdgeValuesSecondHalf) {
    if (FloatPaths().empty()) GTEST_SKIP() << "no float kernel on this processor";
    const std::vector<std::uint32_t> colours = AllColours();
    for (std::size_t i = std::size(kSweepValues) / 2; i < std::size(kSweepValues); ++i) {
        const HSLValues& v = kSweepValues[i];
        SCOPED_TRACE(testing::Message() << v.hue << ", " << v.saturation << ", " << v.lightness);
        ExpectScalarColours(colours, v);
    }
}

// Random values, fractional and whole, and values at the ends of what the
// float kernel takes (a hue shift of a whole turn or of the smallest narrow
// one, saturation just above -100, lightness +-100), each on random colours;
// and the float kernel is in use: a second look for a small share of the
// colours, the double kernel for hardly any.
TEST(HslFloatKernel, RandomValuesGiveTheScalarResult) {
    if (FloatPaths().empty()) GTEST_SKIP() << "no float kernel on this processor";
    std::mt19937 random(29);
    std::vector<std::uint32_t> colours(20000);
    std::vector<HSLValues> values = {{360, 100, 100, 100},
                                     {-360, 100, -100, 100},
                                     {1e-6, -99.9999, 0, 100},
                                     {-1e-6, 99.99999, 100, 100},
                                     {359.99, 0.5, -99.5, 100}};
    std::uniform_real_distribution<double> hue(-360, 360), percent(-100, 100);
    for (int i = 0; i < 75; ++i) values.emplace_back(hue(random), percent(random), percent(random), 100);
    // Whole values, as sliders give, put many channels exactly on whole
    // numbers.
    std::uniform_int_distribution<int> whole_hue(-360, 360), whole_percent(-100, 100);
    for (int i = 0; i < 75; ++i)
        values.emplace_back(whole_hue(random), whole_percent(random), whole_percent(random), 100);
    for (const HSLValues& v : values) {
        SCOPED_TRACE(testing::Message() << v.hue << ", " << v.saturation << ", " << v.lightness);
        for (std::uint32_t& c : colours) c = random() & 0x00FFFFFFu;
        ExpectScalarColours(colours, v);
    }
    for (BatchPath path : FloatPaths()) {
        const hsl::GuardedColourCounts counts =
            hsl::CountGuardedColours(colours.data(), colours.size(), HSLValues(35, 20, -10, 100), path);
        EXPECT_TRUE(counts.float_kernel);
        EXPECT_LT(counts.second_look, colours.size() / 5);
        EXPECT_LT(counts.double_kernel, colours.size() / 1000);
    }
}

} // namespace
