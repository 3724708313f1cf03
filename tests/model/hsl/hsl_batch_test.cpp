// The vector paths of the colour adjustment against the scalar one: every
// colour and every pixel must come out bit for bit the same, whatever the
// values, the image's width, layout and content. Also the spreading of
// independent work over threads.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_batch.h"
#include "model/hsl/hsl_batch_probe.h"
#include "model/hsl/parallel.h"

namespace {

using hsl::BatchPath;
using BlockMode = hsl::PixelAdjuster::BlockMode;
constexpr BlockMode kBlockModes[] = {BlockMode::kAdaptive, BlockMode::kCached, BlockMode::kDirect};

// AVX2 and AVX-512 with their float kernel (for the values it takes) and
// with the double kernel alone.
std::vector<BatchPath> VectorPaths() {
    std::vector<BatchPath> paths;
    for (BatchPath path :
         {BatchPath::kSse2, BatchPath::kAvx2, BatchPath::kAvx512, BatchPath::kAvx2Double, BatchPath::kAvx512Double}) {
        if (hsl::BatchPathSupported(path)) paths.push_back(path);
    }
    return paths;
}

// Values around every rule of the transform: hue wraps (whole turns, just
// short of them, far out, negative zero), saturation to grey, doubled and
// far beyond, lightness limits, and values the vector paths hand back to
// the scalar one.
std::vector<HSLValues> HardValues() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<HSLValues> values = {
        {120, 0, 0, 100},      {-120, 0, 0, 100},   {0, -100, 0, 100},
        {0, 0, 50, 100},       {0, 0, -100, 100},   {0, 0, 100, 100},
        {35, 20, -10, 100},    {-180, 100, 0, 100}, {180, -50, 10, 100},
        {359, -99, 1, 100},    {360, 0, 0, 100},    {-360, 0, 0, 100},
        {540, 0, 0, 100},      {545, 0, 3, 100},    {720, 30, 0, 100},
        {-0.0, 10, 0, 100},    {1e-300, 0, 0, 100}, {359.9999999999, 0, 0, 100},
        {-1e-12, 40, -3, 100}, {1e6, 5, 5, 100},    {-1e6, 5, 5, 100},
        {1e6 + 1, 5, 5, 100},  {0, 1000, 0, 100},   {0, 1e300, 0, 100},
        {0, -250, 0, 100},     {17, 0, 1e-9, 100},  {0, 0, 0.39215686, 100},
        {inf, 0, 0, 100},      {nan, 0, 0, 100},    {0, nan, 0, 100},
        {0, 0, -inf, 100},
    };
    std::mt19937 random(7);
    std::uniform_real_distribution<double> hue(-400, 400), percent(-100, 100);
    for (int i = 0; i < 12; ++i) values.emplace_back(hue(random), percent(random), percent(random), 100);
    return values;
}

// Channel values at the edges (0, 1, the middle, 254, 255) in every
// combination, so that every tie between channels occurs, then random
// colours.
std::vector<std::uint32_t> HardColours() {
    const int levels[] = {0, 1, 2, 14, 127, 128, 200, 253, 254, 255};
    std::vector<std::uint32_t> colours;
    for (int r : levels)
        for (int g : levels)
            for (int b : levels) colours.push_back(std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b));
    std::mt19937 random(11);
    for (int i = 0; i < 4000; ++i) colours.push_back(random()); // top byte to be ignored
    return colours;
}

