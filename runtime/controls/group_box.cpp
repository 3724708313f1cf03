#include "runtime/controls/group_box.h"

#include "base/win/gdi.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/static_lines.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {
constexpr WORD kCaption = 157, kLight = 158, kDark = 159, kCaptionDisabled = 160, kLightDisabled = 161,
               kDarkDisabled = 162;
constexpr int kFrameworkWinForms = 2;

// A window rectangle in another window's client coordinates (mirrored for
// a right-to-left window).
RECT ToClient(RECT r, HWND hwnd) {
    MapRectCorners(&r, hwnd, false);
    return r;
}
} // namespace

BOOL CTWGroupBox::Enable(BOOL on) {
    CTWWnd::Enable(on);
    return 1;
}

void CTWGroupBox::InitMode(const char* className) {
    CTWWnd::InitMode(className);
    char name[64] = {};
    if (className)
        lstrcpynA(name, className, sizeof name);
    else if (hWnd_)
        GetClassNameA(hWnd_, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0) mode_ = 0;
}

LRESULT CTWGroupBox::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    if (PassesThrough(*this)) return 0;
    // The system's own frame and caption land outside the visible area.
    SetWindowOrgEx(dc, 1000, 10, nullptr);
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWGroupBox::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

void CTWGroupBox::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

HBITMAP CTWGroupBox::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled()) return nullptr;
    return RebuildParentBackground(*this, background_);
}

void CTWGroupBox::ProtectOverlappingSiblings(HDC dc) const {
    const HWND parent = GetParent(hWnd_);
    if (!parent) return;
    const CWindowRect own(hWnd_);
    const POINT topLeft{own.left, own.top}, bottomRight{own.right - 1, own.bottom - 1};
    for (HWND sibling = GetTopWindow(parent); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == hWnd_) continue;
        // The cheap geometric tests first: most siblings do not touch the box.
        const CWindowRect other(sibling);
        RECT common{};
        if (!IntersectRect(&common, &own, &other)) continue;
        if (PtInRect(&other, topLeft) && PtInRect(&other, bottomRight)) continue; // encloses the box
        if (!IsWindowVisible(sibling)) continue;
        if (GetWindowLongPtrW(sibling, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
        if (GetSkinnedWindowType(sibling) == ctype::kGroupBox) continue;
        const RECT local = ToClient(common, hWnd_);
        ExcludeClipRect(dc, local.left, local.top, local.right, local.bottom);
    }
}

LRESULT CTWGroupBox::Paint(HDC given) {
    RECT client{};
    GetClientRect(hWnd_, &client);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, nullptr, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc) return 0;
    {
        SavedDC saved(dc);
        if (mode_ == 0) ProtectOverlappingSiblings(dc);
        if (const HBITMAP background = GetBackgroundBitmap(FALSE)) {
            const POINT origin{client.left, client.top};
            draw.DrawBitmapAt(&origin, background);
        }
        // A skinned dialog paints its own background into the box; only
        // while the dialog has nothing left to paint, so that its default
        // paint handling validates none of its own invalid area.
        const HWND parent = GetParent(hWnd_);
        if (mode_ != kFrameworkWinForms && parent && !GetUpdateRect(parent, nullptr, FALSE))
            DrawParentDialogBackground(dc);

        const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
        const CSupportUnicode unicode = Unicode();
        const CUnicodeString text = unicode.GetText();
        hexmoor::win::SelectGuard selectedFont = SelectWindowFont(dc);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, element_ ? element_->GetColor(enabled ? kCaption : kCaptionDisabled) : 0);
        const bool right = CWndExStyle(hWnd_).Has(WS_EX_RIGHT);
        const unsigned format = DT_SINGLELINE | DT_NOCLIP | (right ? DT_RIGHT : 0);
        RECT inner{client.left + statics::kCaptionInset, client.top, client.right - statics::kCaptionInset,
                   client.bottom};
        unicode.DrawUnicodeText(dc, text, -1, &inner, format);
        // A font handle the window does not own stays the same font; one made
        // for this paint may come back as another font under the same handle.
        const auto font = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
        const std::wstring shown = text.GetBuffer() ? std::wstring(text.GetBuffer(), text.GetLength()) : std::wstring();
        const bool known = !given && font && caption_.valid && caption_.font == font && caption_.text == shown;
        if (!known) {
            RECT measured = inner;
            unicode.DrawUnicodeText(dc, text, -1, &measured, format | DT_CALCRECT);
            caption_.size = {measured.right - measured.left, measured.bottom - measured.top};
            caption_.text = shown;
            caption_.font = font;
            caption_.valid = !given && font;
        }
        const Size caption{text.IsEmpty() ? 0 : int(caption_.size.cx), int(caption_.size.cy)};
        const Rect box{client.left, client.top, client.right, client.bottom};
        const Rect gap = statics::GroupBoxCaptionGap(box, caption, right);
        if (!gap.IsEmpty()) ExcludeClipRect(dc, gap.left, gap.top, gap.right, gap.bottom);
        selectedFont.Restore();

        // Etched frame: light rectangle, the same one pixel in from the top
        // left, then the dark one a pixel up and left of that.
        const Rect frame = statics::GroupBoxFrame(box, caption.cy);
        Pen light(CreatePen(PS_SOLID, 1, element_ ? element_->GetColor(enabled ? kLight : kLightDisabled) : 0));
        Pen dark(CreatePen(PS_SOLID, 1, element_ ? element_->GetColor(enabled ? kDark : kDarkDisabled) : 0));
        SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
        {
            SelectGuard pen(dc, light.Get());
            ::Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
            ::Rectangle(dc, frame.left + 1, frame.top + 1, frame.right, frame.bottom);
        }
        SelectGuard pen(dc, dark.Get());
        ::Rectangle(dc, frame.left, frame.top, frame.right - 1, frame.bottom - 1);
    }
    draw.Release();
    return 0;
}

