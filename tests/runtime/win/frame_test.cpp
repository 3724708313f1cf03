// Skinned frames under Wine: every side part and caption button drawn in its
// own colour where the layout puts it, active and inactive, read back
// through the window DC; no pixel of the system's own frame left after the
// triggers that make Wine draw it; clicks on caption buttons post their
// system commands.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/frame_layout.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "tests/harness/capture.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr int kTop = 26, kBottom = 6, kLeft = 5, kRight = 7;

constexpr SideColours kTopColours{RGB(200, 30, 30), RGB(120, 20, 20)};
constexpr SideColours kBottomColours{RGB(30, 200, 30), RGB(20, 120, 20)};
constexpr SideColours kLeftColours{RGB(30, 30, 200), RGB(20, 20, 120)};
constexpr SideColours kRightColours{RGB(200, 200, 30), RGB(120, 120, 20)};
constexpr COLORREF kMinimizedColour = RGB(250, 128, 10);

// A frame whose sides are one stretched image each (active and inactive),
// whose caption buttons are 20 x 18 (help 16 x 16) from the right edge, each
// of their 20 images in its id's colour, and whose caption text is hidden
// unless asked for.
CTwfWndFrame* BuildFrameSkin(SyntheticSkin& skin, bool showText = false) {
    namespace id = frame_id;
    CTwfWndFrame* frame =
        BuildSolidFrame(skin, {kTop, kBottom, kLeft, kRight, kTopColours, kBottomColours, kLeftColours, kRightColours});
    SolidCaptionButtons(skin, {20, 18, 4, 4}, {20, 18, 26, 4}, {20, 18, 48, 4}, {16, 16, 72, 5});
    skin.SolidImage(id::kElement, id::kMinimizedImage, kMinimizedColour, 4, 4);
    frame->SetNumber(id::kTextHidden, showText ? 0 : 1);
    frame->SetColor(id::kTextColor, RGB(255, 255, 255));
    return frame;
}

PixelRect ToPixel(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Rectangles of a captured frame with their expected colours.
struct Expectation {
    const char* what;
    PixelRect rect;
    COLORREF colour;
};

std::vector<Expectation> FrameExpectations(CFrameSkinWnd* frame, bool active) {
    HWND hwnd = frame->GetSafeHwnd();
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const int W = wr.right - wr.left, H = wr.bottom - wr.top;
    const CaptionButtonsInput in = frame->ButtonsInput();
    std::vector<Expectation> out;
    // The top side left of the leftmost button (the buttons are checked on their own).
    int leftmost = W;
    for (int b = 0; b < 4; ++b) {
        const Rect r = CaptionButtonRect(b, in);
        if (!r.IsEmpty()) leftmost = std::min(leftmost, r.left);
    }
    out.push_back({"top", {0, 0, leftmost, kTop}, active ? kTopColours.active : kTopColours.inactive});
    out.push_back(
        {"top below the buttons", {leftmost, 22, W, kTop}, active ? kTopColours.active : kTopColours.inactive});
    out.push_back({"bottom", {0, H - kBottom, W, H}, active ? kBottomColours.active : kBottomColours.inactive});
    out.push_back({"left", {0, kTop, kLeft, H - kBottom}, active ? kLeftColours.active : kLeftColours.inactive});
    out.push_back(
        {"right", {W - kRight, kTop, W, H - kBottom}, active ? kRightColours.active : kRightColours.inactive});
    for (int b = 0; b < 4; ++b) {
        const Rect r = CaptionButtonRect(b, in);
        if (r.IsEmpty()) continue;
        const int id = CaptionButtonImageId(b, 0, active, in.style, nullptr, nullptr);
        out.push_back({"button", ToPixel(r), IdColour(id)});
    }
    return out;
}

::testing::AssertionResult FrameShows(CFrameSkinWnd* frame, bool active) {
    const PixelBuffer pixels = CaptureWindow(frame->GetSafeHwnd());
    for (const Expectation& e : FrameExpectations(frame, active)) {
        const ColourCheck check = CheckRect(pixels, e.rect, e.colour);
        if (!check.Passed())
            return ::testing::AssertionFailure()
                   << (active ? "active " : "inactive ") << e.what << " [" << e.rect.left << "," << e.rect.top << ","
                   << e.rect.right << "," << e.rect.bottom << "]: " << check.Describe(e.colour);
    }
    return ::testing::AssertionSuccess();
}

// Pixels of the non-client area that are none of the skin's colours (the
// caption text and icon boxes left out).
long ForeignPixels(CFrameSkinWnd* frame) {
    HWND hwnd = frame->GetSafeHwnd();
    const PixelBuffer pixels = CaptureWindow(hwnd);
    RECT wr, client;
    GetWindowRect(hwnd, &wr);
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&client, origin.x - wr.left, origin.y - wr.top);
    const RECT text = frame->CaptionTextRect();
    std::vector<COLORREF> allowed{kTopColours.active,      kTopColours.inactive,   kBottomColours.active,
                                  kBottomColours.inactive, kLeftColours.active,    kLeftColours.inactive,
                                  kRightColours.active,    kRightColours.inactive, kMinimizedColour};
    for (int id = 456; id <= 475; ++id) allowed.push_back(IdColour(id));
    long foreign = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            const POINT p{x, y};
            if (PtInRect(&client, p) || PtInRect(&text, p)) continue;
            if (std::find(allowed.begin(), allowed.end(), pixels.At(x, y)) == allowed.end()) ++foreign;
        }
    }
    return foreign;
}