TEST(HslBatch, VectorPathsGiveTheScalarColours) {
    const std::vector<std::uint32_t> colours = HardColours();
    for (const HSLValues& v : HardValues()) {
        SCOPED_TRACE(testing::Message() << v.hue << ", " << v.saturation << ", " << v.lightness);
        std::vector<std::uint32_t> expected(colours.size());
        hsl::AdjustColours(colours.data(), expected.data(), colours.size(), v, BatchPath::kScalar);
        // The scalar path is AdjustChannels itself.
        for (std::size_t i : {3u, 500u, 999u, 2000u}) {
            std::uint8_t r = (colours[i] >> 16) & 0xFF, g = (colours[i] >> 8) & 0xFF, b = colours[i] & 0xFF;
            hsl::AdjustChannels(r, g, b, v);
            ASSERT_EQ(std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b, expected[i]);
        }
        for (BatchPath path : VectorPaths()) {
            SCOPED_TRACE(static_cast<int>(path));
            // Every count up to a few groups of lanes, so that each tail length
            // occurs, then the whole list in place.
            for (std::size_t count = 0; count <= 17; ++count) {
                std::vector<std::uint32_t> got(count + 1, 0xDEADBEEFu);
                hsl::AdjustColours(colours.data() + 100, got.data(), count, v, path);
                for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(got[i], expected[100 + i]) << i;
                ASSERT_EQ(got[count], 0xDEADBEEFu);
            }
            std::vector<std::uint32_t> got = colours;
            hsl::AdjustColours(got.data(), got.data(), got.size(), v, path);
            for (std::size_t i = 0; i < got.size(); ++i) {
                ASSERT_EQ(got[i], expected[i]) << std::hex << "colour " << colours[i];
            }
        }
    }
}

// Every colour there is, on every vector path, under a huge saturation,
// which turns a last-place difference anywhere before it (a channel's
// fraction, the hue) into a different byte; and every eleventh colour (each
// byte in each channel) under a change that moves hue, saturation and
// lightness, one whose hue needs the wide wrap, and saturations that make
// every colour grey (-100) or scale it by a negative factor.
TEST(HslBatch, VectorPathsGiveTheScalarResultForEveryColour) {
    const struct {
        HSLValues values;
        std::uint32_t step;
    } cases[] = {{{200, 1e300, 0, 100}, 1},
                 {{35, 20, -10, 100}, 11},
                 {{-4321.5, -60, 25, 100}, 11},
                 {{90, -100, 30, 100}, 7},
                 {{35, -150, 10, 100}, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.hue);
        std::vector<std::uint32_t> colours;
        for (std::uint32_t colour = 0; colour < (1u << 24); colour += c.step) colours.push_back(colour);
        std::vector<std::uint32_t> expected(colours.size()), got(colours.size());
        hsl::AdjustColours(colours.data(), expected.data(), colours.size(), c.values, BatchPath::kScalar);
        for (BatchPath path : VectorPaths()) {
            SCOPED_TRACE(static_cast<int>(path));
            hsl::AdjustColours(colours.data(), got.data(), colours.size(), c.values, path);
            const auto differs = std::mismatch(got.begin(), got.end(), expected.begin());
            ASSERT_TRUE(differs.first == got.end()) << std::hex << "colour " << colours[differs.first - got.begin()]
                                                    << " gives " << *differs.first << ", not " << *differs.second;
        }
    }
}

// An image as skin art has it: runs of one pixel, anti-aliased edges, colour
// changing along rows with noise, colours met again far apart, random alpha.
std::vector<std::uint32_t> ArtLikePixels(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint32_t> pixels(count);
    std::size_t i = 0;
    while (i < count) {
        const std::size_t run = std::min<std::size_t>(count - i, 1 + random() % 40);
        const int kind = random() % 4;
        const std::uint32_t base = random();
        for (std::size_t k = 0; k < run; ++k, ++i) {
            switch (kind) {
            case 0: pixels[i] = base; break;                                      // a run
            case 1: pixels[i] = random(); break;                                  // noise
            case 2: pixels[i] = base + std::uint32_t(k) * 0x00010203u; break;     // a gradient
            default: pixels[i] = i > 300 ? pixels[i - 300 + k % 7] : base; break; // colours met before
            }
        }
    }
    return pixels;
}