void CTWGroupBox::RefreshChildren(WPARAM wp, LPARAM lp, bool ncPaintPlain) {
    for (HWND child = GetTopWindow(hWnd_); child; child = GetWindow(child, GW_HWNDNEXT)) {
        CTWWnd* object = GetSkinnedWindowObject(child);
        if (!ncPaintPlain) {
            if (object && object->GetSkinObject()) {
                SendMessageW(child, TWM_BACKGROUNDCHANGED, wp, lp);
                object->RedrawNow(TRUE);
            }
            continue;
        }
        RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_UPDATENOW);
        if (!object || !object->GetSkinObject() || !object->GetSkinObject()->GetEnabled())
            SendMessageW(child, WM_NCPAINT, 0, 0);
    }
}

LRESULT CTWGroupBox::EraseForWinForms(HDC dc) {
    CTWDraw draw(dc, nullptr, FALSE);
    const HWND parent = GetParent(hWnd_);
    if (parent && GetPropW(parent, MAKEINTATOM(0xA000)) && GetDlgCtrlID(hWnd_) == 1073) {
        if (const HWND item = GetDlgItem(parent, 1092)) {
            const RECT local = ToClient(CWindowRect(item), hWnd_);
            draw.ExcludeClip(&local);
        }
    }
    EraseBackground(draw.GetDrawDC(), hWnd_, nullptr);
    return 1;
}

LRESULT CTWGroupBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_MOVE:
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        RefreshChildren(wp, lp, false);
        break;
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_SETTEXT: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        InvalidateRect(hWnd_, nullptr, FALSE);
        return r;
    }
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND:
        if (mode_ == kFrameworkWinForms) {
            const HWND root = GetAncestor(hWnd_, GA_ROOT);
            if (root && (GetWindowLongPtrW(root, GWL_STYLE) & WS_THICKFRAME) && GetFocus()) return 1;
            return EraseForWinForms(reinterpret_cast<HDC>(wp));
        }
        return 1;
    case WM_SETFONT: {
        // A new font may come under the handle of one deleted before.
        caption_.valid = false;
        const LRESULT r = DefWindowProc(WM_SETFONT, wp, FALSE);
        if (lp) {
            RedrawNow(FALSE);
            UpdateWindow(hWnd_);
        }
        return r;
    }
    case TWM_BACKGROUNDCHANGED:
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        RefreshChildren(wp, lp, true);
        break;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
