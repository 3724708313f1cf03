// The skinned menu bar of a right-to-left frame under Wine: items from the
// right edge, hot and clicked where they show, no foreign pixels.
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "runtime/frame/menu_bar.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/frame_layout.h"
#include "runtime/window_rects.h"
#include "tests/harness/capture.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/runtime/win/mirrored_text.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::test::menubar;

namespace {

std::vector<WPARAM> g_commands;
WNDPROC g_previous = nullptr;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) g_commands.push_back(LOWORD(wp));
    return CallWindowProcW(g_previous, hwnd, msg, wp, lp);
}

} // namespace

class MenuBarRtlTest : public RuntimeTest {};

TEST_F(MenuBarRtlTest, ItemsShowFromTheRightAndAnswerTheMouseWhereTheyShow) {
    StartRuntime(true);
    BuildMenuBarSkin(Skin());
    SkinLoaded();
    EnableSkinning();
    POINT parked;
    GetCursorPos(&parked);
    TestWindowArgs args;
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    args.exStyle = WS_EX_LAYOUTRTL;
    args.clientWidth = 360;
    args.clientHeight = 150;
    TestWindow window(args);
    HWND hwnd = window.Handle();
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 301, L"&Go");
    AppendMenuW(menu, MF_STRING, 302, L"&Stop");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 303, L"G&reyed");
    SetMenu(hwnd, menu);
    g_commands.clear();
    g_previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    SetForegroundWindow(hwnd);
    AttachBaseSkinnedObject(hwnd);
    ApplySkinToWindow(hwnd, 0);
    Settle();
    CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
    ASSERT_NE(frame, nullptr);
    CTWWndMenu* bar = frame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    window.PaintNow();
    Settle();

    RECT wr;
    GetWindowRect(hwnd, &wr);
    const int W = wr.right - wr.left;
    // The bar's rectangles are in the window's mirrored layout: where they
    // show is their mirror image.
    auto shown = [&](int index) { return MirrorInWidth(bar->ItemRects()[std::size_t(index)], W); };
    auto colourAt = [&](int index) {
        const Rect r = shown(index);
        return CaptureAsShown(hwnd).At((r.left + r.right) / 2, r.top + 1);
    };
    auto centre = [&](int index) {
        const Rect r = shown(index);
        return POINT{wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2};
    };
    EXPECT_GT(shown(0).left, shown(1).left) << "the first item is the rightmost";
    EXPECT_GT(shown(0).right, W / 2);
    EXPECT_EQ(colourAt(0), kItemNormal);
    EXPECT_EQ(colourAt(2), kItemDisabled);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(centre(1).x, centre(1).y)), HTCLIENT);

    // Hot where the cursor is.
    MoveCursorTo(centre(1));
    Settle();
    EXPECT_EQ(bar->GetHotItem(), 1);
    EXPECT_EQ(colourAt(1), kItemHot);

    // A click runs the item that shows under the cursor.
    ClickAtScreen(centre(0));
    Settle();
    EXPECT_EQ(g_commands, std::vector<WPARAM>{301});

    // Outside the client area and the items, only the skin's colours.
    MoveCursorTo(parked);
    Settle();
    const PixelBuffer pixels = CaptureAsShown(hwnd);
    const RECT client = ClientRectInWindow(hwnd);
    const COLORREF allowed[] = {kSide, kSideInactive, kBarBackground, kButtons};
    long foreign = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            if (PtInRect(&client, {x, y})) continue;
            bool inItem = false;
            for (int i = 0; i < 3; ++i) inItem = inItem || shown(i).Contains({x, y});
            if (inItem) continue;
            if (std::find(std::begin(allowed), std::end(allowed), pixels.At(x, y)) == std::end(allowed)) ++foreign;
        }
    EXPECT_EQ(foreign, 0);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
}

// Item text drawn in the mirrored buffer reads as it should: its glyphs show
// as the bar's font draws them, not mirrored.
TEST_F(MenuBarRtlTest, ItemTextReadsLeftToRightInAMirroredBar) {
    StartRuntime(true);
    BuildMenuBarSkin(Skin());
    SkinLoaded();
    EnableSkinning();
    const wchar_t* text = L"Lpf[1";
    for (DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        const bool rtl = ex != 0;
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.exStyle = ex;
        args.clientWidth = 360;
        args.clientHeight = 150;
        TestWindow window(args);
        HWND hwnd = window.Handle();
        HMENU menu = CreateMenu();
        AppendMenuW(menu, MF_STRING, 301, text);
        SetMenu(hwnd, menu);
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
        ASSERT_NE(frame, nullptr);
        CTWWndMenu* bar = frame->GetMenuBar();
        ASSERT_NE(bar, nullptr);
        window.PaintNow();
        Settle();
        HFONT font = bar->GetFont();
        const std::vector<int> expected = TextColumns(font, text);
        ASSERT_FALSE(expected.empty());
        ASSERT_NE(expected, std::vector<int>(expected.rbegin(), expected.rend()));
        RECT wr;
        GetWindowRect(hwnd, &wr);
        const Rect item = bar->ItemRects()[0];
        const Rect shown = rtl ? MirrorInWidth(item, wr.right - wr.left) : item;
        EXPECT_EQ(LightColumns(CaptureAsShown(hwnd), {shown.left, shown.top, shown.right, shown.bottom}), expected)
            << (rtl ? "right to left" : "left to right");
    }
}
