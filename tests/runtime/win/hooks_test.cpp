// The thread hooks: ordinary mode skins a window once its WM_CREATE returns
// and forgets it after WM_NCDESTROY; explicit mode skins only what it is
// handed; a shut-down removes every thread's hooks.
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <iterator>

#include "runtime/manager/factories.h"
#include "runtime/messages.h"
#include "tests/runtime/win/recorder.h"
#include "tests/harness/runtime_fixture.h"

using namespace hexmoor::test;

class HooksTest : public RuntimeTest {};

namespace {
using Shared = std::pair<std::atomic<int>*, std::atomic<bool>*>;

// A second GUI thread with its own controls manager; after the shut-down it
// creates a window, which must not reach a freed manager.
DWORD WINAPI OtherThread(void* p) {
    auto* s = static_cast<Shared*>(p);
    CreateThreadManager();
    s->first->store(1);
    while (s->first->load() != 2) Sleep(5);
    HWND hwnd = CreateRecorder();
    s->second->store(GetSkinnedWindowObject(hwnd) != nullptr);
    DestroyWindow(hwnd);
    s->first->store(3);
    return 0;
}
} // namespace

TEST_F(HooksTest, OrdinaryModeSkinsOnCreateAndForgetsOnDestroy) {
    StartRuntime(false, 1);
    HWND hwnd = CreateRecorder();
    ASSERT_TRUE(hwnd);
    CTWWnd* object = GetSkinnedWindowObject(hwnd);
    ASSERT_NE(object, nullptr) << "skinned once WM_CREATE returned";
    EXPECT_EQ(object->GetType(), 1);
    EXPECT_EQ(SendMessageW(hwnd, hexmoor::rt::TWM_ISSKINNED, 0, 0), 0) << "plain windows pass on while no skin is on";
    auto* map = CurrentManager()->GetTypeMap(1);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->count(hwnd), 1u);
    DestroyWindow(hwnd);
    EXPECT_EQ(map->count(hwnd), 0u) << "forgotten after WM_NCDESTROY returned";
}

TEST_F(HooksTest, KindsWithoutSkinnedClassStayUnskinned) {
    StartRuntime(false, 1);
    // The first of these kinds that has no skinned class yet.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    const struct {
        const wchar_t* cls;
        int kind;
    } candidates[] = {{L"SysMonthCal32", 38}, {L"SysDateTimePick32", 22}, {L"SysTreeView32", 19},
                      {L"SysListView32", 15}, {L"ListBox", 14},           {L"Edit", 3}};
    const auto* chosen = std::find_if(std::begin(candidates), std::end(candidates),
                                      [](const auto& c) { return CreateControlFactory(c.kind) == nullptr; });
    if (chosen == std::end(candidates)) GTEST_SKIP() << "every candidate kind has its skinned class";
    HWND hwnd = CreateWindowExW(0, chosen->cls, L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(GetControlType(hwnd, nullptr), chosen->kind);
    EXPECT_EQ(GetSkinnedWindowObject(hwnd), nullptr);
    DestroyWindow(hwnd);
}

TEST_F(HooksTest, ExplicitModeSkinsOnlyWhatItIsHanded) {
    StartRuntime(true);
    HWND hwnd = CreateRecorder();
    EXPECT_EQ(GetSkinnedWindowObject(hwnd), nullptr);
    EXPECT_EQ(ApplySkinToWindow(hwnd, 1), 0);
    EXPECT_NE(GetSkinnedWindowObject(hwnd), nullptr);
    // In explicit mode the common window procedure forgets the window.
    DestroyWindow(hwnd);
    EXPECT_EQ(CurrentManager()->GetTypeMap(1)->count(hwnd), 0u);
}

TEST_F(HooksTest, MessageHooksFollowTheMode) {
    // Explicit mode needs no hook around the window procedure: none is
    // installed, so that messages do not pass a hook chain for nothing.
    StartRuntime(true);
    CTWControlsManager* manager = CurrentManager();
    EXPECT_NE(manager->Hook(CTWControlsManager::kCbt), nullptr);
    EXPECT_EQ(manager->Hook(CTWControlsManager::kCallWndProc), nullptr);
    EXPECT_EQ(manager->Hook(CTWControlsManager::kCallWndProcRet), nullptr);
    HWND before = CreateRecorder();
    EXPECT_EQ(GetSkinnedWindowObject(before), nullptr);

    // Switched to ordinary mode while running: new windows are skinned and
    // forgotten again as in a runtime started in that mode.
    SetExplicitMode(FALSE);
    EXPECT_NE(manager->Hook(CTWControlsManager::kCallWndProcRet), nullptr);
    HWND during = CreateRecorder();
    EXPECT_NE(GetSkinnedWindowObject(during), nullptr);
    EXPECT_EQ(GetSkinnedWindowObject(before), nullptr) << "only windows made after the switch";
    DestroyWindow(during);
    EXPECT_EQ(manager->GetTypeMap(1)->count(during), 0u);

    SetExplicitMode(TRUE);
    EXPECT_EQ(manager->Hook(CTWControlsManager::kCallWndProcRet), nullptr);
    HWND after = CreateRecorder();
    EXPECT_EQ(GetSkinnedWindowObject(after), nullptr);
    DestroyWindow(after);
    DestroyWindow(before);
}

