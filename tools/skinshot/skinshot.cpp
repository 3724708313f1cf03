// skinshot SKIN OUT.png [--off] [--controls]: loads a skin into the runtime, creates a
// test dialog holding one of each standard control, hands it to the runtime
// in explicit mode, lets it paint and writes the whole window to a PNG. With
// --off skinning is switched off again before the picture is taken (the
// system look). Prints where the client area lies in the picture. Exit code
// 0 on success, else the skin loader's result code or 10 when the picture
// could not be written. With --controls the picture is the panel of buttons
// and scroll bars instead, each item in one state, listed as
// "item KIND STATE X Y W H" lines.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/twf_api.h"
#include "tests/harness/standard_dialog.h"
#include "tools/skinshot/controls_panel.h"
#include "tools/skinshot/window_png.h"

namespace {
void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Settle(HWND hwnd) {
    for (int i = 0; i < 3; ++i) {
        PumpAll();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(50);
    }
    PumpAll();
}
} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    bool off = false, controls = false, valid = argv && argc >= 3;
    for (int i = 3; valid && i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--off" && !off)
            off = true;
        else if (option == L"--controls" && !controls)
            controls = true;
        else
            valid = false;
    }
    if (!valid) {
        std::fputs("usage: skinshot SKIN OUT.png [--off] [--controls]\n", stderr);
        return 1;
    }
    const std::wstring skinPath = argv[1], outPath = argv[2];
    LocalFree(argv);

    SetHostFramework(0);
    SetExplicitMode(TRUE);
    InitSkinRuntime(0);
    const int loaded = LoadSkinFromFile(skinPath.c_str());
    if (loaded != 0) {
        std::fprintf(stderr, "skinshot: the skin did not load (code %d)\n", loaded);
        ShutdownSkinRuntime();
        return loaded;
    }
    EnableSkinning();
    if (controls) {
        std::vector<hexmoor::skinshot::PanelItem> items;
        const bool written = hexmoor::skinshot::WriteControlsPanelPng(outPath, off, &items);
        for (const auto& item : items)
            std::printf("item %d %s %ld %ld %ld %ld\n", item.kind, item.state.c_str(), item.rect.left, item.rect.top,
                        item.rect.right - item.rect.left, item.rect.bottom - item.rect.top);
        std::fflush(stdout);
        ShutdownSkinRuntime();
        if (!written) {
            std::fputs("skinshot: the picture could not be written\n", stderr);
            return 10;
        }
        return 0;
    }
    HWND dialog = hexmoor::test::CreateStandardDialog();
    if (!dialog) {
        std::fputs("skinshot: the test dialog could not be created\n", stderr);
        ShutdownSkinRuntime();
        return 10;
    }
    ApplySkinToWindow(dialog, 1);
    if (off) DisableSkinning();
    Settle(dialog);

    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    const bool written = WriteWindowPng(dialog, outPath);
    std::printf("client %ld %ld %ld %ld\n", origin.x - window.left, origin.y - window.top, client.right, client.bottom);
    std::fflush(stdout);
    DestroyWindow(dialog);
    ShutdownSkinRuntime();
    if (!written) {
        std::fputs("skinshot: the picture could not be written\n", stderr);
        return 10;
    }
    return 0;
}
