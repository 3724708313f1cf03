#include "runtime/controls/header_ctrl.h"

#include <algorithm>

#include "base/win/dib.h"
#include "model/elements/header_properties.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/button_format.h"
#include "runtime/messages.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

BOOL CTWHeader::Enable(BOOL on) {
    if (on) hover_.Init(hWnd_, 0);
    return TRUE;
}

void CTWHeader::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

LRESULT CTWHeader::OnReflectedNotify(BOOL*, ReflectRecord* record) {
    if (!record || record->kind != 0 || !record->data) return 0;
    const auto* nm = static_cast<const NMHEADERW*>(record->data);
    if (nm->hdr.code != HDN_BEGINTRACKW && nm->hdr.code != HDN_BEGINTRACKA) return 0;
    BOOL full = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    if (full) {
        fullDrag_ = TRUE;
    } else {
        resizeItem_ = nm->iItem;
    }
    return 0;
}

HBITMAP CTWHeader::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled() || !hWnd_) return nullptr;
    return RebuildClientBackground(*this, background_);
}

LRESULT CTWHeader::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

int CTWHeader::HitTest(int x, int y) {
    const POINT p{x, y};
    const int count = int(SendMessageW(hWnd_, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(hWnd_, HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r)) || !PtInRect(&r, p))
            continue;
        if (mouseDown_ && i == hotItem_) {
            state_ = header::State::Pressed;
        } else if (state_ != header::State::Pressed) {
            state_ = header::State::Hot;
        }
        return i;
    }
    state_ = header::State::None;
    return -1;
}

void CTWHeader::InvalidateItem(int index, BOOL erase) {
    if (index < 0) return;
    RECT r{};
    if (SendMessageW(hWnd_, HDM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r)))
        InvalidateRect(hWnd_, &r, erase);
}

void CTWHeader::DrawItem(HDC dc, int index, const RECT& itemRect, bool enabled) {
    const header::LookIds ids = header::LookOf(index == hotItem_, state_, enabled);
    CTWDraw draw(dc, nullptr, FALSE);
    draw.DrawSkinImage(&itemRect, element_->GetImage(WORD(ids.image)), FALSE, nullptr);

    HDITEMW info{};
    info.mask = HDI_FORMAT | HDI_IMAGE;
    SendMessageW(hWnd_, HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
    const CSupportUnicode unicode = Unicode();
    const CUnicodeString text = unicode.GetHeaderItemText(index);
    RECT measured = itemRect;
    unicode.DrawUnicodeText(dc, text, -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    const bool multiLine = text.GetBuffer() && wcschr(text.GetBuffer(), L'\n');
    if (multiLine) {
        measured = itemRect;
        unicode.DrawUnicodeText(dc, text, -1, &measured, DT_CALCRECT);
    }

    header::ItemInput in;
    in.item = {itemRect.left, itemRect.top, itemRect.right, itemRect.bottom};
    in.align = header::AlignOf(int(info.fmt));
    const HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(hWnd_, HDM_GETIMAGELIST, 0, 0));
    // An item that asks for an image in a header without image list keeps
    // its text, placed as for an item without image.
    in.withIcon = (info.fmt & HDF_IMAGE) && images;
    in.iconWidth = GetSystemMetrics(SM_CXSMICON);
    in.textWidth = measured.right - measured.left;
    if (ids.offset) {
        const Point p = button::ContentOffset(element_->GetNumber(WORD(ids.offset)));
        in.offset = p;
    }
    const header::ItemBoxes boxes = header::Place(in);
    RECT box{boxes.text.left, boxes.text.top, boxes.text.right, boxes.text.bottom};
    UINT format = multiLine ? 0u : UINT(DT_SINGLELINE | DT_VCENTER);
    if (multiLine) box.top += (box.bottom - box.top - (measured.bottom - measured.top)) / 2;
    if (boxes.alignText) {
        if (in.align == header::Align::Centre) format |= DT_CENTER;
        if (in.align == header::Align::Right) format |= DT_RIGHT;
    } else {
        ImageList_Draw(images, info.iImage, dc, boxes.icon.x, boxes.icon.y, ILD_NORMAL);
    }
    ::SetTextColor(dc, element_->GetColor(WORD(ids.colour)));
    unicode.DrawUnicodeText(dc, text, -1, &box, format);
}

LRESULT CTWHeader::Paint(HDC given) {
    // WM_PAINT paints through BeginPaint; a print hands its own DC.
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc || !element_) return 0;
    SelectGuard selectFont(dc, WindowFontOrDefault(hWnd_));
    const int mode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = ::GetTextColor(dc);
    if (const HBITMAP background = GetBackgroundBitmap(FALSE)) {
        POINT origin{0, 0};
        draw.DrawBitmapAt(&origin, background);
    }
    const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
    int rightmost = 0;
    const int count = int(SendMessageW(hWnd_, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(hWnd_, HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) continue;
        DrawItem(dc, i, r, enabled);
        rightmost = std::max<int>(rightmost, r.right);
    }
    if (rightmost < client.right) {
        const RECT rest{rightmost, client.top, client.right, client.bottom};
        draw.DrawSkinImage(&rest,
                           element_->GetImage(enabled ? header_props::kImageNormal : header_props::kImageDisabled),
                           FALSE, nullptr);
    }
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, mode);
    return 0;
}

