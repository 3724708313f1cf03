// How a skinned frame paints: caption buttons redrawn on their own (a
// button image with transparent parts shows the side under it, never the
// state it had before; with layered sides the frame's own leave, which
// Windows posts at once when the frame asks to watch the pointer that is
// over the top side's window, leaves a lit button lit), and the side parts
// held while the editor replaces the element's images and regions.
#include <windows.h>

#include <memory>

#include "base/win/rect.h"
#include "model/elements/frame_properties.h"
#include "model/elements/wnd_frame.h"
#include "model/platform/image.h"
#include "runtime/frame/alpha_side.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/frame_layout.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr COLORREF kNormal = RGB(0, 0, 200), kHot = RGB(0, 200, 0);
constexpr int kButtonWidth = 16, kButtonHeight = 14;

// A GDI+ image whose left half is opaque `colour` and right half fully
// transparent (or opaque too, with `whole`).
void HalfImage(CTwfObj* element, WORD id, COLORREF colour, bool whole) {
    platform::ImagePixels pixels;
    pixels.width = kButtonWidth;
    pixels.height = kButtonHeight;
    const std::uint32_t argb = 0xFF000000u | (std::uint32_t(GetRValue(colour)) << 16) |
                               (std::uint32_t(GetGValue(colour)) << 8) | GetBValue(colour);
    for (int y = 0; y < kButtonHeight; ++y)
        for (int x = 0; x < kButtonWidth; ++x) pixels.argb.push_back(whole || x < kButtonWidth / 2 ? argb : 0u);
    element->SetGdiplusImage(id, platform::CreateGdiplusBitmapFromPixels(pixels));
}

// The colour of a kept layered bitmap's pixel (alpha dropped).
COLORREF KeptColour(HBITMAP bitmap, int x, int y) {
    DIBSECTION dib{};
    if (GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return CLR_INVALID;
    const int row = dib.dsBmih.biHeight > 0 ? dib.dsBm.bmHeight - 1 - y : y;
    const BYTE* p = static_cast<const BYTE*>(dib.dsBm.bmBits) + row * dib.dsBm.bmWidthBytes + x * 4;
    return RGB(p[2], p[1], p[0]);
}

class FramePaintTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        GetCursorPos(&parked_);
    }
    void TearDown() override {
        SetCursorPos(parked_.x, parked_.y);
        window_.reset();
        RuntimeTest::TearDown();
    }
    CTwfWndFrame* Frame() { return dynamic_cast<CTwfWndFrame*>(Skin().Element(2)); }
    // The close button: normal with a transparent right half, hot opaque.
    void CloseButtonImages() {
        HalfImage(Frame(), frame_props::kCloseImageNormal, kNormal, false);
        HalfImage(Frame(), frame_props::kCloseImageHot, kHot, true);
        Frame()->SetNumberPair(frame_props::kCloseButtonSize, kButtonWidth, kButtonHeight);
        Frame()->SetNumberPair(frame_props::kCloseButtonOffset, 4, 4);
    }
    CFrameSkinWnd* MakeFrame() {
        SkinLoaded();
        EnableSkinning();
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.clientWidth = 300;
        args.clientHeight = 160;
        window_ = std::make_unique<TestWindow>(args);
        hwnd_ = window_->Handle();
        SetForegroundWindow(hwnd_);
        AttachBaseSkinnedObject(hwnd_);
        ApplySkinToWindow(hwnd_, 0);
        Settle();
        return GetFrameSkinWnd(hwnd_);
    }
    // The close button's rectangle in window coordinates, and its centre on
    // the screen.
    Rect CloseRect(CFrameSkinWnd* frame) { return CaptionButtonRect(kCloseButton, frame->ButtonsInput()); }
    POINT OnScreen(int x, int y) {
        RECT wr;
        GetWindowRect(hwnd_, &wr);
        return {wr.left + x, wr.top + y};
    }
    // Waits until the frame's hot button is `button`.
    ::testing::AssertionResult WaitForHot(CFrameSkinWnd* frame, int button) {
        return WaitUntil([&] { return frame->GetHotButton() == button; }, "the hot caption button");
    }

    std::unique_ptr<TestWindow> window_;
    HWND hwnd_ = nullptr;
    POINT parked_{};
};

} // namespace

TEST_F(FramePaintTest, AButtonRedrawnAloneShowsTheSideUnderItsTransparentParts) {
    menubar::BuildMenuBarSkin(Skin());
    CloseButtonImages();
    CFrameSkinWnd* frame = MakeFrame();
    ASSERT_NE(frame, nullptr);
    const Rect close = CloseRect(frame);
    ASSERT_FALSE(close.IsEmpty());
    const int y = (close.top + close.bottom) / 2;
    const int clearX = close.right - 3; // in the normal image's transparent half
    EXPECT_EQ(CaptureWindow(hwnd_).At(clearX, y), menubar::kSide) << "normal: the side shows through";

    MoveCursorTo(OnScreen((close.left + close.right) / 2, y));
    ASSERT_TRUE(WaitForHot(frame, kCloseButton));
    EXPECT_EQ(CaptureWindow(hwnd_).At(clearX, y), kHot) << "hot";

    // Away from the button (still over the caption): drawn normal again, the
    // side under its transparent half and not the hot image's pixels.
    MoveCursorTo(OnScreen(close.left - 100, y));
    ASSERT_TRUE(WaitForHot(frame, kNoButton));
    const PixelBuffer after = CaptureWindow(hwnd_);
    EXPECT_EQ(after.At(close.left + 2, y), kNormal);
    EXPECT_EQ(after.At(clearX, y), menubar::kSide) << "no pixel of the hot state is left";
}

