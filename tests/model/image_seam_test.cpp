// Image streams through the platform: GDI+ in the Windows tree, the model's
// own codec natively. Both must give back the pixels they were given.
#include <gtest/gtest.h>

#include <cstring>

#include "model/platform/image.h"
#include "tests/model/model_test_env.h"
#include "tests/model/test_images.h"

namespace {

namespace platform = hexmoor::platform;
using model_test::PatternPixels;

class ImageSeamTest : public ModelTest {};

TEST_F(ImageSeamTest, PngKeepsAlphaAndStaysAGdiplusImage) {
    platform::ImagePixels pixels = PatternPixels(7, 5);
    pixels.argb[3] = 0x80402010;
    pixels.argb[9] = 0x00000000;
    auto image = platform::CreateGdiplusBitmapFromPixels(pixels);
    ASSERT_NE(image, nullptr);
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(platform::EncodePng(image.get(), &png));
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');

    platform::DecodedImage decoded = platform::DecodeImageStream(png);
    ASSERT_NE(decoded.png, nullptr);
    EXPECT_EQ(decoded.bitmap, nullptr);
    platform::ImagePixels back;
    ASSERT_TRUE(platform::ReadGdiplusBitmapPixels(decoded.png.get(), &back));
    EXPECT_EQ(back.width, 7);
    EXPECT_EQ(back.height, 5);
    EXPECT_EQ(back.argb[0], pixels.argb[0]);
    EXPECT_EQ(back.argb[3], pixels.argb[3]);
    EXPECT_EQ(back.argb[9] >> 24, 0u);
    EXPECT_EQ(back.argb[34], pixels.argb[34]);
}

TEST_F(ImageSeamTest, BmpBecomesAnOpaqueBitmap) {
    auto bitmap = platform::CreateBitmapFromPixels(PatternPixels(6, 3));
    std::vector<std::uint8_t> bmp;
    ASSERT_TRUE(platform::EncodeBmp(bitmap.Get(), &bmp));
    EXPECT_EQ(bmp[0], 'B');
    platform::DecodedImage decoded = platform::DecodeImageStream(bmp);
    ASSERT_NE(decoded.bitmap, nullptr);
    EXPECT_EQ(decoded.png, nullptr);
    platform::ImagePixels back;
    ASSERT_TRUE(platform::ReadBitmapPixels(decoded.bitmap.Get(), &back));
    ASSERT_EQ(back.argb.size(), 18u);
    for (std::size_t i = 0; i < back.argb.size(); ++i) {
        EXPECT_EQ(back.argb[i] & 0xFFFFFF, PatternPixels(6, 3).argb[i] & 0xFFFFFF) << i;
    }
}

TEST_F(ImageSeamTest, GarbageDoesNotDecode) {
    const std::vector<std::vector<std::uint8_t>> inputs = {
        {},
        {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A},
        {'B', 'M', 0, 0, 0, 0},
        std::vector<std::uint8_t>(64, 0xAB),
    };
    for (const auto& input : inputs) {
        EXPECT_FALSE(platform::DecodeImageStream(input)) << input.size();
    }
}

TEST_F(ImageSeamTest, PackedDibBecomesA32BitBitmap) {
    std::vector<std::uint8_t> dib(40 + 8, 0);
    BITMAPINFOHEADER header{40, 2, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(dib.data(), &header, 40);
    dib[40] = 0xFF; // blue, then green
    dib[44] = 0xFF;
    auto bitmap = platform::DecodePackedDib(dib);
    ASSERT_NE(bitmap, nullptr);
    platform::ImagePixels back;
    ASSERT_TRUE(platform::ReadBitmapPixels(bitmap.Get(), &back));
    EXPECT_EQ(back.argb, (std::vector<std::uint32_t>{0xFF0000FF, 0xFF00FF00}));
    EXPECT_EQ(platform::DecodePackedDib(std::span(dib).first(47)), nullptr);
}

} // namespace