TEST(HslBatch, VectorPathsGiveTheScalarPixelsForEveryImageShape) {
    const int widths[] = {1, 2, 3, 5, 7, 13, 255, 256, 257, 301};
    const HSLValues values[] = {{35, 20, -10, 100}, {-120, -40, 15, 80}, {200, 100, 3, 0}, {0, -100, -60, 100}};
    std::uint32_t seed = 1;
    for (BatchPath path : VectorPaths()) {
        for (const HSLValues& v : values) {
            for (int width : widths) {
                for (bool opaque : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "path " << int(path) << " width " << width << " opaque "
                                                    << opaque << " hue " << v.hue);
                    const int height = 5;
                    // Rows with a gap at their end, stored bottom-up in the destination.
                    const int stride_pixels = width + 3;
                    const std::vector<std::uint32_t> src = ArtLikePixels(std::size_t(stride_pixels) * height, seed++);
                    const hsl::ConstPixelView src_view{src.data(), width, height, stride_pixels * 4};
                    BlockMode mode = BlockMode::kAdaptive;
                    auto run = [&](BatchPath p) {
                        std::vector<std::uint32_t> dst(std::size_t(width) * height, 0x5A5A5A5Au);
                        const hsl::PixelView dst_view{dst.data() + std::size_t(width) * (height - 1), width, height,
                                                      -std::ptrdiff_t(width) * 4};
                        hsl::PixelAdjuster adjuster(v, p, mode);
                        EXPECT_EQ(hsl::AdjustPixels(src_view, dst_view, adjuster, opaque), hsl::AdjustStatus::kDone);
                        return dst;
                    };
                    mode = BlockMode::kAdaptive;
                    const std::vector<std::uint32_t> expected = run(BatchPath::kScalar);
                    for (BlockMode m : kBlockModes) {
                        mode = m;
                        ASSERT_EQ(run(path), expected) << "block mode " << int(m);
                    }

                    // In place, rows without gaps (one run over the whole block).
                    std::vector<std::uint32_t> slow(src.begin(), src.begin() + std::ptrdiff_t(width) * height);
                    const hsl::PixelView slow_view{slow.data(), width, height, std::ptrdiff_t(width) * 4};
                    hsl::PixelAdjuster slow_adjuster(v, BatchPath::kScalar);
                    hsl::AdjustPixels({slow.data(), width, height, slow_view.stride}, slow_view, slow_adjuster, opaque);
                    for (BlockMode m : kBlockModes) {
                        std::vector<std::uint32_t> fast(src.begin(), src.begin() + std::ptrdiff_t(width) * height);
                        const hsl::PixelView fast_view{fast.data(), width, height, std::ptrdiff_t(width) * 4};
                        hsl::PixelAdjuster fast_adjuster(v, path, m);
                        hsl::AdjustPixels({fast.data(), width, height, fast_view.stride}, fast_view, fast_adjuster,
                                          opaque);
                        ASSERT_EQ(fast, slow) << "block mode " << int(m);
                    }
                }
            }
        }
    }
}

TEST(HslBatch, RepeatedPixelsAcrossBlockEdgesTakeTheirResult) {
    // A pixel equal to the one before it takes that result, also when the
    // one before it was computed in the same block or lies in the block
    // before: runs of one new colour across every edge the row loops use,
    // beside noise, and runs that differ in alpha only.
    std::mt19937 random(5);
    std::vector<std::uint32_t> src;
    for (std::size_t edge : {8u, 16u, 256u, 1024u, 2048u, 4096u}) {
        while (src.size() + 3 < edge) src.push_back(random());
        const std::uint32_t colour = random();
        for (int k = 0; k < 7; ++k) src.push_back(colour);
        src.push_back(colour ^ 0x80000000u);
        src.push_back(colour ^ 0x80000000u);
    }
    src.insert(src.end(), 3000, 0xFF123456u);
    for (BatchPath path : VectorPaths()) {
        for (bool opaque : {false, true}) {
            SCOPED_TRACE(testing::Message() << "path " << int(path) << " opaque " << opaque);
            const HSLValues v(35, 20, -10, 70);
            std::vector<std::uint32_t> expected(src.size()), got(src.size());
            hsl::PixelAdjuster(v, BatchPath::kScalar).AdjustRow(src.data(), expected.data(), src.size(), opaque);
            for (BlockMode mode : kBlockModes) {
                SCOPED_TRACE(testing::Message() << "block mode " << int(mode));
                hsl::PixelAdjuster(v, path, mode).AdjustRow(src.data(), got.data(), src.size(), opaque);
                ASSERT_EQ(got, expected);
                got = src;
                hsl::PixelAdjuster(v, path, mode).AdjustRow(got.data(), got.data(), got.size(), opaque);
                ASSERT_EQ(got, expected);
            }
        }
    }
}

