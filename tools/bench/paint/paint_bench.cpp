// paint_bench [ITERATIONS]: how long one full repaint (erase and paint) of a
// dialog takes when the runtime draws its background from a nine-part skin
// image, against the same dialog drawn by the system, in the same run
// ("ratio skinned-to-system X.XX"); then the non-client repaint of a 640x480
// frame with a six-item menu bar, tiled sides, caption and buttons ("ratio
// skinned-to-system frame X.XX") and the repaint of an MDI frame with its
// client background and three children ("ratio skinned-to-system mdi X.XX"),
// each against the same windows unskinned.
#include <shellapi.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "base/win/gdi.h"
#include "model/elements/frame_properties.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_manager.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/bars_bench.h"
#include "tools/bench/paint/controls_bench.h"
#include "tools/bench/paint/tabs_bench.h"
#include "tools/bench/paint/edits_bench.h"
#include "tools/bench/paint/statics_bench.h"
#include "tools/bench/paint/menu_bench.h"
#include "tools/bench/paint/lists_bench.h"
#include "tools/bench/paint/dates_bench.h"

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

// Frame element: tiled 4-pixel side images, caption buttons, menu bar and
// MDI background, each a solid image.
void BuildFrameSkin(hexmoor::test::SyntheticSkin& skin) {
    namespace fp = frame_props;
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.Element(2));
    const int top = 26, bottom = 6, left = 6, right = 6;
    frame->SetNumber(fp::kTopThickness, top);
    frame->SetNumber(fp::kBottomThickness, bottom);
    frame->SetNumber(fp::kLeftThickness, left);
    frame->SetNumber(fp::kRightThickness, right);
    const struct {
        CTwfSideFrame* side;
        int w, h;
    } sides[] = {{frame->GetTopSide(), 8, top},
                 {frame->GetBottomSide(), 8, bottom},
                 {frame->GetLeftSide(), left, 8},
                 {frame->GetRightSide(), right, 8}};
    for (const auto& s : sides) {
        for (WORD key : {WORD(0), WORD(1001)}) {
            const hexmoor::win::Bitmap bitmap(
                hexmoor::test::MakeSolidBitmap(s.w, s.h, key ? RGB(90, 90, 120) : RGB(40, 70, 140)));
            s.side->SetImageBitmap(key, bitmap.Get());
            s.side->SetImageOptions(key, 0, 0, 2);
        }
    }
    for (int id = 456; id <= 475; ++id) skin.SolidImage(2, WORD(id), RGB(200, 60 + id % 7 * 20, 60), 18, 16);
    frame->SetNumberPair(fp::kCloseButtonSize, 20, 18);
    frame->SetNumberPair(fp::kMinimizeButtonSize, 20, 18);
    frame->SetNumberPair(fp::kMaximizeButtonSize, 20, 18);
    frame->SetNumberPair(fp::kCloseButtonOffset, 4, 4);
    frame->SetNumberPair(fp::kMaximizeButtonOffset, 26, 4);
    frame->SetNumberPair(fp::kMinimizeButtonOffset, 48, 4);
    frame->SetColor(fp::kTextColor, RGB(255, 255, 255));
    frame->SetNumber(652, 20);
    skin.SolidImage(2, 422, RGB(220, 225, 235), 8, 8);
    skin.SolidImage(2, 418, RGB(220, 225, 235), 8, 8);
    skin.SolidImage(2, 485, RGB(80, 90, 110), 8, 8);
}

HWND CreateFrame(int x, bool mdi) {
    static const wchar_t kClass[] = L"HexmoorBenchFrame";
    WNDCLASSW wc{};
    if (!GetClassInfoW(GetModuleHandleW(nullptr), kClass, &wc)) {
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
    }
    HMENU menu = CreateMenu();
    for (const wchar_t* item : {L"&File", L"&Edit", L"&View", L"&Tools", L"&Window", L"&Help"}) {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING, 100, L"&Item");
        AppendMenuW(menu, MF_POPUP, UINT_PTR(popup), item);
    }
    HWND frame = CreateWindowExW(0, kClass, L"Benchmark frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, x,
                                 0, 640, 480, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
    if (!frame || !mdi) return frame;
    CLIENTCREATESTRUCT ccs{GetSubMenu(menu, 4), 5000};
    RECT c;
    GetClientRect(frame, &c);
    HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, c.right,
                                  c.bottom, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
    static const wchar_t kChild[] = L"HexmoorBenchChild";
    if (!GetClassInfoW(GetModuleHandleW(nullptr), kChild, &wc)) {
        wc = {};
        wc.lpfnWndProc = &DefMDIChildProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        wc.lpszClassName = kChild;
        RegisterClassW(&wc);
    }
    for (int i = 0; i < 3; ++i)
        CreateMDIWindowW(kChild, L"Child", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20 + i * 60, 20 + i * 40, 260, 180, client,
                         GetModuleHandleW(nullptr), 0);
    return frame;
}