class FrameTest : public RuntimeTest {
protected:
    CFrameSkinWnd* SkinnedFrame(HWND hwnd) {
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return GetFrameSkinWnd(hwnd);
    }
    void Start(bool showText = false) {
        StartRuntime(true);
        BuildFrameSkin(Skin(), showText);
        SkinLoaded();
        EnableSkinning();
    }
    static TestWindowArgs Overlapped(DWORD exStyle = 0) {
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.exStyle = exStyle;
        args.clientWidth = 300;
        args.clientHeight = 160;
        return args;
    }
};

} // namespace

TEST_F(FrameTest, BordersComeFromTheSidesAndTheClientSizeIsKept) {
    Start();
    TestWindow window(Overlapped());
    RECT before;
    GetClientRect(window.Handle(), &before);
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    RECT borders;
    frame->GetRect(&borders);
    EXPECT_EQ(borders.left, kLeft);
    EXPECT_EQ(borders.top, kTop);
    EXPECT_EQ(borders.right, kRight);
    EXPECT_EQ(borders.bottom, kBottom);
    RECT wr, client;
    GetWindowRect(window.Handle(), &wr);
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, before.right);
    EXPECT_EQ(client.bottom, before.bottom);
    EXPECT_EQ(wr.right - wr.left, client.right + kLeft + kRight);
    EXPECT_EQ(wr.bottom - wr.top, client.bottom + kTop + kBottom);
    POINT origin{0, 0};
    ClientToScreen(window.Handle(), &origin);
    EXPECT_EQ(origin.x - wr.left, kLeft);
    EXPECT_EQ(origin.y - wr.top, kTop);
}

TEST_F(FrameTest, EverySideAndButtonActiveAndInactive) {
    Start();
    TestWindow window(Overlapped(WS_EX_CONTEXTHELP));
    SetForegroundWindow(window.Handle());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    SetActiveWindow(window.Handle());
    Settle();
    window.PaintNow();
    EXPECT_TRUE(frame->IsActiveLook());
    EXPECT_TRUE(FrameShows(frame, true));
    EXPECT_EQ(ForeignPixels(frame), 0);

    TestWindow other(Overlapped());
    SetForegroundWindow(other.Handle());
    SetActiveWindow(other.Handle());
    Settle();
    EXPECT_FALSE(frame->IsActiveLook());
    EXPECT_TRUE(FrameShows(frame, false));
    EXPECT_EQ(ForeignPixels(frame), 0);

    SetForegroundWindow(window.Handle());
    SetActiveWindow(window.Handle());
    Settle();
    EXPECT_TRUE(FrameShows(frame, true));
}

TEST_F(FrameTest, NoButtonsWithoutSystemMenu) {
    Start();
    TestWindowArgs args = Overlapped();
    args.style = WS_CAPTION | WS_THICKFRAME | WS_VISIBLE;
    TestWindow window(args);
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    window.PaintNow();
    RECT wr;
    GetWindowRect(window.Handle(), &wr);
    const PixelBuffer pixels = CaptureWindow(window.Handle());
    const COLORREF top = frame->IsActiveLook() ? kTopColours.active : kTopColours.inactive;
    const ColourCheck check = CheckRect(pixels, {0, 0, wr.right - wr.left, kTop}, top);
    EXPECT_TRUE(check.Passed()) << check.Describe(top);
}

