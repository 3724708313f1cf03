#include "runtime/controls/bordered_list.h"

#include <algorithm>

#include "base/win/dib.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/list_layout.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::win;

void CTWBorderedList::GetRect(RECT* out) const {
    if (!out) return;
    if (!element_) {
        *out = {0, 0, 0, 0};
        return;
    }
    *out = {LONG(element_->GetNumber(ids_.left)), LONG(element_->GetNumber(ids_.top)),
            LONG(element_->GetNumber(ids_.right)), LONG(element_->GetNumber(ids_.bottom))};
}

LRESULT CTWBorderedList::CalcBorderSize(BOOL calcValidRects, LPARAM params) {
    // The system computes the client area with no edges of its own (only the
    // direction bits kept), then the skin's borders are taken off.
    const LONG_PTR exStyle = GetWindowLongPtrW(hWnd_, GWL_EXSTYLE);
    if (KeepsSystemBorder()) {
        const CSupportUnicode text = Unicode();
        constexpr LONG_PTR kKept = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL;
        text.SetWindowLongAW(GWL_EXSTYLE, exStyle & kKept);
        const LRESULT result = Default();
        text.SetWindowLongAW(GWL_EXSTYLE, exStyle);
        return result;
    }
    const LRESULT result = DefaultWithoutBorders(*this);
    RECT* client =
        calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(params)->rgrc[0] : reinterpret_cast<RECT*>(params);
    if (client) {
        RECT numbers{};
        GetRect(&numbers);
        const Insets b = rt::lists::BorderInsets(numbers.left, numbers.top, numbers.right, numbers.bottom,
                                                 (exStyle & WS_EX_LAYOUTRTL) != 0);
        const Rect inside = rt::lists::InsideBorders({client->left, client->top, client->right, client->bottom}, b);
        *client = {inside.left, inside.top, inside.right, inside.bottom};
    }
    return result;
}

LRESULT CTWBorderedList::PaintBorder(HDC dc) {
    if (!dc) return 0;
    CWindowRect wr(hWnd_);
    RECT numbers{};
    GetRect(&numbers);
    if (!numbers.left && !numbers.top && !numbers.right && !numbers.bottom) return 0;
    const HBITMAP background = GetBackgroundBitmap(FALSE);
    if (!background) return 0;
    const Insets b =
        rt::lists::BorderInsets(numbers.left, numbers.top, numbers.right, numbers.bottom, IsRTL() != FALSE);
    SavedDC saved(dc);
    ExcludeClipRect(dc, b.left, b.top, wr.Width() - b.right, wr.Height() - b.bottom);
    CTWDraw draw(dc, nullptr, FALSE);
    const RECT whole{0, 0, wr.Width(), wr.Height()};
    draw.BitBltBitmap(&whole, background, 0, 0);
    return 0;
}

void CTWBorderedList::FillUnderBackground(HDC dc, const RECT&) { EraseBackground(dc, hWnd_, nullptr); }

HBITMAP CTWBorderedList::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled() || !hWnd_) return nullptr;
    BackgroundCanvas canvas;
    canvas.erase = false; // the kind fills what lies under its image itself
    return RebuildBackground(*this, background_, canvas, [this](HDC dc, const RECT& whole) {
        FillUnderBackground(dc, whole);
        CTWDraw draw(dc, nullptr, FALSE);
        const WORD id = IsWindowEnabled(hWnd_) ? ids_.image : ids_.disabledImage;
        draw.DrawSkinImage(&whole, element_->GetImage(id), BackgroundCentreOnly(), nullptr);
    });
}

LRESULT CTWBorderedList::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (!child || child == hWnd_) return EraseWithParent(hWnd_, dc, child, rect);
    // A child of ours gets the part of our background under it.
    const HBITMAP background = GetBackgroundBitmap(FALSE);
    if (!background) return 1;
    CWindowRect own(hWnd_);
    CWindowRect place(child);
    int x = place.left - own.left;
    if (IsRTL()) x = own.right - place.right;
    CTWDraw draw(dc, nullptr, FALSE);
    const RECT dest{0, 0, place.Width(), place.Height()};
    draw.BitBltBitmap(&dest, background, x, place.top - own.top);
    return 1;
}

void CTWBorderedList::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

void CTWBorderedList::Detach() {
    CTWWnd::Detach();
    background_.Reset();
}

RECT CTWBorderedList::WindowRectInClient() const {
    RECT wr{};
    GetWindowRect(hWnd_, &wr);
    MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&wr), 2);
    if (IsRTL()) std::swap(wr.left, wr.right);
    return wr;
}

void CTWBorderedList::DrawBackdrop(HDC dc) {
    const HBITMAP background = GetBackgroundBitmap(FALSE);
    if (!background) return;
    const RECT wr = WindowRectInClient();
    CClientRect client(hWnd_);
    CTWDraw draw(dc, nullptr, FALSE);
    draw.BitBltBitmap(&client, background, client.left - wr.left, client.top - wr.top);
}

void CTWBorderedList::RepaintBorder() {
    WindowDC dc(hWnd_, true);
    if (dc) PaintBorder(dc.Get());
}
