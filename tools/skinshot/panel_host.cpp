#include "tools/skinshot/panel_host.h"

#include <algorithm>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/twf_api.h"

namespace skinshot {

void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    while (int(end - GetTickCount()) > 0) {
        PumpAll();
        Sleep(5);
    }
    PumpAll();
}

void Repaint(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

PanelHost::PanelHost(int width, int height) : width_(width), height_(height) {
    host_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, width_, height_, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    // A plain check box holds the focus while no item asks for it, so
    // no push button has it.
    anchor_ = Child(L"BUTTON", L"", BS_CHECKBOX, 0, height_ - 4, 2, 2);
}

PanelHost::~PanelHost() {
    if (host_) DestroyWindow(host_);
}

HWND PanelHost::Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id,
                      DWORD exStyle) {
    return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host_,
                           reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
}

POINT PanelHost::Place(int w, int h) {
    if (x_ + w > width_ - 8) {
        x_ = 8;
        y_ += rowHeight_ + 8;
        rowHeight_ = 0;
    }
    const POINT p{x_, y_};
    x_ += w + 8;
    rowHeight_ = std::max(rowHeight_, h);
    return p;
}

void Press(HWND w, int x, int y) { SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void ReleaseOutside(HWND w) {
    SendMessageW(w, WM_LBUTTONUP, 0, At(-500, -500));
    ReleaseCapture();
}
void Hover(HWND w) { SendMessageW(w, WM_MOUSEMOVE, 0, At(4, 4)); }
void Leave(HWND w) { SendMessageW(w, WM_MOUSELEAVE, 0, 0); }

POINT Screen(HWND w, int x, int y) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left + x, r.top + y};
}

Panel TakePanel(PanelHost& panel, std::vector<Spec>& specs, bool skinned) {
    if (!panel.Host()) return {};
    if (skinned) ApplySkinToWindow(panel.Host(), 1);
    for (Spec& s : specs)
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
    for (Spec& s : specs) {
        RECT r{};
        GetWindowRect(s.window, &r);
        OffsetRect(&r, -hostRect.left, -hostRect.top);
        result.items.push_back({s.kind, s.state, r});
        if (!s.show) continue;
        // The system's own scroll bars track a press in a modal loop of their
        // own until a real button release: unskinned bars are taken as they are.
        if (s.kind == 5 && !IsSkinScrollbarWindow(s.window)) continue;
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
