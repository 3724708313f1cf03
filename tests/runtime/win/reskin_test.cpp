// A framed window with a menu and skinned scroll bars, skinned, released and
// skinned again, as the editor's sample frame is on every skin it opens: the
// window carries five of the runtime's procedures (the window object's, the
// frame's, the menu bar's and the scroll-bar helper's two). Releasing gives
// back exactly the procedure the window had, skinning again never puts one of
// ours on top of itself, and with a foreign subclasser on top the whole
// time, every message still reaches the window's own procedure once.
#include <windows.h>

#include "runtime/frame/frame_skin_wnd.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/runtime/win/recorder.h"
#include "tests/runtime/win/skinned_bars.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

namespace {

constexpr UINT kProbe = WM_USER + 77;

WNDPROC g_foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(g_foreignPrevious, hwnd, msg, wp, lp);
}

class ReskinTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        menubar::BuildMenuBarSkin(Skin());
        AddBarImages(Skin());
        SkinLoaded();
        EnableSkinning();
        hwnd_ = CreateRecorder(nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 200);
        HMENU menu = CreateMenu();
        AppendMenuW(menu, MF_STRING, 101, L"&File");
        AppendMenuW(menu, MF_STRING, 102, L"&Edit");
        SetMenu(hwnd_, menu);
        ownProc_ = GetWindowLongPtrW(hwnd_, GWLP_WNDPROC);
    }
    void TearDown() override {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        RuntimeTest::TearDown();
    }

    // Skins the window and checks that every procedure of ours went on.
    void SkinTheWindow() {
        ApplySkinToWindow(hwnd_, 1);
        Settle();
        CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd_);
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(frame->GetMenuBar(), nullptr);
        ASSERT_NE(GetSkinnedWindowObject(hwnd_), nullptr);
        ASSERT_NE(GetSkinnedWindowObject(hwnd_)->GetScrollHandler(), nullptr);
    }
    // How many times one message sent to the window reaches its own procedure.
    long Deliveries() {
        Recorded()[hwnd_].clear();
        SendMessageW(hwnd_, kProbe, 0, 0);
        return CountOf(hwnd_, kProbe);
    }

    HWND hwnd_ = nullptr;
    LONG_PTR ownProc_ = 0;
};

} // namespace

TEST_F(ReskinTest, ReleasingRestoresTheOwnProcedureAndSkinningAgainWorks) {
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        SkinTheWindow();
        EXPECT_EQ(Deliveries(), 1);
        RemoveSkinFromWindowTree(hwnd_, 1);
        EXPECT_EQ(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC), ownProc_) << "every procedure of ours came off";
        EXPECT_EQ(GetFrameSkinWnd(hwnd_), nullptr);
        EXPECT_EQ(Deliveries(), 1);
    }
}

TEST_F(ReskinTest, ForeignSubclasserOnTopKeepsOneChainThroughReleaseAndSkinAgain) {
    SkinTheWindow();
    g_foreignPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    RemoveSkinFromWindowTree(hwnd_, 1);
    EXPECT_EQ(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignProc));
    EXPECT_EQ(Deliveries(), 1) << "ours, left under the foreign procedure, forward to what they replaced";
    SetWindowTextW(hwnd_, L"still works");
    EXPECT_EQ(SendMessageW(hwnd_, WM_GETTEXTLENGTH, 0, 0), 11);

    // Skinned again under the foreign procedure, then with it gone (ours are
    // current again): each time the procedures left in the chain are taken
    // back, none stacked a second time.
    SkinTheWindow();
    EXPECT_EQ(Deliveries(), 1);
    RemoveSkinFromWindowTree(hwnd_, 1);
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_foreignPrevious));
    EXPECT_EQ(Deliveries(), 1);
    SkinTheWindow();
    EXPECT_EQ(Deliveries(), 1);
    RemoveSkinFromWindowTree(hwnd_, 1);
    EXPECT_EQ(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC), ownProc_) << "the whole chain unwound";
    EXPECT_EQ(Deliveries(), 1);
}
