#include "runtime/wnd/transparent_window.h"

#include "base/win/gdi.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"

using namespace hexmoor::rt;

BOOL CSTransparentWindow::Enable(BOOL on) {
    if (on) {
        ChangeStyle(WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0);
    } else {
        RestoreStyles();
    }
    return TRUE;
}

LRESULT CSTransparentWindow::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    ::SetBkMode(dc, TRANSPARENT);
    *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CSTransparentWindow::Paint(HDC) {
    const hexmoor::win::PaintScope validate(hWnd_);
    return 0;
}

LRESULT CSTransparentWindow::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    CTWWnd* parent = GetSkinnedWindowObject(GetParent(hWnd_));
    return parent ? parent->EraseBackground(dc, child, rect) : 1;
}

LRESULT CSTransparentWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!active_ || !IsSkinActive(skinId_)) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: EraseBackground(reinterpret_cast<HDC>(wp), hWnd_, nullptr); return 1;
    case WM_MOVE:
    case WM_SIZE:
    case TWM_BACKGROUNDCHANGED: {
        const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
        for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            SendMessageW(child, TWM_BACKGROUNDCHANGED, 0, 0);
        return result;
    }
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}
