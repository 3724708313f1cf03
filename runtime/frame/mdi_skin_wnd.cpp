#include "runtime/frame/mdi_skin_wnd.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/rect.h"

#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/mdi_layout.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/window_helpers.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {
constexpr WORD kMdiBackground = 485;
constexpr DWORD kReducedExStyle = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL;
} // namespace

// --- the MDI client ------------------------------------------------------------------

BOOL CMDISkinWnd::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return TRUE;
    if (on) {
        ChangeStyle(WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0);
        GetBackgroundBitmap(TRUE);
    } else {
        RestoreStyles();
        background_.Reset();
    }
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

LRESULT CMDISkinWnd::CalcBorderSize(BOOL, LPARAM) {
    // Without its client edge: the background reaches the frame's client edges.
    const LONG_PTR ex = GetWindowLongPtrW(hWnd_, GWL_EXSTYLE);
    const LONG_PTR reduced = ex & LONG_PTR(kReducedExStyle);
    if (reduced != ex) SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, reduced);
    const LRESULT result = Default();
    if (reduced != ex) SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, ex);
    return result;
}

HBITMAP CMDISkinWnd::GetBackgroundBitmap(BOOL rebuild) {
    if (!rebuild && background_) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled() || !hWnd_) return nullptr;
    const CMrgBitmap* image = element_->GetImage(kMdiBackground);
    if (!image) return nullptr;
    RECT client;
    GetClientRect(hWnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return nullptr;
    const WindowDC screen(nullptr);
    hexmoor::win::Bitmap bitmap(hexmoor::win::CreateScreenBitmap(client.right, client.bottom));
    {
        MemoryDC memory(screen.Get());
        SelectGuard select(memory.Get(), bitmap.Get());
        if (image->IsGdiplus()) PatBlt(memory.Get(), 0, 0, client.right, client.bottom, WHITENESS);
        CTWDraw draw(memory.Get(), nullptr, FALSE);
        draw.DrawSkinImage(&client, image, FALSE, nullptr);
    }
    background_ = std::move(bitmap);
    return background_.Get();
}

std::vector<HWND> CMDISkinWnd::ArrangedChildren() const {
    std::vector<HWND> out;
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        const LONG_PTR ex = GetWindowLongPtrW(child, GWL_EXSTYLE);
        if ((style & WS_VISIBLE) && !(style & WS_MINIMIZE) && !(ex & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)))
            out.push_back(child);
    }
    return out;
}

void CMDISkinWnd::Tile(UINT flags) {
    const std::vector<HWND> children = ArrangedChildren();
    RECT c;
    GetClientRect(hWnd_, &c);
    const auto rects =
        TileMdiChildren(int(children.size()), {c.left, c.top, c.right, c.bottom}, (flags & MDITILE_HORIZONTAL) != 0);
    for (std::size_t i = 0; i < rects.size() && i < children.size(); ++i) {
        const bool sizable = (GetWindowLongPtrW(children[i], GWL_STYLE) & WS_THICKFRAME) != 0;
        const Rect& r = rects[i];
        SetWindowPos(children[i], nullptr, r.left, r.top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | (sizable ? 0 : SWP_NOSIZE));
    }
}

void CMDISkinWnd::Cascade() {
    const std::vector<HWND> children = ArrangedChildren();
    RECT c;
    GetClientRect(hWnd_, &c);
    const Size system{GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXSIZE),
                      GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSIZE)};
    // The step is the children's skinned left and top borders (the first
    // child's, when they differ).
    Size step{};
    if (!children.empty())
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(children.front())) {
            const FrameBorders b = frame->Borders();
            step = {b.left, b.top};
        }
    const auto rects = CascadeMdiChildren(int(children.size()), {c.left, c.top, c.right, c.bottom}, step, system);
    // The last child placed comes out on top, so the first ends up at the back.
    for (std::size_t i = 0; i < rects.size() && i < children.size(); ++i) {
        if (IsZoomed(children[i])) ShowWindow(children[i], SW_SHOWNORMAL);
        const bool sizable = (GetWindowLongPtrW(children[i], GWL_STYLE) & WS_THICKFRAME) != 0;
        const Rect& r = rects[i];
        SetWindowPos(children[i], HWND_TOP, r.left, r.top, r.Width(), r.Height(),
                     SWP_NOACTIVATE | SWP_NOCOPYBITS | (sizable ? 0 : SWP_NOSIZE));
    }
}

