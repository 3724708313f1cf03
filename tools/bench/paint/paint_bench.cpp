// paint_bench [ITERATIONS]: how long one full repaint (erase and paint) of a
// dialog takes when the runtime draws its background from a nine-part skin
// image, against the same dialog drawn by the system, in the same run.
// Ends with "ratio skinned-to-system X.XX".
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "model/twf_manager.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace {

INT_PTR CALLBACK DialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

HWND CreateBenchDialog(int x) {
    struct alignas(4) {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } tmpl{};
    tmpl.header.style = WS_POPUP | WS_VISIBLE;
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tmpl.header, nullptr, &DialogProc, 0);
    if (dialog) SetWindowPos(dialog, nullptr, x, 0, 480, 360, SWP_NOZORDER | SWP_NOACTIVATE);
    return dialog;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// Microseconds per full repaint.
double TimeRepaints(HWND hwnd, int iterations) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    Pump();
    QueryPerformanceCounter(&start);
    for (int i = 0; i < iterations; ++i)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / iterations;
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const int iterations = argc > 1 ? _wtoi(argv[1]) : 500;
    LocalFree(argv);
    if (iterations < 1) {
        std::fputs("usage: paint_bench [ITERATIONS]\n", stderr);
        return 1;
    }

    SetHostFramework(0);
    SetExplicitMode(TRUE);
    InitSkinRuntime(0);
    hexmoor::test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    skin.NinePartImage(25, 0, 64, 64, {16, 16, 16, 16, 1, 1},
                       {RGB(40, 60, 120), RGB(60, 90, 160), RGB(40, 60, 120), RGB(60, 90, 160), RGB(200, 210, 230),
                        RGB(60, 90, 160), RGB(40, 60, 120), RGB(60, 90, 160), RGB(40, 60, 120)});
    hexmoor::bench::AddControlImages();
    hexmoor::test::MarkMainSkinLoaded(GetRuntimeSkinManager());
    EnableSkinning();

    HWND system = CreateBenchDialog(0);
    HWND skinned = CreateBenchDialog(500);
    if (!system || !skinned) {
        std::fputs("paint_bench: the dialogs could not be created\n", stderr);
        return 1;
    }
    ApplySkinToWindow(skinned, 0);
    TimeRepaints(system, 20); // warm both paths up
    TimeRepaints(skinned, 20);
    const double systemUs = TimeRepaints(system, iterations);
    const double skinnedUs = TimeRepaints(skinned, iterations);
    std::printf("dialog 480x360, %d repaints each\n", iterations);
    std::printf("system  %.1f us per paint\n", systemUs);
    std::printf("skinned %.1f us per paint (nine-part background, tiled)\n", skinnedUs);
    std::printf("ratio skinned-to-system %.2f\n", systemUs > 0 ? skinnedUs / systemUs : 0.0);
    DestroyWindow(skinned);
    DestroyWindow(system);
    hexmoor::bench::BenchScrollBars(iterations);
    hexmoor::bench::BenchButtons(iterations);
    ShutdownSkinRuntime();
    return 0;
}