// The probe of each path that has one against the same lookup done pixel by
// pixel: a small cache (so colours share entries and some entries hold
// another colour), pixels from a few colours in several alphas (so repeats,
// hits and misses mix), every tail length, as opaque or not, in place or not.
TEST(HslBatch, ProbesFindWhatThePixelByPixelLookupFinds) {
    namespace batch = hsl::batch;
    std::vector<batch::ProbeFunction> probes;
    for (BatchPath path : VectorPaths()) {
        const batch::ProbeFunction probe = batch::ProbeFor(path);
        if (probe && std::find(probes.begin(), probes.end(), probe) == probes.end()) probes.push_back(probe);
    }
    if (probes.empty()) GTEST_SKIP() << "no path here probes many pixels at a time";

    constexpr int kBits = 5;
    auto entry_of = [](std::uint32_t rgb) { return (rgb * 0x9E3779B1u) >> (32 - kBits); };
    std::mt19937 random(3);
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < 40; ++i) palette.push_back(random() & 0x00FFFFFFu);
    std::vector<std::uint32_t> cache(2u << kBits, 0);
    for (std::size_t i = 0; i < palette.size(); i += 2) { // every other colour cached, later ones winning
        cache[2 * entry_of(palette[i])] = palette[i] | batch::kProbeValid;
        cache[2 * entry_of(palette[i]) + 1] = palette[i] ^ 0x00A5A5A5u;
    }
    std::uint32_t alpha[256];
    for (std::uint32_t a = 0; a < 256; ++a) alpha[a] = (a * 7 % 256) << 24;
    const std::uint32_t alphas[] = {0xFF000000u, 0x80000000u, 0};

    for (std::size_t count : {1u, 2u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 33u, 1000u}) {
        std::vector<std::uint32_t> in(count);
        for (std::size_t i = 0; i < count; ++i) {
            // Runs of one pixel half of the time.
            in[i] = i > 0 && random() % 2 ? in[i - 1] : alphas[random() % 3] | palette[random() % palette.size()];
        }
        for (bool opaque : {false, true}) {
            // Pixel by pixel; the repeats keep what the output held.
            std::vector<std::uint32_t> expected_out(count, 0x5A5A5A5Au);
            std::vector<std::uint32_t> missing, missing_at, repeats;
            std::uint32_t previous = opaque ? palette[0] | 0xFF000000u : palette[1];
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint32_t p = opaque ? in[i] | 0xFF000000u : in[i];
                if (p == previous) {
                    repeats.push_back(i);
                    continue;
                }
                previous = p;
                const std::uint32_t rgb = p & 0x00FFFFFFu;
                const std::uint32_t entry = entry_of(rgb);
                expected_out[i] = alpha[p >> 24];
                if (cache[2 * entry] == (rgb | batch::kProbeValid)) {
                    expected_out[i] |= cache[2 * entry + 1];
                } else {
                    missing.push_back(rgb);
                    missing_at.push_back(i);
                }
            }
            for (batch::ProbeFunction probe : probes) {
                for (bool in_place : {false, true}) {
                    SCOPED_TRACE(testing::Message()
                                 << "count " << count << " opaque " << opaque << " in place " << in_place);
                    std::vector<std::uint32_t> out(count, 0x5A5A5A5Au);
                    std::vector<std::uint32_t> source = in;
                    std::vector<std::uint32_t> got_missing(count + 16), got_missing_at(count + 16),
                        got_repeats(count + 16);
                    batch::ProbeBlock block;
                    block.in = source.data();
                    block.out = in_place ? source.data() : out.data();
                    block.count = count;
                    block.cache = cache.data();
                    block.cache_bits = kBits;
                    block.alpha = alpha;
                    block.previous = opaque ? palette[0] | 0xFF000000u : palette[1];
                    block.opaque = opaque;
                    block.missing = got_missing.data();
                    block.missing_at = got_missing_at.data();
                    block.repeats = got_repeats.data();
                    probe(block);
                    got_missing.resize(block.missing_count);
                    got_missing_at.resize(block.missing_count);
                    got_repeats.resize(block.repeat_count);
                    EXPECT_EQ(got_missing, missing);
                    EXPECT_EQ(got_missing_at, missing_at);
                    EXPECT_EQ(got_repeats, repeats);
                    std::vector<std::uint32_t> want = expected_out;
                    if (in_place) {
                        for (std::uint32_t i : repeats) want[i] = in[i];
                    }
                    ASSERT_EQ(in_place ? source : out, want);
                }
            }
        }
    }
}

