// skinshot SKIN OUT.png [--off]: loads a skin into the runtime, creates a
// test dialog holding one of each standard control, hands it to the runtime
// in explicit mode, lets it paint and writes a sheet to a PNG: the dialog at
// (0, 0), and below it on black, never overlapping, panels of captioned
// frames, caption buttons and menu bars in their states, MDI windows, and
// buttons and scroll bars in each of their states, each taken once painted. With --off skinning is off (the
// system look). Prints where the dialog's client area lies ("client X Y W
// H"), then one line per instance shown in a panel: "item KIND STATE X Y W
// H" (element type, state word, window rectangle in the picture). Exit code
// 0 on success, else the skin loader's result code or 10 when the picture
// could not be written.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/twf_api.h"
#include "tests/harness/standard_dialog.h"
#include "tools/skinshot/bars_panel.h"
#include "tools/skinshot/controls_panel.h"
#include "tools/skinshot/edits_panel.h"
#include "tools/skinshot/lists_panel.h"
#include "tools/skinshot/dates_panel.h"
#include "tools/skinshot/frame_panels.h"
#include "tools/skinshot/statics_panel.h"
#include "tools/skinshot/tabs_panel.h"
#include "tools/skinshot/menu_panel.h"
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
    bool off = false, valid = argv && argc >= 3;
    for (int i = 3; valid && i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--off" && !off)
            off = true;
        else
            valid = false;
    }
    if (!valid) {
        std::fputs("usage: skinshot SKIN OUT.png [--off]\n", stderr);
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
    const int dialogW = window.right - window.left, dialogH = window.bottom - window.top;

    // The dialog is read first, then put away so the panels have the screen.
    hexmoor::win::Bitmap dialogPicture;
    {
        const hexmoor::win::WindowDC screen(nullptr);
        dialogPicture.Reset(CreateCompatibleBitmap(screen.Get(), dialogW, dialogH));
        hexmoor::win::MemoryDC memory(screen.Get());
        hexmoor::win::SelectGuard select(memory.Get(), dialogPicture.Get());
        hexmoor::win::WindowDC source(dialog, true);
        BitBlt(memory.Get(), 0, 0, dialogW, dialogH, source.Get(), 0, 0, SRCCOPY);
    }
    ShowWindow(dialog, SW_HIDE);
    PumpAll();
    std::vector<skinshot::Panel> panels = skinshot::MakeFramePanels(!off);
    skinshot::Panel controls = skinshot::MakeControlsPanel(!off);
    if (!controls.picture) {
        std::fputs("skinshot: the panel of buttons and scroll bars could not be made\n", stderr);
        DestroyWindow(dialog);
        ShutdownSkinRuntime();
        return 10;
    }
    panels.push_back(std::move(controls));
    if (skinshot::Panel tabs = skinshot::MakeTabsPanel(!off); tabs.picture) panels.push_back(std::move(tabs));
    if (skinshot::Panel bars = skinshot::MakeBarsPanel(!off); bars.picture) panels.push_back(std::move(bars));
    if (skinshot::Panel edits = skinshot::MakeEditsPanel(!off); edits.picture) panels.push_back(std::move(edits));
    if (skinshot::Panel statics = skinshot::MakeStaticsPanel(!off); statics.picture)
        panels.push_back(std::move(statics));
    if (skinshot::Panel menus = skinshot::MakeMenuPanel(!off); menus.picture) panels.push_back(std::move(menus));
    if (skinshot::Panel lists = skinshot::MakeListsPanel(!off); lists.picture) panels.push_back(std::move(lists));
    if (skinshot::Panel dates = skinshot::MakeDatesPanel(!off); dates.picture) panels.push_back(std::move(dates));

    // Panels in rows below the dialog, 8 pixels apart.
    constexpr int kGap = 8;
    const int sheetW = std::max(dialogW, 1400);
    std::vector<POINT> places;
    int x = 0, y = dialogH + kGap, rowH = 0;
    for (const skinshot::Panel& p : panels) {
        // A panel takes the room of its picture and of every item it lists,
        // so that an item reaching past the picture never overlaps the next
        // panel's items.
        int w = p.width, h = p.height;
        for (const skinshot::PanelItem& item : p.items) {
            w = std::max<int>(w, item.rect.right);
            h = std::max<int>(h, item.rect.bottom);
        }
        if (x > 0 && x + w > sheetW) {
            x = 0;
            y += rowH + kGap;
            rowH = 0;
        }
        places.push_back({x, y});
        x += w + kGap;
        rowH = std::max(rowH, h);
    }
    const int sheetH = y + rowH;
    Sheet sheet(sheetW, sheetH);
    sheet.CopyBitmap(dialogPicture.Get(), dialogW, dialogH, 0, 0);
    for (std::size_t i = 0; i < panels.size(); ++i)
        sheet.CopyBitmap(panels[i].picture.Get(), panels[i].width, panels[i].height, places[i].x, places[i].y);
    const bool written = sheet.WritePng(outPath);
    std::printf("client %ld %ld %ld %ld\n", origin.x - window.left, origin.y - window.top, client.right, client.bottom);
    for (std::size_t i = 0; i < panels.size(); ++i)
        for (const skinshot::PanelItem& item : panels[i].items)
            std::printf("item %d %s %ld %ld %ld %ld\n", item.kind, item.state.c_str(), places[i].x + item.rect.left,
                        places[i].y + item.rect.top, item.rect.right - item.rect.left,
                        item.rect.bottom - item.rect.top);
    std::fflush(stdout);
    DestroyWindow(dialog);
    ShutdownSkinRuntime();
    if (!written) {
        std::fputs("skinshot: the picture could not be written\n", stderr);
        return 10;
    }
    return 0;
}