namespace {
struct NamedThread {
    std::atomic<int> stage{0};
    std::atomic<bool> skinned{false};
};

// A GUI thread whose manager another thread makes for it.
DWORD WINAPI ThreadWithManagerMadeElsewhere(void* p) {
    auto* s = static_cast<NamedThread*>(p);
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    s->stage.store(1);
    while (s->stage.load() != 2) Sleep(5);
    HWND hwnd = CreateRecorder();
    s->skinned.store(GetSkinnedWindowObject(hwnd) != nullptr);
    DestroyWindow(hwnd);
    s->stage.store(3);
    return 0;
}
} // namespace

TEST_F(HooksTest, ManagerMadeForAnotherThreadHooksThatThread) {
    StartRuntime(false, 1);
    NamedThread shared;
    DWORD otherId = 0;
    HANDLE other = CreateThread(nullptr, 0, &ThreadWithManagerMadeElsewhere, &shared, 0, &otherId);
    ASSERT_TRUE(other);
    while (shared.stage.load() != 1) Sleep(5);
    EXPECT_EQ(CreateThreadManagerFor(otherId), 0);
    shared.stage.store(2);
    WaitForSingleObject(other, 10000);
    CloseHandle(other);
    EXPECT_EQ(shared.stage.load(), 3);
    EXPECT_TRUE(shared.skinned.load()) << "the other thread's new window is skinned by its own hooks";
    // The calling thread keeps exactly its own manager's hooks.
    HWND mine = CreateRecorder();
    EXPECT_NE(GetSkinnedWindowObject(mine), nullptr);
    DestroyWindow(mine);
}

TEST_F(HooksTest, ShutdownUnhooksEveryThreadAndHooksWithoutManagerPassOn) {
    StartRuntime(false, 1);
    std::atomic<int> stage{0};
    std::atomic<bool> skinnedAfterShutdown{true};
    DWORD otherId = 0;
    Shared shared(&stage, &skinnedAfterShutdown);
    HANDLE other = CreateThread(nullptr, 0, &OtherThread, &shared, 0, &otherId);
    ASSERT_TRUE(other);
    while (stage.load() != 1) Sleep(5);
    EXPECT_NE(CListOfCtrlManagers::Find(otherId), nullptr);
    EXPECT_EQ(ShutdownSkinRuntime(), 0);
    stage.store(2);
    WaitForSingleObject(other, 10000);
    CloseHandle(other);
    EXPECT_EQ(stage.load(), 3);
    EXPECT_FALSE(skinnedAfterShutdown.load());
    EXPECT_EQ(ShutdownSkinRuntime(), 1) << "a second shut-down finds nothing";
}

TEST(RuntimeApi, OptionsAndRefusals) {
    EXPECT_EQ(SetHostFramework(4), 1);
    EXPECT_EQ(SetHostFramework(3), 0);
    EXPECT_EQ(SetHostFramework(-1), 1);
    EXPECT_EQ(SetHostFramework(0), 0);
    EXPECT_EQ(ShutdownSkinRuntime(), 1);
    EXPECT_EQ(LoadSkinFromFile(L"x.twf"), 1) << "not initialised";
    ASSERT_EQ(InitSkinRuntime(0), 0);
    EXPECT_EQ(InitSkinRuntime(0), 1);
    EXPECT_EQ(LoadSkinFromFile(nullptr), 1);
    EXPECT_EQ(LoadSkinFromBuffer(nullptr, 4), 1);
    EXPECT_EQ(SetButtonEffect(nullptr, 0, 4, 10), 1);
    EXPECT_EQ(SetButtonEffect(nullptr, 0, 101, 10), 1);
    EXPECT_EQ(SetButtonEffect(nullptr, 0, 10, 0), 1);
    EXPECT_EQ(RefreshSkinnedWindows(4), 1) << "no window of that type";
    EXPECT_EQ(SetWindowColor(nullptr, 1, 2, 3), 1);
    EXPECT_EQ(ShutdownSkinRuntime(), 0);
}
