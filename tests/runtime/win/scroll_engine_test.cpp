// The scroll-bar engine on real windows: its thumb against Wine's own bar,
// the custom-draw sequence, the press, repeat and drag messages with their
// timers, the hook chain, and the scroll-data replacements.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "runtime/messages.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/scroll/subclass_wnd.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;

namespace {

struct Item {
    DWORD stage;
    DWORD_PTR part;
    UINT state;
    LPARAM bar;
    RECT rc;
};
struct ScrollMsg {
    UINT msg;
    int code;
    int pos;
};

// What the probe window saw.
struct ProbeLog {
    std::vector<Item> items;
    std::vector<ScrollMsg> scrolls;
    std::vector<LPARAM> captureChanged;
    bool answerCustom = true;
};
ProbeLog g_log;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NOTIFY: {
        const auto* nm = reinterpret_cast<const NMCUSTOMDRAW*>(lp);
        if (nm->hdr.code != hexmoor::rt::NM_TWSB_CUSTOMDRAW) break;
        g_log.items.push_back({nm->dwDrawStage, nm->dwItemSpec, nm->uItemState, nm->lItemlParam, nm->rc});
        if (nm->dwDrawStage == CDDS_ITEMPREPAINT) {
            // Paint the part in a colour of its own so pixel checks can see it.
            HBRUSH brush = CreateSolidBrush(RGB(10 + 30 * int(nm->dwItemSpec), 77, nm->uItemState));
            FillRect(nm->hdc, &nm->rc, brush);
            DeleteObject(brush);
        }
        return g_log.answerCustom ? CDRF_SKIPDEFAULT : 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: g_log.scrolls.push_back({msg, LOWORD(wp), short(HIWORD(wp))}); return 0;
    case WM_CAPTURECHANGED: g_log.captureChanged.push_back(lp); break;
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CreateProbe(DWORD style, int w = 200, int h = 160, DWORD ex = 0) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ProbeProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = L"HexmoorScrollProbe";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(ex, L"HexmoorScrollProbe", L"", WS_POPUP | WS_VISIBLE | style, 50, 60, w, h, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void SetData(HWND hwnd, int bar, int nMin, int nMax, UINT page, int pos) {
    SCROLLINFO si{sizeof(si), SIF_ALL | SIF_DISABLENOSCROLL, nMin, nMax, page, pos, 0};
    SetScrollInfo(hwnd, bar, &si, TRUE);
}

void Relayout(HWND hwnd) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PumpMessages();
}

// Screen rectangle of the last painted item of a part on a bar.
bool LastItem(int bar, int part, RECT* out, UINT* state = nullptr) {
    for (auto it = g_log.items.rbegin(); it != g_log.items.rend(); ++it) {
        if (it->stage == CDDS_ITEMPREPAINT && int(it->bar) == bar && int(it->part) == part) {
            *out = it->rc;
            if (state) *state = it->state;
            return true;
        }
    }
    return false;
}

POINT WindowToScreen(HWND hwnd, int x, int y) {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    return {wr.left + x, wr.top + y};
}

LPARAM ScreenLParam(POINT p) { return MAKELPARAM(p.x, p.y); }

void Wait(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    while (int(end - GetTickCount()) > 0) {
        PumpMessages();
        Sleep(5);
    }
    PumpMessages();
}

// Each test starts with an empty log; its probe windows go with it.
class ScrollEngineTest : public ::testing::Test {
protected:
    void SetUp() override { g_log = ProbeLog{}; }
    void TearDown() override {
        for (HWND hwnd : probes_)
            if (IsWindow(hwnd)) DestroyWindow(hwnd);
        PumpMessages();
    }
    // A probe window, destroyed at the end of the test.
    HWND Probe(DWORD style, int w = 200, int h = 160, DWORD ex = 0) {
        HWND hwnd = CreateProbe(style, w, h, ex);
        probes_.push_back(hwnd);
        return hwnd;
    }
    // A probe with the engine's bars over one bar's data, laid out.
    HWND Skinned(DWORD style, int w, int h, int bar, int nMin, int nMax, UINT page, int pos, DWORD ex = 0) {
        HWND hwnd = Probe(style, w, h, ex);
        SetData(hwnd, bar, nMin, nMax, page, pos);
        EXPECT_TRUE(InitSkinScrollbars(hwnd, TRUE));
        Relayout(hwnd);
        return hwnd;
    }

private:
    std::vector<HWND> probes_;
};

} // namespace

TEST_F(ScrollEngineTest, ThumbEqualsWinesOwnBarForTheSameData) {
    struct Case {
        int nMin, nMax;
        UINT page;
        int pos;
    } cases[] = {{0, 99, 10, 0}, {0, 99, 10, 45}, {0, 99, 10, 90}, {0, 49, 25, 10}, {-20, 79, 30, 5}, {0, 9, 3, 7}};
    for (const auto& c : cases) {
        g_log = ProbeLog{};
        HWND hwnd = Probe(WS_VSCROLL, 120, 200);
        SetData(hwnd, SB_VERT, c.nMin, c.nMax, c.page, c.pos);
        SCROLLBARINFO sbi{};
        sbi.cbSize = sizeof(sbi);
        ASSERT_TRUE(GetScrollBarInfo(hwnd, OBJID_VSCROLL, &sbi));
        const int wineStart = sbi.xyThumbTop, wineEnd = sbi.xyThumbBottom;
        const int wineBarTop = sbi.rcScrollBar.top;

        ASSERT_TRUE(InitSkinScrollbars(hwnd, TRUE));
        EXPECT_FALSE(InitSkinScrollbars(hwnd, TRUE)) << "a second install does nothing";
        Relayout(hwnd);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        RECT thumb{};
        ASSERT_TRUE(LastItem(1, 5, &thumb)) << c.nMax << "/" << c.page << "/" << c.pos;
        RECT wr;
        GetWindowRect(hwnd, &wr);
        RECT bar{};
        ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &bar));
        EXPECT_EQ(bar.top + wr.top, wineBarTop);
        EXPECT_EQ(thumb.top - bar.top, wineStart) << c.nMin << ".." << c.nMax << " page " << c.page << " pos " << c.pos;
        EXPECT_EQ(thumb.bottom - bar.top, wineEnd)
            << c.nMin << ".." << c.nMax << " page " << c.page << " pos " << c.pos;
        DestroyWindow(hwnd);
    }
}

