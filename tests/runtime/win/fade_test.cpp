// Hover fades: one worker per record however quick the hover changes, the
// GUI thread never waits for it, and a window destroyed mid-fade ends the
// worker without touching freed memory.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "runtime/messages.h"
#include "runtime/fade.h"
#include "tests/runtime/win/recorder.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

namespace {
std::shared_ptr<FadeState> g_fade;
std::vector<float> g_steps;

LRESULT CALLBACK FadeWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == TWM_FADESTEP && g_fade) g_steps.push_back(g_fade->Current());
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CreateFadeWindow() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &FadeWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HexmoorFade";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"HexmoorFade", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

FadeRecord Record(HWND hwnd, int steps, int pause) {
    FadeRecord r;
    r.window = hwnd;
    r.step = 1.0f / float(steps);
    r.pause = pause;
    return r;
}

void PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < timeoutMs) {
        PumpMessages();
        Sleep(1);
    }
}
} // namespace

TEST(Fade, QuickHoverChangesShareOneWorker) {
    HWND hwnd = CreateFadeWindow();
    g_fade = std::make_shared<FadeState>(Record(hwnd, 10, 2));
    g_steps.clear();
    EXPECT_TRUE(g_fade->Start(true));
    EXPECT_TRUE(g_fade->Running()) << "marked running on the GUI thread before the worker runs";
    EXPECT_TRUE(g_fade->Start(true)) << "a second start turns the same worker, no second one";
    PumpUntil([] { return !g_fade->Running(); });
    ASSERT_FALSE(g_steps.empty());
    EXPECT_EQ(g_steps.back(), 1.0f);
    for (size_t i = 1; i < g_steps.size(); ++i)
        EXPECT_GE(g_steps[i], g_steps[i - 1]) << "one worker: the alpha only rises (step " << i << ")";
    EXPECT_LE(g_steps.size(), 14u);
    PumpUntil([] { return g_fade.use_count() == 1; });
    EXPECT_EQ(g_fade.use_count(), 1) << "the worker let go of the record";
    DestroyWindow(hwnd);
    g_fade.reset();
}

TEST(Fade, TurningRoundMidFadeEndsAtTheNewTarget) {
    HWND hwnd = CreateFadeWindow();
    g_fade = std::make_shared<FadeState>(Record(hwnd, 20, 5));
    g_steps.clear();
    g_fade->Start(true);
    PumpUntil([] { return g_steps.size() >= 4; });
    g_fade->Start(false);
    PumpUntil([] { return !g_fade->Running(); });
    EXPECT_EQ(g_fade->Current(), 0.0f);
    PumpUntil([] { return g_fade.use_count() == 1; });
    DestroyWindow(hwnd);
    g_fade.reset();
}

TEST(Fade, WindowDestroyedMidFadeEndsTheWorker) {
    HWND hwnd = CreateFadeWindow();
    auto fade = std::make_shared<FadeState>(Record(hwnd, 100, 20));
    g_fade = fade;
    g_steps.clear();
    fade->Start(true);
    PumpUntil([] { return g_steps.size() >= 2; });
    g_fade.reset();
    DestroyWindow(hwnd);
    fade->Cancel();
    std::weak_ptr<FadeState> watch = fade;
    fade.reset(); // the owner lets go first; the worker still holds it
    const DWORD start = GetTickCount();
    while (!watch.expired() && GetTickCount() - start < 5000) {
        PumpMessages();
        Sleep(5);
    }
    EXPECT_TRUE(watch.expired()) << "the worker ended and freed the record";
}
