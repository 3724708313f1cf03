// Skinned scroll bars end to end: every part image of the scroll-bar element
// in its own colour on window bars and on scroll-bar controls, the bar sizes
// from the skin, the control subclassers keeping the engine's data in step,
// and no pixel of Wine's own bar left in a skinned bar area once the queue
// is empty after the calls that make Wine paint it.
#include <commctrl.h>

#include <set>
#include <vector>

#include "model/twf_obj.h"
#include "runtime/logic/control_types.h"
#include "runtime/messages.h"
#include "runtime/scroll/control_scroll.h"
#include "runtime/scroll/scroll_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/runtime/win/recorder.h"
#include "tests/runtime/win/skinned_bars.h"

using namespace hexmoor::test;

namespace {

// The runtime started with every scroll-bar image in its id's colour;
// windows made by the test go with it.
class ScrollSkinTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        Skin().SolidImage(25, 0, RGB(23, 181, 97), 6, 6);
        AddBarImages(Skin());
        SkinLoaded();
        EnableSkinning();
    }
    void TearDown() override {
        for (HWND hwnd : windows_)
            if (IsWindow(hwnd)) DestroyWindow(hwnd);
        RuntimeTest::TearDown();
    }
    HWND Keep(HWND hwnd) {
        windows_.push_back(hwnd);
        return hwnd;
    }
    // A skinned dialog-class window with both scroll bars, over 0..99 with a
    // page of 10.
    HWND SkinnedBarWindow() {
        HWND hwnd = Keep(CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 60, 60,
                                         220, 180, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        SCROLLINFO si{sizeof(si), SIF_ALL, 0, 99, 10, 0, 0};
        SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
        SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return hwnd;
    }

private:
    std::vector<HWND> windows_;
};

// The engine's subclassers on controls that keep their own scroll data,
// without the runtime.
class ScrollSubclasserTest : public RuntimeTest {};

// Points inside the parts of a vertical bar (window coordinates).
struct VerticalParts {
    POINT up, down, thumb, track;
};
VerticalParts PartsOf(const RECT& bar, int arrow) {
    const int x = (bar.left + bar.right) / 2;
    return {{x, bar.top + 2}, {x, bar.bottom - 2}, {x, bar.top + arrow + 2}, {x, bar.bottom - arrow - 3}};
}

} // namespace

