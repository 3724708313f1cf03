// Rules of the colour adjustment beyond single known answers: exact undo,
// "Invert Color", the limits of lightness, hue wrapping, bad values, and the
// bounds of pixel blocks.

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "model/hsl/hsl_arithmetic.h"

namespace {

using hsl::AdjustColorRef;
using hsl::AdjustStatus;

std::uint32_t Rgb(int r, int g, int b) { return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16; }

// Every 7th step of each channel: 37^3 colours, among them the
// (0, 0, 14) that a round trip through HSL lowers to (0, 0, 13).
std::vector<std::uint32_t> ColourSweep() {
    std::vector<std::uint32_t> colours;
    for (int r = 0; r < 256; r += 7)
        for (int g = 0; g < 256; g += 7)
            for (int b = 0; b < 256; b += 7) colours.push_back(Rgb(r, g, b));
    colours.push_back(Rgb(255, 255, 255));
    return colours;
}

TEST(HslColour, NeutralHueSaturationLightnessKeepEveryColourExactly) {
    // Opacity never touches a colour, so any opacity with the other three
    // neutral is an identity too.
    for (double opacity : {100.0, 50.0, 0.0}) {
        for (std::uint32_t c : ColourSweep())
            ASSERT_EQ(AdjustColorRef(c, HSLValues(0, 0, 0, opacity)), c) << std::hex << c;
    }
    EXPECT_EQ(AdjustColorRef(0x12345678u, HSLValues()), 0x12345678u);
}

TEST(HslColour, InvertColorIsNeverChanged) {
    for (const HSLValues& v :
         {HSLValues(120, 0, 0, 100), HSLValues(0, -100, 0, 100), HSLValues(0, 0, -100, 50), HSLValues(33, 40, 60, 0)}) {
        EXPECT_EQ(AdjustColorRef(hsl::kInvertColor, v), hsl::kInvertColor);
    }
    // White is an ordinary colour: lightness -100 darkens it.
    EXPECT_EQ(AdjustColorRef(0x00FFFFFFu, HSLValues(0, 0, -100, 100)), 0u);
}

TEST(HslColour, ResultHasZeroTopByte) {
    EXPECT_EQ(AdjustColorRef(0x7F0000FFu, HSLValues(120, 0, 0, 100)), Rgb(0, 255, 0));
}

// Within the colour's own saturation (a raised saturation can push a channel
// below 0 before the lightness is added).
TEST(HslColour, LightnessLimitsGiveWhiteAndBlackForEveryColour) {
    for (std::uint32_t c : ColourSweep()) {
        ASSERT_EQ(AdjustColorRef(c, HSLValues(37, 0, 100, 100)), Rgb(255, 255, 255)) << std::hex << c;
        ASSERT_EQ(AdjustColorRef(c, HSLValues(-37, -60, 100, 100)), Rgb(255, 255, 255)) << std::hex << c;
        ASSERT_EQ(AdjustColorRef(c, HSLValues(-37, -25, -100, 100)), Rgb(0, 0, 0)) << std::hex << c;
    }
}

// A whole turn of hue must not lower
// channels through the rounding noise of the conversions.
TEST(HslColour, WholeTurnsOfHueKeepEveryColour) {
    for (double hue : {360.0, -360.0, 720.0}) {
        for (std::uint32_t c : ColourSweep())
            ASSERT_EQ(AdjustColorRef(c, HSLValues(hue, 0, 0, 100)), c) << std::hex << c;
    }
}

TEST(HslColour, GreysIgnoreHueAndSaturation) {
    for (int v = 0; v < 256; v += 5) {
        ASSERT_EQ(AdjustColorRef(Rgb(v, v, v), HSLValues(123, 80, 0, 100)), Rgb(v, v, v)) << v;
        ASSERT_EQ(AdjustColorRef(Rgb(v, v, v), HSLValues(-45, -100, 0, 100)), Rgb(v, v, v)) << v;
    }
}

TEST(HslColour, HueWrapsAroundWholeTurnsInBothDirections) {
    const std::uint32_t red = Rgb(255, 0, 0);
    // -480 is below what a single correction brings into range.
    for (double hue : {-120.0, -480.0, 240.0, 600.0, -840.0})
        EXPECT_EQ(AdjustColorRef(red, HSLValues(hue, 0, 0, 100)), Rgb(0, 0, 255)) << hue;
    for (double hue : {120.0, -240.0, 480.0, -600.0})
        EXPECT_EQ(AdjustColorRef(red, HSLValues(hue, 0, 0, 100)), Rgb(0, 255, 0)) << hue;
}

TEST(HslColour, UnusableValuesGiveAColourWithoutFault) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const HSLValues& v : {HSLValues(nan, 0, 0, 100), HSLValues(inf, 0, 0, 100), HSLValues(0, nan, 0, 100),
                               HSLValues(0, 0, nan, 100), HSLValues(0, 1e300, 0, 100), HSLValues(-1e300, 0, 0, 100),
                               HSLValues(0, -500, 0, 100), HSLValues(0, 0, -inf, nan)}) {
        const std::uint32_t out = AdjustColorRef(Rgb(200, 30, 90), v);
        EXPECT_EQ(out & 0xFF000000u, 0u);
        hsl::PixelAdjuster adjuster(v);
        (void)adjuster.AdjustPixel(0xFFC81E5Au);
    }
    EXPECT_EQ(AdjustColorRef(Rgb(200, 30, 90), HSLValues(0, 0, inf, 100)), Rgb(255, 255, 255));
}

