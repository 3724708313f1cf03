// The view's background painted on a memory DC: the colour, then the
// picture centred, stretched or tiled by position; other positions show the
// colour alone, and "Invert Color" paints white.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "editor/preview/view/compos_view.h"
#include "model/gdiplus_init.h"
#include "model/mrg_bitmap.h"
#include "runtime/draw/draw_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/synthetic_skin.h"

using namespace hexmoor;
using namespace hexmoor::preview;
using namespace hexmoor::test;

namespace {

constexpr COLORREF kGround = RGB(10, 120, 200), kPicture = RGB(230, 40, 70);

class BackgroundTest : public ::testing::Test {
protected:
    void SetUp() override { CreateThreadDrawEngine(GetCurrentThreadId()); }
    void TearDown() override { DestroyThreadDrawEngine(GetCurrentThreadId()); }

    PixelBuffer Paint(Size size, COLORREF colour, const CMrgBitmap* picture, int position) {
        win::MemoryDC dc(nullptr);
        win::Bitmap bitmap(win::CreateScreenBitmap(size.cx, size.cy));
        win::SelectGuard select(dc.Get(), bitmap.Get());
        PaintBackground(dc.Get(), size, colour, picture, position);
        return CaptureDC(dc.Get(), 0, 0, size.cx, size.cy);
    }
    static std::unique_ptr<CMrgBitmap> Picture(int w, int h) {
        win::Bitmap solid(MakeSolidBitmap(w, h, kPicture));
        return std::make_unique<CMrgBitmap>(solid.Get(), 0, 0, 0, 0, 0, 0);
    }
    static int Count(const PixelBuffer& p, COLORREF c) {
        int n = 0;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) n += (p.At(x, y) & 0xFFFFFF) == c ? 1 : 0;
        return n;
    }
    CGdiPlusInit gdiplus_;
};

} // namespace

TEST_F(BackgroundTest, ThePictureIsCentredStretchedOrTiledOverTheColour) {
    const Size size{31, 21};
    const auto picture = Picture(10, 10);
    PixelBuffer p = Paint(size, kGround, picture.get(), 0);
    EXPECT_EQ(Count(p, kPicture), 100);
    EXPECT_EQ(p.At(10, 5) & 0xFFFFFF, kPicture); // (31 - 10) / 2, (21 - 10) / 2
    EXPECT_EQ(p.At(9, 5) & 0xFFFFFF, kGround);
    EXPECT_EQ(p.At(19, 14) & 0xFFFFFF, kPicture);
    EXPECT_EQ(p.At(20, 15) & 0xFFFFFF, kGround);
    p = Paint(size, kGround, picture.get(), 1);
    EXPECT_EQ(Count(p, kPicture), size.cx * size.cy);
    p = Paint(size, kGround, picture.get(), 2);
    EXPECT_EQ(Count(p, kPicture), size.cx * size.cy);
    p = Paint(size, kGround, picture.get(), 5);
    EXPECT_EQ(Count(p, kGround), size.cx * size.cy);
}

TEST_F(BackgroundTest, AOnePixelTileFillsTheViewAndInvertColourPaintsWhite) {
    const Size size{40, 30};
    const auto dot = Picture(1, 1);
    EXPECT_EQ(Count(Paint(size, kGround, dot.get(), 2), kPicture), size.cx * size.cy);
    EXPECT_EQ(Count(Paint(size, 0xFFFFFFFF, nullptr, 0), RGB(255, 255, 255)), size.cx * size.cy);
    EXPECT_EQ(Count(Paint(size, 0x01000000 | kGround, nullptr, 0), RGB(255, 255, 255)), size.cx * size.cy);
    EXPECT_EQ(Count(Paint(size, kGround, nullptr, 2), kGround), size.cx * size.cy);
}
