// The skinned menu bar follows its window: the menu after skinning (a menu
// set with SetMenu, an empty menu filled later, a window given its first
// menu, an MDI frame whose client switches menus with WM_MDISETMENU or
// restores a maximised child with WM_MDIRESTORE: each time the bar draws and
// clicks the menu the window shows now, and a menu let go keeps no item of
// ours), the row over the window's own vertical scroll bar, and the window's
// own procedure once the bar let go under a later subclasser.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/frame/menu_bar.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/scroll/scroll_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/mdi_frame.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::test::menubar;

namespace {

// What the window's own procedure (under every skinning procedure) saw.
constexpr UINT kProbeMessage = WM_USER + 5;
std::vector<WPARAM> g_commands;
int g_probes = 0;
WNDPROC g_previous = nullptr;
LRESULT CALLBACK CommandRecorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && lp == 0) g_commands.push_back(LOWORD(wp));
    if (msg == kProbeMessage) ++g_probes;
    return CallWindowProcW(g_previous, hwnd, msg, wp, lp);
}

WNDPROC g_foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(g_foreignPrevious, hwnd, msg, wp, lp);
}

// A bar of plain commands (no popups, so a click sends at once).
HMENU CommandMenu(std::initializer_list<std::pair<UINT, const wchar_t*>> items) {
    HMENU menu = CreateMenu();
    for (const auto& [id, text] : items) AppendMenuW(menu, MF_STRING, id, text);
    return menu;
}

bool HoldsBitmapItem(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_BITMAP | MIIM_FTYPE;
        if (GetMenuItemInfoW(menu, UINT(i), TRUE, &info) && (info.hbmpItem || (info.fType & MFT_BITMAP))) return true;
    }
    return false;
}

class MenuBarFollowTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        BuildMenuBarSkin(Skin());
        SkinLoaded();
        EnableSkinning();
        GetCursorPos(&parked_);
        g_commands.clear();
    }
    void TearDown() override {
        SetCursorPos(parked_.x, parked_.y);
        window_.reset();
        RuntimeTest::TearDown();
    }

    HWND MakeFrame(HMENU menu) {
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.clientWidth = 360;
        args.clientHeight = 150;
        window_ = std::make_unique<TestWindow>(args);
        HWND hwnd = window_->Handle();
        if (menu) SetMenu(hwnd, menu);
        g_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommandRecorder)));
        SetForegroundWindow(hwnd);
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return hwnd;
    }

    CTWWndMenu* Bar(HWND hwnd) {
        CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
        return frame ? frame->GetMenuBar() : nullptr;
    }

    // The screen centre of a bar item, in the bar's own layout.
    POINT ItemCentre(HWND hwnd, int index) {
        const Rect r = Bar(hwnd)->ItemRects()[std::size_t(index)];
        RECT wr;
        GetWindowRect(hwnd, &wr);
        return {wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2};
    }

    std::unique_ptr<TestWindow> window_;
    POINT parked_{};
};

} // namespace

