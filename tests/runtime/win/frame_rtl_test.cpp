// Right-to-left frames under Wine: a frame with WS_EX_LAYOUTRTL shows its
// whole non-client area mirrored — the left side's images on the right edge,
// the top side's parts from right to left, the caption buttons at the left —
// and answers hit tests where it draws them.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <vector>

#include "base/win/rect.h"
#include "model/elements/wnd_frame.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/frame_layout.h"
#include "runtime/window_rects.h"
#include "tests/harness/capture.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/runtime/win/mirrored_text.h"
#include "tests/runtime/win/real_drag.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr int kTop = 24, kBottom = 6, kLeft = 5, kRight = 9;
constexpr int kTopHead = 12; // the top side's first part, at natural width
constexpr COLORREF kTopHeadColour = RGB(240, 20, 20), kTopColour = RGB(120, 20, 20);
constexpr COLORREF kBottomColour = RGB(20, 200, 20), kLeftColour = RGB(20, 20, 220), kRightColour = RGB(220, 220, 20);
constexpr COLORREF kCloseColour = RGB(250, 130, 200);

class FrameRtlTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        // Active and inactive alike: the mirroring is what is looked at.
        CTwfWndFrame* frame = BuildSolidFrame(Skin(), {kTop,
                                                       kBottom,
                                                       kLeft,
                                                       kRight,
                                                       {kTopColour, kTopColour},
                                                       {kBottomColour, kBottomColour},
                                                       {kLeftColour, kLeftColour},
                                                       {kRightColour, kRightColour}});
        // The top side's first part at its natural width, before the stretched rest.
        for (WORD base : {WORD(0), frame_id::kInactive}) {
            SideImage(frame->GetTopSide(), base, kTopHead, kTop, kTopHeadColour, kSideBlit);
            SideImage(frame->GetTopSide(), WORD(base + 1), 4, kTop, kTopColour);
        }
        SolidCaptionButtons(Skin(), {20, 18, 4, 3}, {}, {}, {}, kCloseColour);
        SkinLoaded();
        EnableSkinning();
    }
    CFrameSkinWnd* Skinned(HWND hwnd) {
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return GetFrameSkinWnd(hwnd);
    }
    static TestWindowArgs Args(DWORD ex) {
        TestWindowArgs args;
        args.style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;
        args.exStyle = ex;
        args.clientWidth = 300;
        args.clientHeight = 160;
        return args;
    }
};

} // namespace

namespace {

struct Expectation {
    const char* what;
    Rect rect; // as the screen shows the window
    COLORREF colour;
};

// Where each side part and the close button show, for a frame of width W
// and height H, left to right or mirrored.
std::vector<Expectation> Expected(CFrameSkinWnd* frame, bool rtl) {
    RECT wr;
    GetWindowRect(frame->GetSafeHwnd(), &wr);
    const int W = wr.right - wr.left, H = wr.bottom - wr.top;
    auto shown = [&](const Rect& r) { return rtl ? MirrorInWidth(r, W) : r; };
    const Rect close = CaptionButtonRect(kCloseButton, frame->ButtonsInput());
    return {
        {"left side", shown({0, kTop, kLeft, H - kBottom}), kLeftColour},
        {"right side", shown({W - kRight, kTop, W, H - kBottom}), kRightColour},
        {"bottom", {0, H - kBottom, W, H}, kBottomColour},
        {"top's first part", shown({0, 0, kTopHead, kTop}), kTopHeadColour},
        {"top's stretched part", shown({kTopHead, 0, close.left, kTop}), kTopColour},
        {"close button", shown(close), kCloseColour},
    };
}

::testing::AssertionResult ShowsMirroredOrNot(CFrameSkinWnd* frame, bool rtl) {
    const PixelBuffer pixels = CaptureAsShown(frame->GetSafeHwnd());
    for (const Expectation& e : Expected(frame, rtl)) {
        const ColourCheck check = CheckRect(pixels, {e.rect.left, e.rect.top, e.rect.right, e.rect.bottom}, e.colour);
        if (!check.Passed())
            return ::testing::AssertionFailure()
                   << (rtl ? "right to left, " : "left to right, ") << e.what << " [" << e.rect.left << ","
                   << e.rect.top << "," << e.rect.right << "," << e.rect.bottom << "]: " << check.Describe(e.colour);
    }
    // Nothing else outside the client area.
    const RECT client = ClientRectInWindow(frame->GetSafeHwnd());
    const COLORREF allowed[] = {kTopHeadColour, kTopColour, kBottomColour, kLeftColour, kRightColour, kCloseColour};
    long foreign = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            if (PtInRect(&client, {x, y})) continue;
            if (std::find(std::begin(allowed), std::end(allowed), pixels.At(x, y)) == std::end(allowed)) ++foreign;
        }
    if (foreign) return ::testing::AssertionFailure() << foreign << " foreign pixels";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(FrameRtlTest, ARightToLeftFrameShowsMirroredAroundAClientAreaWhereItShows) {
    for (DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        const bool rtl = ex != 0;
        TestWindow window(Args(ex));
        HWND hwnd = window.Handle();
        CFrameSkinWnd* frame = Skinned(hwnd);
        ASSERT_NE(frame, nullptr);
        window.PaintNow();
        Settle();
        // The client area leaves room for the border that shows on each edge.
        const RECT client = ClientRectInWindow(hwnd);
        EXPECT_EQ(client.left, rtl ? kRight : kLeft);
        EXPECT_EQ(client.right - client.left, 300);
        EXPECT_TRUE(ShowsMirroredOrNot(frame, rtl));

        // Hit tests answer where things show.
        RECT wr;
        GetWindowRect(hwnd, &wr);
        const int W = wr.right - wr.left;
        const Rect close = CaptionButtonRect(kCloseButton, frame->ButtonsInput());
        const Rect closeShown = rtl ? MirrorInWidth(close, W) : close;
        auto hit = [&](int x, int y) {
            return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y));
        };
        EXPECT_EQ(hit((closeShown.left + closeShown.right) / 2, (close.top + close.bottom) / 2), HTCLIENT) << rtl;
        EXPECT_EQ(hit(W / 2, kTop / 2), HTCAPTION) << rtl;
        EXPECT_EQ(hit((client.left + client.right) / 2, (client.top + client.bottom) / 2), HTCLIENT) << rtl;

