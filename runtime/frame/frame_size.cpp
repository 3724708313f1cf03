#include "runtime/frame/frame_size.h"

#include "model/elements/frame_properties.h"
#include "model/twf_obj.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/frame_extent.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/wnd/tw_wnd.h"
#include "runtime/runtime_state.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor::rt;
using hexmoor::Size;

BOOL HasVisibleMenuBar(HWND hwnd) {
    MENUBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetMenu(hwnd) || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &info)) return FALSE;
    if (State().hostFramework == host::kVisualBasic6 && info.rcBar.top == info.rcBar.bottom) return FALSE;
    return TRUE;
}

SIZE GetClassicFrameExtent(HWND hwnd) {
    const FrameMetrics m{GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYCAPTION),
                         GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
    const Size s = ClassicFrameExtent(DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                                      DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), HasVisibleMenuBar(hwnd), m);
    return {s.cx, s.cy};
}

void RestoreClassicFrameSize(RECT* out, HWND hwnd) {
    RECT c = CClientRect(hwnd);
    if (!IsZoomed(hwnd)) {
        if (VersionCode() == 9) {
            AdjustWindowRect(&c, DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), HasVisibleMenuBar(hwnd));
        } else {
            const SIZE extent = GetClassicFrameExtent(hwnd);
            c.right += extent.cx;
            c.bottom += extent.cy;
        }
        SetWindowPos(hwnd, nullptr, 0, 0, c.right - c.left, c.bottom - c.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        // The skinned frame refreshes its window region here once it exists.
    }
    if (out) *out = c;
}

SIZE GetSkinnedFrameExtent(HWND hwnd) {
    CTWWnd* frame = GetSkinnedFrameObject(hwnd);
    CTwfObj* element = frame ? frame->GetSkinObject() : nullptr;
    if (!element) return {0, 0};
    SkinnedFrameNumbers n;
    namespace fp = frame_props;
    n.top = int(element->GetNumber(fp::kTopThickness));
    n.bottom = int(element->GetNumber(fp::kBottomThickness));
    n.left = int(element->GetNumber(fp::kLeftThickness));
    n.right = int(element->GetNumber(fp::kRightThickness));
    n.menuBarHeight = int(element->GetNumber(fp::kMenuBarHeight));
    n.menuBarTopGap = int(element->GetNumber(fp::kMenuBarTopBorder));
    n.menuBarBottomGap = int(element->GetNumber(fp::kMenuBarBottomBorder));
    // The skinned bar takes a row only for a menu with items (an empty menu
    // gets no bar).
    const bool menu =
        HasVisibleMenuBar(hwnd) && GetMenuItemCount(GetMenu(hwnd)) > 0 && frame->GetType() != ctype::kMdiChildFrame;
    Size s = SkinnedFrameExtent(n, menu, GetSystemMetrics(SM_CYMENU));
    if (menu) {
        CWindowRect wr(hwnd);
        POINT p{0, wr.top + n.top};
        ScreenToClient(hwnd, &p);
        const int measured = p.y < 0 ? -p.y : p.y;
        const int menuPart = s.cy - n.top - n.bottom;
        if (measured > menuPart) s.cy = n.top + n.bottom + measured;
    }
    return {s.cx, s.cy};
}

void SizeSkinnedFrameToClient(RECT* out, HWND hwnd, const FrameFitRequest* request) {
    const RECT none{0, 0, 0, 0};
    if (out) *out = none;
    CTWWnd* frame = GetSkinnedFrameObject(hwnd);
    CTwfObj* element = frame ? frame->GetSkinObject() : nullptr;
    if (!frame || !element || !element->GetEnabled() || !frame->IsActive() || !HasCaptionOrFrame(hwnd) ||
        !IsSkinActive(frame->GetSkinId()))
        return;
    RECT client = request ? request->client : none;
    if (client.left == 0 && client.top == 0 && client.right == 0 && client.bottom == 0) client = CClientRect(hwnd);
    const CWindowRect window(hwnd);
    const SIZE extent = GetSkinnedFrameExtent(hwnd);
    const int width = (client.right - client.left) + extent.cx, height = (client.bottom - client.top) + extent.cy;
    if (request && request->queryOnly) {
        if (out) *out = {window.left, window.top, window.left + width, window.top + height};
        return;
    }
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}