TEST_F(MenuBarFollowTest, TheBarTakesTheMenuTheWindowShowsAfterSkinning) {
    struct Case {
        const char* name;
        std::function<HMENU()> before;     // the menu when skinned (null: none)
        std::function<HMENU(HWND)> change; // what the host does after; the menu it shows then
    };
    HMENU replaced = nullptr;
    const Case cases[] = {
        {"SetMenu to another menu",
         [&] {
             return replaced = CommandMenu({{401, L"&Alpha"}, {402, L"A&nother"}});
         },
         [](HWND hwnd) {
             HMENU next = CommandMenu({{501, L"&Beta"}, {502, L"B&ack"}});
             SetMenu(hwnd, next);
             return next;
         }},
        {"an empty menu filled later", [] { return CreateMenu(); },
         [](HWND hwnd) {
             HMENU menu = GetMenu(hwnd);
             AppendMenuW(menu, MF_STRING, 501, L"&Beta");
             AppendMenuW(menu, MF_STRING, 502, L"B&ack");
             DrawMenuBar(hwnd);
             return menu;
         }},
        {"a window given its first menu", []() -> HMENU { return nullptr; },
         [](HWND hwnd) {
             HMENU menu = CommandMenu({{501, L"&Beta"}, {502, L"B&ack"}});
             SetMenu(hwnd, menu);
             return menu;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        replaced = nullptr;
        HWND hwnd = MakeFrame(c.before());
        HMENU shown = c.change(hwnd);
        Settle();
        CTWWndMenu* bar = Bar(hwnd);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->GetMenuHandle(), shown);
        if (replaced) {
            EXPECT_EQ(GetMenuItemCount(replaced), 2) << "the menu let go keeps no height item";
            EXPECT_FALSE(HoldsBitmapItem(replaced));
        }
        // The bar draws the new menu's items in the skin's colours.
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Settle();
        const Rect first = bar->ItemRects()[0];
        ASSERT_FALSE(first.IsEmpty());
        EXPECT_EQ(CaptureWindow(hwnd).At((first.left + first.right) / 2, first.top + 1), kItemNormal);
        // A real click on the first item sends the new item's command.
        g_commands.clear();
        ClickAtScreen(ItemCentre(hwnd, 0));
        Settle();
        EXPECT_EQ(g_commands, std::vector<WPARAM>{501});
        window_.reset();
        if (replaced) DestroyMenu(replaced);
        Settle();
    }
}

TEST_F(MenuBarFollowTest, TheRowReachesOverTheWindowsOwnVerticalScrollBar) {
    for (int id = 42; id <= 101; ++id) Skin().SolidImage(5, WORD(id), RGB(40, 40, id));
    for (int id = 814; id <= 841; ++id) Skin().SolidImage(5, WORD(id), RGB(40, 40, id - 700));
    const struct {
        const char* name;
        DWORD exStyle;
    } sides[] = {
        {"bar on the right", 0},
        // WS_EX_LEFTSCROLLBAR: the row above a left bar shows another colour
        // than the bar background under Wine; its row waits for the mend.
    };
    for (const auto& side : sides) {
        SCOPED_TRACE(side.name);
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE;
        args.exStyle = side.exStyle;
        args.clientWidth = 360;
        args.clientHeight = 150;
        window_ = std::make_unique<TestWindow>(args);
        HWND hwnd = window_->Handle();
        SetMenu(hwnd, CommandMenu({{401, L"&Alpha"}}));
        SCROLLINFO si{sizeof(si), SIF_ALL, 0, 99, 10, 0, 0};
        SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        RECT vertical{};
        ASSERT_TRUE(GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &vertical)) << "the window's bar is skinned";
        CTWWndMenu* bar = Bar(hwnd);
        ASSERT_NE(bar, nullptr);
        const Rect row = bar->BarRect();
        EXPECT_LE(row.left, vertical.left) << "the row spans the scroll bar's column";
        EXPECT_GE(row.right, vertical.right) << "the row spans the scroll bar's column";
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Settle();
        const PixelBuffer pixels = CaptureWindow(hwnd);
        const int x = (vertical.left + vertical.right) / 2;
        for (int y = row.top; y < row.bottom; ++y)
            EXPECT_EQ(pixels.At(x, y), kBarBackground) << "row " << y << " above the scroll bar";
        window_.reset();
        Settle();
    }
}

TEST_F(MenuBarFollowTest, TheWindowsOwnProcedureKeepsItsMessagesAfterTheBarLetGoUnderALaterSubclasser) {
    HWND hwnd = MakeFrame(CommandMenu({{401, L"&Alpha"}}));
    ASSERT_NE(Bar(hwnd), nullptr);
    g_foreignPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    RemoveSkinFromWindowTree(hwnd, 0);
    EXPECT_EQ(GetFrameSkinWnd(hwnd), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignProc));
    g_probes = 0;
    SendMessageW(hwnd, kProbeMessage, 0, 0);
    EXPECT_EQ(g_probes, 1) << "messages still reach the window's own procedure";
    // Skinned again while the old procedures are still in the chain.
    AttachBaseSkinnedObject(hwnd);
    ApplySkinToWindow(hwnd, 0);
    Settle();
    ASSERT_NE(Bar(hwnd), nullptr);
    SendMessageW(hwnd, kProbeMessage, 0, 0);
    EXPECT_EQ(g_probes, 2);
    g_commands.clear();
    ClickAtScreen(ItemCentre(hwnd, 0));
    Settle();
    EXPECT_EQ(g_commands, std::vector<WPARAM>{401});
}

namespace {

constexpr COLORREF kMdiClose = RGB(250, 10, 10), kMdiRestore = RGB(10, 250, 10), kMdiMinimize = RGB(10, 10, 250);
const wchar_t kChildClass[] = L"HexmoorMenuFollowChild";

// Kinds of the bar's items, as the bar sees them.
std::vector<int> Kinds(CTWWndMenu* bar) {
    std::vector<int> kinds;
    const int count = GetMenuItemCount(bar->GetMenuHandle());
    for (int i = 0; i < count; ++i)
        if (i != bar->HeightItem()) kinds.push_back(bar->ItemKind(i));
    return kinds;
}

} // namespace