void CTWHeader::OnMouseMove(LPARAM lp) {
    hover_.OnMouseMove();
    const header::State before = state_;
    const int previous = hotItem_;
    const int hit = HitTest(short(LOWORD(lp)), short(HIWORD(lp)));
    if (hit != previous) {
        InvalidateItem(previous, FALSE);
        if (state_ != header::State::Pressed) {
            hotItem_ = hit;
            InvalidateItem(hotItem_, FALSE);
        }
    }
    if (state_ != before) InvalidateItem(hotItem_, FALSE);
    if (fullDrag_) {
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        if (const HWND parent = GetParent(hWnd_)) {
            RECT below{};
            GetClientRect(parent, &below);
            CWindowRect own(hWnd_);
            below.top += own.Height();
            InvalidateRect(parent, &below, FALSE);
        }
    }
}

void CTWHeader::OnButtonUp(LPARAM lp) {
    if (resizeItem_ >= 0) {
        RECT r{};
        SendMessageW(hWnd_, HDM_GETITEMRECT, WPARAM(resizeItem_), reinterpret_cast<LPARAM>(&r));
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        item.cxy = header::WidthOnRelease(short(LOWORD(lp)), r.left);
        SendMessageW(hWnd_, HDM_SETITEMW, WPARAM(resizeItem_), reinterpret_cast<LPARAM>(&item));
        resizeItem_ = -1;
    }
    fullDrag_ = FALSE;
    state_ = header::State::None;
    mouseDown_ = FALSE;
    RedrawNow(FALSE);
}

LRESULT CTWHeader::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case WM_LBUTTONDOWN: {
        mouseDown_ = TRUE;
        CClientRect client(hWnd_);
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        if (PtInRect(&client, p)) {
            state_ = header::State::Pressed;
            RedrawNow(FALSE);
        }
        return Default();
    }
    case WM_MOUSEMOVE: OnMouseMove(lp); return Default();
    case WM_LBUTTONUP: {
        OnButtonUp(lp);
        const LRESULT r = Default();
        if (GetParent(hWnd_)) RedrawNow(FALSE);
        return r;
    }
    case WM_MOUSELEAVE:
        hover_.OnMouseLeave();
        if (state_ == header::State::Hot) {
            state_ = header::State::None;
            InvalidateItem(hotItem_, TRUE);
        }
        return Default();
    case TWM_REFRESHSKIN:
        RedrawNow(FALSE);
        GetBackgroundBitmap(TRUE);
        break;
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); break;
    case WM_SIZE: GetBackgroundBitmap(TRUE); break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
