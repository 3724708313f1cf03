// Window helpers and effect entries: hover tracking across windows, showing
// through the placement, button effects on single windows and user data.
#include "model/elements/user_data.h"
#include "runtime/hover_tracker.h"
#include "runtime/runtime_state.h"
#include "runtime/window_helpers.h"
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
    EXPECT_EQ(GetUserDataSize(L"missing", &size), 0);
    EXPECT_EQ(size, 0u);
}
