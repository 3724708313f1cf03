// bench/preview SKIN [ROUNDS]: per sample of the composition view, the
// editor's refresh road for one of its element types plus the repaint of
// the sample, against the same window's repaint with skinning switched off
// (DisableSkinning), in the same run. Each sample is first checked to be
// shown and skinned (and unskinned for the baseline); a sample that fails
// the check prints no figures and no ratio is printed. The last line is
// "ratio refresh-to-system X.XX" over all samples.
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/preview_roads.h"
#include "framework/application.h"
#include "framework/window.h"
#include "runtime/twf_api.h"
#include "runtime/wnd/tw_wnd.h"
#include "editor/preview/view/skinned_windows.h"

using namespace hexmoor;
using Clock = std::chrono::steady_clock;

namespace {

// One element type per sample.
constexpr int kTypes[] = {14, 42, 40, 15, 4, 9, 3, 22, 25, 10, 28, 34, 2};

void Repaint(fw::Application& app, HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    app.RunPending();
}

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

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
                const auto start = Clock::now();
                for (int i = 0; i < rounds; ++i) {
                    preview::RefreshPreview(view, WORD(type));
                    Repaint(app, sample);
                }
                const double refresh = Millis(Clock::now() - start) / rounds;
                DisableSkinning();
                Repaint(app, sample);
                const bool unskinned = sample && IsWindowVisible(sample) && object && !object->IsActive();
                const auto baseStart = Clock::now();
                for (int i = 0; i < rounds; ++i) Repaint(app, sample);
                const double system = Millis(Clock::now() - baseStart) / rounds;
                EnableSkinning();
                const std::string label = preview::SampleResourceLabel(preview::SampleForType(type));
                if (!skinned || !unskinned) {
                    std::printf("sample %s type %d: not %s, no figures\n", label.c_str(), type,
                                skinned ? "unskinned" : "skinned");
                    allDone = false;
                    continue;
                }
                std::printf("sample %s type %d refresh %.2f ms system %.2f ms ratio %.2f\n", label.c_str(), type,
                            refresh, system, refresh / system);
                refreshTotal += refresh;
                systemTotal += system;
            }
        }
        view.Destroy();
        frame.Destroy();
        app.RunPending();
    }
    ShutdownSkinRuntime();
    if (!allDone || systemTotal <= 0) return 1;
    std::printf("ratio refresh-to-system %.2f\n", refreshTotal / systemTotal);
    return 0;
}