        // Repaints after the system's own triggers stay mirrored.
        SendMessageW(hwnd, WM_NCACTIVATE, FALSE, 0);
        SendMessageW(hwnd, WM_NCACTIVATE, TRUE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, W + 40, wr.bottom - wr.top + 20, SWP_NOMOVE | SWP_NOZORDER);
        Settle();
        EXPECT_TRUE(ShowsMirroredOrNot(frame, rtl)) << "after activation and resize";
    }
}

// The sizing edges answer as the screen shows them: the border showing on the
// screen's left is as wide as the side drawn there (the right side's images in
// a mirrored frame), and its code is the one Wine's own frame gives there,
// which Wine's sizing loop moves.
TEST_F(FrameRtlTest, SizingEdgesAnswerWhereTheyShowAndWinesLoopMovesTheEdgeGrabbed) {
    POINT parked;
    GetCursorPos(&parked);
    for (DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        const bool rtl = ex != 0;
        // Wine's own answers for an unskinned frame of the same styles.
        TestWindow plain(Args(ex));
        RECT pr;
        GetWindowRect(plain.Handle(), &pr);
        const int py = (pr.top + pr.bottom) / 2;
        const LRESULT systemLeft = SendMessageW(plain.Handle(), WM_NCHITTEST, 0, MAKELPARAM(pr.left + 1, py));
        const LRESULT systemRight = SendMessageW(plain.Handle(), WM_NCHITTEST, 0, MAKELPARAM(pr.right - 2, py));
        EXPECT_EQ(systemLeft, HTLEFT) << rtl;
        EXPECT_EQ(systemRight, HTRIGHT) << rtl;

        TestWindow window(Args(ex));
        HWND hwnd = window.Handle();
        SetForegroundWindow(hwnd);
        ASSERT_NE(Skinned(hwnd), nullptr);
        RECT wr;
        GetWindowRect(hwnd, &wr);
        const int W = wr.right - wr.left, y = (wr.bottom - wr.top) / 2;
        const int shownLeft = rtl ? kRight : kLeft, shownRight = rtl ? kLeft : kRight;
        auto hit = [&](int x) { return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y)); };
        EXPECT_EQ(hit(0), systemLeft) << rtl;
        EXPECT_EQ(hit(shownLeft - 1), systemLeft) << rtl << ": the whole border showing at the left";
        EXPECT_EQ(hit(shownLeft), HTCLIENT) << rtl;
        EXPECT_EQ(hit(W - 1), systemRight) << rtl;
        EXPECT_EQ(hit(W - shownRight), systemRight) << rtl << ": the whole border showing at the right";
        EXPECT_EQ(hit(W - shownRight - 1), HTCLIENT) << rtl;

        // A real drag of the border showing at the left moves the left edge.
        std::atomic<bool> done{false};
        DragFromHelper({wr.left + 1, wr.top + y}, {6, 0}, done);
        PumpUntilDragged(done);
        Settle();
        RECT end;
        GetWindowRect(hwnd, &end);
        EXPECT_EQ(end.left, wr.left + 24) << rtl;
        EXPECT_EQ(end.right, wr.right) << rtl;
    }
    SetCursorPos(parked.x, parked.y);
}

// Caption text drawn in the mirrored buffer reads as it should: its glyphs
// show as the font draws them, not mirrored.
TEST_F(FrameRtlTest, CaptionTextReadsLeftToRightInAMirroredFrame) {
    auto* element = dynamic_cast<CTwfWndFrame*>(Skin().Element(2));
    element->SetNumber(frame_id::kTextHidden, 0);
    element->SetColor(frame_id::kTextColor, RGB(255, 255, 255));
    const wchar_t* text = L"Lpf[1";
    for (DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        const bool rtl = ex != 0;
        TestWindowArgs args = Args(ex);
        args.caption = text;
        TestWindow window(args);
        CFrameSkinWnd* frame = Skinned(window.Handle());
        ASSERT_NE(frame, nullptr);
        window.PaintNow();
        Settle();
        HFONT font = frame->GetFont();
        const std::vector<int> expected = TextColumns(font, text);
        ASSERT_FALSE(expected.empty());
        ASSERT_NE(expected, std::vector<int>(expected.rbegin(), expected.rend())) << "a text that shows its direction";
        RECT wr;
        GetWindowRect(window.Handle(), &wr);
        const RECT layout = frame->CaptionTextRect();
        const Rect shown = rtl ? MirrorInWidth(FromRECT(layout), wr.right - wr.left) : FromRECT(layout);
        const std::vector<int> seen =
            LightColumns(CaptureAsShown(window.Handle()), {shown.left, shown.top, shown.right, shown.bottom});
        EXPECT_EQ(seen, expected) << (rtl ? "right to left" : "left to right");
    }
}
