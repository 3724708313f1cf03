// previewshot SKIN TYPE OUT.png [--refresh-with SKIN2 OUT2.png]: the
// composition view in a bare frame, the runtime in explicit mode. Loads SKIN,
// shows the sample of element type TYPE, lets it paint and writes the
// sample's client area to OUT.png. Prints "sample ID" (the sample's template
// or frame resource id; "236:1700" the menu-strip sample, "236:1701,1702" the
// tool- and status-strip sample), or "sample none" (no picture). With
// --refresh-with it copies the shown kind's element objects from SKIN2 into
// the main skin, runs the editor's refresh road for TYPE, writes OUT2.png
// and prints "hwnd-same 1" when the sample window was kept (0 otherwise).
// Exit code 0; 2 when a skin does not load (the loader's code on standard
// error); 64 for a wrong command line.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>

#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/preview_roads.h"
#include "framework/application.h"
#include "framework/window.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/twf_api.h"
#include "tools/skinshot/window_png.h"

using namespace hexmoor;

namespace {

void Settle(fw::Application& app, HWND window) {
    for (int i = 0; i < 3; ++i) {
        app.RunPending();
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        app.RunPending();
        Sleep(30);
    }
}

bool WriteClient(HWND window, const std::wstring& path) {
    RECT client{};
    GetClientRect(window, &client);
    Sheet sheet(client.right, client.bottom);
    if (!sheet.Valid()) return false;
    const win::WindowDC dc(window);
    BitBlt(sheet.DC(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    return sheet.WritePng(path);
}

// The element objects of every type the sample shows, copied from `from`
// into the main skin's default scheme (enabled flags with them).
void CopyShownKinds(const CTwfSkin& from, CTwfSkin& to, int type) {
    const preview::SampleId sample = preview::SampleForType(type);
    for (int t = 1; t <= 100; ++t) {
        if (preview::SampleForType(t) != sample) continue;
        const CTwfObj* source = from.FindObject(WORD(t), L"");
        if (!source) continue;
        CTwfObj* target = to.GetOrCreateObject(WORD(t), L"");
        if (!target) continue;
        target->Clear(source->GetEnabled());
        source->CopyTo(target);
        target->SetEnabled(source->GetEnabled());
    }
}

int Usage() {
    std::fputs("usage: previewshot SKIN TYPE OUT.png [--refresh-with SKIN2 OUT2.png]\n", stderr);
    return 64;
}

} // namespace

int wmain() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || (argc != 4 && argc != 7)) return Usage();
    const std::wstring skinPath = argv[1], outPath = argv[3];
    wchar_t* end = nullptr;
    const long type = std::wcstol(argv[2], &end, 10);
    if (!end || *end || type < 0 || type > 0xFFFF) return Usage();
    std::wstring refreshSkin, refreshOut;
    if (argc == 7) {
        if (std::wstring(argv[4]) != L"--refresh-with") return Usage();
        refreshSkin = argv[5];
        refreshOut = argv[6];
    }
    LocalFree(argv);

    SetHostFramework(0);
    SetExplicitMode(TRUE);
    InitSkinRuntime(0);
    const int loaded = LoadSkinFromFile(skinPath.c_str());
    if (loaded != 0) {
        std::fprintf(stderr, "previewshot: the skin did not load (code %d)\n", loaded);
        ShutdownSkinRuntime();
        return 2;
    }
    // Freed before the runtime shuts GDI+ down.
    auto second = std::make_unique<CTwfSkin>();
    if (!refreshSkin.empty()) {
        second->InitNewSkin(L"Default");
        second->SetPath(refreshSkin);
        const int code = second->LoadSkinFromPath(FALSE);
        if (code != 0) {
            second.reset();
            std::fprintf(stderr, "previewshot: the second skin did not load (code %d)\n", code);
            ShutdownSkinRuntime();
            return 2;
        }
    }
    EnableSkinning();

    int exitCode = 0;
    {
        fw::Application app;
        fw::Window frame;
        fw::WindowArgs args;
        args.text = L"previewshot";
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
        args.width = 1000;
        args.height = 800;
        frame.Create(args);
        app.SetMainWindow(&frame);
        preview::CSkinComposView view;
        if (!frame.Handle() || !view.CreateView(frame.Handle())) {
            std::fputs("previewshot: the view could not be made\n", stderr);
            exitCode = 3;
        } else {
            RECT client{};
            GetClientRect(frame.Handle(), &client);
            MoveWindow(view.Handle(), 0, 0, client.right, client.bottom, TRUE);
            SetForegroundWindow(frame.Handle());
            view.SyncActivation(true);
            HWND shown = view.ShowPreviewForElement(int(type));
            if (!shown) {
                std::puts("sample none");
            } else {
                std::printf("sample %s\n", preview::SampleResourceLabel(preview::SampleForType(int(type))).c_str());
                Settle(app, frame.Handle());
                if (!WriteClient(shown, outPath)) exitCode = 10;
                if (!refreshSkin.empty() && exitCode == 0) {
                    CopyShownKinds(*second, *GetRuntimeSkinManager()->GetMainSkin(), int(type));
                    preview::RefreshPreview(view, WORD(type));
                    Settle(app, frame.Handle());
                    HWND after = view.PreviewForElement(int(type));
                    if (!WriteClient(after, refreshOut)) exitCode = 10;
                    std::printf("hwnd-same %d\n", after == shown ? 1 : 0);
                }
            }
            std::fflush(stdout);
        }
        view.Destroy();
        frame.Destroy();
        app.RunPending();
    }
    second.reset();
    ShutdownSkinRuntime();
    return exitCode;
}
