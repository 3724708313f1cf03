// The editor's exit: the runtime stops while the theme binding is still
// bound, so a skinned window with its theme switched off gets it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app_fixture.h"
#include "base/win/uxtheme.h"
#include "runtime/twf_api.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

// Wine has no visual style to switch off, so the bound entry point is
// replaced by one that records each window whose theme comes back.
std::vector<HWND> g_restored, g_switchedOff;
HRESULT WINAPI RecordSetWindowTheme(HWND window, LPCWSTR app, LPCWSTR idList) {
    (app && idList ? g_switchedOff : g_restored).push_back(window);
    return S_OK;
}

} // namespace

TEST_F(EditorApp, ExitStopsTheRuntimeBeforeLettingGoOfTheThemeBinding) {
    Start();
    if (!g_pfnSetWindowTheme) GTEST_SKIP() << "UxTheme.dll is not available";
    g_pfnSetWindowTheme = &RecordSetWindowTheme;
    g_restored.clear();
    g_switchedOff.clear();
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HexmoorExitOrderProbe";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, wc.hInstance, nullptr);
    EnableSkinning();
    ApplySkinToWindow(window, 0);
    ASSERT_EQ(std::count(g_switchedOff.begin(), g_switchedOff.end(), window), 1) << "skinning switched it off";
    app->ExitInstance(0);
    EXPECT_EQ(std::count(g_restored.begin(), g_restored.end(), window), 1)
        << "the runtime's shut-down restored the theme through the still-bound binding";
    EXPECT_EQ(g_pfnSetWindowTheme, nullptr) << "the editor let go of the binding at the end";
    DestroyWindow(window);
    app.reset();
    frame = nullptr;
}
