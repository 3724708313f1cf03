// The native tree's PNG reader against streams built here from the PNG
// layout (zlib for the data, CRC-32 per chunk): every filter type, low-depth
// palettes with transparency, and broken streams.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "model/platform/image.h"

namespace {

namespace platform = hexmoor::platform;
using Bytes = std::vector<std::uint8_t>;

void PutBig(Bytes& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Chunk(Bytes& out, const std::string& type, const Bytes& body) {
    PutBig(out, static_cast<std::uint32_t>(body.size()));
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBig(out, static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

Bytes Png(std::uint32_t width, std::uint32_t height, int depth, int colorType, const Bytes& raw,
          const Bytes& palette = {}, const Bytes& trns = {}) {
    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBig(header, width);
    PutBig(header, height);
    header.insert(header.end(), {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colorType), 0, 0, 0});
    Chunk(out, "IHDR", header);
    if (!palette.empty()) Chunk(out, "PLTE", palette);
    if (!trns.empty()) Chunk(out, "tRNS", trns);
    uLongf length = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(length);
    compress2(packed.data(), &length, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(length);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

std::vector<std::uint32_t> Decode(const Bytes& png) {
    platform::DecodedImage image = platform::DecodeImageStream(png);
    if (!image.png) return {};
    platform::ImagePixels pixels;
    platform::ReadGdiplusBitmapPixels(image.png.get(), &pixels);
    return pixels.argb;
}

TEST(NativePng, EveryFilterType) {
    // Grey 8-bit, 2 pixels per row; each row's filter reconstructs 10, 20 /
    // 30, 40 ... from the previous row and the left pixel.
    const Bytes raw = {
        0, 10, 20, // none
        1, 30, 10, // sub: 30, 40
        2, 20, 20, // up: 50, 60
        3, 45, 25, // average: 50/2+45 = 70, (70+60)/2+25 = 90
        4, 30, 10, // paeth: 70+30 = 100, left 100 -> 110
    };
    const auto pixels = Decode(Png(2, 5, 8, 0, raw));
    const std::uint32_t grey[] = {10, 20, 30, 40, 50, 60, 70, 90, 100, 110};
    ASSERT_EQ(pixels.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(pixels[i], 0xFF000000u | grey[i] * 0x010101u) << i;
}

TEST(NativePng, LowDepthPaletteWithTransparency) {
    const Bytes palette = {0, 0, 0, 255, 255, 255, 16, 32, 48, 64, 80, 96};
    const auto pixels = Decode(Png(3, 1, 2, 3, {0, 0x1B}, palette, {0x00, 0x80}));
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0x00000000, 0x80FFFFFF, 0xFF102030}));
}

TEST(NativePng, RgbAndGreyAlpha) {
    EXPECT_EQ(Decode(Png(1, 1, 8, 2, {0, 1, 2, 3})), (std::vector<std::uint32_t>{0xFF010203}));
    EXPECT_EQ(Decode(Png(1, 1, 8, 4, {0, 9, 7})), (std::vector<std::uint32_t>{0x07090909}));
}

TEST(NativePng, BrokenStreamsDoNotDecode) {
    const Bytes good = Png(1, 1, 8, 6, {0, 1, 2, 3, 4});
    EXPECT_FALSE(Decode(good).empty());
    const Bytes cases[] = {
        Png(1, 1, 8, 6, {0, 1, 2}),                    // data short of the row
        Png(1, 1, 8, 6, {5, 1, 2, 3, 4}),              // unknown filter
        Png(1, 1, 16, 6, {0, 1, 2, 3, 4, 5, 6, 7, 8}), // 16-bit samples are not read
        Png(1, 1, 8, 3, {0, 7}, {1, 2, 3}),            // index beyond the palette
        Png(0, 1, 8, 0, {0}),
        Png(70000, 70000, 8, 0, {0}), // beyond the pixel cap
        Bytes(good.begin(), good.begin() + 20),
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_TRUE(Decode(cases[i]).empty()) << i;
}

} // namespace

#endif // _WIN32