TEST_F(ScrollEngineTest, CustomDrawSequenceOfOneBar) {
    HWND hwnd = Skinned(WS_HSCROLL, 200, 100, SB_HORZ, 0, 99, 10, 45);
    g_log.items.clear();
    RedrawSkinScrollbars(hwnd, FALSE, 0);
    std::vector<std::pair<DWORD, int>> seen;
    for (const Item& i : g_log.items) seen.push_back({i.stage, i.stage == CDDS_ITEMPREPAINT ? int(i.part) : -9});
    const std::vector<std::pair<DWORD, int>> expected{
        {CDDS_PREPAINT, -9},    {CDDS_ITEMPREPAINT, 0}, {CDDS_ITEMPREPAINT, 2}, {CDDS_ITEMPREPAINT, 3},
        {CDDS_ITEMPREPAINT, 5}, {CDDS_ITEMPREPAINT, 1}, {CDDS_POSTPAINT, -9}};
    EXPECT_EQ(seen, expected);
    for (const Item& i : g_log.items)
        if (i.stage == CDDS_ITEMPREPAINT) {
            EXPECT_EQ(i.state, UINT(CDIS_DEFAULT));
        }
    // Equal data: no change, answer 0 and no repaint.
    g_log.items.clear();
    SCROLLINFO same{sizeof(same), SIF_ALL, 0, 99, 10, 45, 0};
    EXPECT_EQ(SkinSetScrollInfo(hwnd, SB_HORZ, &same, TRUE), 0);
    EXPECT_TRUE(g_log.items.empty());
    // A page above the range: inactive, the whole track as part 3.
    g_log.items.clear();
    SCROLLINFO big{sizeof(big), SIF_ALL, 0, 9, 20, 0, 0};
    SkinSetScrollInfo(hwnd, SB_HORZ, &big, TRUE);
    std::vector<int> parts;
    for (const Item& i : g_log.items)
        if (i.stage == CDDS_ITEMPREPAINT) parts.push_back(int(i.part));
    EXPECT_EQ(parts, (std::vector<int>{0, 3, 1}));
    RECT track{};
    UINT state = 0;
    ASSERT_TRUE(LastItem(0, 0, &track, &state));
    EXPECT_EQ(state, UINT(CDIS_DISABLED));
}

