#include "runtime/controls/status_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win/rect.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/controls/bar_common.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/host_pane_list.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/bar_geometry.h"
#include "runtime/logic/control_types.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {
constexpr int kMaxParts = 64;
} // namespace

BOOL CTWStatus::Enable(BOOL) {
    // The client area changes with the skin's borders either way.
    if (hWnd_)
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

void CTWStatus::Reset(const std::wstring& name) {
    ResetBarElementName(*this, name);
    CTWWnd::Reset(name);
}

CUnicodeString CTWStatus::PaneText(int pane, int paneCount) {
    if (State().hostFramework == host::kVisualBasic6) {
        const int steps = bars::HostPaneListSteps(pane, paneCount);
        if (steps < 0) return CUnicodeString(L"");
        const LRESULT head = DefWindowProc(SB_GETTEXT, 0, 0);
        return CUnicodeString(ReadHostPaneText(std::uintptr_t(head), steps).c_str());
    }
    return Unicode().GetStatusText(pane, nullptr);
}

void CTWStatus::PaintPane(CTWDraw& draw, int pane, int paneCount, bool whiteUnderGdiplus) {
    const CUnicodeString text = PaneText(pane, paneCount);
    RECT paneRect{};
    if (!DefWindowProc(SB_GETRECT, WPARAM(pane), reinterpret_cast<LPARAM>(&paneRect))) return;
    const CMrgBitmap* image = element_->GetImage(bars::sb::kPane);
    if (whiteUnderGdiplus)
        DrawBarImage(draw, paneRect, image);
    else
        draw.DrawSkinImage(&paneRect, image, FALSE, nullptr);
    const auto icon = reinterpret_cast<HICON>(DefWindowProc(SB_GETICON, WPARAM(pane), 0));
    const SIZE iconSize = icon ? GetIconSize(icon) : SIZE{0, 0};
    const bars::PanePlace place =
        bars::StatusPaneContent(FromRECT(paneRect), icon != nullptr, int(iconSize.cx), int(iconSize.cy));
    const HDC dc = draw.GetDrawDC();
    if (icon) {
        const POINT at = draw.ToBufferPoint(place.icon.x, place.icon.y);
        DrawIconEx(dc, at.x, at.y, icon, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);
    }
    const COLORREF previous = draw.SetTextColor(element_->GetColor(bars::sb::kTextColour));
    RECT textRect = ToRECT(place.text), inBuffer{};
    draw.ToBufferRectPtr(&inBuffer, &textRect);
    Unicode().DrawUnicodeText(dc, text, -1, &inBuffer, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    draw.SetTextColor(previous);
    draw.ExcludeClip(&paneRect);
}

void CTWStatus::PaintPanes(HDC given, bool older) {
    RECT client{};
    GetClientRect(hWnd_, &client);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc) return;
    hexmoor::win::SelectGuard selectedFont = SelectWindowFont(dc);

    RECT window{};
    GetWindowRect(hWnd_, &window);
    MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&window), 2);
    if (window.left > window.right) std::swap(window.left, window.right);
    const CMrgBitmap* background = element_->GetImage(bars::sb::kBackground);
    const bool grip = (GetWindowLongPtrW(hWnd_, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    const RECT gripBox =
        ToRECT(bars::StatusGripBox(FromRECT(client), GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CXBORDER)));

    if (!older) {
        DrawBarImage(draw, window, background);
        if (grip) draw.DrawSkinImage(&gripBox, element_->GetImage(bars::sb::kGrip), FALSE, nullptr);
    } else if (grip) {
        DrawBarImage(draw, gripBox, element_->GetImage(bars::sb::kGrip));
        draw.ExcludeClip(&gripBox);
    }

    int parts[kMaxParts] = {};
    const int count =
        std::clamp(int(DefWindowProc(SB_GETPARTS, kMaxParts, reinterpret_cast<LPARAM>(parts))), 0, kMaxParts);
    draw.SetBkMode(TRANSPARENT);
    for (int i = 0; i < count; ++i) PaintPane(draw, i, count, older);
    // The older painter lays the background last, around panes and grip.
    if (older) DrawBarImage(draw, window, background);

    SelectClipRgn(dc, nullptr);
    selectedFont.Restore();
    draw.Release();
}

LRESULT CTWStatus::Paint(HDC given) {
    if (!element_) return 0;
    CTwfSkin* skin = GetTwfSkin();
    PaintPanes(given, skin && bars::UsesOlderPainter(skin->GetVersion()));
    return 0;
}

LRESULT CTWStatus::PaintBorder(HDC dc) {
    if (!dc || !element_) return FALSE;
    const WindowAndClient rects = BarRects(hWnd_);
    if (rects.Same()) return FALSE;
    hexmoor::win::SavedDC saved(dc);
    CTWDraw draw(dc, nullptr, FALSE);
    draw.ExcludeClip(&rects.client);
    DrawBarImage(draw, rects.window, element_->GetImage(bars::sb::kBackground));
    return TRUE;
}

LRESULT CTWStatus::OnNcPaint(HDC dc) { return PaintBarNonClient(*this, hWnd_, dc); }

LRESULT CTWStatus::CalcBorderSize(BOOL, LPARAM params) {
    const LRESULT result = DefaultCalcWithoutEdges(*this, hWnd_);
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(params);
    if (!p || !element_) return result;
    p->rgrc[0] = ToRECT(bars::NarrowBySides(FromRECT(p->rgrc[0]), int(element_->GetNumber(bars::sb::kLeftBorder)),
                                            int(element_->GetNumber(bars::sb::kRightBorder))));
    return result;
}

LRESULT CTWStatus::OnNcCalcSize(BOOL calcValidRects, LPARAM params) {
    if (element_) return CalcBorderSize(calcValidRects, params);
    return Default();
}

LRESULT CTWStatus::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_SIZE: {
        const LRESULT r = Default();
        if (wp != SIZE_MINIMIZED) RedrawNow(FALSE);
        return r;
    }
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
