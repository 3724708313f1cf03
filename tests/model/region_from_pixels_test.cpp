#include "model/region_from_pixels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/platform/region.h"

namespace {

using hexmoor::platform::ImagePixels;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;

ImagePixels Fill(int width, int height, std::uint32_t argb) {
    return ImagePixels{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, argb)};
}

std::vector<RECT> Rects(const CImageRgn& region) {
    const std::vector<std::uint8_t> data = region.GetRegionData();
    std::vector<RECT> rects;
    if (data.size() < sizeof(RGNDATAHEADER)) return rects;
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof header);
    rects.resize(header.nCount);
    if (header.nCount) std::memcpy(rects.data(), data.data() + sizeof header, header.nCount * sizeof(RECT));
    return rects;
}

// Which pixels of a width x height canvas the region covers, row after row.
std::vector<bool> Coverage(const CImageRgn& region, int width, int height) {
    std::vector<bool> covered(static_cast<size_t>(width) * height, false);
    for (const RECT& r : Rects(region)) {
        for (LONG y = r.top; y < r.bottom; ++y) {
            for (LONG x = r.left; x < r.right; ++x) {
                if (x >= 0 && y >= 0 && x < width && y < height) covered[static_cast<size_t>(y) * width + x] = true;
            }
        }
    }
    return covered;
}

// The kept pixels computed independently: a pixel is kept when the
// predicate says it does not match (or does, inverted).
template <typename Match>
std::vector<bool> Expected(const ImagePixels& pixels, Match match, bool invert) {
    std::vector<bool> kept(pixels.argb.size());
    for (size_t i = 0; i < kept.size(); ++i) kept[i] = match(pixels.argb[i]) == invert;
    return kept;
}

TEST(RegionFromPixels, WholePictureCases) {
    // Every pixel matches: an empty region (never null) of the picture's size;
    // inverted, the whole picture.
    const ImagePixels white = Fill(7, 5, kWhite);
    auto empty = CreateRegionFromBitmap(white, RegionKey{});
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(empty->GetHRgn(), nullptr);
    EXPECT_TRUE(Rects(*empty).empty());
    EXPECT_EQ(empty->GetWidth(), 7);
    EXPECT_EQ(empty->GetHeight(), 5);

    RegionKey invert;
    invert.invert = true;
    auto full = CreateRegionFromBitmap(white, invert);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(Coverage(*full, 7, 5), std::vector<bool>(35, true));

    // A zero-sized picture is an empty region too; a buffer that does not
    // hold width x height pixels is refused.
    auto none = CreateRegionFromBitmap(ImagePixels{0, 0, {}}, RegionKey{});
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(Rects(*none).empty());
    EXPECT_EQ(CreateRegionFromBitmap(ImagePixels{3, 3, std::vector<std::uint32_t>(8, kBlack)}, RegionKey{}), nullptr);
    EXPECT_EQ(CreateRegionFromBitmap(ImagePixels{-1, 0, {}}, RegionKey{}), nullptr);
    EXPECT_EQ(CreateRegionFromBitmap(static_cast<HBITMAP>(nullptr), RegionKey{}), nullptr);
}

TEST(RegionFromPixels, AlternatingRowGivesOneRectanglePerKeptPixel) {
    ImagePixels row = Fill(9, 1, kWhite);
    for (int x = 0; x < 9; x += 2) row.argb[x] = kBlack;
    auto region = CreateRegionFromBitmap(row, RegionKey{});
    ASSERT_NE(region, nullptr);
    const std::vector<RECT> rects = Rects(*region);
    ASSERT_EQ(rects.size(), 5u);
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].left, static_cast<LONG>(2 * i));
        EXPECT_EQ(rects[i].right, static_cast<LONG>(2 * i + 1));
        EXPECT_EQ(rects[i].top, 0);
        EXPECT_EQ(rects[i].bottom, 1);
    }
    // Runs of several pixels stay one rectangle, at the row's ends too.
    const ImagePixels runs{6, 1, {kBlack, kBlack, kWhite, kWhite, kBlack, kBlack}};
    region = CreateRegionFromBitmap(runs, RegionKey{});
    ASSERT_EQ(Rects(*region).size(), 2u);
    EXPECT_EQ(Rects(*region)[1].left, 4);
    EXPECT_EQ(Rects(*region)[1].right, 6);
}

