// Painting the engine's bars: the skin's images, what the owner custom-draws,
// or the plain system look.
#include "runtime/scroll/scroll_engine.h"

#include <commctrl.h>

#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "base/win/gdi.h"
#include "runtime/logic/scroll_geometry.h"
#include "runtime/messages.h"
#include "runtime/scroll/subclass_wnd.h"
#include "runtime/subclass.h"
#include "runtime/scroll/engine_parts.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
using namespace hexmoor::rt::scroll;

namespace hexmoor::rt::engine {

namespace {

void FillTrack(HDC dc, const RECT& r, bool pressed) {
    static const WORD kPattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    hexmoor::win::Bitmap bits(CreateBitmap(8, 8, 1, 1, kPattern));
    hexmoor::win::Brush brush(CreatePatternBrush(bits.Get()));
    COLORREF light = GetSysColor(COLOR_3DHILIGHT);
    if (light == GetSysColor(COLOR_WINDOW) && light != RGB(255, 255, 255)) light = GetSysColor(COLOR_3DFACE);
    COLORREF dark = GetSysColor(COLOR_SCROLLBAR);
    if (pressed) {
        light = ~light & 0xFFFFFF;
        dark = ~dark & 0xFFFFFF;
    }
    const COLORREF oldText = SetTextColor(dc, light);
    const COLORREF oldBk = SetBkColor(dc, dark);
    SetBrushOrgEx(dc, r.left, r.top, nullptr);
    FillRect(dc, &r, brush.Get());
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
}

} // namespace

void DrawSystemPart(HDC dc, const RECT& rc, int code, unsigned itemState, bool vertical, UINT style) {
    RECT r = rc;
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (code == part::kArrowBefore || code == part::kArrowAfter) {
        UINT flags =
            vertical ? (code == 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) : (code == 0 ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
        if (itemState & state::kDisabled) flags |= DFCS_INACTIVE;
        if (itemState & state::kSelected) flags |= DFCS_PUSHED | DFCS_FLAT;
        if (style != 0) flags |= DFCS_FLAT;
        DrawFrameControl(dc, &r, DFC_SCROLL, flags);
    } else if (code == part::kThumb) {
        const bool solid = (style == 2 && (itemState & state::kHot)) || (style != 0 && (itemState & state::kSelected));
        if (solid) {
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        } else {
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST | (style ? BF_FLAT : 0));
            FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
        }
    } else {
        FillTrack(dc, r, (itemState & state::kSelected) != 0);
    }
}

namespace {

// Paints one bar into `dc` (window-DC coordinates for window bars, client
// coordinates for a control); returns whether the owner custom-drew it.
bool DrawBar(HWND hwnd, State* st, int bar, HDC dc, const Rect& rect, int pressed) {
    const bool vertical = IsVertical(st, bar);
    const Rect along = vertical ? Swap(rect) : rect;
    if (along.Width() < 1 || along.Height() < 1) return false;
    if (g_track.window != hwnd) pressed = part::kNone;
    const Bar& b = st->bars[bar];
    int hot = part::kNone;
    if (g_track.window == hwnd && g_track.hotBar == bar && b.style == 2) hot = g_track.hotPart;
    const int arrow = Metric(st, bar, 0);
    const LPARAM barType = vertical ? 1 : 0;
    const RECT zero{};
    const bool custom = Notify(hwnd, CDDS_PREPAINT, 0, dc, zero, 0, 0, barType) == CDRF_SKIPDEFAULT;
    const WPARAM id = WPARAM(GetWindowLongPtrW(hwnd, GWLP_ID));
    for (const Piece& p : PlanBar(along.left, along.right, arrow, b.info, b.minThumb, pressed, hot)) {
        const Rect piece{p.begin, along.top, p.end, along.bottom};
        const RECT rc = ToRECT(vertical ? Swap(piece) : piece);
        if (custom)
            Notify(hwnd, CDDS_ITEMPREPAINT, id, dc, rc, DWORD_PTR(p.partCode), p.itemState, barType);
        else
            DrawSystemPart(dc, rc, p.partCode, p.itemState, vertical, b.style);
    }
    Notify(hwnd, CDDS_POSTPAINT, 0, dc, zero, 0, 0, barType);
    return custom;
}

} // namespace

int ShownPressed(int bar) { return g_track.bar == bar ? g_track.shown : part::kNone; }

// Repaints one bar now, straight into the window DC.
void RepaintBar(HWND hwnd, State* st, int bar, int pressed) {
    if (!BarShown(st, bar)) return;
    if (st->kind == 2) {
        WindowDC dc(hwnd);
        RECT cr{};
        GetClientRect(hwnd, &cr);
        DrawBar(hwnd, st, bar, dc.Get(), FromRECT(cr), pressed);
        return;
    }
    WindowDC dc(hwnd, true);
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    DrawBar(hwnd, st, bar, dc.Get(), BarScreenRect(hwnd, st, bar).Offset(-wr.left, -wr.top), pressed);
}

namespace {

void DrawCorner(HWND hwnd, State* st, HDC dc, bool custom) {
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    const RECT corner = ToRECT(CornerScreenRect(hwnd, st).Offset(-wr.left, -wr.top));
    if (custom) {
        Notify(hwnd, CDDS_ITEMPREPAINT, WPARAM(GetWindowLongPtrW(hwnd, GWLP_ID)), dc, corner, 32, state::kDefault, 3);
        return;
    }
    // A size grip where the corner meets the parent's client corner.
    bool grip = false;
    if (const HWND parent = GetParent(hwnd)) {
        RECT pc{};
        GetClientRect(parent, &pc);
        POINT edge{st->leftScrollBar ? wr.left : wr.right, wr.bottom};
        ScreenToClient(parent, &edge);
        grip = edge.y == pc.bottom && edge.x == (st->leftScrollBar ? pc.left : pc.right);
    }
    RECT r = corner;
    if (grip)
        DrawFrameControl(dc, &r, DFC_SCROLL, st->leftScrollBar ? DFCS_SCROLLSIZEGRIPRIGHT : DFCS_SCROLLSIZEGRIP);
    else
        FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
}

} // namespace

// Both visible bars and the corner between them, now, into the window DC.
void PaintWindowBars(HWND hwnd, State* st) {
    if (!st->bars[0].visible && !st->bars[1].visible) return;
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    WindowDC dc(hwnd, true);
    bool custom = false;
    for (int bar = 0; bar < 2; ++bar)
        if (st->bars[bar].visible)
            custom |= DrawBar(hwnd, st, bar, dc.Get(), BarScreenRect(hwnd, st, bar).Offset(-wr.left, -wr.top),
                              ShownPressed(bar));
    if (st->bars[0].visible && st->bars[1].visible) DrawCorner(hwnd, st, dc.Get(), custom);
}

// WM_NCPAINT of window bars: the rest of the frame by the old procedure with
// the bars cut out of its region, then our bars and the corner. Wine paints
// its own bars during the default processing whatever the region says, so
// ours go on top afterwards.
LRESULT NcPaint(HWND hwnd, State* st, WPARAM wp) {
    if (!st->bars[0].visible && !st->bars[1].visible) return CallOld(st, hwnd, WM_NCPAINT, wp, 0);
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    hexmoor::win::Region region(CreateRectRgn(0, 0, wr.right - wr.left, wr.bottom - wr.top));
    if (wp > 1) {
        CombineRgn(region.Get(), reinterpret_cast<HRGN>(wp), nullptr, RGN_COPY);
        OffsetRgn(region.Get(), -wr.left, -wr.top);
    }
    for (int bar = 0; bar < 2; ++bar) {
        if (!st->bars[bar].visible) continue;
        const Rect r = BarScreenRect(hwnd, st, bar).Offset(-wr.left, -wr.top);
        hexmoor::win::Region cut(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
    }
    OffsetRgn(region.Get(), wr.left, wr.top);
    const LRESULT result = CallOld(st, hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region.Get()), 0);
    PaintWindowBars(hwnd, st);
    return result;
}

namespace {

// Wine paints its own bar at the system's thickness from the client edge,
// whatever ours is: where one of ours is thinner, the rest of Wine's bar
// lands on the window's frame beside it. The strips it can reach (on both
// sides of the client area, one pixel longer at each end) less our bars and
// inside the window, in screen coordinates; empty when no visible bar is
// thinner than the system's.
void SystemOverhang(HWND hwnd, const State* st, HRGN out) {
    SetRectRgn(out, 0, 0, 0, 0);
    if (st->kind != 1) return;
    const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
    const bool thinVert = st->bars[1].visible && Metric(st, 1, 1) < cx;
    const bool thinHorz = st->bars[0].visible && Metric(st, 0, 1) < cy;
    if (!thinVert && !thinHorz) return;
    RECT c{};
    GetClientRect(hwnd, &c);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&c), 2);
    if (c.left > c.right) std::swap(c.left, c.right);
    auto add = [out](int l, int t, int r, int b) {
        hexmoor::win::Region strip(CreateRectRgn(l, t, r, b));
        CombineRgn(out, out, strip.Get(), RGN_OR);
    };
    if (thinVert) {
        add(c.left - cx, c.top - 1, c.left, c.bottom + 1);
        add(c.right, c.top - 1, c.right + cx, c.bottom + 1);
    }
    if (thinHorz) add(c.left - 1, c.bottom, c.right + 1, c.bottom + cy);
    for (int bar = 0; bar < 2; ++bar) {
        if (!st->bars[bar].visible) continue;
        const Rect r = BarScreenRect(hwnd, st, bar);
        hexmoor::win::Region ours(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(out, out, ours.Get(), RGN_DIFF);
    }
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    hexmoor::win::Region window(CreateRectRgn(wr.left, wr.top, wr.right, wr.bottom));
    CombineRgn(out, out, window.Get(), RGN_AND);
}

} // namespace

