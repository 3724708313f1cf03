// The paint context's image drawing into a memory DC: nine-part images land
// part by part, tiling repeats from the start, and empty sources draw
// nothing instead of dividing by zero.
#include <gtest/gtest.h>
#include <windows.h>

#include "model/gdiplus_init.h"
#include "model/mrg_bitmap.h"
#include "runtime/draw/draw_engine.h"
#include "runtime/draw/tw_draw.h"
#include "base/win/gdi.h"
#include "tests/harness/capture.h"
#include "tests/harness/synthetic_skin.h"

using namespace hexmoor::test;
using hexmoor::win::Bitmap;
using hexmoor::win::MemoryDC;
using hexmoor::win::SelectGuard;

namespace {

constexpr COLORREF kTL = RGB(255, 0, 0), kT = RGB(0, 255, 0), kTR = RGB(0, 0, 255);
constexpr COLORREF kL = RGB(255, 255, 0), kC = RGB(0, 255, 255), kR = RGB(255, 0, 255);
constexpr COLORREF kBL = RGB(128, 0, 0), kB = RGB(0, 128, 0), kBR = RGB(0, 0, 128);
const NineColours kNine{kTL, kT, kTR, kL, kC, kR, kBL, kB, kBR};

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override { CreateThreadDrawEngine(GetCurrentThreadId()); }
    void TearDown() override { DestroyThreadDrawEngine(GetCurrentThreadId()); }

    // Draws into a fresh width x height canvas filled white; returns its pixels.
    template <typename Draw>
    PixelBuffer Canvas(int width, int height, Draw draw) {
        hexmoor::win::MemoryDC dc(nullptr);
        HDC screen = GetDC(nullptr);
        hexmoor::win::Bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
        hexmoor::win::SelectGuard select(dc.Get(), bitmap.Get());
        PatBlt(dc.Get(), 0, 0, width, height, WHITENESS);
        {
            CTWDraw context(dc.Get(), nullptr, FALSE);
            draw(context);
        }
        return CaptureDC(dc.Get(), 0, 0, width, height);
    }
};

} // namespace

TEST_F(DrawTest, NinePartImageLandsPartByPart) {
    const MrgBitmapParams params{3, 2, 4, 5, 0, 0};
    HBITMAP source = MakeNinePartBitmap(20, 20, params, kNine);
    CMrgBitmap image(source, params.left, params.top, params.right, params.bottom, 0, 0);
    DeleteObject(source);
    const PixelBuffer pixels = Canvas(60, 50, [&](CTWDraw& d) {
        RECT dest{5, 5, 55, 45};
        EXPECT_TRUE(d.DrawSkinImage(&dest, &image, FALSE, nullptr));
    });
    struct Check {
        PixelRect rect;
        COLORREF colour;
    } checks[] = {
        {{5, 5, 8, 7}, kTL},
        {{8, 5, 51, 7}, kT},
        {{51, 5, 55, 7}, kTR},
        {{5, 7, 8, 40}, kL},
        {{8, 7, 51, 40}, kC},
        {{51, 7, 55, 40}, kR},
        {{5, 40, 8, 45}, kBL},
        {{8, 40, 51, 45}, kB},
        {{51, 40, 55, 45}, kBR},
        {{0, 0, 60, 5}, RGB(255, 255, 255)},
        {{55, 0, 60, 50}, RGB(255, 255, 255)},
    };
    for (const Check& c : checks) {
        const ColourCheck result = CheckRect(pixels, c.rect, c.colour);
        EXPECT_TRUE(result.Passed()) << result.Describe(c.colour);
    }
}

TEST_F(DrawTest, AlphaPathDrawsTheSameOpaqueImage) {
    CGdiPlusInit gdiplus;
    const MrgBitmapParams params{3, 3, 3, 3, 0, 0};
    HBITMAP source = MakeNinePartBitmap(12, 12, params, kNine);
    CMrgBitmap image(source, 3, 3, 3, 3, 0, 0);
    DeleteObject(source);
    hexmoor::rt::FadeRecord fade;
    fade.current = 1.0f;
    const PixelBuffer pixels = Canvas(40, 40, [&](CTWDraw& d) {
        RECT dest{0, 0, 40, 40};
        EXPECT_TRUE(d.DrawSkinImage(&dest, &image, FALSE, &fade));
    });
    EXPECT_TRUE(CheckRect(pixels, {0, 0, 3, 3}, kTL).Passed());
    EXPECT_TRUE(CheckRect(pixels, {37, 37, 40, 40}, kBR).Passed());
    EXPECT_TRUE(CheckRect(pixels, {10, 10, 30, 30}, kC).Passed());
}