TEST_F(FrameTest, NoForeignPixelsAfterTheSystemsOwnRepaintTriggers) {
    Start(true);
    TestWindow window(Overlapped());
    SetForegroundWindow(window.Handle());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    window.PaintNow();
    struct Trigger {
        const char* what;
        std::function<void()> run;
    } triggers[] = {
        {"activation off", [&] { SendMessageW(window.Handle(), WM_NCACTIVATE, FALSE, 0); }},
        {"activation on", [&] { SendMessageW(window.Handle(), WM_NCACTIVATE, TRUE, 0); }},
        {"SetWindowText", [&] { SetWindowTextW(window.Handle(), L"A new caption"); }},
        {"WM_SETICON",
         [&] { SendMessageW(window.Handle(), WM_SETICON, ICON_SMALL, LPARAM(LoadIconW(nullptr, IDI_APPLICATION))); }},
        {"resize", [&] { SetWindowPos(window.Handle(), nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER); }},
        {"minimise and restore",
         [&] {
             ShowWindow(window.Handle(), SW_MINIMIZE);
             Settle();
             ShowWindow(window.Handle(), SW_RESTORE);
         }},
        {"DrawMenuBar", [&] { DrawMenuBar(window.Handle()); }},
    };
    for (const Trigger& t : triggers) {
        t.run();
        Settle();
        EXPECT_EQ(ForeignPixels(frame), 0) << t.what;
    }
}

TEST_F(FrameTest, HitTestAnswersFromTheSkinsLayout) {
    Start();
    TestWindow window(Overlapped(WS_EX_CONTEXTHELP));
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    RECT wr;
    GetWindowRect(window.Handle(), &wr);
    const int W = wr.right - wr.left, H = wr.bottom - wr.top;
    auto hit = [&](int x, int y) {
        return LRESULT(SendMessageW(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y)));
    };
    EXPECT_EQ(hit(W / 2, 15), HTCAPTION);
    EXPECT_EQ(hit(2, H / 2), HTLEFT);
    EXPECT_EQ(hit(W - 2, H / 2), HTRIGHT);
    EXPECT_EQ(hit(W / 2, H - 2), HTBOTTOM);
    EXPECT_EQ(hit(1, 1), HTTOPLEFT);
    EXPECT_EQ(hit(W - 1, H - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(W / 2, H / 2), HTCLIENT);
    // Over a caption button the answer is the client, so the frame tracks the click itself.
    EXPECT_EQ(hit(W - 10, 10), HTCLIENT);
}

namespace {

// Presses and releases the left button at screen points from another
// thread, while the test thread keeps its window's messages running.
void ClickFromHelper(POINT down, POINT up, std::atomic<bool>& done) {
    std::thread([=, &done] {
        Sleep(50);
        SetCursorPos(down.x, down.y);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Sleep(80);
        MoveCursorTo(up);
        Sleep(80);
        MouseButton(MOUSEEVENTF_LEFTUP);
        Sleep(50);
        done = true;
    }).detach();
}

void PumpUntil(const std::atomic<bool>& done) {
    for (int i = 0; i < 300 && !done; ++i) {
        PumpMessages();
        Sleep(5);
    }
    for (int i = 0; i < 5; ++i) {
        PumpMessages();
        Sleep(5);
    }
}

// Records WM_SYSCOMMAND codes that reach the window's own procedure.
std::vector<WPARAM> g_commands;
WNDPROC g_previous = nullptr;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        g_commands.push_back(wp & 0xFFF0);
        return 0; // recorded, not carried out
    }
    return CallWindowProcW(g_previous, hwnd, msg, wp, lp);
}

} // namespace