TEST_F(ScrollSkinTest, WindowBarsShowEveryPartInEveryState) {
    HWND hwnd = SkinnedBarWindow();
    RECT v{}, h{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &v)) << "the window's bars are the engine's";
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 0, FALSE, &h));
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const VerticalParts p = PartsOf(v, arrow);
    PixelBuffer pixels = CaptureWindow(hwnd);
    EXPECT_TRUE(PixelIs(pixels, p.up, IdColour(828)));
    EXPECT_TRUE(PixelIs(pixels, p.down, IdColour(832)));
    EXPECT_TRUE(PixelIs(pixels, p.thumb, IdColour(836)));
    EXPECT_TRUE(PixelIs(pixels, p.track, IdColour(827)));
    const int hy = (h.top + h.bottom) / 2, harrow = GetSystemMetrics(SM_CXHSCROLL);
    EXPECT_TRUE(PixelIs(pixels, {h.left + 2, hy}, IdColour(815)));
    EXPECT_TRUE(PixelIs(pixels, {h.right - 2, hy}, IdColour(819)));
    EXPECT_TRUE(PixelIs(pixels, {h.left + harrow + 2, hy}, IdColour(823)));
    EXPECT_TRUE(PixelIs(pixels, {h.right - harrow - 3, hy}, IdColour(814)));

    // Hot: the pointer over the down arrow, then over the thumb.
    RECT wr;
    GetWindowRect(hwnd, &wr);
    auto screen = [&](POINT q) { return POINT{wr.left + q.x, wr.top + q.y}; };
    POINT s = screen(p.down);
    SetCursorPos(s.x, s.y);
    SendMessageW(hwnd, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(s.x, s.y));
    // The engine's hover timer paints the hot part.
    auto shows = [&](POINT q, int id) { return [=] { return bool(PixelIs(CaptureWindow(hwnd), q, IdColour(id))); }; };
    EXPECT_TRUE(WaitUntil(shows(p.down, 834), "hot arrow"));
    s = screen(p.thumb);
    SetCursorPos(s.x, s.y);
    EXPECT_TRUE(WaitUntil(shows(p.thumb, 838), "hot thumb"));
    // Pressed: the down arrow, then the thumb being dragged.
    s = screen(p.down);
    SetCursorPos(s.x, s.y);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(s.x, s.y));
    pixels = CaptureWindow(hwnd);
    EXPECT_TRUE(PixelIs(pixels, p.down, IdColour(833))) << "pressed arrow";
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    Settle();
    SkinSetScrollPos(hwnd, SB_VERT, 0, TRUE);
    s = screen(p.thumb);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(s.x, s.y));
    pixels = CaptureWindow(hwnd);
    EXPECT_TRUE(PixelIs(pixels, p.thumb, IdColour(837))) << "pressed thumb";
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil(shows(p.thumb, 836), "the thumb no longer hot"));
    // Disabled window: the disabled set.
    EnableWindow(hwnd, FALSE);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Settle();
    pixels = CaptureWindow(hwnd);
    EXPECT_TRUE(PixelIs(pixels, p.up, IdColour(831)));
    EXPECT_TRUE(PixelIs(pixels, p.down, IdColour(835)));
    EXPECT_TRUE(PixelIs(pixels, p.thumb, IdColour(839)));
    EXPECT_TRUE(PixelIs(pixels, p.track, IdColour(840)));
    EXPECT_TRUE(PixelIs(pixels, {h.left + 2, hy}, IdColour(818)));
    EXPECT_TRUE(PixelIs(pixels, {h.right - 2, hy}, IdColour(822)));
    EXPECT_TRUE(PixelIs(pixels, {h.left + harrow + 2, hy}, IdColour(826)));
    EXPECT_TRUE(PixelIs(pixels, {h.right - harrow - 3, hy}, IdColour(841)));
    EnableWindow(hwnd, TRUE);
    // A page above the range: no thumb, the whole track.
    SCROLLINFO big{sizeof(big), SIF_ALL, 0, 9, 20, 0, 0};
    SkinSetScrollInfo(hwnd, SB_VERT, &big, TRUE);
    Settle();
    pixels = CaptureWindow(hwnd);
    EXPECT_TRUE(PixelIs(pixels, p.thumb, IdColour(827))) << "inactive: track where the thumb was";
}

TEST_F(ScrollSkinTest, BarSizesComeFromTheSkin) {
    CTwfObj* element = Skin().Element(5);
    element->SetNumber(810, 21); // vertical thickness
    element->SetNumber(811, 25); // vertical arrow
    element->SetNumber(812, 14); // horizontal thickness
    element->SetNumber(813, 30); // horizontal arrow
    HWND hwnd = SkinnedBarWindow();
    RECT v{}, h{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &v));
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 0, FALSE, &h));
    EXPECT_EQ(v.right - v.left, 21);
    EXPECT_EQ(h.bottom - h.top, 14);
    const PixelBuffer pixels = CaptureWindow(hwnd);
    const int x = (v.left + v.right) / 2;
    EXPECT_TRUE(PixelIs(pixels, {x, v.top + 24}, IdColour(828))) << "25-pixel up arrow";
    EXPECT_TRUE(PixelIs(pixels, {x, v.top + 26}, IdColour(836))) << "thumb right after it";
    const int y = (h.top + h.bottom) / 2;
    EXPECT_TRUE(PixelIs(pixels, {h.left + 29, y}, IdColour(815))) << "30-pixel left arrow";
    EXPECT_TRUE(PixelIs(pixels, {h.left + 31, y}, IdColour(823)));
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 220 - 21);
    EXPECT_EQ(client.bottom, 180 - 14);
}

