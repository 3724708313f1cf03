// Hot tracking and presses of the scroll-bar engine across windows: the
// hover moving straight from one window's bar to another's, and a press on a
// bar that does nothing (inactive) leaving the window's own mouse moves to
// the window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <vector>

#include "runtime/messages.h"
#include "runtime/scroll/scroll_engine.h"
#include "tests/harness/settle.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;

namespace {

// What each probe window's own procedure saw.
struct Seen {
    std::vector<UINT> arrowStates; // the up arrow's custom-draw state, each time it was drawn
    int mouseMoves = 0;
    int hoverTimers = 0; // the engine's hover timer reaching the window itself
};
std::map<HWND, Seen> g_seen;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NOTIFY: {
        const auto* nm = reinterpret_cast<const NMCUSTOMDRAW*>(lp);
        if (nm->hdr.code != hexmoor::rt::NM_TWSB_CUSTOMDRAW) break;
        if (nm->dwDrawStage == CDDS_ITEMPREPAINT && nm->dwItemSpec == 0)
            g_seen[hwnd].arrowStates.push_back(nm->uItemState);
        return CDRF_SKIPDEFAULT;
    }
    case WM_MOUSEMOVE: ++g_seen[hwnd].mouseMoves; break;
    case WM_TIMER:
        if (wp == kScrollTimerHover) ++g_seen[hwnd].hoverTimers;
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CreateProbe(int x) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ProbeProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = L"HexmoorScrollTrackingProbe";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"HexmoorScrollTrackingProbe", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL, x, 60, 120, 200,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A window with a skinned vertical bar of the given data, hot tracking on.
HWND SkinnedBar(int x, int nMin, int nMax, UINT page) {
    HWND hwnd = CreateProbe(x);
    SCROLLINFO si{sizeof(si), SIF_ALL | SIF_DISABLENOSCROLL, nMin, nMax, page, 0, 0};
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
    EXPECT_TRUE(InitSkinScrollbars(hwnd, TRUE));
    EXPECT_TRUE(SetSkinScrollBarStyle(hwnd, 3, 2));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PumpMessages();
    return hwnd;
}

// A screen point on the bar, `down` pixels below its top.
POINT OnBar(HWND hwnd, int down) {
    RECT bar{};
    EXPECT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &bar));
    RECT wr;
    GetWindowRect(hwnd, &wr);
    return {wr.left + (bar.left + bar.right) / 2, wr.top + bar.top + down};
}

LPARAM ScreenLParam(POINT p) { return MAKELPARAM(p.x, p.y); }

bool LastArrowHot(HWND hwnd) {
    const auto& states = g_seen[hwnd].arrowStates;
    return !states.empty() && states.back() == UINT(CDIS_HOT);
}

class ScrollTrackingTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen.clear();
        GetCursorPos(&parked_);
    }
    void TearDown() override { SetCursorPos(parked_.x, parked_.y); }
    POINT parked_{};
};

} // namespace

TEST_F(ScrollTrackingTest, ThePointerGoingStraightToAnotherWindowsBarMovesTheHotTracking) {
    HWND first = SkinnedBar(40, 0, 99, 10);
    HWND second = SkinnedBar(300, 0, 99, 10);
    const POINT overFirst = OnBar(first, 3), overSecond = OnBar(second, 3);
    SetCursorPos(overFirst.x, overFirst.y);
    SendMessageW(first, WM_NCMOUSEMOVE, HTVSCROLL, ScreenLParam(overFirst));
    ASSERT_TRUE(WaitUntil([&] { return LastArrowHot(first); }, "the first bar hot"));
    // The pointer reaches the other window's bar before the first window's
    // hover timer saw it leave.
    SetCursorPos(overSecond.x, overSecond.y);
    SendMessageW(second, WM_NCMOUSEMOVE, HTVSCROLL, ScreenLParam(overSecond));
    EXPECT_FALSE(LastArrowHot(first)) << "the first bar is drawn normal again at once";
    EXPECT_TRUE(WaitUntil([&] { return LastArrowHot(second); }, "the second bar is tracked"));
    // Leaving the second bar ends its tracking too; no hover timer was left
    // running on the first window for its own procedure to see.
    SetCursorPos(overSecond.x + 300, overSecond.y + 300);
    EXPECT_TRUE(WaitUntil([&] { return !LastArrowHot(second); }, "the second bar normal again"));
    EXPECT_FALSE(LastArrowHot(first));
    EXPECT_EQ(g_seen[first].hoverTimers, 0);
    EXPECT_EQ(g_seen[second].hoverTimers, 0);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST_F(ScrollTrackingTest, APressAnywhereOnAnInactiveBarLeavesMouseMovesToTheWindow) {
    // A degenerate range with page 0: the bar is inactive, yet the hit test
    // finds arrows, a thumb (as long as an arrow) below the upper arrow and a
    // page area below the thumb. A press on any of them does nothing.
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const struct {
        const char* part;
        int fromTop; // negative: from the bar's bottom
    } cases[] = {
        {"upper arrow", 3}, {"thumb", arrow + 3}, {"page area below the thumb", -(arrow + 5)}, {"lower arrow", -3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        HWND hwnd = SkinnedBar(40, 0, 0, 0);
        RECT bar{};
        ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &bar));
        const POINT at = OnBar(hwnd, c.fromTop >= 0 ? c.fromTop : bar.bottom - bar.top + c.fromTop);
        ASSERT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, ScreenLParam(at)), HTVSCROLL);
        SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenLParam(at));
        EXPECT_NE(GetCapture(), hwnd) << "an inactive bar takes no capture";
        g_seen[hwnd].mouseMoves = 0;
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
        EXPECT_EQ(g_seen[hwnd].mouseMoves, 2) << "the window's own mouse moves reach it";
        SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
        ReleaseCapture();
        DestroyWindow(hwnd);
    }
}