TEST_F(DrawTest, ZeroFadeAlphaLeavesTheDestinationAsItWas) {
    CGdiPlusInit gdiplus;
    HBITMAP source = MakeSolidBitmap(8, 8, RGB(10, 20, 30));
    CMrgBitmap image(source, 0, 0, 0, 0, 0, 0);
    DeleteObject(source);
    hexmoor::rt::FadeRecord fade;
    fade.current = 0.0f;
    const PixelBuffer pixels = Canvas(20, 20, [&](CTWDraw& d) {
        RECT dest{0, 0, 20, 20};
        d.DrawSkinImage(&dest, &image, FALSE, &fade);
    });
    EXPECT_TRUE(CheckRect(pixels, {0, 0, 20, 20}, RGB(255, 255, 255)).Passed());
}

TEST_F(DrawTest, TilingRepeatsFromTheSourceStartAndEmptySourcesDrawNothing) {
    // A source whose left half is red and right half blue, tiled over 25 px.
    HBITMAP source = MakeNinePartBitmap(10, 4, {5, 0, 5, 0, 0, 0},
                                        {kTL, kTL, kTR, RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255), kBL, kB, kBR});
    const PixelBuffer pixels = Canvas(30, 4, [&](CTWDraw& d) {
        RECT dest{0, 0, 25, 4};
        EXPECT_TRUE(d.TileBitmap(&dest, source, nullptr));
        RECT empty{0, 0, 0, 0};
        RECT anywhere{0, 0, 30, 4};
        RECT zeroWidth{3, 0, 3, 4};
        EXPECT_FALSE(d.TileBitmap(&anywhere, source, &zeroWidth)) << "an empty source part draws nothing";
        EXPECT_FALSE(d.TileBitmap(&empty, source, nullptr));
    });
    DeleteObject(source);
    EXPECT_TRUE(CheckRect(pixels, {0, 0, 5, 4}, RGB(255, 0, 0)).Passed());
    EXPECT_TRUE(CheckRect(pixels, {5, 0, 10, 4}, RGB(0, 0, 255)).Passed());
    EXPECT_TRUE(CheckRect(pixels, {20, 0, 25, 4}, RGB(255, 0, 0)).Passed()) << "the cut piece shows the start";
    EXPECT_TRUE(CheckRect(pixels, {25, 0, 30, 4}, RGB(255, 255, 255)).Passed());
}

TEST_F(DrawTest, EmptyImagesAndMissingEntriesDrawNothing) {
    CMrgBitmap empty;
    const PixelBuffer pixels = Canvas(10, 10, [&](CTWDraw& d) {
        RECT dest{0, 0, 10, 10};
        EXPECT_FALSE(d.DrawSkinImage(&dest, nullptr, FALSE, nullptr));
        EXPECT_FALSE(d.DrawSkinImage(&dest, &empty, FALSE, nullptr));
        EXPECT_FALSE(d.TileImage(&dest, &empty, nullptr));
    });
    EXPECT_TRUE(CheckRect(pixels, {0, 0, 10, 10}, RGB(255, 255, 255)).Passed());
}

TEST_F(DrawTest, BufferedContextCopiesToTheTargetInOneBlitAtItsPlace) {
    const PixelBuffer pixels = Canvas(30, 30, [&](CTWDraw& outer) {
        RECT area{10, 10, 20, 20};
        CTWDraw buffered(outer.GetDrawDC(), &area, TRUE);
        EXPECT_NE(buffered.GetDrawDC(), outer.GetDrawDC());
        RECT whole{10, 10, 20, 20}; // caller coordinates are target coordinates
        buffered.FillSolidRect(&whole, RGB(1, 2, 3));
    });
    EXPECT_TRUE(CheckRect(pixels, {10, 10, 20, 20}, RGB(1, 2, 3)).Passed());
    EXPECT_TRUE(CheckRect(pixels, {0, 0, 30, 10}, RGB(255, 255, 255)).Passed());
}
