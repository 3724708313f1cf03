// Moving and sizing a skinned frame by an outline (the frame asks for it,
// or its layered sides cannot follow the window fast enough).
#include "runtime/frame/frame_skin_wnd.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "model/elements/wnd_frame.h"
#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/layered_caption.h"
#include "runtime/logic/frame_host.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/logic/outline_drag.h"
#include "runtime/frame/frame_size.h"
#include "runtime/messages.h"
#include "runtime/regions.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/frame/frame_numbers.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
using namespace hexmoor::rt::frame_numbers;

// --- outline move and size -------------------------------------------------------

bool CFrameSkinWnd::UsesOutlineDrag() const { return outline_ != 0 || (HasAlphaSides() && !AlphaFramesAccelerated); }

namespace {

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    if (parent && parent != GetDesktopWindow()) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

LRESULT CFrameSkinWnd::OnEnterSizeMove() {
    if (UsesOutlineDrag()) {
        SetCapture(hWnd_);
        outlineTracking_ = true;
        SetRectEmpty(&outlineRect_);
        SetRectEmpty(&lastOutline_);
    }
    return Default();
}

LRESULT CFrameSkinWnd::OnSizingOrMoving(UINT msg, WPARAM, LPARAM lp) {
    auto* proposed = reinterpret_cast<RECT*>(lp);
    if (!outlineTracking_ || !proposed || !UsesOutlineDrag()) return Default();
    RECT window;
    GetWindowRect(hWnd_, &window);
    if (IsRectEmpty(&outlineRect_)) outlineRect_ = RectInParent(hWnd_);
    if (msg == WM_SIZING) {
        // The system proposes each step from the rectangle it was given back
        // last time, which is always the window's own: the difference is this
        // step's change alone.
        outlineRect_ = ToRECT(OutlineAfterSizing(FromRECT(outlineRect_), FromRECT(*proposed), FromRECT(window)));
    } else {
        outlineRect_ = ToRECT(
            OutlineAfterMoving(FromRECT(outlineRect_), {proposed->left, proposed->top}, {window.left, window.top}));
    }
    DrawDragOutline(false);
    // The window itself stays where it is until the drag ends.
    *proposed = window;
    if (msg == WM_SIZING) return Default();
    return 0;
}

LRESULT CFrameSkinWnd::OnExitSizeMove() {
    if (outlineTracking_) {
        // Drawing the outline once more takes it off the screen.
        if (!IsRectEmpty(&lastOutline_)) DrawDragOutline(true);
        const RECT target = outlineRect_;
        outlineTracking_ = false;
        SetRectEmpty(&outlineRect_);
        SetRectEmpty(&lastOutline_);
        if (!IsRectEmpty(&target))
            SetWindowPos(hWnd_, nullptr, target.left, target.top, target.right - target.left,
                         target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        UpdateRegion();
        if (GetCapture() == hWnd_) ReleaseCapture();
    }
    if (regionKind_ == 4) {
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(hWnd_, &cursor);
        SendMessageW(hWnd_, WM_LBUTTONUP, 0, MAKELPARAM(cursor.x, cursor.y));
    }
    return Default();
}

void CFrameSkinWnd::DrawDragOutline(bool noPrevious) {
    if (!outlineTracking_ && IsRectEmpty(&outlineRect_)) return;
    // Pending paints first, so that none lands on top of the outline and
    // leaves half of it behind.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
    HWND parent = GetAncestor(hWnd_, GA_PARENT);
    if (!parent) parent = GetDesktopWindow();
    const WindowDC parentDc = WindowDC::Ex(parent, nullptr, DCX_WINDOW | DCX_CACHE);
    if (!parentDc) return;
    const HDC dc = parentDc.Get();
    // The parent's window DC starts at its window's top-left, the outline
    // is in its client coordinates.
    RECT pw;
    GetWindowRect(parent, &pw);
    POINT client{0, 0};
    ClientToScreen(parent, &client);
    const int dx = client.x - pw.left, dy = client.y - pw.top;
    const SelectGuard selectBrush(dc, GetStockObject(GRAY_BRUSH));
    auto xorOutline = [&](const RECT& r) {
        const OutlineStrips s = DragOutlineStrips(FromRECT(r).Offset(dx, dy), 3);
        for (const Rect& strip : s.strips)
            if (!strip.IsEmpty()) PatBlt(dc, strip.left, strip.top, strip.Width(), strip.Height(), PATINVERT);
    };
    if (!noPrevious && !IsRectEmpty(&lastOutline_)) xorOutline(lastOutline_);
    xorOutline(outlineRect_);
    lastOutline_ = outlineRect_;
}
