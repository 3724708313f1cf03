#include "runtime/controls/slider.h"

#include "base/win/rect.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/range_layout.h"
#include "runtime/messages.h"

using namespace hexmoor;
using namespace hexmoor::rt;

void CTWSlider::SetFrameChanged() const {
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CTWSlider::Enable(BOOL on) {
    if (!hWnd_) return 1;
    if (on) {
        ChangeExStyle(0, WS_EX_CLIENTEDGE);
        hover_.Init(hWnd_, 0);
    } else {
        RestoreStyles();
        controlState_ = thumbState_ = kNormal;
    }
    SetFrameChanged();
    return 1;
}

void CTWSlider::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

LRESULT CTWSlider::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

HBITMAP CTWSlider::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled()) return nullptr;
    return RebuildParentBackground(*this, background_);
}

RECT CTWSlider::ThumbRect() const {
    RECT thumb{};
    SendMessageW(hWnd_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return thumb;
}

LRESULT CTWSlider::Paint(HDC given) {
    RECT client{};
    GetClientRect(hWnd_, &client);
    const RECT thumb = ThumbRect();
    RECT channel{};
    SendMessageW(hWnd_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, nullptr, FALSE);
    if (!draw.GetDrawDC() || !element_) {
        draw.Release();
        return 1;
    }
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const bool vertical = (style & TBS_VERT) != 0;
    const bool focused = GetFocus() == hWnd_, enabled = IsWindowEnabled(hWnd_) != FALSE;
    auto image = [&](range::SliderPart part, int state) {
        CMrgBitmap* found = element_->GetImage(WORD(range::SliderImageId(part, {state, focused, enabled, vertical})));
        return found ? found : element_->GetImage(WORD(range::SliderNormalImageId(part, vertical)));
    };
    CMrgBitmap* background = image(range::SliderPart::Background, controlState_);
    CMrgBitmap* line = image(range::SliderPart::Line, controlState_);
    CMrgBitmap* thumbImage = image(range::SliderPart::Thumb, thumbState_);
    const Rect lineBox = range::SliderLineBox(FromRECT(client), FromRECT(channel), vertical);

    Rect selectionBox{};
    CMrgBitmap* selection = element_->GetImage(WORD(range::SliderSelectionImageId(vertical)));
    if ((style & TBS_ENABLESELRANGE) && selection) {
        range::SliderSelection s;
        s.start = int(SendMessageW(hWnd_, TBM_GETSELSTART, 0, 0));
        s.end = int(SendMessageW(hWnd_, TBM_GETSELEND, 0, 0));
        s.min = int(SendMessageW(hWnd_, TBM_GETRANGEMIN, 0, 0));
        s.max = int(SendMessageW(hWnd_, TBM_GETRANGEMAX, 0, 0));
        const int thumbLength = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
        selectionBox = range::SliderSelectionBox(lineBox, thumbLength, vertical, s);
    }

    if (const HBITMAP cached = GetBackgroundBitmap(FALSE)) {
        const POINT origin{client.left, client.top};
        draw.DrawBitmapAt(&origin, cached);
    }
    if (background) draw.DrawSkinImage(&client, background, FALSE, nullptr);
    const RECT lineRect = ToRECT(lineBox);
    if (line) draw.DrawSkinImage(&lineRect, line, FALSE, nullptr);
    if (!selectionBox.IsEmpty()) {
        const RECT r = ToRECT(selectionBox);
        draw.DrawSkinImage(&r, selection, FALSE, nullptr);
    }
    if (thumbImage) draw.DrawSkinImage(&thumb, thumbImage, FALSE, nullptr);
    draw.Release();
    return 1;
}

LRESULT CTWSlider::OnMouseMove(LPARAM lp) {
    hover_.OnMouseMove(hWnd_);
    const int oldControl = controlState_, oldThumb = thumbState_;
    const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
    RECT thumb = ThumbRect(), client{};
    GetClientRect(hWnd_, &client);
    enum { kOnThumb, kOutside, kOnControl } where;
    if (PtInRect(&thumb, p)) {
        if (controlState_ != kPressed) thumbState_ = kHot;
        where = kOnThumb;
    } else if (!PtInRect(&client, p)) {
        where = kOutside;
    } else {
        if (controlState_ != kPressed) controlState_ = kHot;
        where = kOnControl;
    }
    if (where == kOnThumb && thumbState_ != oldThumb) {
        controlState_ = kHot;
        RedrawNow(FALSE);
    } else if (where == kOnControl) {
        if (controlState_ != oldControl) {
            RedrawNow(FALSE);
        } else if (thumbState_ == kHot) {
            thumbState_ = kNormal;
            InvalidateRect(hWnd_, &thumb, TRUE);
        }
    }
    return Default();
}

LRESULT CTWSlider::OnMouseLeave() {
    hover_.OnMouseLeave(hWnd_);
    if (controlState_ == kHot) {
        controlState_ = kNormal;
        RedrawNow(FALSE);
    }
    if (thumbState_ == kHot) {
        thumbState_ = kNormal;
        const RECT thumb = ThumbRect();
        InvalidateRect(hWnd_, &thumb, TRUE);
    }
    return 1;
}

LRESULT CTWSlider::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_MOVE:
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: GetBackgroundBitmap(TRUE); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: return OnMouseMove(lp);
    case WM_LBUTTONDOWN: {
        const RECT thumb = ThumbRect();
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        controlState_ = kPressed;
        if (PtInRect(&thumb, p)) thumbState_ = kPressed;
        RedrawNow(FALSE);
        return Default();
    }
    case WM_LBUTTONUP:
        controlState_ = thumbState_ = kNormal;
        RedrawNow(FALSE);
        return Default();
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
