// The Zoomer pane on a known pattern: every enlarged pixel shows the screen
// pixel it magnifies at each factor, the rulers take the factor from the
// toolbar, the pane's own picture comes out black, and pick mode stops the
// follow timer; pick mode's frame leaves the screen as it was.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

#include "base/win/gdi.h"
#include "editor/shell/panes/zoomer_pane.h"
#include "tests/harness/capture.h"
#include "tests/harness/test_window.h"
#include "zoomer_ids.h"

using namespace hexmoor;
using hexmoor::shell::CPanelZoomer;

namespace {

constexpr int kPatternX = 600, kPatternY = 400, kPatternSize = 200;

// Neighbouring pixels differ in every channel.
COLORREF PatternAt(int x, int y) {
    return RGB((x * 37 + y * 11) & 0xFF, (y * 53 + x * 5) & 0xFF, ((x ^ y) * 29) & 0xFF);
}

test::Colour AsColour(COLORREF c) { return test::MakeColour(GetRValue(c), GetGValue(c), GetBValue(c)); }

class ZoomerPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        test::TestWindowArgs host;
        host.clientWidth = 300;
        host.clientHeight = 300;
        host_ = std::make_unique<test::TestWindow>(host);
        test::TestWindowArgs pattern;
        pattern.clientWidth = kPatternSize;
        pattern.clientHeight = kPatternSize;
        pattern.paint = [](HDC dc, const RECT&) {
            for (int y = 0; y < kPatternSize; ++y)
                for (int x = 0; x < kPatternSize; ++x) SetPixelV(dc, x, y, PatternAt(x, y));
        };
        pattern_ = std::make_unique<test::TestWindow>(pattern);
        SetWindowPos(pattern_->Handle(), HWND_TOP, kPatternX, kPatternY, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        pattern_->PaintNow();
        ASSERT_TRUE(pane_.CreatePanel(host_->Handle(), L"Zoomer", 1));
        MoveWindow(pane_.Handle(), 0, 0, 300, 300, TRUE);
        test::PumpMessages();
    }

    // Pixels of the picture that differ from the screen pixel they enlarge,
    // leaving out the follow cross.
    int Mismatches(int factor) {
        pane_.DrawZoomAt(POINT{kPatternX + 100, kPatternY + 100});
        const Rect source = pane_.SourceRect();
        EXPECT_GE(source.left, kPatternX);
        EXPECT_LE(source.right, kPatternX + kPatternSize);
        const test::PixelBuffer shot = test::CaptureClient(pane_.Handle());
        const int W = shot.Width() - CPanelZoomer::kPictureLeft, H = shot.Height() - CPanelZoomer::kPictureTop;
        int wrong = 0, checked = 0;
        for (int py = 0; py < (H / factor) * factor; ++py)
            for (int px = 0; px < (W / factor) * factor; ++px) {
                const int x = CPanelZoomer::kPictureLeft + px, y = CPanelZoomer::kPictureTop + py;
                const bool cross = (y == H / 2 + 52 && x >= W / 2 + 8 && x < W / 2 + 28) ||
                                   (x == W / 2 + 18 && y >= H / 2 + 42 && y < H / 2 + 62);
                if (cross) continue;
                const COLORREF want =
                    PatternAt(source.left - kPatternX + px / factor, source.top - kPatternY + py / factor);
                if (shot.At(x, y) != AsColour(want)) ++wrong;
                ++checked;
            }
        EXPECT_GT(checked, 50000);
        return wrong;
    }

    std::unique_ptr<test::TestWindow> host_;
    std::unique_ptr<test::TestWindow> pattern_;
    CPanelZoomer pane_;
};

} // namespace

TEST_F(ZoomerPaneTest, EnlargesAKnownPatternAtEachFactorWithTheRulers) {
    EXPECT_EQ(pane_.Zoom(), 2);
    EXPECT_EQ(pane_.HorizontalRuler().Zoom(), 2);
    EXPECT_EQ(Mismatches(2), 0);
    // The factor toolbar: a click on its third button.
    HWND bar = pane_.ZoomBar().Handle();
    RECT button{};
    SendMessageW(bar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&button));
    POINT at{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(bar, &at);
    // The mode bar keeps its own width and leaves the factor bar's buttons
    // to the factor bar.
    RECT modeBar{};
    GetWindowRect(pane_.ModeBar().Handle(), &modeBar);
    EXPECT_EQ(modeBar.right - modeBar.left, 56);
    EXPECT_EQ(WindowFromPoint(at), bar);
    SetCursorPos(at.x, at.y);
    NMHDR click{bar, IDC_ZOOMER_FACTOR_BAR, static_cast<UINT>(NM_CLICK)};
    SendMessageW(pane_.Handle(), WM_NOTIFY, IDC_ZOOMER_FACTOR_BAR, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(pane_.Zoom(), 8);
    EXPECT_EQ(pane_.HorizontalRuler().Zoom(), 8);
    EXPECT_EQ(pane_.VerticalRuler().Zoom(), 8);
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, 2, 0));
    EXPECT_EQ(Mismatches(8), 0);
    pane_.SetZoom(4);
    EXPECT_EQ(Mismatches(4), 0);
}

