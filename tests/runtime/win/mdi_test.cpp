// MDI windows under Wine: the client's background from the frame element,
// tile and cascade against Wine's own, skinned child frames, and the frame's
// bar with a maximised child's icon and buttons.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "runtime/frame/menu_bar.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/frame/mdi_skin_wnd.h"
#include "runtime/logic/menu_bar_layout.h"
#include "tests/harness/capture.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/mdi_frame.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr int kTop = 22, kBottom = 4, kLeft = 4, kRight = 4;
constexpr COLORREF kSide = RGB(170, 50, 50), kSideInactive = RGB(90, 30, 30);
constexpr COLORREF kMdiBackground = RGB(20, 140, 90);
constexpr COLORREF kBarBackground = RGB(30, 160, 160), kItem = RGB(60, 60, 200);
constexpr COLORREF kMdiClose = RGB(250, 10, 10), kMdiRestore = RGB(10, 250, 10), kMdiMinimize = RGB(10, 10, 250);

void BuildSkin(SyntheticSkin& skin) {
    CTwfWndFrame* frame = BuildSolidFrame(skin, SolidFrameOf(kTop, kBottom, kLeft, kRight, {kSide, kSideInactive}));
    frame->SetNumber(frame_id::kMenuBarHeight, 20);
    skin.SolidImage(frame_id::kElement, frame_id::kMdiClientBackground, kMdiBackground, 4, 4);
    skin.SolidImage(frame_id::kElement, frame_id::kMenuBarBackground, kBarBackground, 4, 4);
    skin.SolidImage(frame_id::kElement, frame_id::kMenuBarItemNormal, kItem, 4, 4);
    SolidMdiButtons(frame, kMdiClose, kMdiRestore, kMdiMinimize);
}

const wchar_t kChildClass[] = L"HexmoorMdiChild";
std::vector<WPARAM> g_childCommands;

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) g_childCommands.push_back(wp & 0xFFF0);
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE) return 0; // recorded, kept open
    return DefMDIChildProcW(hwnd, msg, wp, lp);
}

class MdiTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        BuildSkin(Skin());
        SkinLoaded();
        EnableSkinning();
        RegisterMdiChildClass(kChildClass, &ChildProc);
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
        args.clientWidth = 600;
        args.clientHeight = 400;
        window_ = std::make_unique<TestWindow>(args);
        frame_ = window_->Handle();
        HMENU menu = CreateMenu();
        HMENU window = CreatePopupMenu();
        AppendMenuW(window, MF_STRING, 100, L"&Tile");
        AppendMenuW(menu, MF_POPUP, UINT_PTR(window), L"&Window");
        AppendMenuW(menu, MF_STRING, 101, L"&Go");
        SetMenu(frame_, menu);
        client_ = CreateMdiClient(frame_, window, 600, 400);
        SetForegroundWindow(frame_);
    }
    void TearDown() override {
        window_.reset();
        RuntimeTest::TearDown();
    }
    HWND NewChild(const wchar_t* title) {
        HWND child = CreateMdiChild(client_, kChildClass, title, CW_USEDEFAULT, CW_USEDEFAULT, 200, 150);
        Settle();
        return child;
    }
    void SkinAll() {
        AttachBaseSkinnedObject(frame_);
        ApplySkinToWindow(frame_, 0);
        ApplySkinToWindow(client_, 1);
        Settle();
    }
    void FitClient() {
        RECT c;
        GetClientRect(frame_, &c);
        MoveWindow(client_, 0, 0, c.right, c.bottom, TRUE);
        Settle();
    }
    std::vector<RECT> ChildRects(const std::vector<HWND>& children) {
        std::vector<RECT> out;
        for (HWND c : children) {
            RECT r;
            GetWindowRect(c, &r);
            MapWindowPoints(nullptr, client_, reinterpret_cast<POINT*>(&r), 2);
            out.push_back(r);
        }
        return out;
    }

    std::unique_ptr<TestWindow> window_;
    HWND frame_ = nullptr;
    HWND client_ = nullptr;
};

} // namespace

