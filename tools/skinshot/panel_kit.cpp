#include "tools/skinshot/panel_kit.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/twf_api.h"

namespace skinshot {

Panel TakePanel(PanelHost& panel, std::vector<ItemShot>& shots, bool skinned,
                const std::function<bool(const ItemShot&)>& canShow) {
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
    {
        hexmoor::win::WindowDC source(panel.Host(), true);
        BitBlt(memory.Get(), 0, 0, panel.Width(), panel.Height(), source.Get(), 0, 0, SRCCOPY);
    }
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
        {
            hexmoor::win::WindowDC source(s.window, true);
            BitBlt(memory.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, SRCCOPY);
        }
        if (s.undo) s.undo(s.window);
        SetFocus(panel.Anchor());
        PumpAll();
    }
    GdiFlush();
    return result;
}

} // namespace skinshot
