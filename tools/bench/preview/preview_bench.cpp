// bench/preview SKIN [ROUNDS]: per sample of the composition view, the
// editor's refresh road for one of its element types plus the repaint of
// the sample, against the same window's repaint with skinning switched off
// (DisableSkinning), in the same run. Each sample is first checked to be
// shown and skinned, and to show other pixels without the skin. A sample
// that is not shown skinned is a fault: no ratio is printed. A sample whose
// refreshed element is missing or switched off in the skin shows the same
// pixels either way (the skin gives it nothing of its own): it prints that
// and no figures, and is left out of the ratio; with its element on, the
// same pixels are a fault. The last line is "ratio refresh-to-system X.XX"
// over all samples timed.
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"

#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/preview_roads.h"
#include "framework/application.h"
#include "framework/window.h"
#include "runtime/twf_api.h"
#include "runtime/wnd/tw_wnd.h"
#include "editor/preview/view/skinned_windows.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"

using namespace hexmoor;
using Clock = std::chrono::steady_clock;

namespace {

// One element type per sample.
constexpr int kTypes[] = {14, 42, 40, 15, 4, 9, 3, 22, 25, 10, 28, 34, 2};

void Repaint(fw::Application& app, HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    app.RunPending();
}

// The skin has the element of the type on (the default scheme).
bool ElementOn(int type) {
    CTwfManager* manager = GetRuntimeSkinManager();
    CTwfSkin* skin = manager ? manager->GetMainSkin() : nullptr;
    const CTwfObj* element = skin ? skin->FindObject(WORD(type), L"") : nullptr;
    return element && element->IsEnabled();
}

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The sample's client pixels as they show now.
std::vector<DWORD> Pixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    std::vector<DWORD> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    if (pixels.empty()) return pixels;
    win::MemoryDC memory(nullptr);
    win::Bitmap bitmap(win::CreateScreenBitmap(w, h));
    {
        win::SelectGuard select(memory.Get(), bitmap.Get());
        const win::WindowDC dc(window);
        BitBlt(memory.Get(), 0, 0, w, h, dc.Get(), 0, 0, SRCCOPY);
    }
    BITMAPINFO info = win::TopDown32BitInfo(w, h);
    GetDIBits(memory.Get(), bitmap.Get(), 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

} // namespace

int wmain() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) {
        std::fputs("usage: preview_bench SKIN [ROUNDS]\n", stderr);
        return 64;
    }
    const std::wstring skinPath = argv[1];
    const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 20;
    LocalFree(argv);
    SetHostFramework(0);
    SetExplicitMode(TRUE);
    InitSkinRuntime(0);
    if (const int code = LoadSkinFromFile(skinPath.c_str()); code != 0) {
        std::fprintf(stderr, "preview_bench: the skin did not load (code %d)\n", code);
        ShutdownSkinRuntime();
        return 2;
    }
    EnableSkinning();
    bool allDone = true;
    double refreshTotal = 0, systemTotal = 0;
    int timed = 0;
    {
        fw::Application app;
        fw::Window frame;
        fw::WindowArgs args;
        args.text = L"preview bench";
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
        args.width = 1000;
        args.height = 800;
        frame.Create(args);
        app.SetMainWindow(&frame);
        preview::CSkinComposView view;
        if (!frame.Handle() || !view.CreateView(frame.Handle())) {
            std::fputs("preview_bench: the view could not be made\n", stderr);
            allDone = false;
        } else {
            RECT client{};
            GetClientRect(frame.Handle(), &client);
            MoveWindow(view.Handle(), 0, 0, client.right, client.bottom, TRUE);
            for (int type : kTypes) {
                HWND sample = view.ShowPreviewForElement(type);
                Repaint(app, sample);
                CTWWnd* object = preview::SkinnedObject(sample);
                const bool skinned = sample && IsWindowVisible(sample) && object && object->IsActive();
                const std::vector<DWORD> skinnedPixels = Pixels(sample);
                const auto start = Clock::now();
                for (int i = 0; i < rounds; ++i) {
                    preview::RefreshPreview(view, WORD(type));
                    Repaint(app, sample);
                }
                const double refresh = Millis(Clock::now() - start) / rounds;
                DisableSkinning();
                Repaint(app, sample);
                // The system's picture differs from the skin's: the baseline
                // painted without the skin.
                const bool unskinned = sample && IsWindowVisible(sample) && Pixels(sample) != skinnedPixels;
                const auto baseStart = Clock::now();
                for (int i = 0; i < rounds; ++i) Repaint(app, sample);
                const double system = Millis(Clock::now() - baseStart) / rounds;
                EnableSkinning();
                const std::string label = preview::SampleResourceLabel(preview::SampleForType(type));
                if (skinned && !unskinned && !ElementOn(type)) {
                    std::printf("sample %s type %d: the skin has this element off, no figures\n", label.c_str(), type);
                    continue;
                }
                if (!skinned || !unskinned) {
                    std::printf("sample %s type %d: not %s, no figures\n", label.c_str(), type,
                                skinned ? "unskinned" : "skinned");
                    allDone = false;
                    continue;
                }
                std::printf("sample %s type %d refresh %.2f ms system %.2f ms ratio %.2f\n", label.c_str(), type,
                            refresh, system, refresh / system);
                refreshTotal += refresh;
                ++timed;
                systemTotal += system;
            }
        }
        view.Destroy();
        frame.Destroy();
        app.RunPending();
    }
    ShutdownSkinRuntime();
    if (!allDone || systemTotal <= 0) return 1;
    std::printf("samples timed %d of %zu\n", timed, std::size(kTypes));
    std::printf("ratio refresh-to-system %.2f\n", refreshTotal / systemTotal);
    return 0;
}
