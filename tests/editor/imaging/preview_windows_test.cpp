// The colour swatch, the ruler and the two preview views as real windows:
// what they paint is read back from the screen (never text pixels).
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "editor/imaging/color_swatch.h"
#include "editor/imaging/image_control.h"
#include "editor/imaging/preview_views.h"
#include "editor/imaging/ruler.h"
#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "model/platform/region.h"
#include "tests/harness/capture.h"
#include "tests/harness/test_window.h"

namespace hexmoor::preview {
namespace {

using test::CaptureClient;
using test::PixelBuffer;

class PreviewWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus_.IsStarted()); }
    CGdiPlusInit gdiplus_;
};

platform::BitmapHandle Solid(int width, int height, std::uint32_t argb) {
    return platform::CreateBitmapFromPixels(
        platform::ImagePixels{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, argb)});
}

TEST_F(PreviewWindows, SwatchShowsToleranceBandsAndFrame) {
    test::TestWindow host({.clientWidth = 160, .clientHeight = 40});
    ColorSwatch swatch;
    ASSERT_TRUE(swatch.Create(host.Handle(), RECT{10, 10, 138, 30}, 1067, L"TolerColor"));
    swatch.SetColor(0x808080);
    swatch.SetTolerance(64, 64, 64);
    swatch.Repaint();
    host.PaintNow();
    const PixelBuffer shot = CaptureClient(swatch.Handle());
    EXPECT_EQ(shot.At(0, 0), 0u); // black frame
    for (int i = 1; i < 63; ++i) {
        const std::uint32_t grey = static_cast<std::uint32_t>(64 + 2 * i);
        EXPECT_EQ(shot.At(2 * i + 1, 10), grey | (grey << 8) | (grey << 16)) << i;
    }
    EXPECT_EQ(swatch.GetSecondColor(), 0x404040u);
    swatch.SetSolid(true);
    swatch.SetColor(0x0000FF);
    swatch.Repaint();
    EXPECT_EQ(CaptureClient(swatch.Handle()).At(60, 10), 0x0000FFu);
}

TEST_F(PreviewWindows, RulerMarkerIsErasedAndForgotten) {
    test::TestWindow host({.clientWidth = 220, .clientHeight = 40});
    Ruler ruler;
    ASSERT_TRUE(ruler.Create(host.Handle(), 2, Ruler::Orientation::Horizontal, 1));
    ::MoveWindow(ruler.Handle(), 0, 0, 200, 17, TRUE);
    ruler.Repaint();
    host.PaintNow();
    const PixelBuffer before = CaptureClient(ruler.Handle());
    auto screen = [&](int x) {
        POINT p{x, 5};
        ::ClientToScreen(ruler.Handle(), &p);
        return p;
    };
    auto inverted = [&](const PixelBuffer& shot, int x) {
        for (int y = 1; y < 16; ++y) {
            if (shot.At(x, y) != (~before.At(x, y) & 0xFFFFFF)) return false;
        }
        return true;
    };
    POINT p = screen(60);
    ruler.TrackMarker(p.x, p.y);
    EXPECT_TRUE(inverted(CaptureClient(ruler.Handle()), 60));
    p = screen(70);
    ruler.TrackMarker(p.x, p.y);
    PixelBuffer shot = CaptureClient(ruler.Handle());
    EXPECT_TRUE(inverted(shot, 70));
    EXPECT_EQ(shot.At(60, 8), before.At(60, 8));
    // The zoomer's (-1, -1) takes the marker away and forgets it.
    ruler.TrackMarker(-1, -1);
    EXPECT_EQ(ruler.MarkerPosition(), -1);
    shot = CaptureClient(ruler.Handle());
    for (int y = 1; y < 16; ++y) EXPECT_EQ(shot.At(70, y), before.At(70, y)) << y;
    // So does switching the marker off.
    p = screen(90);
    ruler.TrackMarker(p.x, p.y);
    ruler.EnableMarker(false);
    shot = CaptureClient(ruler.Handle());
    for (int y = 1; y < 16; ++y) EXPECT_EQ(shot.At(90, y), before.At(90, y)) << y;
    // A marker right after a repaint does not invert the old place again.
    ruler.EnableMarker(true);
    p = screen(100);
    ruler.TrackMarker(p.x, p.y);
    ruler.Repaint();
    p = screen(110);
    ruler.TrackMarker(p.x, p.y);
    shot = CaptureClient(ruler.Handle());
    EXPECT_EQ(shot.At(100, 8), before.At(100, 8));
    EXPECT_TRUE(inverted(shot, 110));
    // A zoom of 0 paints a plain ruler without ticks.
    ruler.SetZoom(0);
    ruler.Repaint();
    shot = CaptureClient(ruler.Handle());
    for (int x = 1; x < 199; ++x) EXPECT_EQ(shot.At(x, 14), 0xC0C0C0u) << x;
}