TEST_F(ScrollEngineTest, ArrowPressRepeatsOnTimersAndReleaseEndsTheScroll) {
    HWND hwnd = Skinned(WS_VSCROLL, 120, 200, SB_VERT, 0, 99, 10, 0);
    RECT bar{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &bar));
    const POINT down = WindowToScreen(hwnd, (bar.left + bar.right) / 2, bar.bottom - 3);
    SetCursorPos(down.x, down.y);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenLParam(down));
    ASSERT_EQ(g_log.scrolls.size(), 1u);
    EXPECT_EQ(g_log.scrolls[0].msg, UINT(WM_VSCROLL));
    EXPECT_EQ(g_log.scrolls[0].code, SB_LINEDOWN);
    EXPECT_EQ(GetCapture(), hwnd);
    RECT arrow{};
    UINT state = 0;
    ASSERT_TRUE(LastItem(1, 1, &arrow, &state));
    EXPECT_EQ(state, UINT(CDIS_SELECTED));
    Wait(200);
    EXPECT_EQ(g_log.scrolls.size(), 1u) << "nothing repeats before 300 ms";
    Wait(450);
    EXPECT_GE(g_log.scrolls.size(), 3u) << "the 55 ms repeat runs after the delay";
    for (const ScrollMsg& m : g_log.scrolls) EXPECT_EQ(m.code, SB_LINEDOWN);
    // The pointer leaves the arrow: the repeat sends nothing more.
    const POINT away = WindowToScreen(hwnd, (bar.left + bar.right) / 2, bar.top + 60);
    SetCursorPos(away.x, away.y);
    Wait(120);
    const size_t count = g_log.scrolls.size();
    Wait(150);
    EXPECT_EQ(g_log.scrolls.size(), count);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    ASSERT_FALSE(g_log.scrolls.empty());
    EXPECT_EQ(g_log.scrolls.back().code, SB_ENDSCROLL);
    PumpMessages();
    ASSERT_FALSE(g_log.captureChanged.empty());
    EXPECT_EQ(g_log.captureChanged.back(), -1);
    Wait(150);
    EXPECT_EQ(g_log.scrolls.back().code, SB_ENDSCROLL) << "timers stopped";
}

TEST_F(ScrollEngineTest, InactiveBarTakesNoCaptureAndScrollsNothing) {
    // A page larger than the range: the bar is inactive and a press on its
    // arrow does nothing at all.
    HWND hwnd = Skinned(WS_VSCROLL, 120, 200, SB_VERT, 0, 9, 20, 0);
    RECT bar{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &bar));
    const POINT down = WindowToScreen(hwnd, (bar.left + bar.right) / 2, bar.top + 3);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenLParam(down));
    EXPECT_NE(GetCapture(), hwnd);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    PumpMessages();
    EXPECT_TRUE(g_log.scrolls.empty());
}

TEST_F(ScrollEngineTest, ThumbDragTracksSnapsBackAndEndsWithPositionThenEnd) {
    HWND hwnd = Skinned(WS_HSCROLL, 220, 100, SB_HORZ, 0, 99, 10, 0);
    RedrawSkinScrollbars(hwnd, FALSE, 0);
    RECT thumb{};
    ASSERT_TRUE(LastItem(0, 5, &thumb));
    const int y = (thumb.top + thumb.bottom) / 2;
    const POINT press = WindowToScreen(hwnd, thumb.left + 2, y);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTHSCROLL, ScreenLParam(press));
    ASSERT_EQ(g_log.scrolls.size(), 1u);
    EXPECT_EQ(g_log.scrolls[0].code, SB_THUMBTRACK);
    EXPECT_EQ(g_log.scrolls[0].pos, 0);
    EXPECT_TRUE(IsSkinScrollThumbTracking(hwnd));
    // Drag to the far end: the last position (nMax - nPage + 1).
    const POINT end = WindowToScreen(hwnd, 230, y); // beyond the track, inside the snap area
    SetCursorPos(end.x, end.y);
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, 0);
    PumpMessages();
    ASSERT_GE(g_log.scrolls.size(), 2u);
    EXPECT_EQ(g_log.scrolls.back().code, SB_THUMBTRACK);
    EXPECT_EQ(g_log.scrolls.back().pos, 90);
    // Far below the bar: the thumb snaps back to where the drag began.
    SetCursorPos(press.x, press.y + 60);
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, 0);
    PumpMessages();
    EXPECT_EQ(g_log.scrolls.back().code, SB_THUMBTRACK);
    EXPECT_EQ(g_log.scrolls.back().pos, 0);
    const size_t before = g_log.scrolls.size();
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(g_log.scrolls.size(), before + 2);
    EXPECT_EQ(g_log.scrolls[before].code, SB_THUMBPOSITION);
    EXPECT_EQ(g_log.scrolls[before].pos, 0);
    EXPECT_EQ(g_log.scrolls[before + 1].code, SB_ENDSCROLL);
    EXPECT_FALSE(IsSkinScrollThumbTracking(hwnd));
    PumpMessages();
    ASSERT_FALSE(g_log.captureChanged.empty());
    EXPECT_EQ(g_log.captureChanged.back(), -1);
}