// Microseconds per non-client repaint.
double TimeNcPaints(HWND hwnd, int iterations) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    Pump();
    QueryPerformanceCounter(&start);
    for (int i = 0; i < iterations; ++i) SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / iterations;
}

// Microseconds per non-client repaint when the frame's kept picture is stale
// every time (as after a state change).
double TimeColdNcPaints(HWND hwnd, int iterations) {
    CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    Pump();
    QueryPerformanceCounter(&start);
    for (int i = 0; i < iterations; ++i) {
        if (frame) frame->InvalidateFramePicture();
        SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    }
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / iterations;
}

// Microseconds per repaint of a window and all its children, frames included.
double TimeTreeRepaints(HWND hwnd, int iterations) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    Pump();
    QueryPerformanceCounter(&start);
    for (int i = 0; i < iterations; ++i)
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
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
    hexmoor::bench::AddTabImages();
    hexmoor::bench::AddStaticAndRangeImages();
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

    BuildFrameSkin(skin);
    const int frameIterations = std::max(1, iterations / 2);
    HWND systemFrame = CreateFrame(0, false);
    HWND skinnedFrame = CreateFrame(600, false);
    AttachBaseSkinnedObject(skinnedFrame);
    ApplySkinToWindow(skinnedFrame, 0);
    Pump();
    TimeNcPaints(systemFrame, 10);
    TimeNcPaints(skinnedFrame, 10);
    const double systemFrameUs = TimeNcPaints(systemFrame, frameIterations);
    const double skinnedFrameUs = TimeNcPaints(skinnedFrame, frameIterations);
    std::printf("frame 640x480 with a six-item menu bar, %d non-client repaints each\n", frameIterations);
    std::printf("system  %.1f us per non-client paint\n", systemFrameUs);
    std::printf("skinned %.1f us per non-client paint (tiled sides, caption, buttons, bar)\n", skinnedFrameUs);
    const double coldFrameUs = TimeColdNcPaints(skinnedFrame, frameIterations);
    std::printf("skinned %.1f us per non-client paint after a state change (everything drawn again)\n", coldFrameUs);
    std::printf("ratio skinned-to-system frame %.2f\n", systemFrameUs > 0 ? skinnedFrameUs / systemFrameUs : 0.0);
    DestroyWindow(skinnedFrame);
    DestroyWindow(systemFrame);

    HWND systemMdi = CreateFrame(0, true);
    HWND skinnedMdi = CreateFrame(600, true);
    ApplySkinToWindow(skinnedMdi, 1);
    Pump();
    TimeTreeRepaints(systemMdi, 5);
    TimeTreeRepaints(skinnedMdi, 5);
    const double systemMdiUs = TimeTreeRepaints(systemMdi, frameIterations);
    const double skinnedMdiUs = TimeTreeRepaints(skinnedMdi, frameIterations);
    std::printf("MDI frame 640x480 with three children, %d repaints each\n", frameIterations);
    std::printf("system  %.1f us per paint\n", systemMdiUs);
    std::printf("skinned %.1f us per paint (frames, bar, client background)\n", skinnedMdiUs);
    std::printf("ratio skinned-to-system mdi %.2f\n", systemMdiUs > 0 ? skinnedMdiUs / systemMdiUs : 0.0);
    DestroyWindow(skinnedMdi);
    DestroyWindow(systemMdi);
    hexmoor::bench::BenchScrollBars(iterations);
    hexmoor::bench::BenchButtons(iterations);
    hexmoor::bench::BenchEditsAndCombos(iterations);
    hexmoor::bench::BenchTabs(iterations);
    hexmoor::bench::BenchBars(iterations);
    hexmoor::bench::BenchStatics(iterations);
    hexmoor::bench::BenchRanges(iterations);
    hexmoor::bench::BenchMenu(iterations);
    hexmoor::bench::BenchLists(iterations);
    hexmoor::bench::BenchDates(iterations);
    ShutdownSkinRuntime();
    return 0;
}
