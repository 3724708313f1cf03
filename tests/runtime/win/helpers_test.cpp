// Window helpers and effect entries: hover tracking across windows, showing
// through the placement, button effects on single windows and user data.
#include <cstring>
#include <string>

#include "model/elements/user_data.h"
#include "runtime/hover_tracker.h"
#include "runtime/runtime_state.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "tests/runtime/win/recorder.h"
#include "tests/harness/runtime_fixture.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

TEST(HoverTracker, MovingToAnotherTrackedWindowReportsNoNewEntry) {
    HWND owner = CreateRecorder();
    HWND a = CreateRecorder(owner, 0, 0, 0, 50, 50);
    HWND b = CreateRecorder(owner, 0, 60, 0, 50, 50);
    HoverTracker tracker;
    tracker.Init(owner, 0);
    EXPECT_TRUE(tracker.OnMouseMove(a)) << "entered";
    EXPECT_FALSE(tracker.OnMouseMove(a));
    EXPECT_FALSE(tracker.OnMouseMove(b)) << "re-armed on the other window, no new entry";
    EXPECT_FALSE(tracker.OnMouseLeave(a)) << "the old window is no longer tracked";
    EXPECT_TRUE(tracker.IsHovering());
    EXPECT_TRUE(tracker.OnMouseLeave(b));
    EXPECT_FALSE(tracker.IsHovering());
    DestroyWindow(owner);
    PumpMessages();
}

TEST(ShowWindowByPlacement, RestoreOfARestoreToMaximisedWindowMaximises) {
    HWND hwnd = CreateRecorder(nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ShowWindowByPlacement(hwnd, SW_MAXIMIZE);
    PumpMessages();
    EXPECT_TRUE(IsZoomed(hwnd));
    ShowWindow(hwnd, SW_MINIMIZE);
    PumpMessages();
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(hwnd, &wp);
    if (wp.flags == WPF_RESTORETOMAXIMIZED) {
        ShowWindowByPlacement(hwnd, SW_RESTORE);
        PumpMessages();
        EXPECT_TRUE(IsZoomed(hwnd));
    }
    DestroyWindow(hwnd);
    PumpMessages();
}

TEST(ShowWindowByPlacement, RestoreOfAMaximisedRestoreToMaximisedWindowRestoresIt) {
    HWND hwnd = CreateRecorder(nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(hwnd, &wp);
    wp.flags = WPF_RESTORETOMAXIMIZED;
    wp.showCmd = SW_MAXIMIZE;
    SetWindowPlacement(hwnd, &wp);
    PumpMessages();
    ASSERT_TRUE(IsZoomed(hwnd));
    GetWindowPlacement(hwnd, &wp);
    ASSERT_EQ(wp.showCmd, UINT(SW_MAXIMIZE));
    if (wp.flags == WPF_RESTORETOMAXIMIZED) {
        ShowWindowByPlacement(hwnd, SW_RESTORE);
        PumpMessages();
        EXPECT_FALSE(IsZoomed(hwnd)) << "already maximised: the restore toggles it back";
    } else {
        GTEST_SKIP() << "the system does not keep the restore-to-maximised flag on a maximised window (flags "
                     << wp.flags << ", show command " << wp.showCmd << ")";
    }
    DestroyWindow(hwnd);
    PumpMessages();
}

TEST(ShowWindowByPlacement, ARestoreTogglesAMaximisedRestoreToMaximisedPlacement) {
    struct Case {
        UINT flags, showCommand, expected;
    };
    const Case cases[] = {
        {WPF_RESTORETOMAXIMIZED, SW_SHOWMINIMIZED, SW_MAXIMIZE},
        {WPF_RESTORETOMAXIMIZED, SW_MAXIMIZE, SW_RESTORE},
        {0, SW_MAXIMIZE, SW_RESTORE},
        {0, SW_SHOWMINIMIZED, SW_RESTORE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RestoreShowCommand(c.flags, c.showCommand), c.expected)
            << "flags " << c.flags << ", show command " << c.showCommand;
}

TEST(WindowRects, ClientRectToScreenFollowsTheWindowAndItsLayout) {
    for (const DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        HWND hwnd = CreateWindowExW(ex, L"Static", L"", WS_POPUP | WS_VISIBLE, 30, 40, 120, 80, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(hwnd);
        CClientRect r(hwnd);
        r.ClientToScreen();
        RECT window;
        GetWindowRect(hwnd, &window);
        EXPECT_EQ(r.left, window.left) << "extended style " << ex;
        EXPECT_EQ(r.top, window.top);
        EXPECT_EQ(r.right, window.right);
        EXPECT_EQ(r.bottom, window.bottom);
        EXPECT_LT(r.left, r.right) << "left stays left of right";
        DestroyWindow(hwnd);
    }
}

class EffectTest : public RuntimeTest {};

namespace {
class PlainButtonObject : public CTWWnd {};
} // namespace

TEST_F(EffectTest, ButtonEffectOnSingleWindowsAndWholeKinds) {
    StartRuntime(true);
    HWND button = CreateRecorder();
    HWND plain = CreateRecorder();
    CTWWnd* object = Attach<PlainButtonObject>(button, 4);
    ApplySkinToWindow(plain, 0);
    EXPECT_EQ(SetButtonEffect(button, 0, 10, 1), 0);
    ASSERT_TRUE(object->GetFade());
    const FadeRecord r = object->GetFade()->Snapshot();
    EXPECT_EQ(r.pause, 2) << "a pause of 1 is stored as 2";
    EXPECT_FLOAT_EQ(r.step, 0.1f);
    EXPECT_EQ(r.window, button);
    EXPECT_EQ(SetButtonEffect(plain, 0, 10, 5), 1) << "not a button kind";
    EXPECT_EQ(SetButtonEffect(nullptr, 1, 10, 5), 1) << "no skin loaded";
    SkinLoaded();
    EXPECT_EQ(SetButtonEffect(nullptr, 4, 10, 5), 1) << "no such kind";
    EXPECT_EQ(SetButtonEffect(nullptr, 1, 20, 5), 0);
    EXPECT_FLOAT_EQ(object->GetFade()->Snapshot().step, 0.05f);
    EXPECT_TRUE(State().buttonEffects[kEffectPush].given);
    DestroyWindow(button);
    DestroyWindow(plain);
}

TEST_F(EffectTest, UserDataBlocksOfTheMainSkin) {
    StartRuntime(true);
    auto* data = dynamic_cast<CTwfUserData*>(Skin().Element(44, L"<UD>\\blob"));
    ASSERT_NE(data, nullptr);
    const char bytes[] = "hexmoor";
    data->SetData(bytes, sizeof bytes);
    DWORD size = 99;
    EXPECT_EQ(GetUserDataSize(L"<UD>\\blob", &size), 0);
    EXPECT_EQ(size, sizeof bytes);
    char out[4] = {};
    EXPECT_EQ(GetUserData(L"<UD>\\blob", out, sizeof out), 0);
    EXPECT_EQ(std::string(out, 4), "hexm") << "at most the buffer's size";
    char wide[16];
    std::memset(wide, 'x', sizeof wide);
    EXPECT_EQ(GetUserData(L"<UD>\\blob", wide, sizeof wide), 0);
    EXPECT_EQ(std::string(wide, sizeof bytes), std::string(bytes, sizeof bytes));
    EXPECT_EQ(wide[sizeof bytes], 'x') << "no more than the block's own size";
    EXPECT_EQ(GetUserDataSize(L"missing", &size), 0);
    EXPECT_EQ(size, 0u);
}