TEST_F(ScrollEngineTest, HoverTimerShowsTheHotPartAndEndsWhenThePointerLeaves) {
    HWND hwnd = Probe(WS_VSCROLL, 120, 200);
    SetData(hwnd, SB_VERT, 0, 99, 10, 0);
    ASSERT_TRUE(InitSkinScrollbars(hwnd, TRUE));
    ASSERT_TRUE(SetSkinScrollBarStyle(hwnd, 3, 2));
    Relayout(hwnd);
    RECT bar{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &bar));
    const POINT over = WindowToScreen(hwnd, (bar.left + bar.right) / 2, bar.top + 3);
    SetCursorPos(over.x, over.y);
    SendMessageW(hwnd, WM_NCMOUSEMOVE, HTVSCROLL, ScreenLParam(over));
    Wait(80);
    RECT arrow{};
    UINT state = 0;
    ASSERT_TRUE(LastItem(1, 0, &arrow, &state));
    EXPECT_EQ(state, UINT(CDIS_HOT));
    SetCursorPos(over.x - 150, over.y);
    Wait(80);
    ASSERT_TRUE(LastItem(1, 0, &arrow, &state));
    EXPECT_EQ(state, UINT(CDIS_DEFAULT));
}

TEST_F(ScrollEngineTest, ReplacementsClampAndShowHide) {
    HWND hwnd = Skinned(WS_VSCROLL | WS_HSCROLL, 200, 160, SB_VERT, 0, 99, 0, 0);
    EXPECT_EQ(SkinSetScrollPos(hwnd, SB_VERT, 500, TRUE), 0);
    EXPECT_EQ(SkinGetScrollPos(hwnd, SB_VERT), 99) << "a page of 0 stops at nMax";
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 49, 10, 200, 0};
    EXPECT_EQ(SkinSetScrollInfo(hwnd, SB_VERT, &si, TRUE), 40);
    SCROLLINFO read{sizeof(read), SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_TRUE(SkinGetScrollInfo(hwnd, SB_VERT, &read));
    EXPECT_EQ(read.nMax, 49);
    EXPECT_EQ(read.nPage, 10u);
    EXPECT_EQ(read.nPos, 40);
    EXPECT_FALSE(SetSkinScrollBarSize(hwnd, 3, 0, 10));
    EXPECT_FALSE(SetSkinScrollBarSize(hwnd, 3, 10, 257));
    EXPECT_TRUE(SetSkinScrollBarSize(hwnd, 3, 12, 20));
    Relayout(hwnd);
    RECT v{}, h{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &v));
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 0, FALSE, &h));
    EXPECT_EQ(v.right - v.left, 20);
    EXPECT_EQ(h.bottom - h.top, 20);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 180);
    EXPECT_EQ(client.bottom, 140);
    // Bar 3 changes both style bits and lays out again.
    SkinShowScrollBar(hwnd, 3, FALSE);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_FALSE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &v));
    SkinShowScrollBar(hwnd, 1, TRUE);
    EXPECT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &v));
    // A range of 0..0 hides an auto-hiding bar.
    SCROLLINFO none{sizeof(none), SIF_RANGE, 0, 0, 0, 0, 0};
    SkinSetScrollInfo(hwnd, SB_VERT, &none, TRUE);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(UninitSkinScrollbars(hwnd), S_OK);
    EXPECT_EQ(UninitSkinScrollbars(hwnd), E_FAIL);
}

TEST_F(ScrollEngineTest, VerticalBarOnTheLeftForExactlyOneOfTheTwoFlags) {
    struct Case {
        DWORD ex;
        bool left;
    } cases[] = {{0, false},
                 {WS_EX_LEFTSCROLLBAR, true},
                 {WS_EX_LAYOUTRTL, true},
                 {WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL, false}};
    for (const auto& c : cases) {
        HWND hwnd = Skinned(WS_VSCROLL, 200, 160, SB_VERT, 0, 99, 10, 0, c.ex);
        WINDOWINFO info{};
        info.cbSize = sizeof(info);
        GetWindowInfo(hwnd, &info);
        const int bar = GetSystemMetrics(SM_CXVSCROLL);
        EXPECT_EQ(info.rcClient.right - info.rcClient.left, 200 - bar) << std::hex << c.ex;
        EXPECT_EQ(info.rcClient.left, info.rcWindow.left + (c.left ? bar : 0)) << std::hex << c.ex;
        DestroyWindow(hwnd);
    }
}