LRESULT CMDISkinWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MDICREATE) return Default();
    if (!active_ || !IsSkinActive(skinId_)) return msg == TWM_REFRESHSKIN ? 0 : Default();
    if (!element_ || !element_->GetEnabled()) return Default();
    switch (msg) {
    case WM_NCCALCSIZE: return CalcBorderSize(BOOL(wp), lp);
    case WM_SIZE: {
        const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
        GetBackgroundBitmap(TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        if (HBITMAP bitmap = GetBackgroundBitmap(FALSE)) {
            HDC dc = reinterpret_cast<HDC>(wp);
            RECT client;
            GetClientRect(hWnd_, &client);
            MemoryDC memory(dc);
            SelectGuard select(memory.Get(), bitmap);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
            return 1;
        }
        return Default();
    case WM_MDIRESTORE: {
        // The child's frame takes its skinned region back; the frame's bar
        // loses the child's icon and buttons as the system takes them out of
        // the frame's menu (the frame lays its bar out again then).
        const HWND child = reinterpret_cast<HWND>(wp);
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(child)) frame->UpdateRegion();
        InvalidateRect(hWnd_, nullptr, FALSE);
        GetBackgroundBitmap(TRUE);
        ShowWindowByPlacement(child, SW_RESTORE);
        return 0;
    }
    case WM_MDISETMENU: {
        // The system sets the frame's menu; the frame's bar follows it at the
        // frame's next non-client sizing, the region now.
        const LRESULT result = Default();
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(GetParent(hWnd_))) {
            frame->LayoutMenuBar(FALSE);
            frame->UpdateRegion();
        }
        return result;
    }
    case WM_MDITILE: Tile(UINT(wp)); return 0;
    case WM_MDICASCADE: Cascade(); return 0;
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        InvalidateRect(hWnd_, nullptr, TRUE);
        return CTWWnd::WindowProc(msg, wp, lp);
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}

// --- the MDI child's frame -----------------------------------------------------------------

void CMDIChildSkinWnd::TakeClientsActivation() {
    if (hWnd_ && GetParent(hWnd_)) activeLook_ = HWND(SendMessageW(GetParent(hWnd_), WM_MDIGETACTIVE, 0, 0)) == hWnd_;
}

BOOL CMDIChildSkinWnd::Enable(BOOL on) {
    CFrameSkinWnd::Enable(on);
    if (on) {
        TakeClientsActivation();
        PaintBorder(nullptr);
    }
    return TRUE;
}

void CMDIChildSkinWnd::Reset(const std::wstring& name) {
    // A child skinned along with its MDI client is laid out here, never
    // enabled on its own: its look starts from the client's active child.
    TakeClientsActivation();
    CFrameSkinWnd::Reset(name);
}

int CMDIChildSkinWnd::ChangeSkin(int relayout, BOOL children) {
    TakeClientsActivation();
    return CFrameSkinWnd::ChangeSkin(relayout, children);
}

LRESULT CMDIChildSkinWnd::CalcBorderSize(BOOL, LPARAM params) {
    auto* rect = reinterpret_cast<RECT*>(params);
    const RECT proposed = rect ? *rect : RECT{};
    const LRESULT result = Default();
    // Maximised, the system's own borders (the ones it sized the child by)
    // stay; otherwise the skinned ones.
    if (!rect || IsZoomed(hWnd_) || IsIconic(hWnd_)) return result;
    const FrameBorders b = Borders();
    rect->left = proposed.left + b.left;
    rect->top = proposed.top + b.top;
    rect->right = std::max(rect->left, LONG(proposed.right - b.right));
    rect->bottom = std::max(rect->top, LONG(proposed.bottom - b.bottom));
    return result;
}

LRESULT CMDIChildSkinWnd::OnNcHitTest(WPARAM wp, LPARAM lp) {
    const LRESULT hit = CFrameSkinWnd::OnNcHitTest(wp, lp);
    return hit == HTNOWHERE ? HTBORDER : hit;
}

LRESULT CMDIChildSkinWnd::OnSize(WPARAM type, LPARAM lp) {
    if (IsZoomed(hWnd_) || IsIconic(hWnd_)) {
        SetWindowRgn(hWnd_, nullptr, FALSE);
        const LRESULT result = Default();
        if (HWND frame = GetParent(GetParent(hWnd_)))
            if (CFrameSkinWnd* parentFrame = GetFrameSkinWnd(frame)) parentFrame->LayoutMenuBar(TRUE);
        PaintBorder(nullptr);
        return result;
    }
    const LRESULT result = CFrameSkinWnd::OnSize(type, lp);
    if (type == SIZE_RESTORED)
        if (HWND frame = GetParent(GetParent(hWnd_)))
            if (CFrameSkinWnd* parentFrame = GetFrameSkinWnd(frame)) parentFrame->LayoutMenuBar(TRUE);
    return result;
}

LRESULT CMDIChildSkinWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MDIACTIVATE && IsSkinningOn() && HasSidePainters()) {
        activeLook_ = HWND(lp) == hWnd_;
        const LRESULT result = Default();
        PaintBorder(nullptr);
        return result;
    }
    return CFrameSkinWnd::WindowProc(msg, wp, lp);
}
