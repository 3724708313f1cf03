#include "tools/bench/paint/controls_bench.h"

#include <cstdio>

#include "model/twf_manager.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"

namespace hexmoor::bench {

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

} // namespace

// Microseconds per full repaint of the window, frame and children included.
// With `childrenOnly` the window's children are repainted one by one and the
// window's own background is left out.
double TimeRepaints(HWND hwnd, int iterations, bool childrenOnly) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    Pump();
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < iterations; ++i) {
        if (!childrenOnly) {
            RedrawWindow(hwnd, nullptr, nullptr, flags);
            continue;
        }
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            RedrawWindow(child, nullptr, nullptr, flags);
    }
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / iterations;
}

HWND CreateHost(int x, DWORD style) {
    return CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE | style, x, 0, 480, 360, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

namespace {

HWND ScrollHost(int x) {
    HWND host = CreateHost(x, WS_VSCROLL | WS_HSCROLL);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 99, 10, 30, 0};
    SetScrollInfo(host, SB_VERT, &si, TRUE);
    SetScrollInfo(host, SB_HORZ, &si, TRUE);
    HWND h = Child(host, L"SCROLLBAR", L"", SBS_HORZ, 20, 20, 300, 17);
    HWND v = Child(host, L"SCROLLBAR", L"", SBS_VERT, 360, 20, 17, 250);
    SetScrollInfo(h, SB_CTL, &si, TRUE);
    SetScrollInfo(v, SB_CTL, &si, TRUE);
    return host;
}

HWND ButtonHost(int x) {
    HWND host = CreateHost(x, 0);
    static const DWORD kStyles[4] = {BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON, BS_AUTOCHECKBOX | BS_PUSHLIKE};
    for (int i = 0; i < 24; ++i)
        Child(host, L"BUTTON", L"Button text", kStyles[i % 4] | WS_TABSTOP, 10 + (i % 4) * 115, 10 + (i / 4) * 50, 105,
              30);
    return host;
}

} // namespace

void CompareRepaints(const char* what, HWND (*make)(int), int iterations, bool childrenOnly) {
    HWND system = make(0);
    HWND skinned = make(500);
    if (!system || !skinned) {
        std::fprintf(stderr, "paint_bench: the %s windows could not be created\n", what);
        return;
    }
    ApplySkinToWindow(skinned, 1);
    TimeRepaints(system, 10, childrenOnly);
    TimeRepaints(skinned, 10, childrenOnly);
    const double systemUs = TimeRepaints(system, iterations, childrenOnly);
    const double skinnedUs = TimeRepaints(skinned, iterations, childrenOnly);
    std::printf("%s: system %.1f us, skinned %.1f us per repaint\n", what, systemUs, skinnedUs);
    std::printf("ratio skinned-to-system %s %.2f\n", what, systemUs > 0 ? skinnedUs / systemUs : 0.0);
    DestroyWindow(skinned);
    DestroyWindow(system);
}

void AddControlImages() {
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    for (int id = 42; id <= 101; ++id) skin.SolidImage(5, WORD(id), RGB(90, 120, 40 + id));
    for (int id = 814; id <= 841; ++id) skin.SolidImage(5, WORD(id), RGB(90, 140, id - 700));
    for (int id = 22; id <= 30; id += 2)
        skin.SolidImage(4, WORD(id), RGB(200, 180, 40 + id), 16, 16, {4, 4, 4, 4, 1, 1});
    for (int id = 109; id <= 128; ++id) skin.SolidImage(6, WORD(id), RGB(180, 60, id), 13, 13);
    for (int id = 133; id <= 146; ++id) skin.SolidImage(7, WORD(id), RGB(60, 180, id), 13, 13);
    for (int id = 663; id <= 676; ++id)
        skin.SolidImage(39, WORD(id), RGB(120, id - 600, 200), 16, 16, {4, 4, 4, 4, 1, 1});
}

void BenchScrollBars(int iterations) { CompareRepaints("scrollbar", &ScrollHost, iterations); }
void BenchButtons(int iterations) { CompareRepaints("button", &ButtonHost, iterations); }

} // namespace hexmoor::bench