TEST_F(FramePaintTest, WithLayeredSidesTheFramesOwnLeaveKeepsTheLitButton) {
    // Semitransparent sides: the caption shows on the layered top side's
    // window, which hands the frame its mouse moves.
    auto* element = Frame();
    element->SetNumber(frame_props::kTopThickness, 24);
    element->SetNumber(frame_props::kBottomThickness, 6);
    element->SetNumber(frame_props::kLeftThickness, 5);
    element->SetNumber(frame_props::kRightThickness, 7);
    element->SetNumber(frame_props::kSemitransparency, 1);
    element->SetNumber(frame_props::kTextHidden, 1);
    for (auto [side, w, h] : {std::tuple{element->GetTopSide(), 4, 24}, std::tuple{element->GetBottomSide(), 4, 6},
                              std::tuple{element->GetLeftSide(), 5, 4}, std::tuple{element->GetRightSide(), 7, 4}}) {
        HBITMAP bitmap = MakeSolidBitmap(w, h, menubar::kSide);
        side->SetImageBitmap(0, bitmap);
        DeleteObject(bitmap);
        side->SetImageOptions(0, 0, 0, 1);
    }
    CloseButtonImages();
    CFrameSkinWnd* frame = MakeFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    CTWFrameAlphaSide* top = frame->AlphaSide(Side::Top);
    const Rect close = CloseRect(frame);
    // On the normal image's opaque half: a layered window's transparent
    // pixels let the pointer through.
    const POINT centre{close.left + 3, (close.top + close.bottom) / 2};
    MoveCursorTo(OnScreen(centre.x, centre.y));
    ASSERT_TRUE(WaitForHot(frame, kCloseButton));
    ASSERT_EQ(KeptColour(top->KeptBitmap(), close.right - 3, centre.y), kHot);

    // The frame watched for the pointer leaving itself while the pointer is
    // over the top side's window: Windows posts the leave at once (Wine does
    // not), with the pointer still on the button.
    PostMessageW(hwnd_, WM_MOUSELEAVE, 0, 0);
    Settle();
    EXPECT_EQ(frame->GetHotButton(), kCloseButton);
    EXPECT_EQ(KeptColour(top->KeptBitmap(), close.right - 3, centre.y), kHot) << "the button stays lit";

    // The top side's own leave puts it back.
    MoveCursorTo(OnScreen(centre.x, centre.y + 200));
    EXPECT_TRUE(WaitUntil([&] { return KeptColour(top->KeptBitmap(), close.right - 3, centre.y) != kHot; },
                          "the button unlit once the pointer left"));
    EXPECT_EQ(frame->GetHotButton(), kNoButton);
}

TEST_F(FramePaintTest, SidePartsReplacedInTheElementStayDrawableUntilTheRefresh) {
    menubar::BuildMenuBarSkin(Skin());
    CTwfSideFrame* top = Frame()->GetTopSide();
    // A region part on the top side: a region kind taking the sides' outlines.
    Frame()->SetNumber(frame_props::kRegionShape, frame_props::kRegionShapeUser);
    top->SetRegionOptions(0, std::make_shared<CImageRgn>(platform::RegionHandle(CreateRectRgn(0, 0, 4, 24)), 4, 24), 1);
    CFrameSkinWnd* frame = MakeFrame();
    ASSERT_NE(frame, nullptr);
    std::weak_ptr<CMrgBitmap> oldImage = top->GetImageShared(0);
    std::weak_ptr<CImageRgn> oldRegion = top->GetRegionOptions(0)->region;

    // The editor replaces the image and the region; the window is repainted
    // before the refresh reaches it.
    HBITMAP bitmap = MakeSolidBitmap(4, menubar::kTop, RGB(1, 2, 3));
    top->SetImageBitmap(0, bitmap);
    DeleteObject(bitmap);
    top->SetRegionOptions(0, std::make_shared<CImageRgn>(platform::RegionHandle(CreateRectRgn(0, 0, 4, 24)), 4, 24), 1);
    EXPECT_FALSE(oldImage.expired()) << "the painter still holds the image it draws";
    EXPECT_FALSE(oldRegion.expired()) << "and the region it cuts";
    frame->InvalidateFramePicture();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    SetWindowPos(hwnd_, nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    EXPECT_EQ(CaptureWindow(hwnd_).At(60, 3), menubar::kSide) << "drawn from what it collected";

    // The refresh collects the new parts; the old ones go.
    RefreshWindowSkin(hwnd_);
    Settle();
    EXPECT_TRUE(oldImage.expired());
    EXPECT_TRUE(oldRegion.expired());
    EXPECT_EQ(CaptureWindow(hwnd_).At(60, 3), RGB(1, 2, 3));
}