TEST_F(FrameTest, ClicksOnCaptionButtonsPostTheirCommandsAndAReleaseElsewherePostsNothing) {
    Start();
    POINT parked;
    GetCursorPos(&parked);
    TestWindow window(Overlapped(WS_EX_CONTEXTHELP));
    g_commands.clear();
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    SetForegroundWindow(window.Handle());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    window.PaintNow();
    RECT wr;
    GetWindowRect(window.Handle(), &wr);
    const CaptionButtonsInput in = frame->ButtonsInput();
    struct Case {
        int button;
        WPARAM command;
    } cases[] = {{kCloseButton, SC_CLOSE},
                 {kMaximizeButton, SC_MAXIMIZE},
                 {kMinimizeButton, SC_MINIMIZE},
                 {kHelpButton, SC_CONTEXTHELP}};
    for (const Case& c : cases) {
        const Rect r = CaptionButtonRect(c.button, in);
        const POINT centre{wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2};
        g_commands.clear();
        std::atomic<bool> done{false};
        ClickFromHelper(centre, centre, done);
        PumpUntil(done);
        EXPECT_EQ(g_commands, std::vector<WPARAM>{c.command}) << "button " << c.button;

        g_commands.clear();
        done = false;
        ClickFromHelper(centre, {wr.left + 60, wr.top + 80}, done);
        PumpUntil(done);
        EXPECT_TRUE(g_commands.empty()) << "released elsewhere, button " << c.button;
        EXPECT_EQ(frame->GetPressedButton(), kNoButton);
    }
    SetWindowLongPtrW(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    // Other tests share the display's cursor.
    SetCursorPos(parked.x, parked.y);
}

TEST_F(FrameTest, SwitchedOffTheSystemFrameComesBack) {
    Start();
    TestWindow window(Overlapped());
    RECT before;
    GetWindowRect(window.Handle(), &before);
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    DisableSkinning();
    Settle();
    RECT after, client;
    GetWindowRect(window.Handle(), &after);
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 160);
}

// The frame's object is found from its window while the window lives: the
// window property others read and the runtime's own lookups agree, and
// neither names the object once the window is gone.
TEST_F(FrameTest, TheFrameObjectIsFoundFromItsWindowUntilTheWindowGoes) {
    Start();
    TestWindow window(Overlapped());
    const HWND hwnd = window.Handle();
    CFrameSkinWnd* frame = SkinnedFrame(hwnd);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(GetPropA(hwnd, kFrameObjectProp), frame);
    EXPECT_EQ(GetSkinnedFrameObject(hwnd), frame);

    DestroyWindow(hwnd);
    PumpMessages();
    EXPECT_EQ(GetFrameSkinWnd(hwnd), nullptr);
    EXPECT_EQ(GetSkinnedFrameObject(hwnd), nullptr);
}

namespace {

COLORREF ColourAtCentre(HWND hwnd, const Rect& r) {
    const PixelBuffer pixels = CaptureWindow(hwnd);
    return pixels.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace

TEST_F(FrameTest, ButtonsShowHotAndPressedUnderRealInputAndRestoreWhenMaximised) {
    Start();
    POINT parked;
    GetCursorPos(&parked);
    TestWindow window(Overlapped(WS_EX_CONTEXTHELP));
    g_commands.clear();
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    SetForegroundWindow(window.Handle());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    SetActiveWindow(window.Handle());
    Settle();
    RECT wr;
    GetWindowRect(window.Handle(), &wr);
    const CaptionButtonsInput in = frame->ButtonsInput();
    // (button, normal, hot, pressed) image ids
    const int table[4][4] = {{kCloseButton, 456, 458, 457},
                             {kMaximizeButton, 460, 462, 461},
                             {kMinimizeButton, 463, 465, 464},
                             {kHelpButton, 472, 474, 473}};
    for (const auto& row : table) {
        const Rect r = CaptionButtonRect(row[0], in);
        MoveCursorTo({wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2});
        Settle();
        EXPECT_EQ(ColourAtCentre(window.Handle(), r), IdColour(row[2])) << "hot " << row[0];
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Settle();
        EXPECT_EQ(ColourAtCentre(window.Handle(), r), IdColour(row[3])) << "pressed " << row[0];
        MoveCursorTo({wr.left + 60, wr.top + 90});
        Settle();
        EXPECT_EQ(ColourAtCentre(window.Handle(), r), IdColour(row[1])) << "held outside " << row[0];
        MouseButton(MOUSEEVENTF_LEFTUP);
        Settle();
        EXPECT_EQ(ColourAtCentre(window.Handle(), r), IdColour(row[1])) << "released " << row[0];
    }
    EXPECT_TRUE(g_commands.empty());
    SetWindowLongPtrW(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));

    // Maximised, the maximise button shows the restore look.
    ShowWindow(window.Handle(), SW_MAXIMIZE);
    Settle();
    const Rect max = CaptionButtonRect(kMaximizeButton, frame->ButtonsInput());
    // The maximised window reaches past the screen's edges, where a read-back
    // gives black: let the frame paint into a memory DC instead.
    GetWindowRect(window.Handle(), &wr);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, wr.right - wr.left, wr.bottom - wr.top);
    HGDIOBJ old = SelectObject(memory, bitmap);
    frame->PaintBorder(memory);
    const PixelBuffer painted = CaptureDC(memory, 0, 0, wr.right - wr.left, wr.bottom - wr.top);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(painted.At((max.left + max.right) / 2, (max.top + max.bottom) / 2), IdColour(466));
    ShowWindow(window.Handle(), SW_RESTORE);
    SetCursorPos(parked.x, parked.y);
}

