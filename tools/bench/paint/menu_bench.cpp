#include "tools/bench/paint/menu_bench.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "model/twf_manager.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"

namespace hexmoor::bench {

namespace {

constexpr UINT_PTR kTimer = 7;
int g_iterations = 0;
double g_microseconds = 0;

BOOL CALLBACK FindPopup(HWND hwnd, LPARAM lp) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (lstrcmpW(name, L"#32768") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kTimer) {
        KillTimer(hwnd, kTimer);
        HWND popup = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindPopup, reinterpret_cast<LPARAM>(&popup));
        if (popup) {
            constexpr UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW;
            for (int i = 0; i < 5; ++i) RedrawWindow(popup, nullptr, nullptr, flags);
            LARGE_INTEGER frequency, start, end;
            QueryPerformanceFrequency(&frequency);
            QueryPerformanceCounter(&start);
            for (int i = 0; i < g_iterations; ++i) RedrawWindow(popup, nullptr, nullptr, flags);
            QueryPerformanceCounter(&end);
            g_microseconds = double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / g_iterations;
        }
        EndMenu();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

double TimeOpenPopup(bool skinned, int iterations) {
    static const wchar_t kClass[] = L"HexmoorBenchMenuOwner";
    WNDCLASSW wc{};
    wc.lpfnWndProc = &OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(0, kClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 40, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!owner) return 0;
    if (skinned) {
        AttachBaseSkinnedObject(owner);
        ApplySkinToWindow(owner, 0);
    }
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < 20; ++i) {
        const std::wstring text = L"Item number " + std::to_wstring(i + 1) + L"\tCtrl+" + std::to_wstring(i % 10);
        AppendMenuW(menu, MF_STRING | (i % 7 == 3 ? MF_GRAYED : 0) | (i % 5 == 1 ? MF_CHECKED : 0), UINT(100 + i),
                    text.c_str());
    }
    g_iterations = iterations;
    g_microseconds = 0;
    SetForegroundWindow(owner);
    SetTimer(owner, kTimer, 20, nullptr);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, 40, 40, 0, owner, nullptr);
    DestroyMenu(menu);
    DestroyWindow(owner);
    return g_microseconds;
}

} // namespace

void BenchMenu(int iterations) {
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    const COLORREF colours[] = {RGB(230, 230, 240), RGB(80, 120, 200), RGB(60, 160, 90), RGB(200, 200, 200)};
    const WORD images[] = {437, 441, 439, 443};
    for (int i = 0; i < 4; ++i) skin.SolidImage(16, images[i], colours[i], 8, 8, {2, 2, 2, 2, 0, 0});
    skin.SolidImage(16, 447, RGB(150, 150, 150), 8, 2);
    skin.SolidImage(6, 119, RGB(20, 20, 20), 13, 13);
    const double systemUs = TimeOpenPopup(false, iterations);
    const double skinnedUs = TimeOpenPopup(true, iterations);
    std::printf("popup menu of 20 items, %d repaints each inside the menu loop\n", iterations);
    std::printf("system  %.1f us per paint\n", systemUs);
    std::printf("skinned %.1f us per paint\n", skinnedUs);
    std::printf("ratio skinned-to-system menu %.2f\n", systemUs > 0 ? skinnedUs / systemUs : 0.0);
}

} // namespace hexmoor::bench
