#include "runtime/controls/spin_ctrl.h"

#include "base/win/rect.h"
#include "model/twf_obj.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/edit.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/range_layout.h"
#include "runtime/wnd/object_registry.h"

using namespace hexmoor;
using namespace hexmoor::rt;

HWND CTWSpinCtrl::Buddy() const { return reinterpret_cast<HWND>(SendMessageW(hWnd_, UDM_GETBUDDY, 0, 0)); }

void CTWSpinCtrl::Layout() {
    RECT client{};
    GetClientRect(hWnd_, &client);
    const bool horizontal = (GetWindowLongPtrW(hWnd_, GWL_STYLE) & UDS_HORZ) != 0;
    const range::SpinLayout layout = range::LayoutSpin(FromRECT(client), horizontal);
    first_ = ToRECT(layout.first);
    second_ = ToRECT(layout.second);
    halfWidth_ = layout.half.cx;
    halfHeight_ = layout.half.cy;
    horizontal_ = horizontal;
}

BOOL CTWSpinCtrl::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return 1;
    // A skinned edit buddy learns which of its sides the arrows sit on (and
    // forgets it when the spin's skinning goes off).
    if (CTWWnd* buddy = GetSkinnedWindowObject(Buddy()); buddy && buddy->GetType() == ctype::kEdit) {
        const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
        const bool rtl = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        const int side = range::SpinBuddySide((style & UDS_ALIGNLEFT) != 0, (style & UDS_ALIGNRIGHT) != 0, rtl);
        static_cast<CTWEdit*>(buddy)->SetSpinSide(on ? hWnd_ : nullptr, on ? side : 0);
    }
    if (!on) return 1;
    Layout();
    hover_.Init(hWnd_, 0);
    return 1;
}

LRESULT CTWSpinCtrl::EraseBackground(HDC dc, HWND, const RECT* rect) {
    const HWND buddy = Buddy();
    if (CTWWnd* object = buddy ? GetSkinnedWindowObject(buddy) : nullptr)
        return object->EraseBackground(dc, hWnd_, rect);
    // Without a skinned buddy the parent's background shows under the gaps
    // (an unskinned buddy has nothing to give).
    if (CTWWnd* parent = GetSkinnedWindowObject(GetParent(hWnd_))) return parent->EraseBackground(dc, hWnd_, nullptr);
    return 1;
}

LRESULT CTWSpinCtrl::Paint(HDC given) {
    if (!element_) return 1;
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, nullptr, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc) return 1;
    if (halfWidth_ == 0 && halfHeight_ == 0) Layout();
    const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
    CTWWnd* parent = GetSkinnedWindowObject(GetParent(hWnd_));
    const int gap = parent && parent->GetType() == ctype::kDateTime ? 2 : 1;
    range::SpinLayout layout;
    layout.first = FromRECT(first_);
    layout.second = FromRECT(second_);
    layout.half = {halfWidth_, halfHeight_};
    layout.horizontal = horizontal_ != FALSE;
    const range::SpinBoxes boxes = range::SpinDrawBoxes(layout, gap, Buddy() != nullptr);
    const RECT firstBox = ToRECT(boxes.first), secondBox = ToRECT(boxes.second);
    RECT both{};
    UnionRect(&both, &firstBox, &secondBox);
    EraseBackground(dc, hWnd_, &both);
    auto drawArrow = [&](int arrow, int state, const RECT& box) {
        if (state < kNormal || state > kHot) return;
        if (CMrgBitmap* image = element_->GetImage(WORD(range::SpinImageId(layout.horizontal, arrow, state, enabled))))
            draw.DrawSkinImage(&box, image, FALSE, nullptr);
    };
    drawArrow(0, firstState_, firstBox);
    drawArrow(1, secondState_, secondBox);
    draw.Release();
    return 1;
}

LRESULT CTWSpinCtrl::OnMouseMove(LPARAM lp) {
    hover_.OnMouseMove(hWnd_);
    const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
    const int oldFirst = firstState_, oldSecond = secondState_;
    bool changed = false;
    if (PtInRect(&first_, p) && !secondPressed_) {
        firstState_ = firstPressed_ ? kPressed : (firstState_ == kPressed ? kPressed : kHot);
        secondState_ = kNormal;
        changed = firstState_ != oldFirst;
    } else if (PtInRect(&second_, p) && !firstPressed_) {
        secondState_ = secondPressed_ ? kPressed : (secondState_ == kPressed ? kPressed : kHot);
        firstState_ = kNormal;
        changed = secondState_ != oldSecond;
    } else {
        // A pressed arrow keeps its pressed look until the button is
        // released, wherever the pointer goes.
        firstState_ = firstPressed_ ? kPressed : kNormal;
        secondState_ = secondPressed_ ? kPressed : kNormal;
    }
    if (changed) {
        InvalidateRect(hWnd_, &first_, TRUE);
        InvalidateRect(hWnd_, &second_, TRUE);
    }
    return 1;
}

LRESULT CTWSpinCtrl::OnMouseLeave() {
    hover_.OnMouseLeave(hWnd_);
    if (firstState_ == kPressed || firstState_ == kHot) {
        firstState_ = kNormal;
        InvalidateRect(hWnd_, &first_, TRUE);
    }
    if (secondState_ == kPressed || secondState_ == kHot) {
        secondState_ = kNormal;
        InvalidateRect(hWnd_, &second_, TRUE);
    }
    return 1;
}

LRESULT CTWSpinCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_SIZE: {
        const LRESULT r = Default();
        Layout();
        return r;
    }
    case WM_ENABLE: return Default();
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: {
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        if (PtInRect(&first_, p)) {
            firstState_ = kPressed;
            firstPressed_ = TRUE;
            InvalidateRect(hWnd_, &first_, TRUE);
        } else if (PtInRect(&second_, p)) {
            secondState_ = kPressed;
            secondPressed_ = TRUE;
            InvalidateRect(hWnd_, &second_, TRUE);
        }
        return Default();
    }
    case WM_LBUTTONUP:
        firstState_ = secondState_ = kNormal;
        firstPressed_ = secondPressed_ = FALSE;
        InvalidateRect(hWnd_, nullptr, FALSE);
        return Default();
    case WM_MOUSEMOVE: return OnMouseMove(lp);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