TEST(RegionFromPixels, ManyRectanglesEqualTheRegionOfAllRunsInOneBlock) {
    // 32 runs a row over 100 rows: 3200 rectangles.
    const int width = 64, height = 100;
    ImagePixels picture = Fill(width, height, kWhite);
    for (int y = 0; y < height; ++y) {
        for (int x = (y % 2); x < width; x += 2) picture.argb[static_cast<size_t>(y) * width + x] = kBlack;
    }
    auto region = CreateRegionFromBitmap(picture, RegionKey{});
    ASSERT_NE(region, nullptr);

    std::vector<RECT> runs;
    for (int y = 0; y < height; ++y) {
        for (int x = (y % 2); x < width; x += 2) runs.push_back(RECT{x, y, x + 1, y + 1});
    }
    ASSERT_EQ(runs.size(), 3200u);
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()),
                         static_cast<DWORD>(runs.size() * sizeof(RECT)), RECT{0, 0, width, height}};
    std::memcpy(data.data(), &header, sizeof header);
    std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    CImageRgn single(hexmoor::platform::RegionFromData(data), width, height);
    ASSERT_NE(single.GetHRgn(), nullptr);

    EXPECT_EQ(Coverage(*region, width, height), Coverage(single, width, height));
#ifdef _WIN32
    EXPECT_TRUE(::EqualRgn(region->GetHRgn(), single.GetHRgn()));
#endif
}

TEST(RegionFromPixels, RowsOfTheSameRunsShareABandAndTheCapRefusesMore) {
    // Vertical stripes: every row has the same eight runs, so the region is
    // one band of eight rectangles however tall the picture is.
    ImagePixels stripes = Fill(16, 300, kWhite);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 16; x += 2) stripes.argb[static_cast<size_t>(y) * 16 + x] = kBlack;
    auto region = CreateRegionFromBitmap(stripes, RegionKey{});
    ASSERT_NE(region, nullptr);
    const std::vector<RECT> rects = Rects(*region);
    ASSERT_EQ(rects.size(), 8u);
    EXPECT_EQ(rects[3].left, 6);
    EXPECT_EQ(rects[3].top, 0);
    EXPECT_EQ(rects[3].bottom, 300);

    // A checkerboard needs a rectangle per kept pixel: 512 a row.
    const auto checkerboard = [](int rows) {
        ImagePixels p = Fill(1024, rows, kWhite);
        for (int y = 0; y < rows; ++y)
            for (int x = y % 2; x < 1024; x += 2) p.argb[static_cast<size_t>(y) * 1024 + x] = kBlack;
        return p;
    };
    const int rowsAtCap = static_cast<int>(kMaxRegionRects / 512);
    bool overCap = true;
    region = CreateRegionFromBitmap(checkerboard(rowsAtCap), RegionKey{}, &overCap);
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(overCap);
    EXPECT_EQ(Rects(*region).size(), kMaxRegionRects);
    // One row more is refused, and said to be.
    region = CreateRegionFromBitmap(checkerboard(rowsAtCap + 1), RegionKey{}, &overCap);
    EXPECT_EQ(region, nullptr);
    EXPECT_TRUE(overCap);
    // Many pixels are no reason: the same size in one colour is one rectangle.
    region = CreateRegionFromBitmap(Fill(1024, rowsAtCap + 1, kBlack), RegionKey{}, &overCap);
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(overCap);
    EXPECT_EQ(Rects(*region).size(), 1u);
}

TEST(RegionFromPixels, ChannelBandsTable) {
    struct Case {
        COLORREF key;
        RegionKey options;
        std::array<int, 3> low, high;
    };
    auto opts = [](COLORREF range, RegionRange mode, bool upperLeft = false) {
        RegionKey k;
        k.range = range;
        k.mode = mode;
        k.useUpperLeft = upperLeft;
        return k;
    };
    const Case cases[] = {
        // Tolerance clamps at both ends: 250 +- 10 is 240..255, 5 +- 10 is 0..15.
        {RGB(250, 5, 128), opts(RGB(10, 10, 0), RegionRange::Tolerance), {240, 0, 128}, {255, 15, 128}},
        // Destination: from the smaller to the larger value, per channel.
        {RGB(100, 20, 200), opts(RGB(50, 90, 200), RegionRange::Destination), {50, 20, 200}, {100, 90, 200}},
        // With the upper-left flag the destination is read as tolerances.
        {RGB(100, 20, 200), opts(RGB(50, 90, 200), RegionRange::Destination, true), {50, 0, 0}, {150, 110, 255}},
        // A disabled range is an exact match, whatever colour it holds.
        {RGB(100, 20, 200), opts(RGB(16, 16, 16), RegionRange::Off), {100, 20, 200}, {100, 20, 200}},
        {RGB(100, 20, 200), opts(0, RegionRange::Off), {100, 20, 200}, {100, 20, 200}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const ChannelBands bands = ComputeChannelBands(cases[i].key, cases[i].options);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(bands.low[c], cases[i].low[c]) << i << " channel " << c;
            EXPECT_EQ(bands.high[c], cases[i].high[c]) << i << " channel " << c;
        }
    }
}