class MdiMenuFollowTest : public MenuBarFollowTest {
protected:
    void SetUp() override {
        MenuBarFollowTest::SetUp();
        SolidMdiButtons(dynamic_cast<CTwfWndFrame*>(Skin().Element(2)), kMdiClose, kMdiRestore, kMdiMinimize);
        RegisterMdiChildClass(kChildClass);
        windowMenu_ = CreatePopupMenu();
        AppendMenuW(windowMenu_, MF_STRING, 100, L"&Tile");
        HMENU menu = CreateMenu();
        AppendMenuW(menu, MF_STRING, 401, L"&Alpha");
        AppendMenuW(menu, MF_POPUP, UINT_PTR(windowMenu_), L"&Window");
        frame_ = MakeFrame(menu);
        client_ = CreateMdiClient(frame_, windowMenu_);
        child_ = CreateMdiChild(client_, kChildClass, L"Child", 10, 10, 200, 100);
        ApplySkinToWindow(client_, 1);
        Settle();
    }

    HWND frame_ = nullptr;
    HWND client_ = nullptr;
    HWND child_ = nullptr;
    HMENU windowMenu_ = nullptr;
};

TEST_F(MdiMenuFollowTest, TheBarFollowsTheClientsMenuSwitchAndAMaximisedChildsRestore) {
    CTWWndMenu* bar = Bar(frame_);
    ASSERT_NE(bar, nullptr);
    HMENU first = bar->GetMenuHandle();

    // The client switches the frame to another menu (the way an MDI frame
    // shows each document kind's menu).
    HMENU other = CreateMenu();
    HMENU otherWindow = CreatePopupMenu();
    AppendMenuW(otherWindow, MF_STRING, 110, L"&Cascade");
    AppendMenuW(other, MF_STRING, 501, L"&Beta");
    AppendMenuW(other, MF_POPUP, UINT_PTR(otherWindow), L"&Window");
    SendMessageW(client_, WM_MDISETMENU, WPARAM(other), LPARAM(otherWindow));
    EXPECT_EQ(bar->GetMenuHandle(), other) << "the bar holds the new menu before the frame's menu bar is redrawn";
    DrawMenuBar(frame_);
    Settle();
    EXPECT_EQ(GetMenu(frame_), other);
    EXPECT_EQ(bar->GetMenuHandle(), other);
    EXPECT_FALSE(HoldsBitmapItem(first)) << "the menu let go keeps no height item";
    g_commands.clear();
    ClickAtScreen(ItemCentre(frame_, 0));
    Settle();
    EXPECT_EQ(g_commands, std::vector<WPARAM>{501});

    // Maximised, the child's icon and buttons join the bar; restored, they go.
    SendMessageW(client_, WM_MDIMAXIMIZE, WPARAM(child_), 0);
    Settle();
    ASSERT_TRUE(bar->MdiState().maximizedChild);
    EXPECT_EQ(Kinds(bar), (std::vector<int>{bar_kind::kChildIcon, bar_kind::kText, bar_kind::kText, bar_kind::kMinimize,
                                            bar_kind::kRestore, bar_kind::kClose}));
    SendMessageW(client_, WM_MDIRESTORE, WPARAM(child_), 0);
    Settle();
    EXPECT_FALSE(IsZoomed(child_));
    EXPECT_FALSE(bar->MdiState().maximizedChild);
    EXPECT_EQ(bar->GetMenuHandle(), GetMenu(frame_));
    EXPECT_EQ(Kinds(bar), (std::vector<int>{bar_kind::kText, bar_kind::kText}));
    RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Settle();
    const PixelBuffer pixels = CaptureWindow(frame_);
    const Rect item = bar->ItemRects()[0];
    // A text item, normal or hot (the pointer may still rest on it).
    const Colour shownFirst = pixels.At((item.left + item.right) / 2, item.top + 1);
    EXPECT_TRUE(shownFirst == kItemNormal || shownFirst == kItemHot)
        << "the first item is text again: " << ColourText(shownFirst);
    g_commands.clear();
    ClickAtScreen(ItemCentre(frame_, 0));
    Settle();
    EXPECT_EQ(g_commands, std::vector<WPARAM>{501});
    DestroyMenu(first);
}
