// Image entries whose GDI+ image is not 32 bpp ARGB: an adjustment makes an
// ARGB image, and the undo gives back the saved image in its own format.

#include <memory>

#include <gtest/gtest.h>

#include "model/gdiplus_init.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"

namespace {

namespace platform = hexmoor::platform;

TEST(HslMrgBitmapWin, OtherPixelFormatsComeBackInTheirOwnFormat) {
    CGdiPlusInit gdiplus;
    ASSERT_TRUE(gdiplus.IsStarted());
    for (Gdiplus::PixelFormat format : {PixelFormat24bppRGB, PixelFormat32bppPARGB, PixelFormat32bppRGB}) {
        SCOPED_TRACE(format);
        auto* image = new Gdiplus::Bitmap(3, 2, format);
        for (int x = 0; x < 3; ++x) {
            image->SetPixel(x, 0, Gdiplus::Color(255, 255, 0, 0));
            image->SetPixel(x, 1, Gdiplus::Color(255, 0, 0, 14));
        }
        CMrgBitmap entry(platform::GdiplusBitmapHandle(image), MrgBitmapParams{1, 1, 1, 1, 0, 0});
        platform::ImagePixels original;
        ASSERT_TRUE(entry.ReadPixels(&original));
        entry.SaveCopy();

        ASSERT_EQ(entry.ApplyHSL(120, 0, 0, 100), 1);
        ASSERT_TRUE(entry.IsGdiplus());
        EXPECT_EQ(entry.GetGdiplusBitmap()->GetPixelFormat(), PixelFormat32bppARGB);
        platform::ImagePixels adjusted;
        ASSERT_TRUE(entry.ReadPixels(&adjusted));
        EXPECT_EQ(adjusted.argb[0], 0xFF00FF00u);
        EXPECT_EQ(adjusted.argb[3], 0xFF0E0000u);

        ASSERT_EQ(entry.ApplyHSL(0, 0, 0, 100), 1);
        EXPECT_EQ(entry.GetGdiplusBitmap()->GetPixelFormat(), format);
        platform::ImagePixels undone;
        ASSERT_TRUE(entry.ReadPixels(&undone));
        EXPECT_EQ(undone.argb, original.argb);
    }
}

} // namespace
