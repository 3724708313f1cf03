#include "runtime/controls/small_controls.h"

#include <vector>

#include "base/win/hosts.h"
#include "base/win/rect.h"
#include "model/elements/common_control_properties.h"
#include "model/elements/grip_properties.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/splitter_strips.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {

// White under an alpha image, so that what it lets through is defined.
void DrawWholeImage(CTWDraw& draw, const RECT& r, const CMrgBitmap* image) {
    if (!image) return;
    if (image->IsGdiplus()) draw.FillSolidRect(&r, RGB(255, 255, 255));
    draw.DrawSkinImage(&r, image, FALSE, nullptr);
}

} // namespace

// --- tooltip ----------------------------------------------------------------

void CTWToolTipCtrl::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

HWND CTWToolTipCtrl::GetToolOwner() const {
    if (GetMode() == host::kVisualBasic6) return hWnd_;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    if (!SendMessageW(hWnd_, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) return nullptr;
    return tool.hwnd;
}

void CTWToolTipCtrl::FollowToolOwner() {
    const HWND owner = GetToolOwner();
    if (!owner || owner == hWnd_) return;
    if (CTWWnd* object = GetSkinnedWindowObject(owner)) SetActive(object->IsActive(), object->GetScope());
}

LRESULT CTWToolTipCtrl::Paint(HDC given) {
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc || !element_) return 0;
    DrawWholeImage(draw, client, element_->GetImage(tooltip_props::kBackground));
    hexmoor::win::SelectGuard selectedFont = SelectWindowFont(dc);
    const int mode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = ::SetTextColor(dc, element_->GetColor(tooltip_props::kTextColor));
    UINT format = DT_WORDBREAK | DT_EDITCONTROL;
    if (GetWindowLongPtrW(hWnd_, GWL_STYLE) & TTS_NOPREFIX) format |= DT_NOPREFIX;
    if (CWndExStyle(hWnd_).Has(WS_EX_RTLREADING)) format |= DT_RTLREADING;
    if (GetMode() == host::kVisualBasic6) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        if (SendMessageW(hWnd_, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) &&
            (tool.uFlags & TTF_RTLREADING))
            format |= DT_RTLREADING;
    }
    const CSupportUnicode unicode = Unicode();
    const CUnicodeString text = unicode.GetText();
    RECT measured = client;
    unicode.DrawUnicodeText(dc, text, -1, &measured, format | DT_CALCRECT);
    RECT box{};
    CenteredRect(&box, client, measured.right - measured.left, measured.bottom - measured.top);
    unicode.DrawUnicodeText(dc, text, -1, &box, format);
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, mode);
    selectedFont.Restore();
    return 0;
}

LRESULT CTWToolTipCtrl::PaintBorder(HDC dc) {
    if (!dc || !element_) return 1;
    RECT wr{};
    GetWindowRect(hWnd_, &wr);
    MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&wr), 2);
    if (CWndExStyle(hWnd_).Has(WS_EX_LAYOUTRTL)) std::swap(wr.left, wr.right);
    CClientRect client(hWnd_);
    OffsetRect(&client, -wr.left, -wr.top);
    const RECT whole{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    SavedDC saved(dc);
    CTWDraw draw(dc, nullptr, FALSE);
    draw.ExcludeClip(&client);
    DrawWholeImage(draw, whole, element_->GetImage(tooltip_props::kBackground));
    return 1;
}

LRESULT CTWToolTipCtrl::OnNcPaint(HDC dc) {
    if (dc) return PaintBorder(dc);
    WindowDC windowDc(hWnd_, true);
    return PaintBorder(windowDc.Get());
}

LRESULT CTWToolTipCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The tip is skinned while the window it speaks for is.
    if (msg == WM_PAINT || msg == WM_PRINTCLIENT || msg == WM_NCPAINT) FollowToolOwner();
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 1;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}

// --- splitter ---------------------------------------------------------------

void CTWSplitter::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

