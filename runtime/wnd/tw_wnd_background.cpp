// Background drawing of skinned windows: the base object's erase (the
// window paints itself into the given DC) and a child's copy of its skinned
// dialog parent's background.
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/tw_wnd.h"

using namespace hexmoor::rt;

LRESULT CTWWnd::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    RECT r{};
    if (rect) {
        r = *rect;
    } else {
        CWindowRect wr(child);
        r = {0, 0, wr.Width(), wr.Height()};
    }
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, WHITENESS);
    return SendMessageW(hWnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

void CTWWnd::DrawParentDialogBackground(HDC dc) {
    const HWND parent = GetParent(hWnd_);
    CTWWnd* parentObject = parent ? GetSkinnedWindowObject(parent) : nullptr;
    if (!parentObject || parentObject->GetType() != ctype::kDialog) return;
    RECT place = CWindowRect(hWnd_);
    MapRectCorners(&place, parent, false);
    POINT old{};
    SetViewportOrgEx(dc, -place.left, -place.top, &old);
    parentObject->DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}
