#include "runtime/controls/progress.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/range_layout.h"
#include "runtime/messages.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {
constexpr WORD kBackground = 287, kFill = 288, kBorderLeft = 289;
constexpr WORD kBackgroundVertical = 298, kFillVertical = 299, kBorderLeftVertical = 300;

// The window rectangle in the window's own client coordinates.
RECT WindowInClient(HWND hwnd) {
    RECT r = CWindowRect(hwnd);
    MapRectCorners(&r, hwnd, false);
    return r;
}
} // namespace

bool CTWProgress::IsVertical() const { return (GetWindowLongPtrW(hWnd_, GWL_STYLE) & PBS_VERTICAL) != 0; }

void CTWProgress::ReadBorderSizes() {
    rect_ = {0, 0, 0, 0};
    if (!element_) return;
    const WORD first = IsVertical() ? kBorderLeftVertical : kBorderLeft;
    rect_ = {LONG(element_->GetNumber(first)), LONG(element_->GetNumber(WORD(first + 1))),
             LONG(element_->GetNumber(WORD(first + 2))), LONG(element_->GetNumber(WORD(first + 3)))};
}

BOOL CTWProgress::Enable(BOOL on) {
    if (on) {
        ReadBorderSizes();
        marqueeOn_ = FALSE;
    } else {
        rect_ = {0, 0, 0, 0};
    }
    ChangeSkin(1, TRUE);
    return 1;
}

LRESULT CTWProgress::CalcBorderSize(BOOL, LPARAM params) {
    // The system computes the client area as if the bar had no border of its
    // own; the skin's border sizes take its place.
    const LRESULT result = DefaultWithoutBorders(*this);
    ReadBorderSizes();
    if (params) {
        RECT* r = reinterpret_cast<RECT*>(params); // the first rectangle of either form
        r->left += rect_.left;
        r->top += rect_.top;
        r->right -= rect_.right;
        r->bottom -= rect_.bottom;
        if (r->right < r->left) r->right = r->left;
        if (r->bottom < r->top) r->bottom = r->top;
    }
    return result;
}

LRESULT CTWProgress::PaintBorder(HDC dc) {
    CTWDraw draw(dc, nullptr, FALSE);
    const CWindowRect wr(hWnd_);
    const RECT inner{rect_.left, rect_.top, wr.Width() - rect_.right, wr.Height() - rect_.bottom};
    hexmoor::win::SavedDC saved(dc);
    draw.ExcludeClip(&inner);
    if (const HBITMAP background = GetBackgroundBitmap(FALSE)) {
        const POINT origin{0, 0};
        draw.DrawBitmapAt(&origin, background);
    }
    return 1;
}

LRESULT CTWProgress::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

HBITMAP CTWProgress::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled()) return nullptr;
    const bool vertical = IsVertical();
    CMrgBitmap* image = element_->GetImage(vertical ? kBackgroundVertical : kBackground);
    return RebuildParentBackground(*this, background_, [&](HDC dc, const RECT& box) {
        if (!image) return;
        CTWDraw draw(dc, nullptr, FALSE);
        if (vertical)
            draw.DrawSkinImageFarAligned(&box, image, FALSE);
        else
            draw.DrawSkinImage(&box, image, FALSE, nullptr);
    });
}

LRESULT CTWProgress::Paint(HDC given) {
    RECT client{};
    GetClientRect(hWnd_, &client);
    const RECT window = WindowInClient(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, nullptr, FALSE);
    if (!draw.GetDrawDC() || !element_) {
        draw.Release();
        return 1;
    }
    if (const HBITMAP background = GetBackgroundBitmap(FALSE)) {
        const POINT origin{window.left, window.top};
        draw.DrawBitmapAt(&origin, background);
    }
    PBRANGE limits{};
    SendMessageW(hWnd_, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&limits));
    const int pos = int(SendMessageW(hWnd_, PBM_GETPOS, 0, 0));
    const bool vertical = IsVertical();
    const int extent = vertical ? client.bottom - client.top : client.right - client.left;
    const int filled = range::ProgressFilled(extent, limits.iLow, limits.iHigh, pos);
    if (filled > 0) {
        const RECT box = ToRECT(range::ProgressFillBox(FromRECT(client), vertical, filled));
        if (vertical) {
            if (CMrgBitmap* image = element_->GetImage(kFillVertical)) draw.DrawSkinImageFarAligned(&box, image, FALSE);
        } else if (CMrgBitmap* image = element_->GetImage(kFill)) {
            draw.DrawSkinImage(&box, image, FALSE, nullptr);
        }
    }
    draw.Release();
    return 1;
}

void CTWProgress::MarqueeStep() {
    RECT client{};
    GetClientRect(hWnd_, &client);
    const RECT window = WindowInClient(hWnd_);
    CTWDraw draw(hWnd_, CTWDraw::kGetDC, nullptr, FALSE);
    const range::MarqueeFrame frame = range::MarqueeStepAt(marqueePosition_, FromRECT(client));
    if (draw.GetDrawDC()) {
        if (const HBITMAP background = GetBackgroundBitmap(FALSE)) {
            const POINT origin{window.left, window.top};
            draw.DrawBitmapAt(&origin, background);
        }
        if (CMrgBitmap* image = element_ ? element_->GetImage(kFill) : nullptr) {
            for (const Rect& piece : frame.pieces) {
                const RECT r = ToRECT(piece);
                draw.DrawSkinImageFarAligned(&r, image, FALSE);
            }
        }
    }
    marqueePosition_ = frame.next;
}

LRESULT CTWProgress::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_MOVE:
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: GetBackgroundBitmap(TRUE); break;
    case WM_PAINT:
    case WM_ERASEBKGND: return Paint(reinterpret_cast<HDC>(wp));
    case WM_TIMER: {
        if (!marqueeOn_ || IsVertical()) break;
        MarqueeStep();
        return 0;
    }
    case PBM_SETMARQUEE:
        if (!wp) {
            marqueeOn_ = FALSE;
        } else if (GetWindowLongPtrW(hWnd_, GWL_STYLE) & PBS_MARQUEE) {
            marqueeOn_ = TRUE;
            marqueePosition_ = range::kMarqueeStart;
        }
        break;
    case PBM_SETPOS: {
        if (!IsWindowVisible(hWnd_)) break;
        SetRedraw(FALSE);
        const LRESULT r = Default();
        SetRedraw(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
