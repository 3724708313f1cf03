// Outline move and size under Wine: with the skin's outline flag the window
// keeps its place while the user drags (an outline follows the mouse) and
// takes the outline's rectangle once, when the drag ends.
#include <windows.h>

#include <atomic>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/runtime/win/real_drag.h"

using namespace hexmoor::test;
using namespace hexmoor;

namespace {

constexpr int kTop = 24, kBottom = 6, kLeft = 5, kRight = 7;

// Window rectangles that reach the window's own procedure, each different
// from the one before.
std::vector<RECT> g_moves;
WNDPROC g_previous = nullptr;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WINDOWPOSCHANGED) {
        RECT now;
        GetWindowRect(hwnd, &now);
        if (g_moves.empty() || !EqualRect(&g_moves.back(), &now)) g_moves.push_back(now);
    }
    return CallWindowProcW(g_previous, hwnd, msg, wp, lp);
}

class FrameDragTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        constexpr COLORREF kSides = RGB(90, 30, 140);
        CTwfWndFrame* frame = BuildSolidFrame(Skin(), SolidFrameOf(kTop, kBottom, kLeft, kRight, {kSides, kSides}));
        frame->SetNumber(frame_id::kContentWhileDragging, 1);
        SkinLoaded();
        EnableSkinning();
    }
    static TestWindowArgs Args() {
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.clientWidth = 300;
        args.clientHeight = 160;
        return args;
    }
    CFrameSkinWnd* Skinned(HWND hwnd) {
        g_moves.clear();
        g_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return GetFrameSkinWnd(hwnd);
    }
};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

} // namespace

TEST_F(FrameDragTest, SizingStepsMoveTheOutlineAndTheWindowOnceAtTheEnd) {
    TestWindow window(Args());
    CFrameSkinWnd* frame = Skinned(window.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->UsesOutlineDrag());
    HWND hwnd = window.Handle();
    RECT start;
    GetWindowRect(hwnd, &start);
    g_moves.assign(1, start);

    SendMessageW(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_TRUE(frame->IsOutlineTracking());
    // Wine proposes each step from the rectangle it was given back, which
    // is the window's: left edge 10 out, then right edge 30 out and bottom
    // 20 down.
    RECT proposals[] = {{start.left - 10, start.top, start.right, start.bottom},
                        {start.left, start.top, start.right + 30, start.bottom + 20}};
    for (RECT& proposed : proposals) {
        SendMessageW(hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, LPARAM(&proposed));
        RECT now;
        GetWindowRect(hwnd, &now);
        EXPECT_TRUE(SameRect(now, start)) << "the window moved during the drag";
        EXPECT_TRUE(SameRect(proposed, start)) << "the proposal is set back to the window";
    }
    EXPECT_EQ(g_moves.size(), 1u);
    SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(frame->IsOutlineTracking());
    RECT end;
    GetWindowRect(hwnd, &end);
    const RECT expected{start.left - 10, start.top, start.right + 30, start.bottom + 20};
    EXPECT_TRUE(SameRect(end, expected)) << end.left << "," << end.top << "," << end.right << "," << end.bottom;
    EXPECT_EQ(g_moves.size(), 2u) << "the start and one change";
}

TEST_F(FrameDragTest, RealDragsMoveAndSizeTheWindowOnceWhenTheButtonIsReleased) {
    POINT parked;
    GetCursorPos(&parked);
    TestWindow window(Args());
    HWND hwnd = window.Handle();
    SetForegroundWindow(hwnd);
    CFrameSkinWnd* frame = Skinned(hwnd);
    ASSERT_NE(frame, nullptr);
    window.PaintNow();
    struct Case {
        const char* what;
        POINT grabFromTopLeft; // negative: from the bottom-right
        POINT step;
        RECT change; // of the window rectangle after four steps
    } cases[] = {
        {"caption", {60, kTop / 2}, {10, 5}, {40, 20, 40, 20}},
        {"bottom-right corner", {-2, -2}, {6, 4}, {0, 0, 24, 16}},
    };
    for (const Case& c : cases) {
        RECT start;
        GetWindowRect(hwnd, &start);
        g_moves.assign(1, start);
        const POINT grab{
            c.grabFromTopLeft.x >= 0 ? start.left + c.grabFromTopLeft.x : start.right + c.grabFromTopLeft.x,
            c.grabFromTopLeft.y >= 0 ? start.top + c.grabFromTopLeft.y : start.bottom + c.grabFromTopLeft.y};
        std::atomic<bool> done{false};
        std::atomic<int> movedDuringDrag{0};
        // Counts the steps at which the window was no longer at `start`.
        DragFromHelper(grab, c.step, done, [hwnd, start, &movedDuringDrag] {
            RECT now;
            GetWindowRect(hwnd, &now);
            if (!SameRect(now, start)) ++movedDuringDrag;
        });
        PumpUntilDragged(done);
        Settle();
        EXPECT_EQ(movedDuringDrag.load(), 0) << c.what;
        RECT end;
        GetWindowRect(hwnd, &end);
        const RECT expected{start.left + c.change.left, start.top + c.change.top, start.right + c.change.right,
                            start.bottom + c.change.bottom};
        EXPECT_TRUE(SameRect(end, expected))
            << c.what << ": " << end.left << "," << end.top << "," << end.right << "," << end.bottom;
        EXPECT_EQ(g_moves.size(), 2u) << c.what << ": the start and one change";
        EXPECT_FALSE(frame->IsOutlineTracking()) << c.what;
    }
    SetCursorPos(parked.x, parked.y);
}
