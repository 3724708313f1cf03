// The Windows forms of the colour adjustment: GDI+ bitmaps locked in 32-bit
// ARGB and GDI bitmaps read into DIB sections.

#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "model/hsl/color_hsl.h"
#include "model/hsl/color_hsl_win.h"

namespace {

class HslGdiplus : public ::testing::Test {
protected:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override {
        if (token_) Gdiplus::GdiplusShutdown(token_);
    }

private:
    ULONG_PTR token_ = 0;
};

using Pixels = std::vector<std::uint32_t>;

std::unique_ptr<Gdiplus::Bitmap> MakeArgb(int width, int height, const Pixels& pixels) {
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
    Gdiplus::Rect rect(0, 0, width, height);
    Gdiplus::BitmapData data{};
    EXPECT_EQ(bitmap->LockBits(&rect, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data), Gdiplus::Ok);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            static_cast<std::uint32_t*>(data.Scan0)[y * data.Stride / 4 + x] = pixels[std::size_t(y) * width + x];
    bitmap->UnlockBits(&data);
    return bitmap;
}

Pixels ReadArgb(Gdiplus::Bitmap* bitmap) {
    const int width = static_cast<int>(bitmap->GetWidth()), height = static_cast<int>(bitmap->GetHeight());
    Gdiplus::Rect rect(0, 0, width, height);
    Gdiplus::BitmapData data{};
    Pixels out;
    if (bitmap->LockBits(&rect, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.push_back(static_cast<std::uint32_t*>(data.Scan0)[y * data.Stride / 4 + x]);
    bitmap->UnlockBits(&data);
    return out;
}

// A bottom-up 32-bit DIB section filled from top-down pixels.
HBITMAP MakeDib(int width, int height, const Pixels& pixels, WORD bits = 32) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    void* data = nullptr;
    HBITMAP dib = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0);
    if (!dib) return nullptr;
    // Write through SetDIBits in 32 bits whatever the section's depth.
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biHeight = -height;
    HDC dc = ::GetDC(nullptr);
    ::SetDIBits(dc, dib, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    return dib;
}

Pixels ReadDib(HBITMAP dib) {
    BITMAP bm{};
    ::GetObjectW(dib, sizeof bm, &bm);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Pixels out(std::size_t(bm.bmWidth) * bm.bmHeight);
    HDC dc = ::GetDC(nullptr);
    ::GetDIBits(dc, dib, 0, bm.bmHeight, out.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    return out;
}

const Pixels kSource = {0xFFFF0000u, 0x80FF0000u, 0x00FF0000u,  // red at three alphas
                        0xFF808080u, 0xFF0E0000u, 0xFF00000Eu}; // grey, dark colours

TEST_F(HslGdiplus, BitmapIsAdjustedPixelByPixel) {
    auto src = MakeArgb(3, 2, kSource);
    auto dst = MakeArgb(3, 2, Pixels(6, 0x12345678u));
    ASSERT_TRUE(CColorHSL_TW().TransformBitmap(dst.get(), src.get(), 120, 0, 0, 50));
    EXPECT_EQ(ReadArgb(dst.get()),
              (Pixels{0x7F00FF00u, 0x4000FF00u, 0x0000FF00u, 0x7F808080u, 0x7F000E00u, 0x7F0E0000u}));
    // The source is only read.
    EXPECT_EQ(ReadArgb(src.get()), kSource);
}

TEST_F(HslGdiplus, NeutralValuesCopyAScaledResolutionImageExactly) {
    // A 72-dpi image is drawn larger by a resolution-aware copy; locking the
    // bits copies it pixel for pixel.
    Pixels pixels(16 * 16);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0x01000000u * (i % 256) + 0x00010203u * (i % 61);
    auto src = MakeArgb(16, 16, pixels);
    src->SetResolution(72.0f, 72.0f);
    auto dst = MakeArgb(16, 16, Pixels(256, 0));
    ASSERT_TRUE(CColorHSL().AdjustBitmapHSL(dst.get(), src.get(), HSLValues()));
    EXPECT_EQ(ReadArgb(dst.get()), pixels);
}

TEST_F(HslGdiplus, DestinationSizeIsChecked) {
    auto src = MakeArgb(3, 2, kSource);
    for (auto [w, h] : {std::pair{2, 2}, std::pair{3, 1}}) {
        auto small = MakeArgb(w, h, Pixels(std::size_t(w) * h, 0x11111111u));
        EXPECT_FALSE(CColorHSL_TW().TransformBitmap(small.get(), src.get(), 120, 0, 0, 100));
        EXPECT_EQ(ReadArgb(small.get()), Pixels(std::size_t(w) * h, 0x11111111u));
    }
    // A larger destination receives the source in its top-left corner.
    auto large = MakeArgb(4, 3, Pixels(12, 0x11111111u));
    ASSERT_TRUE(CColorHSL_TW().TransformBitmap(large.get(), src.get(), 0, 0, 0, 100));
    const Pixels expected = {kSource[0], kSource[1],  kSource[2],  0x11111111u, kSource[3],  kSource[4],
                             kSource[5], 0x11111111u, 0x11111111u, 0x11111111u, 0x11111111u, 0x11111111u};
    EXPECT_EQ(ReadArgb(large.get()), expected);
    EXPECT_FALSE(CColorHSL_TW().TransformBitmap(nullptr, src.get(), 0, 0, 0, 100));
    EXPECT_FALSE(CColorHSL_TW().TransformBitmap(large.get(), nullptr, 0, 0, 0, 100));
}

TEST_F(HslGdiplus, BitmapCanBeAdjustedInPlace) {
    auto bitmap = MakeArgb(3, 2, kSource);
    ASSERT_TRUE(CColorHSL_TW().TransformBitmap(bitmap.get(), bitmap.get(), -120, 0, 0, 100));
    EXPECT_EQ(ReadArgb(bitmap.get())[0], 0xFF0000FFu);
}

TEST_F(HslGdiplus, GdiBitmapCountsAsOpaqueAndIsComposedOnWhite) {
    // The fourth byte of a GDI bitmap is no alpha: every pixel starts opaque,
    // the opacity makes it partly transparent, and the result is that drawn
    // on white, opaque again.
    HBITMAP src = MakeDib(3, 2, kSource);
    ASSERT_NE(src, nullptr);
    HBITMAP out = nullptr;
    ASSERT_TRUE(CColorHSL_TW().TransformHBitmap(out, src, 120, 0, 0, 100));
    EXPECT_EQ(ReadDib(out), (Pixels{0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u, 0xFF808080u, 0xFF000E00u, 0xFF0E0000u}));
    ::DeleteObject(out);

    // Opacity 50: alpha 127, so a channel c becomes (127 c + 255 * 128) / 255.
    ASSERT_TRUE(CColorHSL().AdjustHBitmapHSL(out, src, HSLValues(120, 0, 0, 50)));
    EXPECT_EQ(ReadDib(out), (Pixels{0xFF80FF80u, 0xFF80FF80u, 0xFF80FF80u, 0xFFC0C0C0u, 0xFF808780u, 0xFF878080u}));
    ::DeleteObject(out);

    ASSERT_TRUE(CColorHSL().AdjustHBitmapHSL(out, src, HSLValues(0, 0, 0, 0)));
    EXPECT_EQ(ReadDib(out), Pixels(6, 0xFFFFFFFFu));
    ::DeleteObject(out);

    ASSERT_TRUE(CColorHSL().AdjustHBitmapHSL(out, src, HSLValues()));
    EXPECT_EQ(ReadDib(out), (Pixels{0xFFFF0000u, 0xFFFF0000u, 0xFFFF0000u, 0xFF808080u, 0xFF0E0000u, 0xFF00000Eu}));
    ::DeleteObject(out);
    ::DeleteObject(src);
}

// A DIB section of any depth, with a palette of varied colours below 16 bits.
HBITMAP MakeDibOfDepth(int width, int height, WORD bits, std::uint32_t seed) {
    std::vector<unsigned char> buffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = bits;
    info->bmiHeader.biCompression = BI_RGB;
    std::mt19937 random(seed);
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t c = random();
        info->bmiColors[i] = RGBQUAD{BYTE(c), BYTE(c >> 8), BYTE(c >> 16), 0};
    }
    void* data = nullptr;
    HBITMAP dib = ::CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &data, nullptr, 0);
    if (!dib) return nullptr;
    BITMAP bm{};
    ::GetObjectW(dib, sizeof bm, &bm);
    auto* bytes = static_cast<unsigned char*>(data);
    for (std::size_t i = 0; i < std::size_t(bm.bmWidthBytes) * height; ++i) bytes[i] = BYTE(random());
    return dib;
}

TEST_F(HslGdiplus, GdiBitmapsOfEveryDepthGiveTheScalarPixelsOpaque) {
    // Odd widths, so that rows end inside a group of vector lanes.
    const HSLValues values[] = {HSLValues(35, 20, -10, 100), HSLValues(-120, -40, 15, 80)};
    for (WORD bits : {1, 4, 8, 16, 24, 32}) {
        for (int width : {1, 7, 13}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, width " << width);
            HBITMAP src = MakeDibOfDepth(width, 5, bits, bits * 100 + width);
            ASSERT_NE(src, nullptr);
            const Pixels source = ReadDib(src);
            for (const HSLValues& v : values) {
                HBITMAP out = nullptr;
                ASSERT_TRUE(CColorHSL().AdjustHBitmapHSL(out, src, v));
                Pixels expected;
                hsl::PixelAdjuster scalar(v, hsl::BatchPath::kScalar);
                for (std::uint32_t p : source) expected.push_back(scalar.AdjustPixel(p | 0xFF000000u));
                hsl::ComposeOnWhite({expected.data(), width, 5, std::ptrdiff_t(width) * 4});
                EXPECT_EQ(ReadDib(out), expected);
                ::DeleteObject(out);
            }
            ::DeleteObject(src);
        }
    }
}

TEST_F(HslGdiplus, GdiBitmapOfAnotherDepthOrNoneAtAll) {
    HBITMAP src = MakeDib(3, 2, kSource, 24);
    ASSERT_NE(src, nullptr);
    HBITMAP out = nullptr;
    ASSERT_TRUE(CColorHSL_TW().TransformHBitmap(out, src, 120, 0, 0, 100));
    const Pixels adjusted = ReadDib(out);
    ASSERT_EQ(adjusted.size(), 6u);
    EXPECT_EQ(adjusted[0] & 0x00FFFFFFu, 0x0000FF00u);
    ::DeleteObject(out);
    ::DeleteObject(src);

    HBITMAP none = reinterpret_cast<HBITMAP>(::GetStockObject(BLACK_BRUSH));
    EXPECT_FALSE(CColorHSL_TW().TransformHBitmap(out, none, 120, 0, 0, 100));
    EXPECT_EQ(out, nullptr);
    EXPECT_FALSE(CColorHSL_TW().TransformHBitmap(out, nullptr, 120, 0, 0, 100));
}

} // namespace