TEST(RegionFromPixels, KeyingTable) {
    // One row of reds 0..255 (green 20, blue 200) and a few other colours.
    ImagePixels ramp{256, 1, {}};
    for (std::uint32_t r = 0; r < 256; ++r) ramp.argb.push_back(0xFF000000u | (r << 16) | (20u << 8) | 200u);
    ImagePixels cornered = ramp;
    cornered.argb[0] = 0x00FA14C8; // upper-left pixel: red 250, alpha 0 (alpha is not read)

    auto withKey = [](COLORREF key, COLORREF range, RegionRange mode, bool invert = false, bool upperLeft = false) {
        RegionKey k;
        k.key = key;
        k.range = range;
        k.mode = mode;
        k.invert = invert;
        k.useUpperLeft = upperLeft;
        return k;
    };
    auto red = [](std::uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); };
    struct Case {
        const ImagePixels* picture;
        RegionKey key;
        int low, high; // the red band that matches (green and blue always match)
    };
    const Case cases[] = {
        {&ramp, withKey(RGB(250, 20, 200), RGB(10, 0, 0), RegionRange::Tolerance), 240, 255},
        {&ramp, withKey(RGB(250, 20, 200), RGB(10, 0, 0), RegionRange::Tolerance, true), 240, 255},
        {&ramp, withKey(RGB(100, 20, 200), RGB(60, 20, 200), RegionRange::Destination), 60, 100},
        // The mended case: range off while destination was chosen is exact.
        {&ramp, withKey(RGB(100, 20, 200), RGB(0, 0, 0), RegionRange::Off), 100, 100},
        {&ramp, withKey(RGB(100, 20, 200), RGB(16, 16, 16), RegionRange::Off), 100, 100},
        // Upper-left: the key comes from the picture, the destination is a tolerance.
        {&cornered, withKey(RGB(0, 0, 0), RGB(3, 0, 0), RegionRange::Destination, false, true), 247, 253},
        {&cornered, withKey(RGB(0, 0, 0), 0, RegionRange::Off, false, true), 250, 250},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const ImagePixels& picture = *cases[i].picture;
        auto region = CreateRegionFromBitmap(picture, cases[i].key);
        ASSERT_NE(region, nullptr) << i;
        const auto match = [&](std::uint32_t argb) {
            const int r = red(argb);
            return r >= cases[i].low && r <= cases[i].high && ((argb >> 8) & 0xFF) == 20 && (argb & 0xFF) == 200;
        };
        EXPECT_EQ(Coverage(*region, picture.width, picture.height), Expected(picture, match, cases[i].key.invert)) << i;
    }
}

TEST(RegionFromPixels, FromABitmap) {
    // The bitmap form reads the bitmap's pixels and keys them the same way.
    ImagePixels picture = Fill(4, 3, kWhite);
    picture.argb[5] = kBlack;
    picture.argb[6] = kBlack;
    hexmoor::platform::BitmapHandle bitmap = hexmoor::platform::CreateBitmapFromPixels(picture);
    ASSERT_NE(bitmap.Get(), nullptr);
    auto region = CreateRegionFromBitmap(bitmap.Get(), RegionKey{});
    ASSERT_NE(region, nullptr);
    const std::vector<RECT> rects = Rects(*region);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 1);
    EXPECT_EQ(rects[0].top, 1);
    EXPECT_EQ(rects[0].right, 3);
    EXPECT_EQ(rects[0].bottom, 2);
    EXPECT_EQ(region->GetWidth(), 4);
    EXPECT_EQ(region->GetHeight(), 3);
}

} // namespace