TEST_F(PreviewWindows, PictureBoxFitsAndCentres) {
    test::TestWindow host({.clientWidth = 240, .clientHeight = 240});
    PreviewImage view;
    ASSERT_TRUE(view.Create(host.Handle(), RECT{0, 0, 200, 200}, 1234, WS_CHILD | WS_VISIBLE));
    const platform::BitmapHandle small = Solid(100, 50, 0xFFFF0000);
    ASSERT_EQ(view.SetBitmap(small.Get()), 1);
    host.PaintNow();
    PixelBuffer shot = CaptureClient(view.Handle());
    EXPECT_EQ(shot.At(50, 75), 0x0000FFu); // red, top-left at (50, 75)
    EXPECT_EQ(shot.At(149, 124), 0x0000FFu);
    EXPECT_EQ(shot.At(49, 74), 0xFFFFFFu);
    EXPECT_EQ(shot.At(150, 125), 0xFFFFFFu);
    EXPECT_NE(view.GetBitmapHandle(), nullptr);

    const platform::BitmapHandle wide = Solid(400, 100, 0xFF00FF00);
    view.SetBitmap(wide.Get());
    view.SetBackgroundColor(0x00FFFF);
    shot = CaptureClient(view.Handle());
    EXPECT_EQ(shot.At(0, 75), 0x00FF00u); // 200 x 50 filling the width
    EXPECT_EQ(shot.At(199, 124), 0x00FF00u);
    EXPECT_EQ(shot.At(100, 74), 0x00FFFFu);
    EXPECT_EQ(shot.At(100, 125), 0x00FFFFu);

    // A GDI+ image has no GDI bitmap handle; null clears the view.
    auto gdiplus = platform::CreateGdiplusBitmapFromPixels(
        platform::ImagePixels{4, 4, std::vector<std::uint32_t>(16, 0xFF0000FF)});
    CMrgBitmap entry(std::move(gdiplus), MrgBitmapParams{});
    EXPECT_EQ(view.SetMrgBitmap(&entry), 1);
    EXPECT_EQ(view.GetBitmapHandle(), nullptr);
    EXPECT_EQ(view.SetMrgBitmap(nullptr), 0);
    shot = CaptureClient(view.Handle());
    EXPECT_EQ(shot.At(100, 100), 0x00FFFFu);
}

