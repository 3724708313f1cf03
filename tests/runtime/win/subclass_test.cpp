// The one subclassing mechanism's registry of orphaned procedures: a link
// kept for a window whose chain no longer leads to our procedure (its handle
// recycled for a new window) is never taken over, and two GUI threads keep,
// find and take links at once; the class-style bits the runtime adds stay
// right when two threads switch them at once.
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "runtime/subclass.h"
#include "runtime/window_helpers.h"

using namespace hexmoor::rt;

namespace {

constexpr UINT kProbe = WM_APP + 71;

LRESULT CALLBACK TestEntry(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// An object serving one window through the mechanism, found by window.
struct TestOwner {
    Subclass subclass;
    int probes = 0;
};

std::mutex g_ownersLock;
std::map<HWND, TestOwner*> g_owners;

void Serve(HWND hwnd, TestOwner* owner) {
    const std::lock_guard<std::mutex> lock(g_ownersLock);
    if (owner)
        g_owners[hwnd] = owner;
    else
        g_owners.erase(hwnd);
}

struct TestKind {
    using Owner = TestOwner;
    static constexpr WNDPROC Entry = &TestEntry;
    static TestOwner* Find(HWND hwnd) {
        const std::lock_guard<std::mutex> lock(g_ownersLock);
        const auto it = g_owners.find(hwnd);
        return it == g_owners.end() ? nullptr : it->second;
    }
    static LRESULT Handle(TestOwner& owner, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == kProbe) ++owner.probes;
        return owner.subclass.CallPrevious(hwnd, msg, wp, lp);
    }
};

LRESULT CALLBACK TestEntry(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return RunSubclassed<TestKind>(hwnd, msg, wp, lp);
}

// Which procedures a probe went through, per thread.
thread_local int t_base = 0;
thread_local int t_foreign = 0;
thread_local int t_fresh = 0;
thread_local WNDPROC t_foreignPrevious = nullptr;

// The window class's own procedure.
LRESULT CALLBACK BaseProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kProbe) ++t_base;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Another subclasser, on top of ours.
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kProbe) ++t_foreign;
    return CallWindowProcW(t_foreignPrevious, hwnd, msg, wp, lp);
}

// The procedure of a new window that got the old one's handle value.
LRESULT CALLBACK FreshProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kProbe) ++t_fresh;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

const wchar_t* TestClass() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &BaseProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HexmoorSubclassTest";
        return RegisterClassW(&wc);
    }();
    return atom ? L"HexmoorSubclassTest" : nullptr;
}

HWND MakeWindow() {
    return CreateWindowExW(0, TestClass(), L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

WNDPROC Current(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

void PutForeignOnTop(HWND hwnd) {
    t_foreignPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
}

// Our procedure under a foreign one, let go: its link stays in the registry.
void LeaveOrphanUnderForeign(HWND hwnd) {
    TestOwner first;
    ASSERT_TRUE(first.subclass.Install(hwnd, &TestEntry));
    Serve(hwnd, &first);
    PutForeignOnTop(hwnd);
    Serve(hwnd, nullptr);
    first.subclass.Remove();
    ASSERT_EQ(Current(hwnd), &ForeignProc);
}

} // namespace

TEST(SubclassRegistryTest, AnOrphanIsTakenOverOnlyWhileTheWindowsChainStillLeadsToIt) {
    const struct {
        const char* what;
        bool recycled; // the handle now names a new window with a procedure of its own
        WNDPROC previous;
        WNDPROC current;
        int base, foreign, fresh;
    } cases[] = {
        // The foreign procedure still calls ours: the new owner takes the
        // kept link over and nothing is stacked twice.
        {"chain still leads to ours", false, &BaseProc, &ForeignProc, 1, 1, 0},
        // The window went and its handle came back for another window: the
        // kept link would lead into the old window's procedures.
        {"handle recycled", true, &FreshProc, &TestEntry, 0, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HWND hwnd = MakeWindow();
        ASSERT_TRUE(hwnd);
        LeaveOrphanUnderForeign(hwnd);
        if (c.recycled) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FreshProc));

        TestOwner second;
        ASSERT_TRUE(second.subclass.Install(hwnd, &TestEntry));
        Serve(hwnd, &second);
        EXPECT_EQ(second.subclass.Link().previous, c.previous);
        EXPECT_EQ(Current(hwnd), c.current);
        t_base = t_foreign = t_fresh = 0;
        SendMessageW(hwnd, kProbe, 0, 0);
        EXPECT_EQ(second.probes, 1) << "the new owner sees the message once";
        EXPECT_EQ(t_base, c.base);
        EXPECT_EQ(t_foreign, c.foreign);
        EXPECT_EQ(t_fresh, c.fresh);

        Serve(hwnd, nullptr);
        second.subclass.Remove();
        DestroyWindow(hwnd);
    }
}

TEST(SubclassRegistryTest, TwoThreadsKeepFindAndTakeOrphansAtOnce) {
    constexpr int kRounds = 150;
    std::atomic<int> faults{0};
    auto work = [&] {
        for (int i = 0; i < kRounds; ++i) {
            HWND hwnd = MakeWindow();
            if (!hwnd) {
                ++faults;
                continue;
            }
            {
                // Kept under the foreign procedure; an unowned call of ours
                // finds the link and forwards once.
                TestOwner first;
                first.subclass.Install(hwnd, &TestEntry);
                PutForeignOnTop(hwnd);
                first.subclass.Remove();
            }
            t_base = t_foreign = 0;
            SendMessageW(hwnd, kProbe, 0, 0);
            if (t_base != 1 || t_foreign != 1) ++faults;
            // Taken over by a new owner, kept again, then taken at the
            // window's end.
            TestOwner second;
            second.subclass.Install(hwnd, &TestEntry);
            if (second.subclass.Link().previous != &BaseProc) ++faults;
            Serve(hwnd, &second);
            t_base = 0;
            SendMessageW(hwnd, kProbe, 0, 0);
            if (second.probes != 1 || t_base != 1) ++faults;
            Serve(hwnd, nullptr);
            second.subclass.Remove();
            DestroyWindow(hwnd);
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(faults.load(), 0);
}

// Two GUI threads switch their own class-style bits of one window class on
// and off at once: each sees its bit exactly as it left it, and the class
// ends with neither bit, as before.
TEST(ClassStyleTest, TwoThreadsSwitchBitsOfOneClassAtOnce) {
    static const wchar_t kClass[] = L"HexmoorClassStyleTest";
    WNDCLASSW wc{};
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    ASSERT_NE(RegisterClassW(&wc), 0);
    constexpr int kRounds = 400;
    std::atomic<int> faults{0};
    auto work = [&](DWORD bit) {
        HWND hwnd =
            CreateWindowExW(0, kClass, L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!hwnd) {
            ++faults;
            return;
        }
        for (int i = 0; i < kRounds; ++i) {
            SetWindowClassStyle(hwnd, bit, true);
            if (!(GetClassLongPtrW(hwnd, GCL_STYLE) & bit)) ++faults;
            SetWindowClassStyle(hwnd, bit, false);
            if (GetClassLongPtrW(hwnd, GCL_STYLE) & bit) ++faults;
        }
        DestroyWindow(hwnd);
    };
    std::thread a(work, DWORD(CS_HREDRAW)), b(work, DWORD(CS_VREDRAW));
    a.join();
    b.join();
    EXPECT_EQ(faults.load(), 0);
    HWND probe =
        CreateWindowExW(0, kClass, L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(GetClassLongPtrW(probe, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), 0u);
    DestroyWindow(probe);
    UnregisterClassW(kClass, GetModuleHandleW(nullptr));
}