namespace {
struct CountingHook : CSubclassWnd {
    int* calls;
    explicit CountingHook(int* c) : calls(c) {}
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_USER + 7) ++*calls;
        return CSubclassWnd::WindowProc(msg, wp, lp);
    }
};
WNDPROC g_foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(g_foreignPrevious, hwnd, msg, wp, lp);
}
} // namespace

TEST_F(ScrollEngineTest, TwoHooksOnOneWindowRemovedInBothOrders) {
    for (int order = 0; order < 2; ++order) {
        HWND hwnd = Probe(0);
        const LONG_PTR original = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
        int firstCalls = 0, secondCalls = 0;
        auto first = std::make_unique<CountingHook>(&firstCalls);
        auto second = std::make_unique<CountingHook>(&secondCalls);
        first->HookWindow(hwnd);
        const LONG_PTR hooked = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
        second->HookWindow(hwnd);
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked) << "one procedure for the whole chain";
        SendMessageW(hwnd, WM_USER + 7, 0, 0);
        EXPECT_EQ(firstCalls, 1);
        EXPECT_EQ(secondCalls, 1);
        if (order == 0) {
            second->HookWindow(nullptr);
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked);
            first->HookWindow(nullptr);
        } else {
            first->HookWindow(nullptr);
            EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), hooked);
            SendMessageW(hwnd, WM_USER + 7, 0, 0);
            EXPECT_EQ(firstCalls, 1) << "the older hook is out of the chain";
            EXPECT_EQ(secondCalls, 2);
            second->HookWindow(nullptr);
        }
        EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), original) << "order " << order;
        DestroyWindow(hwnd);
    }
}

TEST_F(ScrollEngineTest, WindowKeepsWorkingWhenALaterSubclasserOutlivesTheEngineAndTheHook) {
    HWND hwnd = Probe(WS_VSCROLL);
    auto form = std::make_unique<CFormScroll>();
    ASSERT_TRUE(form->SubclassWindow(hwnd));
    ASSERT_TRUE(IsSkinScrollbarWindow(hwnd));
    g_foreignPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    form->UnsubclassWindow();
    form.reset();
    EXPECT_FALSE(IsSkinScrollbarWindow(hwnd));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignProc));
    SetWindowTextW(hwnd, L"alive");
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 5) << "messages still reach the window's own procedure";
}

TEST_F(ScrollEngineTest, DestroyedWhileHookedUnhooksBeforeTheWindowSeesNcDestroy) {
    HWND hwnd = Probe(WS_VSCROLL);
    auto form = std::make_unique<CFormScroll>();
    ASSERT_TRUE(form->SubclassWindow(hwnd));
    DestroyWindow(hwnd);
    EXPECT_EQ(form->GetHwnd(), nullptr);
    EXPECT_EQ(form->UnsubclassWindow(), 0);
}

TEST_F(ScrollEngineTest, SyncRebasesANegativeMinimumAndCopiesTheRealData) {
    HWND hwnd = Probe(WS_VSCROLL);
    auto form = std::make_unique<CFormScroll>();
    ASSERT_TRUE(form->SubclassWindow(hwnd));
    Relayout(hwnd);
    SetData(hwnd, SB_VERT, -10, 89, 20, -5);
    SendMessageW(hwnd, hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
    SCROLLINFO real{sizeof(real), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd, SB_VERT, &real);
    EXPECT_EQ(real.nMin, 0);
    EXPECT_EQ(real.nMax, 99);
    EXPECT_EQ(real.nPos, 5);
    SCROLLINFO engine{sizeof(engine), SIF_ALL, 0, 0, 0, 0, 0};
    SkinGetScrollInfo(hwnd, SB_VERT, &engine);
    EXPECT_EQ(engine.nMin, 0);
    EXPECT_EQ(engine.nMax, 99);
    EXPECT_EQ(engine.nPage, 20u);
    EXPECT_EQ(engine.nPos, 5);
    form.reset();
}