TEST_F(PreviewWindows, RegionViewPaintsTheRegionCentred) {
    test::TestWindow host({.clientWidth = 60, .clientHeight = 60});
    PreviewRegion view;
    ASSERT_TRUE(view.Create(host.Handle(), RECT{0, 0, 30, 30}, 6003, WS_CHILD | WS_VISIBLE));
    CImageRgn region(platform::CreateRectRegion(2, 2, 6, 6), 10, 10);
    view.SetRegion(&region, SIZE{10, 10});
    host.PaintNow();
    const PixelBuffer shot = CaptureClient(view.Handle());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(shot.At(10, 10), face);             // canvas corner at (10, 10)
    EXPECT_EQ(shot.At(13, 13), ~face & 0xFFFFFF); // inside the region
    EXPECT_EQ(shot.At(2, 2), ::GetSysColor(COLOR_WINDOW));
    ASSERT_NE(view.GetRegion(), nullptr);
    EXPECT_EQ(view.GetRegion()->GetWidth(), 10);
    view.SetRegion(nullptr, SIZE{0, 0});
    EXPECT_EQ(view.GetRegion(), nullptr);
    EXPECT_EQ(CaptureClient(view.Handle()).At(13, 13), ::GetSysColor(COLOR_WINDOW));
}

} // namespace
} // namespace hexmoor::preview

namespace hexmoor::preview {
namespace {

TEST_F(PreviewWindows, ImageControlPansWithinHalfTheOverhang) {
    test::TestWindow host({.clientWidth = 260, .clientHeight = 160});
    MrgBitmapControl control;
    ASSERT_TRUE(control.Create(host.Handle(), RECT{0, 0, 217, 117}, 1, true));
    // 301 x 50 red with a blue column at x = 150: 101 wider than the canvas.
    platform::ImagePixels pixels{301, 50, std::vector<std::uint32_t>(301 * 50, 0xFFFF0000)};
    for (int y = 0; y < 50; ++y) pixels.argb[y * 301 + 150] = 0xFF0000FF;
    CMrgBitmap image(platform::CreateBitmapFromPixels(pixels), MrgBitmapParams{});
    control.SetMrgBitmap(&image);
    EXPECT_EQ(control.GetImageSize().cx, 301);
    MrgBitmapCanvas& canvas = control.Canvas();
    EXPECT_TRUE(canvas.CanPan());
    HWND view = canvas.Handle();
    auto blueColumn = [&] {
        ::RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const PixelBuffer shot = CaptureClient(view);
        for (int x = 0; x < shot.Width(); ++x) {
            if (shot.At(x, 50) == 0xFF0000u) return x;
        }
        return -1;
    };
    EXPECT_EQ(blueColumn(), 100); // centred: left edge at -50
    EXPECT_EQ(control.HorizontalRuler()->Start(), 50);
    ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
    ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 60)); // y cannot move: the image fits
    EXPECT_EQ(canvas.PanOffset(), (Point{30, 0}));
    EXPECT_EQ(blueColumn(), 130);
    EXPECT_EQ(control.HorizontalRuler()->Start(), 20);
    ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(151, 60)); // 51 would pass the limit
    EXPECT_EQ(canvas.PanOffset(), (Point{30, 0}));
    // The refused move still counts as the last point: back 51 pixels from it.
    ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 60));
    EXPECT_EQ(canvas.PanOffset(), (Point{-21, 0}));
    ::SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
    EXPECT_NE(::GetCapture(), view);
    // The ruler marker follows the mouse.
    EXPECT_EQ(control.HorizontalRuler()->MarkerPosition(), 100 + 17 - 16);

    // A new image starts unpanned; a small one cannot move.
    CMrgBitmap smallImage(
        platform::CreateBitmapFromPixels(platform::ImagePixels{20, 20, std::vector<std::uint32_t>(400, 0xFF00FF00)}),
        MrgBitmapParams{});
    control.SetMrgBitmap(&smallImage);
    EXPECT_EQ(canvas.PanOffset(), (Point{0, 0}));
    EXPECT_FALSE(canvas.CanPan());
    ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 40));
    ::SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    EXPECT_EQ(canvas.PanOffset(), (Point{0, 0}));
    // Null hides the canvas and reports no size.
    control.SetMrgBitmap(nullptr);
    EXPECT_FALSE(::IsWindowVisible(view));
    EXPECT_EQ(control.GetImageSize().cx, 0);
    EXPECT_EQ(control.GetImageSize().cy, 0);
}

} // namespace
} // namespace hexmoor::preview