TEST_F(ZoomerPaneTest, ItsOwnPictureIsBlackAndPickModeStopsTheTimer) {
    RECT picture{};
    GetClientRect(pane_.Handle(), &picture);
    MapWindowPoints(pane_.Handle(), nullptr, reinterpret_cast<POINT*>(&picture), 2);
    pane_.SetMode(CPanelZoomer::kPick);
    EXPECT_FALSE(pane_.TimerRunning());
    pane_.DrawZoomAt(POINT{(picture.left + picture.right) / 2 + 9, (picture.top + picture.bottom) / 2 + 26});
    const test::PixelBuffer shot = test::CaptureClient(pane_.Handle());
    int lit = 0;
    for (int y = CPanelZoomer::kPictureTop; y < shot.Height(); ++y)
        for (int x = CPanelZoomer::kPictureLeft; x < shot.Width(); ++x)
            if (shot.At(x, y) != test::MakeColour(0, 0, 0)) ++lit;
    EXPECT_EQ(lit, 0);
    pane_.SetMode(CPanelZoomer::kFollow);
    EXPECT_TRUE(pane_.TimerRunning());
}

// Pick mode: the frame over the magnified part of the screen shows while
// the button is held and goes when it is released, even when the pane was
// resized in between (the frame drawn with the old size is the one erased).
TEST_F(ZoomerPaneTest, PickFrameLeavesTheScreenAsItWasAfterAResizeMidPress) {
    auto screen = [] {
        const win::WindowDC dc(nullptr);
        return test::CaptureDC(dc.Get(), kPatternX, kPatternY, kPatternSize, kPatternSize);
    };
    pane_.SetMode(CPanelZoomer::kPick);
    SetCursorPos(kPatternX + 100, kPatternY + 100);
    const test::PixelBuffer before = screen();
    for (const SIZE resized : {SIZE{200, 180}, SIZE{300, 300}, SIZE{10, 10}}) {
        SCOPED_TRACE(std::to_string(resized.cx) + "x" + std::to_string(resized.cy));
        SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
        EXPECT_GT(test::CountDifferences(screen(), before), 400); // the frame shows over the pattern
        MoveWindow(pane_.Handle(), 0, 0, resized.cx, resized.cy, TRUE);
        test::PumpMessages();
        pane_.DrawZoom(); // a move while held redraws at the new size
        SendMessageW(pane_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
        EXPECT_EQ(test::CountDifferences(screen(), before), 0);
        MoveWindow(pane_.Handle(), 0, 0, 300, 300, TRUE);
        test::PumpMessages();
    }
}

// The follow timer runs only while the pane shows in follow mode; the
// pane's close asks for the frame's toggle (which hides it) and a pane
// shown again follows again.
TEST_F(ZoomerPaneTest, FollowsWhileShownAndItsCloseAsksForTheToggle) {
    EXPECT_TRUE(pane_.TimerRunning());
    ShowWindow(pane_.Handle(), SW_HIDE);
    EXPECT_FALSE(pane_.TimerRunning());
    pane_.SetMode(CPanelZoomer::kFollow);
    EXPECT_FALSE(pane_.TimerRunning());
    // The docking shows a pane with SetWindowPos.
    SetWindowPos(pane_.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_TRUE(pane_.TimerRunning());
    pane_.SetMode(CPanelZoomer::kPick);
    ShowWindow(pane_.Handle(), SW_HIDE);
    ShowWindow(pane_.Handle(), SW_SHOW);
    EXPECT_FALSE(pane_.TimerRunning());

    int toggles = 0;
    CPanelZoomer* closing = nullptr;
    CPanelZoomer pane([&] {
        ++toggles;
        ShowWindow(closing->Handle(), SW_HIDE);
    });
    closing = &pane;
    ASSERT_TRUE(pane.CreatePanel(host_->Handle(), L"Zoomer", 3));
    EXPECT_TRUE(pane.TimerRunning());
    SendMessageW(pane.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(toggles, 1);
    EXPECT_TRUE(IsWindow(pane.Handle()));
    EXPECT_FALSE(IsWindowVisible(pane.Handle()));
    EXPECT_FALSE(pane.TimerRunning());
    ShowWindow(pane.Handle(), SW_SHOW);
    EXPECT_TRUE(pane.TimerRunning());
    DestroyWindow(pane.Handle());
}

// Wine's toolbar takes its parent's width when it is not told to keep its
// size, even when it is not aligned to the parent; Windows keeps the width
// of a toolbar that is not parent-aligned (only its height is adjusted).
TEST(WineToolbar, NotParentAlignedItStillTakesItsParentsWidth) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    test::TestWindowArgs args;
    args.clientWidth = 300;
    test::TestWindow host(args);
    struct Case {
        DWORD extraStyle;
        int width;
    };
    for (const Case& c : {Case{0, 300}, Case{CCS_NORESIZE, 56}}) {
        HWND bar = CreateWindowExW(
            0, TOOLBARCLASSNAMEW, L"",
            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_TOP | c.extraStyle, 0, 0, 10,
            10, host.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(bar);
        SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        MoveWindow(bar, 0, 3, 56, 30, TRUE);
        RECT r{};
        GetWindowRect(bar, &r);
        EXPECT_EQ(r.right - r.left, c.width) << std::hex << c.extraStyle;
        DestroyWindow(bar);
    }
}
