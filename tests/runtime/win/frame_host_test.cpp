// Skinned frames in the different host frameworks and around the special
// windows some hosts put inside them, on synthetic windows: Visual Basic 6
// frames keep their window size and refit their client area by request,
// system dialogs always work as plain windows, a floating frame holding a
// docking bar takes the bar's look, a DirectUI child that outgrows the
// client area makes the frame grow.
#include <windows.h>

#include <string>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "model/windows_version.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/control_types.h"
#include "runtime/messages.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/runtime/win/recorder.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

// Messages sent to one window, seen by a thread hook before any procedure.
struct Sent {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    SIZE size; // WM_WINDOWPOSCHANGING: the size proposed (-1 with SWP_NOSIZE)
};
HWND g_watched = nullptr;
std::vector<Sent> g_sent;
HHOOK g_hook = nullptr;
LRESULT CALLBACK WatchProc(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m && m->hwnd == g_watched) {
        Sent s{m->message, m->wParam, m->lParam, {-1, -1}};
        if (m->message == WM_WINDOWPOSCHANGING) {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(m->lParam);
            if (!(pos->flags & SWP_NOSIZE)) s.size = {pos->cx, pos->cy};
        }
        g_sent.push_back(s);
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

class Watch {
public:
    explicit Watch(HWND hwnd) {
        g_watched = hwnd;
        g_sent.clear();
        g_hook = SetWindowsHookExW(WH_CALLWNDPROC, &WatchProc, nullptr, GetCurrentThreadId());
    }
    ~Watch() {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
        g_watched = nullptr;
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
};

SIZE WindowSizeOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}
SIZE ClientSizeOf(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

// A top-level framed window of a plain class, or of the system's dialog class.
HWND CreateFramed(bool dialogClass, DWORD extraStyle = 0) {
    const DWORD style = WS_OVERLAPPEDWINDOW | extraStyle;
    RECT r{0, 0, 300, 160};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    if (dialogClass)
        return CreateWindowExW(0, L"#32770", L"Host", style, 40, 40, r.right - r.left, r.bottom - r.top, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    return CreateRecorder(nullptr, style, 40, 40, r.right - r.left, r.bottom - r.top);
}

// A second frame element, thicker at the top, with a shaped region.
void AddTallFrame(SyntheticSkin& skin, const wchar_t* name, int top) {
    namespace id = frame_id;
    auto* tall = dynamic_cast<CTwfWndFrame*>(skin.Element(id::kElement, name));
    tall->SetNumber(id::kTopThickness, top);
    tall->SetNumber(id::kBottomThickness, 9);
    tall->SetNumber(id::kLeftThickness, 8);
    tall->SetNumber(id::kRightThickness, 8);
    tall->SetNumber(id::kRegionShape, 3);
    tall->SetNumber(id::kTextHidden, 1);
    // The same bar as the main frame element's.
    tall->SetNumber(id::kMenuBarHeight, 22);
    tall->SetNumber(id::kMenuBarLeftBorder, 2);
    tall->SetNumber(id::kMenuBarTopBorder, 1);
    tall->SetNumber(id::kMenuBarBottomBorder, 1);
}

class FrameHostTest : public RuntimeTest {
protected:
    void Start(int hostKind) {
        StartRuntime(true);
        SetHostFramework(hostKind);
        menubar::BuildMenuBarSkin(Skin());
        SkinLoaded();
        EnableSkinning();
    }
    static CFrameSkinWnd* Skin(HWND hwnd) {
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return GetFrameSkinWnd(hwnd);
    }
    using RuntimeTest::Skin;
};

} // namespace

TEST_F(FrameHostTest, VisualBasicFramesKeepTheirWindowSizeAndRefitTheClientAreaByRequest) {
    const struct Case {
        const char* what;
        int host;
        bool dialogClass;
        int mode;
        bool deferred;
    } cases[] = {
        {"plain Windows", host::kWin32, false, host::kWin32, false},
        {"Visual Basic 6", host::kVisualBasic6, false, host::kVisualBasic6, true},
        {"Visual Basic 6, system dialog", host::kVisualBasic6, true, host::kWin32, false},
        {"Delphi", host::kDelphi, false, host::kDelphi, false},
    };
    for (const Case& c : cases) {
        Start(c.host);
        HWND hwnd = CreateFramed(c.dialogClass, WS_VISIBLE);
        const SIZE window = WindowSizeOf(hwnd), client = ClientSizeOf(hwnd);
        CFrameSkinWnd* frame = nullptr;
        {
            Watch watch(hwnd);
            frame = Skin(hwnd);
            ASSERT_NE(frame, nullptr) << c.what;
            EXPECT_EQ(frame->GetMode(), c.mode) << c.what;
            // The size fitted around the kept client area.
            RECT borders;
            frame->GetRect(&borders);
            const SIZE fitted{client.cx + borders.left + borders.right, client.cy + borders.top + borders.bottom};
            bool requested = false, fittedBeforeRequest = false, fittedAfterRequest = false;
            for (const Sent& s : g_sent) {
                if (s.msg == TWM_DEFERREDSIZE) {
                    EXPECT_FALSE(requested) << c.what << ": one request";
                    requested = true;
                    EXPECT_EQ(s.wp, MAKEWPARAM(0, 0)) << c.what;
                    EXPECT_EQ(s.lp, MAKELPARAM(client.cx, client.cy)) << c.what;
                }
                if (s.msg != WM_WINDOWPOSCHANGING || s.size.cx < 0) continue;
                const bool isFitted = s.size.cx == fitted.cx && s.size.cy == fitted.cy;
                (requested ? fittedAfterRequest : fittedBeforeRequest) |= isFitted;
                // Before its request a Visual Basic 6 frame keeps its window size.
                if (c.deferred && !requested) {
                    EXPECT_EQ(s.size.cx, window.cx) << c.what;
                    EXPECT_EQ(s.size.cy, window.cy) << c.what;
                }
            }
            EXPECT_EQ(requested, c.deferred) << c.what;
            EXPECT_EQ(fittedBeforeRequest, !c.deferred) << c.what << ": fitted at once";
            EXPECT_EQ(fittedAfterRequest, c.deferred) << c.what << ": fitted by the request";
        }
        const SIZE after = ClientSizeOf(hwnd);
        EXPECT_EQ(after.cx, client.cx) << c.what;
        EXPECT_EQ(after.cy, client.cy) << c.what;
        RECT borders;
        frame->GetRect(&borders);
        EXPECT_EQ(WindowSizeOf(hwnd).cy, client.cy + borders.top + borders.bottom) << c.what;
        DestroyWindow(hwnd);
        TearDown();
    }
}

TEST_F(FrameHostTest, ADeferredSizeRequestRefitsTheClientArea) {
    Start(host::kWin32);
    HWND hwnd = CreateFramed(false, WS_VISIBLE);
    ASSERT_NE(Skin(hwnd), nullptr);
    EXPECT_EQ(SendMessageW(hwnd, TWM_DEFERREDSIZE, MAKEWPARAM(0, 0), MAKELPARAM(250, 90)), 1);
    EXPECT_EQ(ClientSizeOf(hwnd).cx, 250);
    EXPECT_EQ(ClientSizeOf(hwnd).cy, 90);
    DestroyWindow(hwnd);
}

TEST_F(FrameHostTest, ChoosingAnotherFrameKeepsTheClientAreaOrTheVisualBasicShapedWindowsSize) {
    const struct Case {
        const char* what;
        int host;
        bool menu;
        bool keepsWindow;
    } cases[] = {
        {"plain", host::kWin32, false, false},
        {"plain with a menu bar", host::kWin32, true, false},
        {"Visual Basic 6, shaped", host::kVisualBasic6, false, true},
        {"Visual Basic 6, shaped, with a menu bar", host::kVisualBasic6, true, true},
    };
    for (const Case& c : cases) {
        Start(c.host);
        AddTallFrame(Skin(), L"Tall", menubar::kTop + 12);
        HWND hwnd = CreateFramed(false, WS_VISIBLE);
        if (c.menu) {
            HMENU menu = CreateMenu();
            AppendMenuW(menu, MF_STRING, 1, L"&File");
            AppendMenuW(menu, MF_STRING, 2, L"&Edit");
            SetMenu(hwnd, menu);
        }
        CFrameSkinWnd* frame = Skin(hwnd);
        ASSERT_NE(frame, nullptr) << c.what;
        const SIZE window = WindowSizeOf(hwnd), client = ClientSizeOf(hwnd);
        SetWindowCustomScheme(hwnd, L"Tall", TRUE);
        Settle();
        EXPECT_EQ(frame->GetElementName(), L"Tall") << c.what;
        EXPECT_EQ(frame->GetRegionKind(), 3) << c.what;
        RECT borders;
        frame->GetRect(&borders);
        EXPECT_EQ(borders.top, menubar::kTop + 12) << c.what;
        const SIZE nowWindow = WindowSizeOf(hwnd), nowClient = ClientSizeOf(hwnd);
        if (c.keepsWindow) {
            EXPECT_EQ(nowWindow.cx, window.cx) << c.what;
            EXPECT_EQ(nowWindow.cy, window.cy) << c.what;
        } else {
            EXPECT_EQ(nowClient.cx, client.cx) << c.what;
            EXPECT_EQ(nowClient.cy, client.cy) << c.what;
        }
        DestroyWindow(hwnd);
        TearDown();
    }
}

TEST_F(FrameHostTest, AFloatingFrameTakesItsDockingBarsLookWhenShownAndSizesTheBarToItsClientArea) {
    Start(host::kWin32);
    AddTallFrame(Skin(), L"Dock", 18);
    // floating frame (hidden) > holder > bar marked "DockBarProp"
    HWND floating =
        CreateRecorder(nullptr, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | 0x2000, 60, 60, 240, 140);
    HWND holder = CreateRecorder(floating, WS_CHILD | WS_VISIBLE, 0, 0, 200, 100);
    HWND bar = CreateRecorder(holder, WS_CHILD | WS_VISIBLE, 0, 0, 180, 80);
    SetPropA(bar, "DockBarProp", HANDLE(1));
    CFrameSkinWnd* barFrame = Skin(bar);
    ASSERT_NE(barFrame, nullptr);
    SetWindowCustomScheme(bar, L"Dock", TRUE);
    CFrameSkinWnd* frame = Skin(floating);
    ASSERT_NE(frame, nullptr);
    RECT borders;
    frame->GetRect(&borders);
    EXPECT_EQ(borders.top, menubar::kTop) << "the frame's own element until it is shown";

    ShowWindow(floating, SW_SHOWNOACTIVATE);
    Settle();
    EXPECT_EQ(frame->GetElementName(), L"Dock");
    frame->GetRect(&borders);
    EXPECT_EQ(borders.top, 18);
    EXPECT_EQ(borders.left, 8);
    RECT wr;
    GetWindowRect(floating, &wr);
    POINT origin{0, 0};
    ClientToScreen(floating, &origin);
    EXPECT_EQ(origin.y - wr.top, 18) << "laid out again for the bar's element";

    SetWindowPos(floating, nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    const SIZE client = ClientSizeOf(floating);
    EXPECT_EQ(WindowSizeOf(bar).cx, client.cx);
    EXPECT_EQ(WindowSizeOf(bar).cy, client.cy);

    // Without the style bit nothing of this happens.
    HWND plain = CreateRecorder(nullptr, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 60, 60, 240, 140);
    HWND plainHolder = CreateRecorder(plain, WS_CHILD | WS_VISIBLE, 0, 0, 200, 100);
    HWND plainBar = CreateRecorder(plainHolder, WS_CHILD | WS_VISIBLE, 0, 0, 180, 80);
    SetPropA(plainBar, "DockBarProp", HANDLE(1));
    Skin(plainBar);
    SetWindowCustomScheme(plainBar, L"Dock", TRUE);
    CFrameSkinWnd* plainFrame = Skin(plain);
    ASSERT_NE(plainFrame, nullptr);
    ShowWindow(plain, SW_SHOWNOACTIVATE);
    SetWindowPos(plain, nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    EXPECT_EQ(plainFrame->GetElementName(), L"");
    EXPECT_EQ(WindowSizeOf(plainBar).cx, 180);
    for (HWND h : {floating, plain}) {
        RemovePropA(GetWindow(GetWindow(h, GW_CHILD), GW_CHILD), "DockBarProp");
        DestroyWindow(h);
    }
}

TEST_F(FrameHostTest, ADirectUiChildThatOutgrowsTheClientAreaMakesTheFrameGrow) {
    static const ATOM directUi = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DirectUIHWND";
        return RegisterClassW(&wc);
    }();
    ASSERT_NE(directUi, 0);
    const struct Case {
        const char* what;
        bool directUiChild;
        int version;
        bool grows;
    } cases[] = {
        {"DirectUI child", true, 9, true},
        {"another child", false, 9, false},
        {"DirectUI child, older system", true, 6, false},
    };
    Start(host::kWin32);
    for (const Case& c : cases) {
        const int savedVersion = WindowsVersionCode;
        WindowsVersionCode = c.version;
        HWND hwnd = CreateFramed(false, WS_VISIBLE);
        HWND child = c.directUiChild ? CreateWindowExW(0, L"DirectUIHWND", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 160,
                                                       hwnd, nullptr, GetModuleHandleW(nullptr), nullptr)
                                     : CreateRecorder(hwnd, WS_CHILD | WS_VISIBLE, 0, 0, 300, 160);
        ASSERT_NE(Skin(hwnd), nullptr) << c.what;
        const SIZE before = ClientSizeOf(hwnd);
        // The child grows; the frame learns of it at its next position change.
        SetWindowPos(child, nullptr, 0, 0, 360, 190, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(hwnd, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Settle();
        const SIZE after = ClientSizeOf(hwnd);
        if (c.grows) {
            EXPECT_EQ(after.cx, 360) << c.what;
            EXPECT_EQ(after.cy, 190) << c.what;
        } else {
            EXPECT_EQ(after.cx, before.cx) << c.what;
            EXPECT_EQ(after.cy, before.cy) << c.what;
        }
        DestroyWindow(hwnd);
        WindowsVersionCode = savedVersion;
    }
}

TEST_F(FrameHostTest, VisualBasicKeepsTheLayeredSidesEnabled) {
    for (int kind : {host::kWin32, host::kVisualBasic6}) {
        Start(kind);
        dynamic_cast<CTwfWndFrame*>(Skin().Element(2))->SetNumber(frame_id::kSemitransparency, 1);
        HWND hwnd = CreateFramed(false, WS_VISIBLE);
        CFrameSkinWnd* frame = Skin(hwnd);
        ASSERT_NE(frame, nullptr) << kind;
        ASSERT_TRUE(frame->HasAlphaSides()) << kind;
        for (Side side : {Side::Top, Side::Bottom, Side::Left, Side::Right}) {
            HWND sideWindow = frame->AlphaSide(side)->Handle();
            EnableWindow(sideWindow, FALSE);
            EXPECT_EQ(IsWindowEnabled(sideWindow) != FALSE, kind == host::kVisualBasic6) << kind;
        }
        DestroyWindow(hwnd);
        TearDown();
    }
}

// Under Wine an empty menu takes no row of the system's frame, and the skinned
// bar leaves an empty menu alone: the client area stays through switching on
// and off, in every host, with or without menu items.
TEST_F(FrameHostTest, TheClientAreaStaysThroughSwitchingOnAndOffWithEmptyAndFullMenus) {
    enum Menu { kNoMenu, kEmptyMenu, kItems };
    for (int kind : {host::kWin32, host::kVisualBasic6}) {
        for (Menu menu : {kNoMenu, kEmptyMenu, kItems}) {
            Start(kind);
            HWND hwnd = CreateFramed(false, WS_VISIBLE);
            if (menu != kNoMenu) {
                HMENU bar = CreateMenu();
                if (menu == kItems) AppendMenuW(bar, MF_STRING, 1, L"&File");
                SetMenu(hwnd, bar);
            }
            const SIZE client = ClientSizeOf(hwnd);
            ASSERT_NE(Skin(hwnd), nullptr);
            EXPECT_EQ(ClientSizeOf(hwnd).cx, client.cx) << kind << " menu " << menu << " on";
            EXPECT_EQ(ClientSizeOf(hwnd).cy, client.cy) << kind << " menu " << menu << " on";
            DisableSkinning();
            Settle();
            EXPECT_EQ(ClientSizeOf(hwnd).cx, client.cx) << kind << " menu " << menu << " off";
            EXPECT_EQ(ClientSizeOf(hwnd).cy, client.cy) << kind << " menu " << menu << " off";
            DestroyWindow(hwnd);
            TearDown();
        }
    }
}

// A docking bar's own close button goes to the bar's procedure as a
// non-client release on HTCLOSE (the bar hides itself), not as SC_CLOSE.
TEST_F(FrameHostTest, ADockingBarsCloseButtonReachesItsProcedureAsANonClientRelease) {
    Start(host::kWin32);
    POINT parked;
    GetCursorPos(&parked);
    HWND bar =
        CreateRecorder(nullptr, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_VISIBLE, 60, 60, 240, 140);
    SetPropA(bar, "DockBarProp", HANDLE(1));
    CFrameSkinWnd* frame = Skin(bar);
    ASSERT_NE(frame, nullptr);
    RECT wr;
    GetWindowRect(bar, &wr);
    const Rect close = CaptionButtonRect(kCloseButton, frame->ButtonsInput());
    const POINT centre{wr.left + (close.left + close.right) / 2, wr.top + (close.top + close.bottom) / 2};
    SetCursorPos(centre.x, centre.y);
    Recorded()[bar].clear();
    EXPECT_EQ(SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCLIENT);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(bar, WM_LBUTTONUP, 0, 0);
    Settle();
    EXPECT_EQ(CountOf(bar, WM_NCLBUTTONUP), 1);
    EXPECT_EQ(CountOf(bar, WM_SYSCOMMAND), 0);
    EXPECT_TRUE(IsWindow(bar));
    RemovePropA(bar, "DockBarProp");
    DestroyWindow(bar);
    SetCursorPos(parked.x, parked.y);
}

namespace {
WNDPROC g_belowLimit = nullptr;
// A host that will not let its window grow past 340 x 240.
LRESULT CALLBACK LimitedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = CallWindowProcW(g_belowLimit, hwnd, msg, wp, lp);
    if (msg == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(lp)->ptMaxTrackSize = {340, 240};
    return result;
}
} // namespace

// A frame that cannot grow as far as its DirectUI child asks once per size
// of the child, instead of asking again after every position change it makes.
TEST_F(FrameHostTest, AFrameThatCannotGrowToItsDirectUiChildAsksOnce) {
    static const ATOM directUi = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DirectUIHWND";
        return RegisterClassW(&wc);
    }();
    (void)directUi;
    Start(host::kWin32);
    const int savedVersion = WindowsVersionCode;
    WindowsVersionCode = 9;
    HWND hwnd = CreateFramed(false, WS_VISIBLE);
    g_belowLimit =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LimitedProc)));
    HWND child = CreateWindowExW(0, L"DirectUIHWND", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 160, hwnd, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(Skin(hwnd), nullptr);
    SetWindowPos(child, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    MSG pending;
    EXPECT_FALSE(PeekMessageW(&pending, hwnd, TWM_DEFERREDSIZE, TWM_DEFERREDSIZE, PM_REMOVE))
        << "still asking after the frame stopped growing";
    RECT wr;
    GetWindowRect(hwnd, &wr);
    EXPECT_EQ(wr.right - wr.left, 340);
    EXPECT_EQ(wr.bottom - wr.top, 240);
    DestroyWindow(hwnd);
    WindowsVersionCode = savedVersion;
}