// Art whose colours seldom repeat (noise) beside flat areas and few-colour
// stretches, so that an adaptive adjuster sends runs of blocks past its cache
// and comes back to it, in the middle of rows and across rows: every pixel
// as the scalar path gives it, under every opacity form, as opaque or not,
// in place or not.
TEST(HslBatch, AdaptiveBlocksSwitchBetweenCacheAndDirectWithTheScalarPixels) {
    std::mt19937 random(11);
    std::vector<std::uint32_t> src;
    for (int stretch = 0; stretch < 40; ++stretch) {
        const std::size_t length = 1 + random() % 3000;
        const int kind = random() % 3;
        const std::uint32_t base = random();
        for (std::size_t k = 0; k < length; ++k) {
            if (kind == 0) src.push_back(random());                                 // noise: every block misses
            if (kind == 1) src.push_back(base);                                     // flat
            if (kind == 2) src.push_back(base ^ static_cast<std::uint32_t>(k % 5)); // five colours
        }
    }
    const HSLValues values[] = {{35, 20, -10, 100}, {-120, -40, 15, 80}, {200, 100, 3, 0}};
    for (BatchPath path : VectorPaths()) {
        for (const HSLValues& v : values) {
            for (bool opaque : {false, true}) {
                SCOPED_TRACE(testing::Message() << "path " << int(path) << " opaque " << opaque << " hue " << v.hue);
                std::vector<std::uint32_t> expected(src.size()), got(src.size());
                hsl::PixelAdjuster(v, BatchPath::kScalar).AdjustRow(src.data(), expected.data(), src.size(), opaque);
                for (BlockMode mode : kBlockModes) {
                    SCOPED_TRACE(testing::Message() << "block mode " << int(mode));
                    // One adjuster over rows of uneven lengths, as images of
                    // many sizes share one.
                    hsl::PixelAdjuster adjuster(v, path, mode);
                    hsl::PixelAdjuster::RunState state;
                    for (std::size_t start = 0, row = 1; start < src.size(); row = row * 7 % 1999 + 1) {
                        const std::size_t n = std::min(row, src.size() - start);
                        adjuster.AdjustRow(src.data() + start, got.data() + start, n, opaque, state);
                        start += n;
                    }
                    ASSERT_EQ(got, expected);
                    got = src;
                    hsl::PixelAdjuster(v, path, mode).AdjustRow(got.data(), got.data(), got.size(), opaque);
                    ASSERT_EQ(got, expected);
                }
            }
        }
    }
}