TEST_F(MdiTest, ClientBackgroundAndSkinnedChildFrames) {
    HWND child = NewChild(L"One");
    SkinAll();
    FitClient();
    ASSERT_EQ(GetSkinnedWindowType(client_), 23);
    CFrameSkinWnd* childFrame = GetFrameSkinWnd(child);
    ASSERT_NE(childFrame, nullptr);
    EXPECT_NE(dynamic_cast<CMDIChildSkinWnd*>(childFrame), nullptr);
    RECT borders;
    childFrame->GetRect(&borders);
    EXPECT_EQ(borders.top, kTop);
    MoveWindow(child, 300, 200, 200, 150, TRUE);
    RedrawWindow(client_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    const PixelBuffer pixels = CaptureClient(client_);
    const ColourCheck check = CheckRect(pixels, {0, 0, 250, 150}, kMdiBackground);
    EXPECT_TRUE(check.Passed()) << check.Describe(kMdiBackground);
    // The child's frame is skinned: its top side shows a side colour.
    const PixelBuffer childPixels = CaptureWindow(child);
    const Colour top = childPixels.At(40, 5);
    EXPECT_TRUE(top == kSide || top == kSideInactive) << ColourText(top);
}

TEST_F(MdiTest, TileAndCascadeLandNearWinesOwn) {
    std::vector<HWND> children;
    for (const wchar_t* t : {L"1", L"2", L"3", L"4", L"5"}) children.push_back(NewChild(t));
    std::reverse(children.begin(), children.end()); // z-order: the newest first
    FitClient();
    SendMessageW(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
    Settle();
    const std::vector<RECT> wineTile = ChildRects(children);
    SendMessageW(client_, WM_MDICASCADE, 0, 0);
    Settle();

    SkinAll();
    FitClient();
    SendMessageW(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
    Settle();
    const std::vector<RECT> ourTile = ChildRects(children);
    SendMessageW(client_, WM_MDICASCADE, 0, 0);
    Settle();
    const std::vector<RECT> ourCascade = ChildRects(children);
    // The same tiling up to the difference between the system's and the skin's borders.
    const int tolerance = 2 * std::max(GetSystemMetrics(SM_CXFRAME), kTop);
    std::vector<RECT> sortedWine = wineTile, sortedOurs = ourTile;
    auto byPlace = [](const RECT& a, const RECT& b) { return std::tie(a.left, a.top) < std::tie(b.left, b.top); };
    std::sort(sortedWine.begin(), sortedWine.end(), byPlace);
    std::sort(sortedOurs.begin(), sortedOurs.end(), byPlace);
    for (std::size_t i = 0; i < children.size(); ++i) {
        EXPECT_LE(std::abs(sortedWine[i].left - sortedOurs[i].left), tolerance) << i;
        EXPECT_LE(std::abs(sortedWine[i].top - sortedOurs[i].top), tolerance) << i;
        EXPECT_LE(std::abs(sortedWine[i].right - sortedOurs[i].right), tolerance) << i;
        EXPECT_LE(std::abs(sortedWine[i].bottom - sortedOurs[i].bottom), tolerance) << i;
    }
    // Cascade steps by the skinned borders and every child keeps its own place.
    std::vector<RECT> sortedCascade = ourCascade;
    std::sort(sortedCascade.begin(), sortedCascade.end(), byPlace);
    for (std::size_t i = 1; i < sortedCascade.size(); ++i) {
        EXPECT_EQ(sortedCascade[i].left - sortedCascade[i - 1].left, kLeft) << i;
        EXPECT_EQ(sortedCascade[i].top - sortedCascade[i - 1].top, kTop) << i;
    }
}

TEST_F(MdiTest, AMaximisedChildShowsItsIconAndButtonsInTheBarAndCloseReachesIt) {
    HWND child = NewChild(L"Max");
    SkinAll();
    FitClient();
    g_childCommands.clear();
    SendMessageW(client_, WM_MDIMAXIMIZE, WPARAM(child), 0);
    Settle();
    CFrameSkinWnd* frame = GetFrameSkinWnd(frame_);
    ASSERT_NE(frame, nullptr);
    CTWWndMenu* bar = frame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->MdiState().maximizedChild);
    const int count = GetMenuItemCount(bar->GetMenuHandle());
    EXPECT_EQ(bar->ItemKind(0), bar_kind::kChildIcon);
    EXPECT_EQ(bar->ItemKind(count - 1), bar_kind::kClose);
    EXPECT_EQ(bar->ItemKind(count - 2), bar_kind::kRestore);
    EXPECT_EQ(bar->ItemKind(count - 3), bar_kind::kMinimize);
    frame->PaintBorder(nullptr);
    const std::vector<Rect> items = bar->ItemRects();
    const PixelBuffer pixels = CaptureWindow(frame_);
    const struct {
        int index;
        COLORREF colour;
    } buttons[] = {{count - 1, kMdiClose}, {count - 2, kMdiRestore}, {count - 3, kMdiMinimize}};
    for (const auto& b : buttons) {
        const Rect& r = items[std::size_t(b.index)];
        ASSERT_FALSE(r.IsEmpty()) << b.index;
        EXPECT_EQ(pixels.At((r.left + r.right) / 2, (r.top + r.bottom) / 2), b.colour) << b.index;
    }
    // A click on the bar's close button posts the close command to the child.
    RECT wr;
    GetWindowRect(frame_, &wr);
    const Rect& close = items[std::size_t(count - 1)];
    POINT parked;
    GetCursorPos(&parked);
    ClickAtScreen({wr.left + (close.left + close.right) / 2, wr.top + (close.top + close.bottom) / 2});
    Settle();
    SetCursorPos(parked.x, parked.y);
    EXPECT_EQ(g_childCommands, std::vector<WPARAM>{SC_CLOSE});
}