TEST(HslPixels, AlphaFollowsOpacityAndStaysInRange) {
    struct Case {
        double opacity;
        std::uint32_t alpha_in, alpha_out;
    } cases[] = {{100, 0x80, 0x80},
                 {50, 255, 127},
                 {50, 0, 0},
                 {50, 1, 0},
                 {0, 255, 0},
                 // Beyond the dialog's range: held at the limits, never wrapped.
                 {200, 255, 255},
                 {200, 100, 200},
                 {-50, 255, 0}};
    for (const Case& c : cases) {
        hsl::PixelAdjuster adjuster(HSLValues(0, 0, 0, c.opacity));
        EXPECT_EQ(adjuster.AdjustPixel(c.alpha_in << 24 | 0x123456u), c.alpha_out << 24 | 0x123456u)
            << c.opacity << " " << c.alpha_in;
    }
}

TEST(HslPixels, NeutralValuesCopyEveryPixelExactly) {
    std::vector<std::uint32_t> src(4096);
    std::mt19937 random(7);
    for (auto& p : src) p = random();
    std::vector<std::uint32_t> dst(src.size());
    hsl::PixelAdjuster(HSLValues()).AdjustRow(src.data(), dst.data(), src.size());
    EXPECT_EQ(dst, src);
}

// The adjuster keeps results of colours it has met; every pixel must still
// come out as if computed on its own, whatever collides in its table.
TEST(HslPixels, RememberedResultsEqualFreshComputation) {
    const HSLValues values(-73.5, 42, -12, 61);
    std::vector<std::uint32_t> src(50000);
    std::mt19937 random(11);
    for (std::size_t i = 0; i < src.size(); ++i) {
        // Few distinct colours and many repeats, as in skin images, plus noise.
        src[i] = i % 3 == 0 ? random() : 0xFF000000u | (random() % 97) * 0x010305u;
    }
    std::vector<std::uint32_t> dst(src.size());
    hsl::PixelAdjuster adjuster(values);
    adjuster.AdjustRow(src.data(), dst.data(), src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        const std::uint32_t p = src[i];
        std::uint8_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        hsl::AdjustChannels(r, g, b, values);
        const std::uint32_t alpha = hsl::ChannelToByte((p >> 24) * values.opacity / 100.0);
        ASSERT_EQ(dst[i], alpha << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b) << i;
    }
}

