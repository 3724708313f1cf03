#include "framework/min_splitter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/harness/test_window.h"

namespace hexmoor::fw {
namespace {

RECT PaneRect(const MinSplitterWindow& splitter, HWND pane) {
    RECT r{};
    ::GetWindowRect(pane, &r);
    ::MapWindowPoints(nullptr, splitter.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class MinSplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(splitter_.Create(host_.Handle(), 2, 1, 59648));
        for (HWND& pane : panes_) {
            pane = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, splitter_.Handle(), nullptr,
                                     nullptr, nullptr);
        }
        splitter_.SetRowInfo(0, 200, 20);
        splitter_.SetRowInfo(1, 200, 20);
        splitter_.SetPane(0, 0, panes_[0]);
        splitter_.SetPane(1, 0, panes_[1]);
        ::MoveWindow(splitter_.Handle(), 0, 0, 100, 300, TRUE);
    }
    void Drag(int fromY, int toY) {
        ::SendMessageW(splitter_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, fromY));
        ::SendMessageW(splitter_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, static_cast<WORD>(toY)));
        ::SendMessageW(splitter_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, static_cast<WORD>(toY)));
    }

    test::TestWindow host_{{.clientWidth = 300, .clientHeight = 400}};
    MinSplitterWindow splitter_;
    HWND panes_[2] = {};
};

TEST_F(MinSplitterTest, LaysOutPanesWithTheirIdealSizes) {
    const RECT top = PaneRect(splitter_, panes_[0]);
    const RECT bottom = PaneRect(splitter_, panes_[1]);
    EXPECT_EQ(top.top, 2);
    EXPECT_EQ(top.bottom, 202);
    EXPECT_EQ(top.right - top.left, 96);
    EXPECT_EQ(bottom.top, 210);
    EXPECT_EQ(bottom.bottom, 298);
}

TEST_F(MinSplitterTest, DraggingStopsAtTheMinimums) {
    // Up past the top: the bar stops at border + 22, the top row keeps 20+.
    Drag(205, -100);
    EXPECT_EQ(splitter_.Rows()[0].currentSize, 22);
    EXPECT_EQ(PaneRect(splitter_, panes_[0]).bottom, 24);
    // Down past the bottom: the bar stops at bottom - border - 28.
    const int bar = splitter_.BarRect(false, 0).top + 1;
    Drag(bar, 1000);
    EXPECT_EQ(splitter_.BarRect(false, 0).top, 300 - 2 - 28);
    EXPECT_EQ(splitter_.Rows()[1].currentSize, 20);
    // A click outside the bar starts nothing.
    Drag(100, 150);
    EXPECT_EQ(splitter_.Rows()[1].currentSize, 20);
}

TEST_F(MinSplitterTest, WindowNeverSmallerThanItsPanes) {
    const Size minimum = splitter_.MinimumSize();
    EXPECT_EQ(minimum.cy, 2 + 20 + 8 + 20 + 2);
    ::MoveWindow(splitter_.Handle(), 0, 0, 100, 30, TRUE);
    RECT r{};
    ::GetClientRect(splitter_.Handle(), &r);
    EXPECT_EQ(r.bottom, minimum.cy);
    // Sized from its top edge: the bottom edge stays where it was.
    ::MoveWindow(splitter_.Handle(), 0, 100, 100, 200, TRUE);
    ::SetWindowPos(splitter_.Handle(), nullptr, 0, 280, 100, 20, SWP_NOZORDER);
    ::GetWindowRect(splitter_.Handle(), &r);
    ::MapWindowPoints(nullptr, host_.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.bottom, 300);
    EXPECT_EQ(r.bottom - r.top, minimum.cy);
    // Both rows keep their minimum even in the smallest window.
    EXPECT_GE(PaneRect(splitter_, panes_[0]).bottom - PaneRect(splitter_, panes_[0]).top, 20);
    EXPECT_GE(PaneRect(splitter_, panes_[1]).bottom - PaneRect(splitter_, panes_[1]).top, 20);
}

TEST_F(MinSplitterTest, ABarLightsUpWhileThePointerRestsOnIt) {
    const Rect bar = splitter_.BarRect(false, 0);
    const Rect inner = bar.Deflate(MinSplitterWindow::kBorder);
    auto pixelAt = [&](int x, int y) {
        ::UpdateWindow(splitter_.Handle());
        HDC dc = ::GetDC(splitter_.Handle());
        const COLORREF c = ::GetPixel(dc, x, y);
        ::ReleaseDC(splitter_.Handle(), dc);
        return c;
    };
    EXPECT_FALSE(splitter_.IsHot());
    EXPECT_EQ(pixelAt(inner.left, inner.top), COLORREF(0x7F7F7F));
    // Over the bar with the button up: a raised frame, light at the top left.
    ::SendMessageW(splitter_.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, bar.top + 3));
    EXPECT_TRUE(splitter_.IsHot());
    EXPECT_EQ(pixelAt(inner.left, inner.top), ::GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(pixelAt(inner.right - 1, inner.bottom - 1), COLORREF(0x7F7F7F));
    // Over a pane, then leaving the window: the plain outline comes back.
    ::SendMessageW(splitter_.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 100));
    EXPECT_FALSE(splitter_.IsHot());
    EXPECT_EQ(pixelAt(inner.left, inner.top), COLORREF(0x7F7F7F));
    ::SendMessageW(splitter_.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, bar.top + 3));
    ::SendMessageW(splitter_.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(splitter_.IsHot());
}

TEST_F(MinSplitterTest, LosingTheCaptureMidDragEndsTheDragWhereTheBarIs) {
    const Rect bar = splitter_.BarRect(false, 0);
    ::SendMessageW(splitter_.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, bar.top + 3));
    ASSERT_TRUE(splitter_.IsHot());
    ::SendMessageW(splitter_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, bar.top + 3));
    ::SendMessageW(splitter_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 150));
    ASSERT_EQ(::GetCapture(), splitter_.Handle());
    // Another window takes the mouse: the bar stays where it was dragged to,
    // and the bar is no longer lit.
    ::SetCapture(host_.Handle());
    EXPECT_EQ(splitter_.BarRect(false, 0).top, 147);
    EXPECT_EQ(splitter_.Rows()[0].currentSize, 145);
    EXPECT_FALSE(splitter_.IsHot());
    // The release that follows belongs to no drag.
    ::ReleaseCapture();
    ::SendMessageW(splitter_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 250));
    EXPECT_EQ(splitter_.BarRect(false, 0).top, 147);
    // Our own release at the end of a drag is no loss of the capture.
    Drag(splitter_.BarRect(false, 0).top + 1, 100);
    EXPECT_EQ(splitter_.Rows()[0].currentSize, 97);
}

} // namespace
} // namespace hexmoor::fw
