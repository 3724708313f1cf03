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

HWND CreateProbe(int x, DWORD style) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ProbeProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = L"HexmoorScrollTrackingProbe";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"HexmoorScrollTrackingProbe", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | style, x, 60,
                           120, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A window with a skinned vertical bar of the given data, hot tracking on.
HWND SkinnedBar(int x, int nMin, int nMax, UINT page, DWORD style = 0) {
    HWND hwnd = CreateProbe(x, style);
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

// Where the pointer lands on the second window.
enum class Landing { Bar, Caption, Border };

TEST_F(ScrollTrackingTest, ThePointerGoingStraightToAnotherWindowMovesTheHotTracking) {
    const struct {
        const char* name;
        Landing landing;
        UINT hit; // the second window's answer there
    } cases[] = {
        {"the other window's bar", Landing::Bar, HTVSCROLL},
        {"the other window's caption", Landing::Caption, HTCAPTION},
        {"the other window's border", Landing::Border, HTBOTTOM},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_seen.clear();
        HWND first = SkinnedBar(40, 0, 99, 10);
        HWND second = SkinnedBar(300, 0, 99, 10, WS_CAPTION | WS_THICKFRAME);
        const POINT overFirst = OnBar(first, 3);
        RECT wr;
        GetWindowRect(second, &wr);
        const int midX = (wr.left + wr.right) / 2;
        const POINT target =
            c.landing == Landing::Bar ? OnBar(second, 3)
            : c.landing == Landing::Caption
                ? POINT{midX, wr.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2}
                : POINT{midX, wr.bottom - 2};
        ASSERT_EQ(UINT(SendMessageW(second, WM_NCHITTEST, 0, ScreenLParam(target))), c.hit);
        SetCursorPos(overFirst.x, overFirst.y);
        SendMessageW(first, WM_NCMOUSEMOVE, HTVSCROLL, ScreenLParam(overFirst));
        ASSERT_TRUE(WaitUntil([&] { return LastArrowHot(first); }, "the first bar hot"));
        // The pointer reaches the other window before the first window's
        // hover timer saw it leave.
        SetCursorPos(target.x, target.y);
        SendMessageW(second, WM_NCMOUSEMOVE, c.hit, ScreenLParam(target));
        EXPECT_FALSE(LastArrowHot(first)) << "the first bar is drawn normal again at once";
        EXPECT_FALSE(KillTimer(first, kScrollTimerHover)) << "the first window's hover timer is gone";
        if (c.landing == Landing::Bar) {
            EXPECT_TRUE(WaitUntil([&] { return LastArrowHot(second); }, "the second bar is tracked"));
            // Leaving the second bar ends its tracking too.
            SetCursorPos(target.x + 300, target.y + 300);
            EXPECT_TRUE(WaitUntil([&] { return !LastArrowHot(second); }, "the second bar normal again"));
        } else {
            Settle();
            EXPECT_FALSE(LastArrowHot(second)) << "off its bar, the second bar stays normal";
        }
        // No hover timer was left running for a window's own procedure to see.
        EXPECT_FALSE(LastArrowHot(first));
        EXPECT_EQ(g_seen[first].hoverTimers, 0);
        EXPECT_EQ(g_seen[second].hoverTimers, 0);
        DestroyWindow(first);
        DestroyWindow(second);
    }
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