struct Block {
    int width, height;
    std::vector<std::uint32_t> bits;
    std::ptrdiff_t stride;
    Block(int w, int h, int pad = 0)
        : width(w), height(h), bits(std::size_t(w + pad) * h, 0xDEADBEEFu), stride((w + pad) * 4) {}
    hsl::PixelView View() { return {bits.data(), width, height, stride}; }
    hsl::ConstPixelView ConstView() const { return {bits.data(), width, height, stride}; }
};

TEST(HslPixels, BlockIsAdjustedIntoTheTopLeftOfALargerDestination) {
    Block src(3, 2);
    for (std::size_t i = 0; i < src.bits.size(); ++i) src.bits[i] = 0xFFFF0000u; // opaque red
    Block dst(5, 4, 2);
    ASSERT_EQ(hsl::AdjustPixels(src.ConstView(), dst.View(), HSLValues(120, 0, 0, 50)), AdjustStatus::kDone);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x) {
            const std::uint32_t expected = (x < 3 && y < 2) ? 0x7F00FF00u : 0xDEADBEEFu;
            EXPECT_EQ(dst.bits[std::size_t(y) * 7 + x], expected) << x << "," << y;
        }
}

TEST(HslPixels, BottomUpRowsAndInPlaceAdjustment) {
    // Rows stored bottom-up: the view starts at the last row in memory.
    std::vector<std::uint32_t> bits = {0xFF0000FFu, 0xFF0000FFu, 0xFFFF0000u, 0xFFFF0000u};
    hsl::PixelView view{bits.data() + 2, 2, 2, -8};
    hsl::ConstPixelView cview{bits.data() + 2, 2, 2, -8};
    ASSERT_EQ(hsl::AdjustPixels(cview, view, HSLValues(120, 0, 0, 100)), AdjustStatus::kDone);
    EXPECT_EQ(bits, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF00FF00u}));
}

TEST(HslPixels, BadBlocksAreRefusedWithoutWriting) {
    Block src(4, 4);
    struct Case {
        hsl::ConstPixelView src;
        hsl::PixelView dst;
        AdjustStatus status;
    };
    Block small_w(3, 4), small_h(4, 3), fine(4, 4);
    const Case cases[] = {
        {src.ConstView(), small_w.View(), AdjustStatus::kDestinationTooSmall},
        {src.ConstView(), small_h.View(), AdjustStatus::kDestinationTooSmall},
        {{nullptr, 4, 4, 16}, fine.View(), AdjustStatus::kBadSource},
        {{src.bits.data(), 4, 4, 12}, fine.View(), AdjustStatus::kBadSource}, // rows shorter than the width
        {{src.bits.data(), -1, 4, 16}, fine.View(), AdjustStatus::kBadSource},
        {{src.bits.data(), 4, 4, 18}, fine.View(), AdjustStatus::kBadSource}, // stride not whole pixels
        {src.ConstView(), {nullptr, 4, 4, 16}, AdjustStatus::kBadDestination},
        {src.ConstView(), {fine.bits.data(), 4, 4, -12}, AdjustStatus::kBadDestination},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hsl::AdjustPixels(c.src, c.dst, HSLValues(10, 0, 0, 100)), c.status);
    }
    for (const Block* b : {&small_w, &small_h, &fine})
        for (std::uint32_t p : b->bits) ASSERT_EQ(p, 0xDEADBEEFu);
    // An empty source is nothing to do, even into an empty destination.
    EXPECT_EQ(hsl::AdjustPixels({nullptr, 0, 0, 0}, {nullptr, 0, 0, 0}, HSLValues()), AdjustStatus::kDone);
}

} // namespace