// The vector kernel writing a pixel's top byte from its source's: every
// lane and every tail length, against the scalar path.
TEST(HslBatch, VectorPathsWriteTheTopByteAsAsked) {
    std::mt19937 random(3);
    std::vector<std::uint32_t> src(67);
    for (std::uint32_t& p : src) p = random();
    const HSLValues v(35, 20, -10, 100);
    const std::uint32_t tops[][2] = {{0, 0}, {0xFF000000u, 0}, {0, 0xFF000000u}, {0xFF000000u, 0x80000000u}};
    for (const auto& top : tops) {
        for (std::size_t count = 0; count <= src.size(); ++count) {
            std::vector<std::uint32_t> expected(count), got(count);
            hsl::AdjustColours(src.data(), expected.data(), count, v, BatchPath::kScalar, top[0], top[1]);
            for (std::size_t i = 0; i < count; ++i) {
                std::uint32_t colour =
                    hsl::AdjustColorRef((src[i] >> 16 & 0xFF) | (src[i] & 0xFF00) | (src[i] & 0xFF) << 16, v);
                colour = (colour >> 16 & 0xFF) | (colour & 0xFF00) | (colour & 0xFF) << 16;
                ASSERT_EQ(expected[i], ((src[i] & top[0]) | top[1]) | colour) << i;
            }
            for (BatchPath path : VectorPaths()) {
                hsl::AdjustColours(src.data(), got.data(), count, v, path, top[0], top[1]);
                ASSERT_EQ(got, expected) << "path " << int(path) << " count " << count << " top " << std::hex << top[0]
                                         << " " << top[1];
            }
        }
    }
}

TEST(HslBatch, OneAdjusterServesManyImagesAsFreshOnesWould) {
    // The cache and the last pixel carried between rows must not leak from
    // one image into the next.
    for (BatchPath path : VectorPaths()) {
        hsl::PixelAdjuster shared(HSLValues(35, 20, -10, 90), path);
        for (std::uint32_t seed = 1; seed < 40; ++seed) {
            const std::vector<std::uint32_t> src = ArtLikePixels(97 * seed % 1000 + 1, seed);
            std::vector<std::uint32_t> got(src.size()), expected(src.size());
            shared.AdjustRow(src.data(), got.data(), src.size());
            hsl::PixelAdjuster(HSLValues(35, 20, -10, 90), BatchPath::kScalar)
                .AdjustRow(src.data(), expected.data(), src.size());
            ASSERT_EQ(got, expected) << seed;
        }
    }
}

TEST(HslParallel, EveryTaskRunsOnceAndErrorsComeBack) {
    for (std::size_t count : {0u, 1u, 3u, 100u, 1000u}) {
        std::vector<std::atomic<int>> runs(count);
        hsl::RunInParallel(count, std::uint64_t(1) << 30, [&](std::size_t i) { ++runs[i]; });
        for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(runs[i].load(), 1) << i;
    }
    std::atomic<int> ran{0};
    EXPECT_THROW(hsl::RunInParallel(50, std::uint64_t(1) << 30,
                                    [&](std::size_t i) {
                                        ++ran;
                                        if (i == 7) throw std::runtime_error("task 7");
                                    }),
                 std::runtime_error);
    EXPECT_GE(ran.load(), 8);
}

