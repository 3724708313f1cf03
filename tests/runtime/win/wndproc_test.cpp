// The common window procedure's own handling: size and move changes refresh
// the skin and tell the children, minimising does not, a window without a
// skinned object answers TWM_ISSKINNED with 0, and a transparent child shows
// its skinned parent's background.
#include <functional>

#include "runtime/messages.h"
#include "tests/harness/capture.h"
#include "tests/runtime/win/recorder.h"
#include "tests/harness/runtime_fixture.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

class WndProcTest : public RuntimeTest {};

namespace {
// Counts the messages its object's WindowProc sees.
std::vector<UINT> g_seen;
class CountingObject : public CTWWnd {
public:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        g_seen.push_back(msg);
        return CTWWnd::WindowProc(msg, wp, lp);
    }
};
long Count(UINT msg) { return long(std::count(g_seen.begin(), g_seen.end(), msg)); }
} // namespace

TEST_F(WndProcTest, SizeAndMoveRefreshTheSkinAndTellTheChildren) {
    StartRuntime(true);
    HWND parent = CreateRecorder(nullptr, WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX);
    HWND child = CreateRecorder(parent);
    // A plain window has no element of its own; lend it one so the size
    // handling that needs an element runs.
    Attach<CountingObject>(parent, 1)->SetSkinObject(Skin().Element(25));
    struct Case {
        const char* what;
        std::function<void()> act;
        long refreshes;
        bool childTold;
    } cases[] = {
        {"resize", [&] { SetWindowPos(parent, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER); }, 1, true},
        {"move", [&] { SetWindowPos(parent, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }, 1, false},
        {"minimise", [&] { SendMessageW(parent, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0)); }, 0, false},
    };
    for (const Case& c : cases) {
        g_seen.clear();
        Recorded()[child].clear();
        c.act();
        EXPECT_EQ(Count(TWM_REFRESHSKIN), c.refreshes) << c.what;
        EXPECT_EQ(Saw(child, TWM_BACKGROUNDCHANGED), c.childTold) << c.what;
    }
    DestroyWindow(parent);
}

TEST_F(WndProcTest, UnskinnedWindowsAnswerZeroToIsSkinned) {
    StartRuntime(true);
    HWND hwnd = CreateRecorder();
    EXPECT_EQ(SendMessageW(hwnd, TWM_ISSKINNED, 0, 0), 0);
    DestroyWindow(hwnd);
}

TEST_F(WndProcTest, TransparentChildShowsItsParentsBackground) {
    StartRuntime(true);
    const NineColours& colours = kDistinctNineColours;
    Skin().NinePartImage(25, 0, 30, 30, {10, 10, 10, 10, 0, 0}, colours);
    Skin().Element(100);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateRecorder(nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    // A child that straddles the centre and the right strip of the background.
    HWND child = CreateRecorder(dialog, WS_CHILD | WS_VISIBLE, 170, 40, 30, 20);
    SkinWindowAsType(dialog, 25);
    SkinWindowAsType(child, 100);
    ASSERT_EQ(GetSkinnedWindowType(child), 100);
    ApplySkinToWindow(dialog, 1);
    Pump();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    const PixelBuffer pixels = CaptureClient(child);
    ColourCheck centre = CheckRect(pixels, {0, 0, 20, 20}, colours.centre);
    ColourCheck right = CheckRect(pixels, {20, 0, 30, 20}, colours.right);
    EXPECT_TRUE(centre.Passed()) << centre.Describe(colours.centre);
    EXPECT_TRUE(right.Passed()) << right.Describe(colours.right);
    DestroyWindow(dialog);
}