namespace {

// The colour transform runs as one fused computation; it must give the same
// bytes as composing the conversion functions step by step.
TEST(HslColour, FusedTransformAgreesWithTheStepByStepConversions) {
    const HSLValues cases[] = {HSLValues(35, 20, -10, 100),   HSLValues(-120, -40, 15, 80),
                               HSLValues(359.5, 100, 0, 100), HSLValues(-179, -99, -60, 100),
                               HSLValues(1e-9, 0, 0, 100),    HSLValues(725, 55, 33, 100),
                               HSLValues(-400, 0, 0, 100),    HSLValues(90, -100, 0, 100)};
    long compared = 0;
    for (const HSLValues& v : cases) {
        for (std::uint32_t c : ColourSweep()) {
            std::uint8_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            const hsl::Hsl hsl = hsl::RgbToHsl(r, g, b);
            const double saturation = (v.saturation + 100.0) * (hsl.saturation + 100.0) / 100.0 - 100.0;
            const hsl::Rgb rgb = hsl::HslToRgb(v.hue + hsl.hue, saturation, hsl.lightness);
            const std::uint8_t expected[3] = {hsl::ChannelToByte(rgb.red + v.lightness * 2.55),
                                              hsl::ChannelToByte(rgb.green + v.lightness * 2.55),
                                              hsl::ChannelToByte(rgb.blue + v.lightness * 2.55)};
            hsl::AdjustChannels(r, g, b, v);
            ASSERT_EQ(r, expected[0]) << std::hex << c << " hue " << v.hue;
            ASSERT_EQ(g, expected[1]) << std::hex << c << " hue " << v.hue;
            ASSERT_EQ(b, expected[2]) << std::hex << c << " hue " << v.hue;
            ++compared;
        }
    }
    EXPECT_GT(compared, 400000);
}

} // namespace

namespace {

// Every arrangement of rows (gapless or padded, top-down or bottom-up, the
// two blocks alike or not) gives each pixel its own result, also where a run
// of one colour crosses from row to row.
TEST(HslPixels, EveryRowArrangementGivesEachPixelItsOwnResult) {
    constexpr int kWidth = 5, kHeight = 7;
    const HSLValues values(-30, 25, 5, 70);
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    std::mt19937 random(3);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = i % 4 == 0 ? random() : 0x80A0B0C0u + (i / 9);
    struct Layout {
        int pad; // pixels of padding after each row
        bool bottom_up;
    };
    const Layout layouts[] = {{0, false}, {0, true}, {3, false}, {2, true}};
    for (const Layout& s : layouts) {
        for (const Layout& d : layouts) {
            for (bool opaque : {false, true}) {
                // Each block holds the rows in its own order and padding.
                auto place = [](const Layout& l, std::vector<std::uint32_t>& store, std::ptrdiff_t* stride) {
                    const int row = kWidth + l.pad;
                    store.assign(std::size_t(row) * kHeight, 0xDEADBEEFu);
                    *stride = (l.bottom_up ? -row : row) * 4;
                    return store.data() + (l.bottom_up ? std::size_t(row) * (kHeight - 1) : 0);
                };
                std::vector<std::uint32_t> src_store, dst_store;
                std::ptrdiff_t src_stride = 0, dst_stride = 0;
                std::uint32_t* src_top = place(s, src_store, &src_stride);
                std::uint32_t* dst_top = place(d, dst_store, &dst_stride);
                for (int y = 0; y < kHeight; ++y)
                    for (int x = 0; x < kWidth; ++x)
                        src_top[y * src_stride / 4 + x] = pixels[std::size_t(y) * kWidth + x];
                hsl::PixelAdjuster adjuster(values);
                ASSERT_EQ(hsl::AdjustPixels({src_top, kWidth, kHeight, src_stride},
                                            {dst_top, kWidth, kHeight, dst_stride}, adjuster, opaque),
                          AdjustStatus::kDone);
                hsl::PixelAdjuster fresh(values);
                for (int y = 0; y < kHeight; ++y)
                    for (int x = 0; x < kWidth; ++x) {
                        const std::uint32_t p = pixels[std::size_t(y) * kWidth + x];
                        ASSERT_EQ(dst_top[y * dst_stride / 4 + x], fresh.AdjustPixel(opaque ? p | 0xFF000000u : p))
                            << s.pad << s.bottom_up << d.pad << d.bottom_up << opaque << " at " << x << "," << y;
                    }
                std::size_t untouched = 0;
                for (std::uint32_t p : dst_store) untouched += p == 0xDEADBEEFu;
                EXPECT_EQ(untouched, std::size_t(d.pad) * kHeight);
            }
        }
    }
}

} // namespace
