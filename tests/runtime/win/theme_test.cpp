// The theme a skinned window loses comes back when the runtime stops, as
// long as the host still holds the theme binding: the host lets go only
// after the runtime has stopped.
#include <windows.h>

#include <vector>

#include "base/win/uxtheme.h"
#include "runtime/runtime_state.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/runtime/win/recorder.h"

using namespace hexmoor::test;

namespace {

class ThemeTest : public RuntimeTest {};

// Wine has no visual style to switch off (its SetWindowTheme answers
// ERROR_INVALID_NAME and sends nothing), so the bound entry point is replaced
// by one that records what the runtime asks of it.
struct ThemeCall {
    HWND window;
    bool off; // L"", L"" switches the theme off; null, null restores it
};
std::vector<ThemeCall> g_calls;
HRESULT WINAPI RecordSetWindowTheme(HWND window, LPCWSTR app, LPCWSTR idList) {
    g_calls.push_back({window, app != nullptr && idList != nullptr});
    return S_OK;
}

int Count(HWND window, bool off) {
    int n = 0;
    for (const ThemeCall& c : g_calls) n += c.window == window && c.off == off;
    return n;
}

} // namespace

TEST_F(ThemeTest, ShutdownGivesTheThemeBackWhileTheHostStillHoldsTheBinding) {
    const int code = hexmoor::rt::VersionCode();
    if (code != 7 && code != 9) GTEST_SKIP() << "this system keeps window themes under a skin";
    // The host's own reference, taken before the runtime starts (as the editor does).
    if (!LoadUxTheme()) GTEST_SKIP() << "UxTheme.dll is not available";
    StartRuntime(true);
    g_calls.clear();
    g_pfnSetWindowTheme = &RecordSetWindowTheme;
    EnableSkinning();
    HWND hwnd = CreateRecorder();
    ApplySkinToWindow(hwnd, 0);
    Pump();
    ASSERT_EQ(Count(hwnd, true), 1) << "skinning switched the window's theme off";
    ASSERT_EQ(Count(hwnd, false), 0);
    ShutdownSkinRuntime(); // the runtime stops first...
    Pump();
    EXPECT_EQ(Count(hwnd, false), 1) << "...and gives the theme back through the binding";
    EXPECT_NE(g_pfnSetWindowTheme, nullptr) << "the runtime dropped only its own reference";
    UnloadUxTheme(); // ...then the host lets go
    EXPECT_EQ(g_pfnSetWindowTheme, nullptr);
    DestroyWindow(hwnd);
}
