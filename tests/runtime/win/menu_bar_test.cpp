// The skinned menu bar under Wine: bar and items drawn from the frame
// element in their own colours (normal and greyed), hot by the mouse and by
// the keyboard, popups opened by clicks, and no pixel of the system's own
// bar left after the triggers that make Wine draw it.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "base/win/rect.h"
#include "model/elements/wnd_frame.h"
#include "model/windows_version.h"
#include "runtime/frame/menu_bar.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/text/unicode_string.h"
#include "tests/harness/capture.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::test::menubar;

namespace {

// File (popup), Edit (popup), Go (a command), Greyed (greyed command).
HMENU BuildMenu() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&Open");
    AppendMenuW(file, MF_STRING, 102, L"&Close");
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, 201, L"&Copy");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(file), L"&File");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(edit), L"&Edit");
    AppendMenuW(bar, MF_STRING, 301, L"&Go");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, 302, L"G&reyed");
    return bar;
}

// Messages the window's own procedure saw.
std::vector<UINT> g_seen;
std::atomic<int> g_popups{0};
std::vector<WPARAM> g_commands;
WNDPROC g_previous = nullptr;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITMENUPOPUP) {
        g_seen.push_back(msg);
        ++g_popups;
    }
    if (msg == WM_COMMAND) g_commands.push_back(LOWORD(wp));
    return CallWindowProcW(g_previous, hwnd, msg, wp, lp);
}

void Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void Tap(WORD vk) {
    Key(vk, false);
    Key(vk, true);
}

class MenuBarTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        BuildMenuBarSkin(Skin());
        SkinLoaded();
        EnableSkinning();
        GetCursorPos(&parked_);
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.clientWidth = 360;
        args.clientHeight = 150;
        window_ = std::make_unique<TestWindow>(args);
        hwnd_ = window_->Handle();
        SetMenu(hwnd_, BuildMenu());
        g_seen.clear();
        g_popups = 0;
        g_commands.clear();
        g_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
        SetForegroundWindow(hwnd_);
        AttachBaseSkinnedObject(hwnd_);
        ApplySkinToWindow(hwnd_, 0);
        Settle();
        frame_ = GetFrameSkinWnd(hwnd_);
        bar_ = frame_ ? frame_->GetMenuBar() : nullptr;
    }
    void TearDown() override {
        SetCursorPos(parked_.x, parked_.y);
        window_.reset();
        RuntimeTest::TearDown();
    }

    // Pixels of the non-client area outside the skin's colours, the item
    // rectangles (which hold text) left out.
    long ForeignPixels() {
        const PixelBuffer pixels = CaptureWindow(hwnd_);
        RECT wr, client;
        GetWindowRect(hwnd_, &wr);
        GetClientRect(hwnd_, &client);
        POINT origin{0, 0};
        ClientToScreen(hwnd_, &origin);
        OffsetRect(&client, origin.x - wr.left, origin.y - wr.top);
        const std::vector<Rect> items = bar_->ItemRects();
        const COLORREF allowed[] = {kSide, kSideInactive, kBarBackground, kButtons};
        long foreign = 0;
        for (int y = 0; y < pixels.Height(); ++y) {
            for (int x = 0; x < pixels.Width(); ++x) {
                const POINT p{x, y};
                if (PtInRect(&client, p)) continue;
                if (std::any_of(items.begin(), items.end(), [&](const Rect& r) { return r.Contains({x, y}); }))
                    continue;
                if (std::find(std::begin(allowed), std::end(allowed), pixels.At(x, y)) == std::end(allowed)) ++foreign;
            }
        }
        return foreign;
    }

    // The colour of an item's top rows (above its text).
    COLORREF ItemColour(int index) {
        const Rect r = bar_->ItemRects()[std::size_t(index)];
        const PixelBuffer pixels = CaptureWindow(hwnd_);
        return pixels.At((r.left + r.right) / 2, r.top + 1);
    }

    POINT ItemCentre(int index) {
        const Rect r = bar_->ItemRects()[std::size_t(index)];
        RECT wr;
        GetWindowRect(hwnd_, &wr);
        return {wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2};
    }

    std::unique_ptr<TestWindow> window_;
    HWND hwnd_ = nullptr;
    CFrameSkinWnd* frame_ = nullptr;
    CTWWndMenu* bar_ = nullptr;
    POINT parked_{};
};

} // namespace