// Where Wine's bar reached past ours, that part of the frame is painted
// again by the frame's painter and our bars over it; false when nothing
// reaches past ours (nothing painted).
bool PaintOverSystemOverhang(HWND hwnd, State* st) {
    hexmoor::win::Region overhang(CreateRectRgn(0, 0, 0, 0));
    SystemOverhang(hwnd, st, overhang.Get());
    RECT box{};
    if (GetRgnBox(overhang.Get(), &box) == NULLREGION) return false;
    NcPaint(hwnd, st, reinterpret_cast<WPARAM>(overhang.Get()));
    return true;
}

LRESULT Print(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    const HDC dc = reinterpret_cast<HDC>(wp);
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    bool custom = false;
    for (int bar = 0; bar < 2; ++bar)
        if (st->bars[bar].visible)
            custom |=
                DrawBar(hwnd, st, bar, dc, BarScreenRect(hwnd, st, bar).Offset(-wr.left, -wr.top), ShownPressed(bar));
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
    const LRESULT result = CallOld(st, hwnd, WM_PRINT, wp, lp);
    SetWindowLongPtrW(hwnd, GWL_STYLE, style);
    if (st->bars[0].visible && st->bars[1].visible) DrawCorner(hwnd, st, dc, custom);
    return result;
}

LRESULT ControlPaint(HWND hwnd, State* st) {
    const hexmoor::win::PaintScope paint(hwnd);
    RECT cr{};
    GetClientRect(hwnd, &cr);
    const int bar = ControlBar(st);
    DrawBar(hwnd, st, bar, paint.Dc(), FromRECT(cr), ShownPressed(bar));
    return 0;
}

} // namespace hexmoor::rt::engine