TEST_F(ScrollSkinTest, ScrollBarControlsShowTheStandAloneSet) {
    HWND dialog = Keep(CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 300, 220, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
    HWND horz = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 10, 10, 200, 17, dialog,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND vert = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 240, 10, 17, 180, dialog,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 99, 10, 0, 0};
    SetScrollInfo(horz, SB_CTL, &si, TRUE);
    SetScrollInfo(vert, SB_CTL, &si, TRUE);
    ApplySkinToWindow(dialog, 1);
    ASSERT_EQ(GetSkinnedWindowType(horz), hexmoor::rt::ctype::kScrollBar);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    PixelBuffer hp = CaptureClient(horz), vp = CaptureClient(vert);
    EXPECT_TRUE(PixelIs(hp, {2, 8}, IdColour(43)));
    EXPECT_TRUE(PixelIs(hp, {197, 8}, IdColour(51)));
    EXPECT_TRUE(PixelIs(hp, {a + 2, 8}, IdColour(59)));
    EXPECT_TRUE(PixelIs(hp, {200 - a - 3, 8}, IdColour(42)));
    EXPECT_TRUE(PixelIs(vp, {8, 2}, IdColour(77)));
    EXPECT_TRUE(PixelIs(vp, {8, 177}, IdColour(85)));
    EXPECT_TRUE(PixelIs(vp, {8, a + 2}, IdColour(93)));
    EXPECT_TRUE(PixelIs(vp, {8, 180 - a - 3}, IdColour(76)));
    // Pressed arrow, and the parent hears the scroll.
    SendMessageW(horz, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(197, 8));
    hp = CaptureClient(horz);
    EXPECT_TRUE(PixelIs(hp, {197, 8}, IdColour(53)));
    SendMessageW(horz, WM_LBUTTONUP, 0, MAKELPARAM(197, 8));
    // Pressed thumb of the vertical control.
    SendMessageW(vert, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, a + 2));
    vp = CaptureClient(vert);
    EXPECT_TRUE(PixelIs(vp, {8, a + 2}, IdColour(94)));
    SendMessageW(vert, WM_LBUTTONUP, 0, MAKELPARAM(8, a + 2));
    // Disabled controls: the disabled set.
    EnableWindow(horz, FALSE);
    EnableWindow(vert, FALSE);
    Settle();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    hp = CaptureClient(horz);
    vp = CaptureClient(vert);
    EXPECT_TRUE(PixelIs(hp, {2, 8}, IdColour(49)));
    EXPECT_TRUE(PixelIs(hp, {197, 8}, IdColour(57)));
    EXPECT_TRUE(PixelIs(hp, {a + 2, 8}, IdColour(65)));
    EXPECT_TRUE(PixelIs(hp, {200 - a - 3, 8}, IdColour(101)));
    EXPECT_TRUE(PixelIs(vp, {8, 2}, IdColour(83)));
    EXPECT_TRUE(PixelIs(vp, {8, 177}, IdColour(91)));
    EXPECT_TRUE(PixelIs(vp, {8, a + 2}, IdColour(98)));
    EXPECT_TRUE(PixelIs(vp, {8, 180 - a - 3}, IdColour(100)));
    EnableWindow(horz, TRUE);
    Settle();
    // Wine's own bar after its triggers: none of its pixels stay.
    SetScrollPos(horz, SB_CTL, 40, TRUE);
    SkinEnableScrollBar(horz, SB_CTL, ESB_DISABLE_LTUP);
    Settle();
    const RECT all{0, 0, 200, 17};
    EXPECT_EQ(Foreign(CaptureClient(horz), all, BarColours()), 0);
    // Skinning off gives the system look back at once.
    DisableSkinning();
    Settle();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    EXPECT_GT(Foreign(CaptureClient(horz), all, BarColours()), 1000);
}

TEST_F(ScrollSkinTest, NoForeignPixelsInTheBarsAfterWinesTriggers) {
    HWND hwnd = SkinnedBarWindow();
    RECT v{}, h{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &v));
    ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 0, FALSE, &h));
    auto foreign = [&] {
        Settle();
        const PixelBuffer pixels = CaptureWindow(hwnd);
        return Foreign(pixels, v, BarColours()) + Foreign(pixels, h, BarColours());
    };
    EXPECT_EQ(foreign(), 0) << "after skinning";
    SCROLLINFO moved{sizeof(moved), SIF_POS, 0, 0, 0, 30, 0};
    SkinSetScrollInfo(hwnd, SB_VERT, &moved, TRUE);
    EXPECT_EQ(foreign(), 0) << "SetScrollInfo through the engine";
    SkinSetScrollPos(hwnd, SB_HORZ, 50, TRUE);
    EXPECT_EQ(foreign(), 0) << "SetScrollPos through the engine";
    SkinEnableScrollBar(hwnd, SB_VERT, ESB_DISABLE_BOTH);
    EXPECT_EQ(foreign(), 0) << "EnableScrollBar";
    SkinEnableScrollBar(hwnd, SB_VERT, ESB_ENABLE_BOTH);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
    EXPECT_EQ(foreign(), 0) << "WM_MOUSEWHEEL";
    // The window's own scroll handling after a click on a bar.
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const POINT down{wr.left + (v.left + v.right) / 2, wr.top + v.bottom - 2};
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(down.x, down.y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(foreign(), 0) << "click on an arrow";
}