TEST_F(MenuBarTest, BarAndItemsFromTheSkinNormalAndGreyed) {
    ASSERT_NE(bar_, nullptr);
    ASSERT_NE(bar_->GetMenuHandle(), nullptr);
    EXPECT_EQ(bar_->HeightItem(), 4) << "the height item follows the four items";
    const std::vector<Rect> items = bar_->ItemRects();
    ASSERT_EQ(items.size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(items[std::size_t(i)].IsEmpty()) << i;
    EXPECT_EQ(ItemColour(0), kItemNormal);
    EXPECT_EQ(ItemColour(2), kItemNormal);
    EXPECT_EQ(ItemColour(3), kItemDisabled);
    const Rect bar = bar_->BarRect();
    EXPECT_EQ(bar.top, kTop);
    const PixelBuffer pixels = CaptureWindow(hwnd_);
    const ColourCheck background =
        CheckRect(pixels, {items[3].right + 2, bar.top, bar.right, bar.bottom}, kBarBackground);
    EXPECT_TRUE(background.Passed()) << background.Describe(kBarBackground);
    EXPECT_EQ(ForeignPixels(), 0);
    // The bar answers HTCLIENT so that the system never tracks it.
    const POINT centre = ItemCentre(1);
    EXPECT_EQ(SendMessageW(hwnd_, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCLIENT);
}

TEST_F(MenuBarTest, HotByTheMouseAndNoForeignPixelsAfterDrawMenuBarAndActivation) {
    ASSERT_NE(bar_, nullptr);
    const POINT centre = ItemCentre(1);
    SetCursorPos(centre.x, centre.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof move);
    Settle();
    EXPECT_EQ(bar_->GetHotItem(), 1);
    EXPECT_EQ(ItemColour(1), kItemHot);
    const POINT away = ItemCentre(0);
    SetCursorPos(away.x, away.y + 200);
    SendInput(1, &move, sizeof move);
    Settle();
    DrawMenuBar(hwnd_);
    Settle();
    EXPECT_EQ(ForeignPixels(), 0) << "DrawMenuBar";
    SendMessageW(hwnd_, WM_NCACTIVATE, FALSE, 0);
    Settle();
    EXPECT_EQ(ForeignPixels(), 0) << "deactivated";
    SendMessageW(hwnd_, WM_NCACTIVATE, TRUE, 0);
    SetWindowTextW(hwnd_, L"Another caption");
    Settle();
    EXPECT_EQ(ForeignPixels(), 0) << "caption text changed";
}

TEST_F(MenuBarTest, AltHighlightsTheFirstItemArrowsMoveEscapeLeaves) {
    ASSERT_NE(bar_, nullptr);
    SetFocus(hwnd_);
    Tap(VK_MENU);
    Settle();
    EXPECT_TRUE(bar_->InKeyboardMode());
    EXPECT_EQ(bar_->GetHotItem(), 0);
    EXPECT_EQ(ItemColour(0), kItemPressed);
    EXPECT_EQ(ForeignPixels(), 0) << "Alt";
    Tap(VK_RIGHT);
    Settle();
    EXPECT_EQ(bar_->GetHotItem(), 1);
    Tap(VK_LEFT);
    Tap(VK_LEFT);
    Settle();
    EXPECT_EQ(bar_->GetHotItem(), 3) << "wraps to the last item, skipping the height item";
    Tap(VK_ESCAPE);
    Settle();
    EXPECT_FALSE(bar_->InKeyboardMode());
    EXPECT_EQ(bar_->GetHotItem(), -1);
    Tap(VK_F10);
    Settle();
    EXPECT_TRUE(bar_->InKeyboardMode()) << "F10";
    Tap(VK_F10);
    Settle();
    EXPECT_FALSE(bar_->InKeyboardMode()) << "F10 again";
    EXPECT_EQ(ForeignPixels(), 0);
}

TEST_F(MenuBarTest, AClickOpensThePopupArrowsSwitchItemsEscapeCloses) {
    ASSERT_NE(bar_, nullptr);
    const POINT file = ItemCentre(0);
    std::atomic<bool> done{false};
    // The popups open on this thread (a click runs the menu loop inside the
    // pump); the input comes from a helper that waits for each popup before
    // the next key, however long a loaded machine takes to open it.
    std::thread input([&] {
        auto waitFor = [](const auto& reached) {
            for (int i = 0; i < 1000 && !reached(); ++i) Sleep(5);
        };
        SetCursorPos(file.x, file.y);
        INPUT click{};
        click.type = INPUT_MOUSE;
        click.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(1, &click, sizeof click);
        click.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &click, sizeof click);
        waitFor([] { return g_popups >= 1; });
        Tap(VK_RIGHT); // plain item in the popup: moves to Edit's popup
        waitFor([] { return g_popups >= 2; });
        // A mouse move with the pointer still resting on File, as the system
        // makes when a window appears or goes: Edit's popup stays.
        PostMessageW(hwnd_, WM_MOUSEMOVE, 0, 0);
        Tap(VK_ESCAPE);
        waitFor([this] { return !bar_->IsPopupOpen(); });
        // Should a wrong popup have opened, close it too: its menu loop would
        // hold the test's thread.
        for (int i = 0; i < 3 && (Sleep(100), bar_->IsPopupOpen()); ++i) {
            Tap(VK_ESCAPE);
            waitFor([this] { return !bar_->IsPopupOpen(); });
        }
        done = true;
    });
    for (int i = 0; i < 2000 && !done; ++i) {
        PumpMessages();
        Sleep(5);
    }
    input.join();
    Settle();
    EXPECT_EQ(g_seen.size(), 2u) << "File's popup, then Edit's";
    EXPECT_FALSE(bar_->IsPopupOpen());
    EXPECT_EQ(ForeignPixels(), 0);
}

// The pointer rests on File while the keyboard opens File's popup and moves
// to Edit's; a mouse move there that does not move the pointer (the system
// makes them when windows appear or go) must not take the bar back to File.
TEST_F(MenuBarTest, AMouseMoveWhereThePointerStayedKeepsThePopupTheKeyboardChose) {
    ASSERT_NE(bar_, nullptr);
    const POINT file = ItemCentre(0);
    SetCursorPos(file.x, file.y);
    Settle();
    SetFocus(hwnd_);
    std::atomic<bool> done{false};
    std::thread input([&] {
        auto waitFor = [](const auto& reached) {
            for (int i = 0; i < 1000 && !reached(); ++i) Sleep(5);
        };
        Tap(VK_MENU);
        waitFor([this] { return bar_->InKeyboardMode(); });
        Tap(VK_DOWN); // opens File's popup
        waitFor([] { return g_popups >= 1; });
        Tap(VK_RIGHT);
        waitFor([] { return g_popups >= 2; });
        PostMessageW(hwnd_, WM_MOUSEMOVE, 0, 0);
        Tap(VK_ESCAPE);
        waitFor([this] { return !bar_->IsPopupOpen(); });
        for (int i = 0; i < 3 && (Sleep(100), bar_->IsPopupOpen()); ++i) {
            Tap(VK_ESCAPE);
            waitFor([this] { return !bar_->IsPopupOpen(); });
        }
        Tap(VK_ESCAPE); // leaves the bar's keyboard mode
        done = true;
    });
    for (int i = 0; i < 2000 && !done; ++i) {
        PumpMessages();
        Sleep(5);
    }
    input.join();
    Settle();
    EXPECT_EQ(g_seen.size(), 2u) << "File's popup, then Edit's";
    EXPECT_FALSE(bar_->IsPopupOpen());
}

TEST_F(MenuBarTest, AClickOnAPlainItemSendsItsCommand) {
    ASSERT_NE(bar_, nullptr);
    ClickAtScreen(ItemCentre(2));
    Settle();
    EXPECT_EQ(g_commands, std::vector<WPARAM>{301});
    // A greyed item does nothing.
    g_commands.clear();
    ClickAtScreen(ItemCentre(3));
    Settle();
    EXPECT_TRUE(g_commands.empty());
    EXPECT_EQ(ForeignPixels(), 0);
}

// A frame whose skin has no frame element keeps the system's bar; the
// keyboard-menu command must reach the system once, not bounce between the
// window's procedures (it used to recurse until the stack ran out).
TEST(MenuBarWithoutFrameElement, TheKeyboardMenuCommandReachesTheSystemOnce) {
    SetHostFramework(0);
    SetExplicitMode(TRUE);
    ASSERT_EQ(InitSkinRuntime(0), 0);
    SyntheticSkin(GetRuntimeSkinManager()->GetMainSkin()).SolidImage(25, 0, RGB(1, 2, 3), 4, 4);
    MarkMainSkinLoaded(GetRuntimeSkinManager());
    EnableSkinning();
    {
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        TestWindow window(args);
        SetMenu(window.Handle(), BuildMenu());
        AttachBaseSkinnedObject(window.Handle());
        ApplySkinToWindow(window.Handle(), 0);
        SetForegroundWindow(window.Handle());
        Settle();
        // The system's menu loop ends on the Escape already queued.
        PostMessageW(window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        Settle();
        EXPECT_TRUE(IsWindow(window.Handle()));
    }
    ShutdownSkinRuntime();
    SetExplicitMode(FALSE);
    PumpMessages();
}

namespace {

// A host above the skinned bar: records the bar's WM_DRAWITEM messages and
// draws the item with id 301 itself.
struct DrawnPiece {
    UINT id, kind, state;
    RECT rect;
    std::wstring text;
};
std::vector<DrawnPiece> g_drawn;
bool g_hostDrawsGo = false;
constexpr COLORREF kHostColour = RGB(250, 0, 250);
WNDPROC g_belowHost = nullptr;
LRESULT CALLBACK DrawingHostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (msg == WM_DRAWITEM && wp == 0 && item && item->CtlType == kBarDrawItemType) {
        DrawnPiece piece{item->itemID, item->itemAction, item->itemState, item->rcItem, {}};
        if (item->itemAction == UINT(bar_kind::kText) && item->itemData)
            piece.text = reinterpret_cast<const CUnicodeString*>(item->itemData)->GetBuffer();
        g_drawn.push_back(piece);
        if (g_hostDrawsGo && item->itemID == 301) {
            HBRUSH brush = CreateSolidBrush(kHostColour);
            FillRect(item->hDC, &item->rcItem, brush);
            DeleteObject(brush);
            return TRUE;
        }
    }
    return CallWindowProcW(g_belowHost, hwnd, msg, wp, lp);
}

} // namespace

TEST_F(MenuBarTest, TheBarIsDrawnThroughWmDrawItemSoAHostCanDrawItemsItself) {
    ASSERT_NE(bar_, nullptr);
    g_drawn.clear();
    g_hostDrawsGo = false;
    g_belowHost =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DrawingHostProc)));
    auto repaint = [&] {
        g_drawn.clear();
        frame_->InvalidateFramePicture();
        frame_->PaintBorder(nullptr);
        Settle();
    };
    repaint();
    // The background first, over the whole bar; then every item but the
    // height item, in window coordinates, with its id, kind, state and text.
    const std::vector<Rect> items = bar_->ItemRects();
    ASSERT_EQ(g_drawn.size(), 5u);
    EXPECT_EQ(g_drawn[0].kind, UINT(bar_kind::kBackground));
    const RECT bar = hexmoor::ToRECT(bar_->BarRect());
    EXPECT_TRUE(EqualRect(&g_drawn[0].rect, &bar));
    const struct {
        UINT id, state;
        const wchar_t* text;
    } expected[] = {{UINT(-1), 0, L"&File"}, {UINT(-1), 0, L"&Edit"}, {301, 0, L"&Go"}, {302, 4, L"G&reyed"}};
    for (int i = 0; i < 4; ++i) {
        const DrawnPiece& p = g_drawn[std::size_t(i + 1)];
        EXPECT_EQ(p.id, expected[i].id) << i;
        EXPECT_EQ(p.kind, UINT(bar_kind::kText)) << i;
        EXPECT_EQ(p.state, expected[i].state) << i;
        EXPECT_EQ(p.text, expected[i].text) << i;
        const RECT r = hexmoor::ToRECT(items[std::size_t(i)]);
        EXPECT_TRUE(EqualRect(&p.rect, &r)) << i;
    }

    // A hot item is drawn through the same message, in state 1.
    const POINT centre = ItemCentre(0);
    SetCursorPos(centre.x, centre.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    g_drawn.clear();
    SendInput(1, &move, sizeof move);
    Settle();
    EXPECT_TRUE(std::any_of(g_drawn.begin(), g_drawn.end(),
                            [](const DrawnPiece& p) { return p.kind == UINT(bar_kind::kText) && p.state == 1; }));
    EXPECT_EQ(ItemColour(0), kItemHot);
    SetCursorPos(centre.x, centre.y + 200);
    SendInput(1, &move, sizeof move);
    Settle();

    // The host's own drawing shows where it answered; the rest is the skin's.
    g_hostDrawsGo = true;
    repaint();
    EXPECT_EQ(ItemColour(2), kHostColour);
    EXPECT_EQ(ItemColour(1), kItemNormal);
    EXPECT_EQ(ItemColour(3), kItemDisabled);
    g_hostDrawsGo = false;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_belowHost));
}

TEST_F(MenuBarTest, OnWindowsNt4TheHeightItemIsFoundThroughTheShorterRecord) {
    ASSERT_NE(bar_, nullptr);
    const int saved = WindowsVersionCode;
    WindowsVersionCode = 5;
    // Found through the record without its bitmap field: switching the bar
    // off takes the height item away again.
    EXPECT_EQ(bar_->HeightItem(), 4);
    HMENU menu = bar_->GetMenuHandle();
    bar_->DetachMenuBar(FALSE);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    bar_->AttachMenuBar(FALSE);
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(bar_->HeightItem(), 4);
    WindowsVersionCode = saved;
}