BOOL CTWSplitter::Enable(BOOL on) {
    if (!hWnd_) return TRUE;
    if (on) {
        ChangeExStyle(0, WS_EX_STATICEDGE);
    } else {
        RestoreStyles();
    }
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

LRESULT CTWSplitter::Paint(HDC given) {
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    if (!draw.GetDrawDC() || !element_) return 0;
    // The panes are never painted over, on the buffer or on the target.
    const bool rtl = CWndExStyle(hWnd_).Has(WS_EX_LAYOUTRTL);
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&r), 2);
        if (rtl && r.left > r.right) std::swap(r.left, r.right);
        draw.ExcludeClip(&r);
        ExcludeClipRect(draw.GetTargetDC(), r.left, r.top, r.right, r.bottom);
    }
    DrawWholeImage(draw, client, element_->GetImage(splitter_props::kBorderImage));

    const auto* host = static_cast<const SplitterHost*>(GetPropW(hWnd_, kSplitterHostProperty));
    if (!host) return 0;
    splitter::Input in;
    in.client = {client.left, client.top, client.right, client.bottom};
    for (int i = 0; i < host->RowCount(); ++i) in.rowHeights.push_back(host->RowHeight(i));
    for (int i = 0; i < host->ColumnCount(); ++i) in.columnWidths.push_back(host->ColumnWidth(i));
    if (const HWND pane = host->FirstPane()) {
        RECT r{};
        GetWindowRect(pane, &r);
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&r), 2);
        in.firstPane = {std::min(r.left, r.right), r.top};
    }
    const DWORD scroll = host->ScrollStyle();
    in.horizontalScroll = (scroll & WS_HSCROLL) != 0;
    in.verticalScroll = (scroll & WS_VSCROLL) != 0;
    in.scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    in.scrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    const splitter::Plan plan = splitter::PlanStrips(in);
    const auto drawStrip = [&](const Rect& r, WORD id) {
        if (r.IsEmpty()) return;
        DrawWholeImage(draw, ToRECT(r), element_->GetImage(id));
    };
    drawStrip(plan.rowSplitBox, 604);
    drawStrip(plan.columnSplitBox, 605);
    for (const Rect& r : plan.rowBars) drawStrip(r, 601);
    for (const Rect& r : plan.columnBars) drawStrip(r, 602);
    for (const Rect& r : plan.crossings) drawStrip(r, 603);
    return 0;
}

LRESULT CTWSplitter::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    if (msg == WM_PAINT) return Paint(reinterpret_cast<HDC>(wp));
    return CTWWnd::WindowProc(msg, wp, lp);
}

// --- size grip --------------------------------------------------------------

CTWGrip::~CTWGrip() {
    if (engine_ && hWnd_ && IsWindow(hWnd_)) UninitSkinScrollbars(hWnd_);
}

void CTWGrip::Detach() {
    if (engine_ && hWnd_) UninitSkinScrollbars(hWnd_);
    engine_ = false;
    CTWWnd::Detach();
}

void CTWGrip::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

BOOL CTWGrip::Enable(BOOL on) {
    if (!hWnd_) return TRUE;
    if (on) {
        // A plain size box (not a grip, not bottom-right aligned) is drawn
        // by the scroll-bar engine.
        if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & (SBS_SIZEBOXBOTTOMRIGHTALIGN | SBS_SIZEGRIP))) {
            InitSkinScrollbars(hWnd_, FALSE);
            SetSkinScrollBarStyle(hWnd_, SB_BOTH, 2);
            engine_ = true;
        }
    } else if (engine_) {
        UninitSkinScrollbars(hWnd_);
        engine_ = false;
    }
    InvalidateRect(hWnd_, nullptr, TRUE);
    return TRUE;
}

LRESULT CTWGrip::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

LRESULT CTWGrip::Paint(HDC given) {
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    if (!draw.GetDrawDC() || !element_) return 0;
    EraseBackground(draw.GetDrawDC(), hWnd_, nullptr);
    const POINT origin{0, 0};
    draw.DrawImageAt(&origin, element_->GetImage(grip_props::kImage));
    return 0;
}

LRESULT CTWGrip::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
