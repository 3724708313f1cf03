// Attaching and detaching the common window procedure: exact restoration,
// a foreign subclasser on top of ours, a window destroyed while its own
// message is still being handled, the skin-change message order and the
// reflection of child notifications.
#include "model/twf_obj.h"
#include "runtime/messages.h"
#include "tests/runtime/win/recorder.h"
#include "tests/harness/runtime_fixture.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

class AttachTest : public RuntimeTest {};

namespace {

WNDPROC g_foreignPrevious = nullptr;
long g_foreignCalls = 0;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ++g_foreignCalls;
    return CallWindowProcW(g_foreignPrevious, hwnd, msg, wp, lp);
}

} // namespace

TEST_F(AttachTest, DetachRestoresProcedurePropertyAndStyles) {
    StartRuntime(true);
    HWND hwnd = CreateRecorder();
    const LONG_PTR proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE), ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    ApplySkinToWindow(hwnd, 0);
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), proc);
    EXPECT_NE(GetPropA(hwnd, kObjectProp), nullptr);
    RemoveSkinFromWindowTree(hwnd, 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), proc);
    EXPECT_EQ(GetPropA(hwnd, kObjectProp), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE), style);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE), ex);
    Recorded()[hwnd].clear();
    SendMessageW(hwnd, WM_USER + 5, 0, 0);
    EXPECT_TRUE(Saw(hwnd, WM_USER + 5));
    DestroyWindow(hwnd);
}

TEST_F(AttachTest, ForeignSubclasserOnTopKeepsTheWindowWorkingAfterDetach) {
    StartRuntime(true);
    HWND hwnd = CreateRecorder();
    ApplySkinToWindow(hwnd, 0);
    g_foreignPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    ASSERT_EQ(g_foreignPrevious, &TWWndProc);
    RemoveSkinFromWindowTree(hwnd, 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignProc))
        << "the foreign procedure stays current";
    Recorded()[hwnd].clear();
    g_foreignCalls = 0;
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 0);
    SetWindowTextW(hwnd, L"still works");
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 11) << "messages still reach the window's own procedure";
    EXPECT_TRUE(Saw(hwnd, WM_SETTEXT));
    EXPECT_GT(g_foreignCalls, 0);
    // Skinned again while our procedure is still in the chain: no second copy.
    ApplySkinToWindow(hwnd, 0);
    SetWindowTextW(hwnd, L"again");
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 5);
    DestroyWindow(hwnd);
    EXPECT_EQ(CurrentManager()->GetTypeMap(1)->count(hwnd), 0u);
}

namespace {
// Records when it is deleted and whether it was still alive after its
// window was destroyed from inside one of its own messages.
bool g_deleted = false;
bool g_aliveAfterDestroy = false;
class ProbeObject : public CTWWnd {
public:
    ~ProbeObject() override { g_deleted = true; }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_CLOSE) {
            const LRESULT result = CTWWnd::WindowProc(msg, wp, lp); // destroys the window
            g_aliveAfterDestroy = !g_deleted;
            return result;
        }
        return CTWWnd::WindowProc(msg, wp, lp);
    }
};
} // namespace

TEST_F(AttachTest, ObjectOutlivesItsWindowUntilTheOutermostMessageReturns) {
    StartRuntime(true);
    HWND hwnd = CreateRecorder();
    g_deleted = g_aliveAfterDestroy = false;
    Attach<ProbeObject>(hwnd, 1);
    SendMessageW(hwnd, WM_CLOSE, 0, 0); // the default procedure destroys the window
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(g_aliveAfterDestroy) << "not deleted inside the nested WM_NCDESTROY";
    EXPECT_TRUE(g_deleted) << "deleted once the WM_CLOSE call unwound";
}

TEST_F(AttachTest, SkinChangeSendsRefreshAtOnceAndPostsSkinChanged) {
    StartRuntime(true);
    HWND parent = CreateRecorder();
    HWND child = CreateRecorder(parent);
    ApplySkinToWindow(parent, 0);
    Pump();
    Recorded()[parent].clear();
    Recorded()[child].clear();
    EXPECT_EQ(RefreshWindowSkin(parent), 0);
    EXPECT_TRUE(Saw(parent, TWM_REFRESHSKIN)) << "sent: handled before the call returns";
    EXPECT_FALSE(Saw(parent, TWM_SKINCHANGED)) << "posted: not yet handled";
    EXPECT_TRUE(Saw(child, TWM_BACKGROUNDCHANGED));
    EXPECT_FALSE(Saw(child, TWM_SKINCHANGED));
    Pump();
    EXPECT_TRUE(Saw(parent, TWM_SKINCHANGED));
    EXPECT_TRUE(Saw(child, TWM_SKINCHANGED));
    const auto& log = Recorded()[parent];
    EXPECT_LT(std::find(log.begin(), log.end(), TWM_REFRESHSKIN) - log.begin(),
              std::find(log.begin(), log.end(), TWM_SKINCHANGED) - log.begin());
    EXPECT_EQ(RefreshWindowSkin(child), 1) << "the child itself is not skinned";
    DestroyWindow(parent);
}

namespace {
int g_commands = 0, g_notifies = 0, g_colours = 0;
class ReflectProbe : public CTWWnd {
public:
    LRESULT OnReflectedCommand(BOOL* handled, ReflectRecord* record) override {
        const auto* data = static_cast<const CommandData*>(record->data);
        if (data->code == 77) {
            ++g_commands;
            *handled = TRUE;
            return 1234;
        }
        return 0;
    }
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord*) override {
        ++g_notifies;
        *handled = TRUE;
        return 55;
    }
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC, HWND) override {
        ++g_colours;
        *handled = TRUE;
        return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    }
};
} // namespace

TEST_F(AttachTest, ParentReflectsChildNotificationsToTheChildObject) {
    StartRuntime(true);
    Skin().SolidImage(25, 0, RGB(10, 20, 30));
    Skin().Element(4);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateRecorder(nullptr, WS_POPUP | WS_VISIBLE);
    HWND child = CreateRecorder(dialog);
    SetWindowLongPtrW(child, GWLP_ID, 42);
    SkinWindowAsType(dialog, 25);
    ReflectProbe* probe = Attach<ReflectProbe>(child, 4);
    probe->SetActive(TRUE, 0);
    ApplySkinToWindow(dialog, 0);
    ASSERT_EQ(GetSkinnedWindowType(dialog), 25);
    Recorded()[dialog].clear();
    g_commands = g_notifies = g_colours = 0;

    EXPECT_EQ(SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(42, 77), reinterpret_cast<LPARAM>(child)), 1234);
    EXPECT_EQ(g_commands, 1);
    EXPECT_FALSE(Saw(dialog, WM_COMMAND)) << "handled by the child: the parent's procedure never sees it";
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(42, 78), reinterpret_cast<LPARAM>(child));
    EXPECT_TRUE(Saw(dialog, WM_COMMAND)) << "not handled: on to the parent's own procedure";

    NMHDR header{child, 42, NM_CLICK};
    EXPECT_EQ(SendMessageW(dialog, WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header)), 55);
    EXPECT_EQ(g_notifies, 1);
    HDC dc = GetDC(child);
    EXPECT_EQ(SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)),
              reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(child, dc);
    EXPECT_EQ(g_colours, 1);

    // Skinning off: nothing is reflected any more.
    DisableSkinning();
    Recorded()[dialog].clear();
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(42, 77), reinterpret_cast<LPARAM>(child));
    EXPECT_EQ(g_commands, 1);
    EXPECT_TRUE(Saw(dialog, WM_COMMAND));
    DestroyWindow(dialog);
}
