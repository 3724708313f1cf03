#include "tools/skinshot/panel_kit.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/twf_api.h"

namespace skinshot {

void ReadScreen(HDC memory, int x, int y, const RECT& screenRect) {
    // Wine hands a window's drawing to the screen when the thread looks for
    // messages and finds none: look for one that never comes, so nothing is
    // dispatched that could end the state being shown.
    GdiFlush();
    for (int i = 0; i < 2; ++i) {
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_APP + 0x3FFF, WM_APP + 0x3FFF, PM_NOREMOVE);
        Sleep(10);
    }
    const hexmoor::win::WindowDC screen(nullptr);
    BitBlt(memory, x, y, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, screen.Get(),
           screenRect.left, screenRect.top, SRCCOPY | CAPTUREBLT);
}

namespace {

// The window's whole area to (x, y) of `memory`, from the screen or from
// the window's own DC.
void ReadWindow(HDC memory, int x, int y, HWND window, ReadFrom from) {
    RECT r{};
    GetWindowRect(window, &r);
    if (from == ReadFrom::Screen) {
        ReadScreen(memory, x, y, r);
        return;
    }
    hexmoor::win::WindowDC source(window, true);
    BitBlt(memory, x, y, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, SRCCOPY);
}

} // namespace

Panel TakePanel(PanelHost& panel, std::vector<ItemShot>& shots, bool skinned,
                const std::function<bool(const ItemShot&)>& canShow, ReadFrom from) {
    if (skinned) ApplySkinToWindow(panel.Host(), 1);
    for (ItemShot& s : shots)
        if (s.persistent) s.persistent(s.window);
    SetFocus(panel.Anchor());
    SetCursorPos(panel.Width() + 200, panel.Height() + 200);
    for (int i = 0; i < 3; ++i) {
        PumpAll();
        Repaint(panel.Host());
        Sleep(30);
    }
    PumpAll();

    // The whole panel first, then every item that input puts into its state
    // taken again while it shows that state.
    Panel result;
    const BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(panel.Width(), panel.Height());
    void* bits = nullptr;
    result.picture.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result.picture || !bits) return {};
    result.width = panel.Width();
    result.height = panel.Height();
    hexmoor::win::MemoryDC memory(nullptr);
    hexmoor::win::SelectGuard select(memory.Get(), result.picture.Get());
    ReadWindow(memory.Get(), 0, 0, panel.Host(), from);
    RECT hostRect{};
    GetWindowRect(panel.Host(), &hostRect);
    for (ItemShot& s : shots) {
        RECT r{};
        GetWindowRect(s.window, &r);
        OffsetRect(&r, -hostRect.left, -hostRect.top);
        result.items.push_back({s.kind, s.state, r});
        if (!s.show) continue;
        if (canShow && !canShow(s)) continue;
        s.show(s.window);
        if (s.redrawAfterShow)
            RedrawWindow(s.window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
        ReadWindow(memory.Get(), r.left, r.top, s.window, from);
        if (s.undo) s.undo(s.window);
        SetFocus(panel.Anchor());
        PumpAll();
    }
    GdiFlush();
    return result;
}

} // namespace skinshot
