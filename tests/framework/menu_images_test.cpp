// Cutting menu images out of a toolbar strip.
#include <gtest/gtest.h>

#include "framework/menu_images.h"

using hexmoor::fw::MenuImagePixels;

namespace {

constexpr COLORREF kKey = RGB(192, 192, 192);
constexpr std::uint32_t kKeyPixel = 0x00C0C0C0;

} // namespace

TEST(MenuImagePixels, CutsTheIndexedImageKeyTransparentOthersOpaque) {
    // A strip of three 2 x 2 images, 6 pixels wide; BGRX words read 0xXXRRGGBB.
    std::vector<std::uint32_t> strip = {
        0x00010203, 0x00040506, kKeyPixel,  0x00112233, 0x00AABBCC, 0x00DDEEFF, //
        0x00070809, 0x000A0B0C, 0x00445566, kKeyPixel,  0x00000000, 0x00FFFFFF, //
    };
    EXPECT_EQ(MenuImagePixels(strip, 6, 2, 0, kKey),
              (std::vector<std::uint32_t>{0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C}));
    // The middle image: key pixels vanish, even with junk in the unused byte.
    strip[2] |= 0x7F000000;
    EXPECT_EQ(MenuImagePixels(strip, 6, 2, 1, kKey),
              (std::vector<std::uint32_t>{0x00000000, 0xFF112233, 0xFF445566, 0x00000000}));
    EXPECT_EQ(MenuImagePixels(strip, 6, 2, 2, kKey),
              (std::vector<std::uint32_t>{0xFFAABBCC, 0xFFDDEEFF, 0xFF000000, 0xFFFFFFFF}));
}

TEST(MenuImagePixels, OutOfRangeRequestsGiveNoImage) {
    std::vector<std::uint32_t> strip(4 * 2, 0x00123456);
    struct {
        int width, size, index;
    } cases[] = {{4, 2, 2}, {4, 2, -1}, {4, 0, 0}, {6, 2, 0} /* strip shorter than its stated width */};
    for (const auto& c : cases)
        EXPECT_TRUE(MenuImagePixels(strip, c.width, c.size, c.index, kKey).empty())
            << c.width << " " << c.size << " " << c.index;
}
