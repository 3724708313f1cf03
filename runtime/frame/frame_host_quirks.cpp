// What the skinned frame does for particular hosts: a floating frame that
// holds a docking bar takes the bar's look, a frame grows around a DirectUI
// child it was made too small for.
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

HWND CFrameSkinWnd::DockBarGrandchild() const {
    if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & kDockFrameStyle)) return nullptr;
    HWND child = GetWindow(hWnd_, GW_CHILD);
    HWND grandchild = child ? GetWindow(child, GW_CHILD) : nullptr;
    return grandchild && GetPropA(grandchild, kDockBarProp) ? grandchild : nullptr;
}

void CFrameSkinWnd::TakeDockBarLook() {
    HWND bar = DockBarGrandchild();
    CFrameSkinWnd* barFrame = bar ? GetFrameSkinWnd(bar) : nullptr;
    if (!barFrame) return;
    // The floating frame looks like the bar it holds: the bar's element, and
    // the frame laid out again for it.
    elementName_ = barFrame->GetElementName();
    Enable(FALSE);
    SetSkinObject(FindSkinElement(WORD(type_), elementName_));
    Enable(TRUE);
    const SIZE w = WindowSize();
    SetWindowPos(hWnd_, nullptr, 0, 0, w.cx, w.cy, kSizeOnly);
}

void CFrameSkinWnd::GrowForDirectUiChild() {
    HWND child = GetWindow(hWnd_, GW_CHILD);
    if (!child) return;
    char name[256] = {};
    GetClassNameA(child, name, sizeof name);
    const CClientRect inner(child), own(hWnd_);
    if (!FrameGrowsForChild(VersionCode(), name, {inner.Width(), inner.Height()}, {own.Width(), own.Height()})) {
        directUiAsked_ = {0, 0};
        return;
    }
    // Once per size of the child: a frame held smaller (by its host's
    // limits) would otherwise ask again after every change it makes.
    if (inner.Width() == directUiAsked_.cx && inner.Height() == directUiAsked_.cy) return;
    directUiAsked_ = {inner.Width(), inner.Height()};
    PostMessageW(hWnd_, TWM_DEFERREDSIZE, MAKEWPARAM(inner.left, inner.top), MAKELPARAM(inner.right, inner.bottom));
}

LRESULT CFrameSkinWnd::OnDeferredSize(WPARAM wp, LPARAM lp) {
    // The colour dialog keeps the size it chose for itself.
    if (!dynamic_cast<CTWColorDialog*>(GetSkinnedWindowObject(hWnd_))) {
        const FrameFitRequest fit{{LOWORD(wp), HIWORD(wp), LOWORD(lp), HIWORD(lp)}, FALSE};
        SizeSkinnedFrameToClient(nullptr, hWnd_, &fit);
    }
    return 1;
}