// The worker threads are kept between calls: a call from inside a task, and
// calls from several threads at once, each still run every task once.
TEST(HslParallel, NestedAndConcurrentCallsRunEveryTaskOnce) {
    constexpr std::size_t kOuter = 16, kInner = 64;
    auto nested = [] {
        std::vector<std::atomic<int>> runs(kOuter * kInner);
        hsl::RunInParallel(kOuter, std::uint64_t(1) << 30, [&](std::size_t i) {
            hsl::RunInParallel(kInner, std::uint64_t(1) << 30, [&](std::size_t k) { ++runs[i * kInner + k]; });
        });
        for (const auto& r : runs) {
            if (r.load() != 1) return false;
        }
        return true;
    };
    for (int pass = 0; pass < 20; ++pass) {
        bool ok[3] = {};
        std::thread a([&] { ok[0] = nested(); });
        std::thread b([&] { ok[1] = nested(); });
        ok[2] = nested();
        a.join();
        b.join();
        ASSERT_TRUE(ok[0] && ok[1] && ok[2]) << pass;
    }
}

// The threads stay awake a little after a call and then sleep: calls made
// straight after one another and calls made after the threads fell asleep
// each run every task once.
TEST(HslParallel, CallsAfterTheThreadsFellAsleepRunEveryTaskOnce) {
    for (int pass = 0; pass < 12; ++pass) {
        if (pass % 3 == 2) std::this_thread::sleep_for(hsl::kThreadsStayAwake + std::chrono::milliseconds(5));
        std::vector<std::atomic<int>> runs(257);
        hsl::RunInParallel(runs.size(), std::uint64_t(1) << 30, [&](std::size_t i) { ++runs[i]; });
        for (std::size_t i = 0; i < runs.size(); ++i) ASSERT_EQ(runs[i].load(), 1) << pass << " " << i;
    }
}

// Bands of whole rows: every row of every image with pixels in exactly one
// band, bands of about the size asked (the rows of an image spread evenly),
// no band without rows, the largest first.
TEST(HslParallel, ImagesAreCutIntoEvenBandsOfWholeRowsLargestFirst) {
    struct Case {
        std::vector<hsl::RowShape> images;
        std::uint64_t band_pixels;
        std::size_t bands; // how many come out
    };
    const Case cases[] = {
        {{{100, 100}}, 1000, 10},                         // 10 rows a band
        {{{100, 101}}, 1000, 11},                         // one more band, rows spread 9-10
        {{{5000, 3}}, 1000, 3},                           // wider than a band: a row each
        {{{10, 10}, {0, 50}, {50, 0}, {-3, 4}}, 1000, 1}, // small image one band, empty ones none
        {{{7, 1}, {640, 480}, {32, 32}, {1, 1}}, 4096, 80 + 1 + 1 + 1},
        {{}, 4096, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.images.size());
        const std::vector<hsl::RowBand> bands = hsl::CutIntoBands(c.images, c.band_pixels);
        EXPECT_EQ(bands.size(), c.bands);
        std::vector<std::vector<int>> covered(c.images.size());
        for (std::size_t i = 0; i < c.images.size(); ++i) covered[i].assign(std::max(c.images[i].rows, 0), 0);
        std::uint64_t previous = std::numeric_limits<std::uint64_t>::max();
        for (const hsl::RowBand& band : bands) {
            ASSERT_LT(band.image, c.images.size());
            const hsl::RowShape& shape = c.images[band.image];
            ASSERT_GT(band.count, 0);
            ASSERT_GE(band.first, 0);
            ASSERT_LE(band.first + band.count, shape.rows);
            for (int row = band.first; row < band.first + band.count; ++row) ++covered[band.image][row];
            const std::uint64_t size = std::uint64_t(band.count) * std::uint64_t(shape.width);
            EXPECT_LE(size, previous);
            previous = size;
            // No more than one row over the size asked, unless a row alone is wider.
            EXPECT_LT(size, c.band_pixels + std::uint64_t(shape.width)) << band.first;
        }
        for (std::size_t i = 0; i < covered.size(); ++i) {
            const int want = c.images[i].width > 0 ? 1 : 0;
            for (std::size_t row = 0; row < covered[i].size(); ++row)
                ASSERT_EQ(covered[i][row], want) << i << " " << row;
        }
    }
}

} // namespace