TEST_F(FrameTest, RegionByKind) {
    Start();
    auto* element = dynamic_cast<CTwfWndFrame*>(Skin().Element(2));
    TestWindow window(Overlapped());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    struct Case {
        int kind;
        bool cornerIn, centreIn, hasRegion;
    } cases[] = {{0, true, true, true},
                 {1, false, true, true},
                 {2, false, true, true},
                 {3, true, true, true},
                 {4, false, false, false}};
    for (const Case& c : cases) {
        element->SetNumber(frame_id::kRegionShape, DWORD(c.kind));
        element->SetNumberPair(frame_id::kRoundRectSize, 30, 30);
        RefreshWindowSkin(window.Handle());
        Settle();
        EXPECT_EQ(frame->GetRegionKind(), c.kind);
        RECT wr;
        GetWindowRect(window.Handle(), &wr);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const int type = GetWindowRgn(window.Handle(), region);
        EXPECT_EQ(type != ERROR, c.hasRegion) << c.kind;
        if (c.hasRegion) {
            EXPECT_EQ(PtInRegion(region, 0, 0) != FALSE, c.cornerIn) << c.kind;
            EXPECT_EQ(PtInRegion(region, (wr.right - wr.left) / 2, (wr.bottom - wr.top) / 2) != FALSE, c.centreIn)
                << c.kind;
        }
        DeleteObject(region);
    }
    // Switched off, the frame gives its region up.
    element->SetNumber(frame_id::kRegionShape, 0);
    RefreshWindowSkin(window.Handle());
    Settle();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window.Handle(), region), ERROR);
    frame->Enable(FALSE);
    Settle();
    EXPECT_EQ(GetWindowRgn(window.Handle(), region), ERROR);
    DeleteObject(region);
}

TEST_F(FrameTest, ASkinChangeLaysTheFrameOutAgainAroundTheSameClientArea) {
    Start();
    TestWindow window(Overlapped());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    RECT before;
    GetClientRect(window.Handle(), &before);
    dynamic_cast<CTwfWndFrame*>(Skin().Element(2))->SetNumber(frame_id::kTopThickness, 40);
    RefreshWindowSkin(window.Handle());
    Settle();
    RECT borders, after, wr;
    frame->GetRect(&borders);
    EXPECT_EQ(borders.top, 40);
    GetClientRect(window.Handle(), &after);
    GetWindowRect(window.Handle(), &wr);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    EXPECT_EQ(wr.bottom - wr.top, after.bottom + 40 + kBottom);
}

TEST_F(FrameTest, AltSpaceOpensTheSystemMenuAtTheCaptionAndNothingOfTheSystemFrameShows) {
    Start();
    TestWindow window(Overlapped());
    SetForegroundWindow(window.Handle());
    CFrameSkinWnd* frame = SkinnedFrame(window.Handle());
    ASSERT_NE(frame, nullptr);
    SetFocus(window.Handle());
    std::atomic<bool> done{false};
    std::atomic<bool> menuSeen{false};
    std::thread([&] {
        Sleep(50);
        INPUT keys[4] = {};
        for (auto& k : keys) k.type = INPUT_KEYBOARD;
        keys[0].ki.wVk = VK_MENU;
        keys[1].ki.wVk = VK_SPACE;
        keys[2].ki.wVk = VK_SPACE;
        keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
        keys[3].ki.wVk = VK_MENU;
        keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, keys, sizeof(INPUT));
        Sleep(300);
        menuSeen = FindWindowW(L"#32768", nullptr) != nullptr && IsWindowVisible(FindWindowW(L"#32768", nullptr));
        INPUT escape[2] = {};
        escape[0].type = escape[1].type = INPUT_KEYBOARD;
        escape[0].ki.wVk = escape[1].ki.wVk = VK_ESCAPE;
        escape[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, escape, sizeof(INPUT));
        Sleep(100);
        done = true;
    }).detach();
    PumpUntil(done);
    EXPECT_TRUE(menuSeen) << "the system menu opened";
    Settle();
    EXPECT_EQ(ForeignPixels(frame), 0);
}