namespace {
// A list box's own procedure wrapped by a test layer that answers the
// engine's custom draw with one colour per part.
WNDPROC g_listPrevious = nullptr;
LRESULT CALLBACK PaintingLayer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY) {
        auto* nm = reinterpret_cast<NMCUSTOMDRAW*>(lp);
        if (nm->hdr.code == hexmoor::rt::NM_TWSB_CUSTOMDRAW) {
            if (nm->dwDrawStage == CDDS_ITEMPREPAINT) {
                HBRUSH brush = CreateSolidBrush(IdColour(814 + int(nm->dwItemSpec)));
                FillRect(nm->hdc, &nm->rc, brush);
                DeleteObject(brush);
            }
            return CDRF_SKIPDEFAULT;
        }
    }
    return CallWindowProcW(g_listPrevious, hwnd, msg, wp, lp);
}
} // namespace

TEST_F(ScrollSubclasserTest, ListBoxSubclasserFollowsItsItemsWithoutForeignPixels) {
    HWND host = CreateRecorder(nullptr, WS_POPUP | WS_VISIBLE, 50, 50, 300, 260);
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 10, 10, 200, 150,
                                host, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_listPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintingLayer)));
    CListBoxScroll subclasser;
    ASSERT_TRUE(subclasser.SubclassWindow(list));
    std::set<COLORREF> allowed;
    for (int part = 0; part <= 5; ++part) allowed.insert(IdColour(814 + part));
    wchar_t text[16];
    for (int i = 0; i < 60; ++i) {
        swprintf(text, 16, L"item %d", i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    Settle();
    SCROLLINFO real{sizeof(real), SIF_ALL, 0, 0, 0, 0, 0}, engine{sizeof(engine), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(list, SB_VERT, &real);
    SkinGetScrollInfo(list, SB_VERT, &engine);
    EXPECT_EQ(engine.nMin, real.nMin);
    EXPECT_EQ(engine.nMax, real.nMax);
    EXPECT_EQ(engine.nPage, real.nPage);
    EXPECT_EQ(engine.nPos, real.nPos);
    EXPECT_GT(real.nMax, 0);
    RECT bar{};
    ASSERT_TRUE(GetSkinScrollBarWindowRect(list, 1, FALSE, &bar)) << "the list's bar is the engine's";
    EXPECT_EQ(Foreign(CaptureWindow(list), bar, allowed), 0) << "after LB_ADDSTRING";
    SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
    Settle();
    EXPECT_EQ(Foreign(CaptureWindow(list), bar, allowed), 0) << "after WM_MOUSEWHEEL";
    SendMessageW(list, WM_KEYDOWN, VK_END, 0);
    Settle();
    EXPECT_EQ(Foreign(CaptureWindow(list), bar, allowed), 0) << "after a key";
    SkinGetScrollInfo(list, SB_VERT, &engine);
    GetScrollInfo(list, SB_VERT, &real);
    EXPECT_EQ(engine.nPos, real.nPos);
    // The engine's thumb track scrolls the list itself.
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 7), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 7);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 0);
    subclasser.UnsubclassWindow();
    DestroyWindow(host);
}

TEST_F(ScrollSubclasserTest, ListViewScrollsByItemHeightOnThumbTrack) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    HWND host = CreateRecorder(nullptr, WS_POPUP | WS_VISIBLE, 50, 50, 300, 260);
    HWND view = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 250, 200, host,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 200;
    column.pszText = const_cast<wchar_t*>(L"Name");
    SendMessageW(view, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    CListCtrlScroll subclasser;
    subclasser.SubclassWindow(view);
    wchar_t text[16];
    for (int i = 0; i < 80; ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        swprintf(text, 16, L"row %d", i);
        item.pszText = text;
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    Settle();
    SCROLLINFO engine{sizeof(engine), SIF_ALL, 0, 0, 0, 0, 0};
    SkinGetScrollInfo(view, SB_VERT, &engine);
    EXPECT_GT(engine.nMax, 0) << "inserting items synchronises at once";
    SendMessageW(view, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 12), 0);
    EXPECT_EQ(SendMessageW(view, LVM_GETTOPINDEX, 0, 0), 12);
    SkinGetScrollInfo(view, SB_VERT, &engine);
    EXPECT_EQ(engine.nPos, 12);
    subclasser.UnsubclassWindow();
    DestroyWindow(host);
}
