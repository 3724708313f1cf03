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
#include "runtime/wnd/orphan_links.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
using namespace hexmoor::rt::scroll;

namespace {

constexpr wchar_t kStateProp[] = L"TwfSB";
constexpr DWORD kFlagWanted = 8;     // the window style asks for the bar
constexpr DWORD kFlagAutoHide = 16;  // hide the bar when its range becomes 0..0
constexpr DWORD kFlagSuspended = 32; // on the horizontal bar: pass everything through

struct Bar {
    DWORD flags = 0;
    BOOL visible = FALSE;
    ScrollData info;
    int arrow = -1;     // negative -k: k times the system metric
    int thickness = -1; // likewise
    int type = 0;       // 0 horizontal, 1 vertical, -1 unused (control bar)
    UINT style = 0;     // 0 normal, non-zero flat, 2 flat with hot tracking
    int minThumb = 6;
};

struct State {
    SubclassLink old;
    Bar bars[2];
    BOOL tracking = FALSE;
    BOOL leftScrollBar = FALSE;
    Insets borders;
    int kind = 1; // 1 window bars, 2 control bar
};

// One press, drag or hover at a time in the whole process (all on the
// threads that own the windows).
struct Tracking {
    HWND window = nullptr;
    UINT scrollMessage = 0;
    int bar = -1;
    int pressed = part::kNone;
    int shown = part::kNone;
    int lastHit = part::kNone;
    UINT_PTR repeatTimer = 0;
    Drag drag;
    int lastPosition = 0;
    int hotBar = -1;
    int hotPart = part::kNone;
    int previousHot = part::kNone;
    Rect hotRect;
    UINT_PTR hoverTimer = 0;
};
Tracking g_track;

LRESULT CALLBACK SkinScrollbarWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Signed coordinates of a mouse message.
int XOf(LPARAM lp) { return short(LOWORD(lp)); }
int YOf(LPARAM lp) { return short(HIWORD(lp)); }

// Every message to a window with skinned bars asks for its block, often
// several times (this procedure, the form subclasser's suspension check).
// The window property stays the record others may read; the lookups go to
// this mirror of it, kept beside every SetProp and RemoveProp of the block,
// because under Wine each GetProp is a round trip to the server.
std::mutex g_statesLock;
std::unordered_map<HWND, State*> g_states;

State* StateOf(HWND hwnd) {
    if (!hwnd) return nullptr;
    const std::lock_guard<std::mutex> lock(g_statesLock);
    const auto it = g_states.find(hwnd);
    return it == g_states.end() ? nullptr : it->second;
}

void RecordState(HWND hwnd, State* st) {
    const std::lock_guard<std::mutex> lock(g_statesLock);
    if (st)
        g_states[hwnd] = st;
    else
        g_states.erase(hwnd);
}

LRESULT CallOld(State* st, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallSavedProc(st->old, hwnd, msg, wp, lp);
}

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect Swap(const Rect& r) { return {r.top, r.left, r.bottom, r.right}; }
Point Swap(Point p) { return {p.y, p.x}; }

bool IsRtl(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

// Arrow length (which 0) or thickness (which 1) of a bar.
int Metric(const State* st, int bar, int which) {
    const Bar& b = st->bars[bar];
    if (b.type != 0 && b.type != 1) return 0;
    const int v = which == 0 ? b.arrow : b.thickness;
    if (v >= 0) return v;
    int metric;
    if (bar == 0)
        metric = GetSystemMetrics(which == 0 ? SM_CXHSCROLL : SM_CYHSCROLL);
    else
        metric = GetSystemMetrics(which == 0 ? SM_CYVSCROLL : SM_CXVSCROLL);
    return -v * metric;
}

bool IsVertical(const State* st, int bar) { return st->kind == 2 ? st->bars[1].type == 1 : bar == 1; }

// The control's used bar: 1 when the horizontal bar is unused.
int ControlBar(const State* st) { return st->bars[0].type != 0 ? 1 : 0; }

Rect BarScreenRect(HWND hwnd, const State* st, int bar) {
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    if (st->kind == 2) return FromRECT(wr);
    BarRectsInput in;
    in.window = FromRECT(wr);
    in.borders = st->borders;
    in.horzThickness = Metric(st, 0, 1);
    in.vertThickness = Metric(st, 1, 1);
    in.horzVisible = st->bars[0].visible != FALSE;
    in.vertVisible = st->bars[1].visible != FALSE;
    in.leftScrollBar = st->leftScrollBar != FALSE;
    in.rtl = IsRtl(hwnd);
    const BarRects r = CalcBarRects(in);
    return bar == 0 ? r.horz : r.vert;
}

Rect CornerScreenRect(HWND hwnd, const State* st) {
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    BarRectsInput in;
    in.window = FromRECT(wr);
    in.borders = st->borders;
    in.horzThickness = Metric(st, 0, 1);
    in.vertThickness = Metric(st, 1, 1);
    in.horzVisible = in.vertVisible = true;
    in.leftScrollBar = st->leftScrollBar != FALSE;
    in.rtl = IsRtl(hwnd);
    return CalcBarRects(in).corner;
}

bool BarShown(const State* st, int bar) {
    if (st->kind == 2) return bar == ControlBar(st);
    return st->bars[bar].visible != FALSE;
}

// The point mirrored within the window rectangle for right-to-left windows.
Point Mirror(HWND hwnd, Point p) {
    if (!IsRtl(hwnd)) return p;
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    return {wr.right - p.x + wr.left, p.y};
}

LRESULT Notify(HWND hwnd, DWORD stage, WPARAM wp, HDC dc, const RECT& rc, DWORD_PTR item, UINT state, LPARAM barType) {
    NMCUSTOMDRAW nm{};
    nm.hdr.hwndFrom = hwnd;
    nm.hdr.idFrom = UINT_PTR(GetWindowLongPtrW(hwnd, GWLP_ID));
    nm.hdr.code = NM_TWSB_CUSTOMDRAW;
    nm.dwDrawStage = stage;
    nm.hdc = dc;
    nm.rc = rc;
    nm.dwItemSpec = item;
    nm.uItemState = state;
    nm.lItemlParam = barType;
    return SendMessageW(hwnd, WM_NOTIFY, wp, reinterpret_cast<LPARAM>(&nm));
}

// --- the plain system look --------------------------------------------------

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

// --- painting -----------------------------------------------------------------

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
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    RECT cr{};
    GetClientRect(hwnd, &cr);
    const int bar = ControlBar(st);
    DrawBar(hwnd, st, bar, dc, FromRECT(cr), ShownPressed(bar));
    EndPaint(hwnd, &ps);
    return 0;
}

// --- layout -------------------------------------------------------------------

LRESULT NcCalcSize(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    auto* first = reinterpret_cast<RECT*>(lp);
    const RECT proposed = *first;
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR bits = WS_HSCROLL | WS_VSCROLL;
    SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~bits);
    for (int i = 0; i < 5 && (GetWindowLongPtrW(hwnd, GWL_STYLE) & bits); ++i)
        SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~bits);
    const LRESULT result = CallOld(st, hwnd, WM_NCCALCSIZE, wp, lp);
    SetWindowLongPtrW(hwnd, GWL_STYLE, style);
    Bar* bars = st->bars;
    for (int bar = 0; bar < 2; ++bar) {
        if (style & (bar == 0 ? WS_HSCROLL : WS_VSCROLL)) {
            if (!(bars[bar].flags & kFlagWanted)) bars[bar].visible = TRUE;
            bars[bar].flags |= kFlagWanted;
        } else {
            bars[bar].flags &= ~kFlagWanted;
            bars[bar].visible = FALSE;
        }
    }
    NcLayoutInput in;
    in.proposed = FromRECT(proposed);
    in.client = FromRECT(*first);
    in.horz = {Metric(st, 0, 1), (bars[0].flags & kFlagWanted) != 0};
    in.vert = {Metric(st, 1, 1), (bars[1].flags & kFlagWanted) != 0};
    in.leftScrollBar = st->leftScrollBar != FALSE;
    in.rtl = IsRtl(hwnd);
    const NcLayout out = LayOutBars(in);
    st->borders = out.borders;
    bars[0].visible = out.horzVisible;
    bars[1].visible = out.vertVisible;
    *first = ToRECT(out.client);
    return result;
}

LRESULT NcHitTest(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    const Point p = Mirror(hwnd, {XOf(lp), YOf(lp)});
    if (st->bars[0].visible && BarScreenRect(hwnd, st, 0).Contains(p)) return HTHSCROLL;
    if (st->bars[1].visible && BarScreenRect(hwnd, st, 1).Contains(p)) return HTVSCROLL;
    return CallOld(st, hwnd, WM_NCHITTEST, wp, lp);
}

// --- tracking -------------------------------------------------------------------

// Part under a screen point of a bar, with the thumb of the bar's data.
int HitBar(HWND hwnd, State* st, int bar, Point screen) {
    const bool vertical = IsVertical(st, bar);
    Rect r = BarScreenRect(hwnd, st, bar);
    if (vertical) {
        r = Swap(r);
        screen = Swap(screen);
    }
    const Bar& b = st->bars[bar];
    const int arrow = Metric(st, bar, 0);
    return HitTest(r, arrow, CalcThumb(r.left, r.right, arrow, b.info, b.minThumb), screen);
}

void SendScroll(HWND hwnd, State* st, int code, int pos) {
    const WPARAM wp = MAKEWPARAM(code, WORD(pos));
    if (st->kind == 2)
        SendMessageW(GetParent(hwnd), g_track.scrollMessage, wp, reinterpret_cast<LPARAM>(hwnd));
    else
        SendMessageW(hwnd, g_track.scrollMessage, wp, 0);
}

Point MessagePoint(HWND hwnd) {
    const DWORD pos = GetMessagePos();
    return Mirror(hwnd, {short(LOWORD(pos)), short(HIWORD(pos))});
}

LRESULT ButtonDown(HWND hwnd, State* st, UINT msg, WPARAM hit, LPARAM lp) {
    Point p{XOf(lp), YOf(lp)};
    const WPARAM originalWp = hit;
    if (st->kind == 2) {
        POINT sp{p.x, p.y};
        ClientToScreen(hwnd, &sp);
        p = {sp.x, sp.y};
        hit = st->bars[1].type == 1 ? HTVSCROLL : HTHSCROLL;
    }
    p = Mirror(hwnd, p);
    g_track.window = hwnd;
    int bar;
    if (hit == HTHSCROLL) {
        bar = 0;
        g_track.scrollMessage = WM_HSCROLL;
    } else if (hit == HTVSCROLL) {
        bar = 1;
        g_track.scrollMessage = WM_VSCROLL;
    } else {
        g_track.pressed = part::kNone;
        return CallOld(st, hwnd, msg, originalWp, lp);
    }
    const int hitPart = HitBar(hwnd, st, bar, p);
    if (hitPart == part::kNone) {
        g_track.pressed = part::kNone;
        return CallOld(st, hwnd, msg, originalWp, lp);
    }
    g_track.bar = bar;
    g_track.pressed = hitPart;
    g_track.lastHit = hitPart;
    Bar& b = st->bars[bar];
    const bool active = IsActive(b.info);
    if (hitPart != part::kThumb) {
        if (active) {
            SendScroll(hwnd, st, hitPart, 0);
            g_track.shown = hitPart;
            RepaintBar(hwnd, st, bar, hitPart);
            g_track.repeatTimer = kScrollTimerDelay;
            SetTimer(hwnd, kScrollTimerDelay, 300, nullptr);
        }
        SetCapture(hwnd);
        return 0;
    }
    if (!active) return 0;
    const bool vertical = IsVertical(st, bar);
    Rect r = BarScreenRect(hwnd, st, bar);
    Point along = p;
    if (vertical) {
        r = Swap(r);
        along = Swap(p);
    }
    const int arrow = Metric(st, bar, 0);
    const Thumb t = CalcThumb(r.left, r.right, arrow, b.info, b.minThumb);
    g_track.drag = {r, arrow, t.length, along.x - t.start, t.start};
    st->tracking = TRUE;
    b.info.nTrackPos = b.info.nPos;
    g_track.lastPosition = b.info.nPos;
    g_track.shown = part::kThumb;
    SendScroll(hwnd, st, SB_THUMBTRACK, b.info.nPos);
    RepaintBar(hwnd, st, bar, part::kThumb);
    SetCapture(hwnd);
    return 0;
}

// One drag step: the thumb drawn where the point puts it, the position sent
// when it changed.
void ThumbTrack(HWND hwnd, State* st, Point screen) {
    const int bar = g_track.bar;
    if (bar < 0) return;
    const bool vertical = IsVertical(st, bar);
    Bar& b = st->bars[bar];
    const Point along = vertical ? Swap(screen) : screen;
    const DragResult r = DragThumb(g_track.drag, b.info, along);
    // Repaint from the new thumb start: the data's position is untouched
    // until the owner answers, so the plan takes a position that puts the
    // thumb where the point is.
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    const Drag& d = g_track.drag;
    const int trackLeft = d.bar.left + d.arrow, trackRight = d.bar.right - d.arrow;
    const int id = int(GetWindowLongPtrW(hwnd, GWLP_ID));
    const RECT zero{};
    const LPARAM barType = vertical ? 1 : 0;
    auto place = [&](int begin, int end) {
        Rect piece{begin, d.bar.top, end, d.bar.bottom};
        if (vertical) piece = Swap(piece);
        if (st->kind == 2) {
            RECT cwr{};
            GetWindowRect(hwnd, &cwr);
            piece = piece.Offset(-cwr.left, -cwr.top);
        } else {
            piece = piece.Offset(-wr.left, -wr.top);
        }
        return ToRECT(piece);
    };
    {
        WindowDC dcOwner(hwnd, st->kind != 2);
        const HDC dc = dcOwner.Get();
        const bool custom = Notify(hwnd, CDDS_PREPAINT, 0, dc, zero, 0, 0, barType) == CDRF_SKIPDEFAULT;
        const struct {
            int code;
            int begin, end;
            unsigned state;
        } pieces[] = {{part::kTrackBefore, trackLeft, r.thumbStart, state::kDefault},
                      {part::kTrackAfter, r.thumbStart + d.thumbLength, trackRight, state::kDefault},
                      {part::kThumb, r.thumbStart, r.thumbStart + d.thumbLength, state::kSelected}};
        for (const auto& p : pieces) {
            const RECT rc = place(p.begin, p.end);
            if (custom)
                Notify(hwnd, CDDS_ITEMPREPAINT, WPARAM(id), dc, rc, DWORD_PTR(p.code), p.state, barType);
            else
                DrawSystemPart(dc, rc, p.code, p.state, vertical, b.style);
        }
        if (r.position != g_track.lastPosition) {
            b.info.nTrackPos = r.position;
            SendScroll(hwnd, st, SB_THUMBTRACK, r.position);
        }
        g_track.lastPosition = r.position;
        Notify(hwnd, CDDS_POSTPAINT, 0, dc, zero, 0, 0, barType);
    }
}

// The pressed part follows the pointer in and out of it.
void FollowPress(HWND hwnd, State* st, Point screen) {
    const int bar = g_track.bar;
    if (bar < 0) return;
    const int hit = HitBar(hwnd, st, bar, screen);
    const bool changed = hit != g_track.lastHit;
    if (hit == g_track.pressed) {
        g_track.shown = g_track.pressed;
        if (changed) RepaintBar(hwnd, st, bar, g_track.shown);
    } else {
        g_track.shown = part::kNone;
        if (changed) RepaintBar(hwnd, st, bar, part::kNone);
    }
    g_track.lastHit = hit;
}

LRESULT MouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    if (st->tracking && g_track.window == hwnd) {
        ThumbTrack(hwnd, st, MessagePoint(hwnd));
        return 0;
    }
    if (g_track.window == hwnd && g_track.pressed != part::kNone) {
        FollowPress(hwnd, st, MessagePoint(hwnd));
        return 0;
    }
    return CallOld(st, hwnd, WM_MOUSEMOVE, wp, lp);
}

LRESULT ButtonUp(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    if (g_track.window != hwnd || g_track.pressed == part::kNone) return CallOld(st, hwnd, WM_LBUTTONUP, wp, lp);
    ReleaseCapture();
    const int pressed = g_track.pressed;
    const int bar = g_track.bar;
    if (pressed >= 0 && pressed <= 3) {
        KillTimer(hwnd, kScrollTimerDelay);
        KillTimer(hwnd, kScrollTimerRepeat);
    }
    if (pressed == part::kThumb && st->tracking) {
        SendScroll(hwnd, st, SB_THUMBPOSITION, g_track.lastPosition);
        st->tracking = FALSE;
    }
    g_track.pressed = g_track.shown = part::kNone;
    g_track.bar = -1;
    if ((pressed >= 0 && pressed <= 3) || pressed == part::kThumb) {
        SendScroll(hwnd, st, SB_ENDSCROLL, 0);
        RepaintBar(hwnd, st, bar, part::kNone);
    }
    g_track.repeatTimer = 0;
    g_track.scrollMessage = 0;
    PostMessageW(hwnd, WM_CAPTURECHANGED, 0, -1);
    return 0;
}

LRESULT Timer(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    const bool ours = g_track.window == hwnd;
    if (!ours || (g_track.repeatTimer == 0 && g_track.hoverTimer == 0)) return CallOld(st, hwnd, WM_TIMER, wp, lp);
    if (wp == kScrollTimerDelay) {
        KillTimer(hwnd, kScrollTimerDelay);
        g_track.repeatTimer = kScrollTimerRepeat;
        SetTimer(hwnd, kScrollTimerRepeat, 55, nullptr);
        return 0;
    }
    if (wp == kScrollTimerRepeat) {
        POINT c{};
        GetCursorPos(&c);
        FollowPress(hwnd, st, Mirror(hwnd, {c.x, c.y}));
        if (g_track.shown != part::kNone) SendScroll(hwnd, st, g_track.shown, 0);
        return 0;
    }
    if (wp == kScrollTimerHover) {
        if (st->tracking) return 0;
        POINT c{};
        GetCursorPos(&c);
        const Point p = Mirror(hwnd, {c.x, c.y});
        if (g_track.hotBar < 0 || !g_track.hotRect.Contains(p)) {
            KillTimer(hwnd, kScrollTimerHover);
            g_track.hoverTimer = 0;
            g_track.hotBar = -1;
            g_track.hotPart = g_track.previousHot = part::kNone;
            if (st->kind == 2)
                RepaintBar(hwnd, st, ControlBar(st), part::kNone);
            else
                SendMessageW(hwnd, WM_NCPAINT, 1, 0);
            return 0;
        }
        g_track.hotPart = HitBar(hwnd, st, g_track.hotBar, p);
        if (g_track.hotPart != g_track.previousHot) RepaintBar(hwnd, st, g_track.hotBar, ShownPressed(g_track.hotBar));
        g_track.previousHot = g_track.hotPart;
        return 0;
    }
    return CallOld(st, hwnd, WM_TIMER, wp, lp);
}

LRESULT NcMouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    g_track.window = hwnd;
    int bar = -1;
    if (wp == HTHSCROLL) bar = 0;
    if (wp == HTVSCROLL) bar = 1;
    if (bar >= 0 && g_track.hotBar != bar && BarShown(st, bar)) {
        g_track.hotPart = g_track.previousHot = part::kNone;
        g_track.hotRect = BarScreenRect(hwnd, st, bar);
        g_track.hotBar = bar;
        g_track.hoverTimer = kScrollTimerHover;
        SetTimer(hwnd, kScrollTimerHover, 20, nullptr);
        if (st->kind == 2)
            RepaintBar(hwnd, st, bar, ShownPressed(bar));
        else
            SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    }
    return CallOld(st, hwnd, WM_NCMOUSEMOVE, wp, lp);
}

// A scroll-bar control gets no WM_NCMOUSEMOVE over its bar: its client
// mouse moves start hot tracking the same way.
LRESULT ControlMouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    if ((st->tracking && g_track.window == hwnd) || (g_track.window == hwnd && g_track.pressed != part::kNone))
        return MouseMove(hwnd, st, wp, lp);
    const int bar = ControlBar(st);
    if (g_track.hotBar != bar || g_track.window != hwnd) {
        g_track.window = hwnd;
        g_track.hotPart = g_track.previousHot = part::kNone;
        g_track.hotRect = BarScreenRect(hwnd, st, bar);
        g_track.hotBar = bar;
        g_track.hoverTimer = kScrollTimerHover;
        SetTimer(hwnd, kScrollTimerHover, 20, nullptr);
    }
    return CallOld(st, hwnd, WM_MOUSEMOVE, wp, lp);
}

int HitCode(HWND hwnd, WPARAM wp, LPARAM lp) {
    if (wp != 0) return int(wp);
    return int(SendMessageW(hwnd, WM_NCHITTEST, 0, lp));
}

void ForgetWindow(HWND hwnd) {
    if (g_track.window == hwnd) g_track = Tracking{};
}

LRESULT CALLBACK SkinScrollbarWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    State* st = StateOf(hwnd);
    // Our block is gone while a later subclasser still calls us: keep the
    // window alive by forwarding to the procedure we replaced.
    if (!st) return ForwardOrphanMessage(hwnd, &SkinScrollbarWndProc, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        const LRESULT result = CallOld(st, hwnd, msg, wp, lp);
        UninitSkinScrollbars(hwnd);
        ForgetOrphanLink(hwnd, &SkinScrollbarWndProc);
        ForgetWindow(hwnd);
        return result;
    }
    if (st->bars[0].flags & kFlagSuspended) return CallOld(st, hwnd, msg, wp, lp);
    const bool windowBars = st->kind == 1;
    switch (msg) {
    case WM_NCCALCSIZE:
        if (windowBars && lp) return NcCalcSize(hwnd, st, wp, lp);
        break;
    case WM_NCPAINT:
        if (windowBars) return NcPaint(hwnd, st, wp);
        break;
    case WM_PAINT:
        if (!windowBars) return ControlPaint(hwnd, st);
        break;
    case WM_PRINT:
        if (windowBars) return Print(hwnd, st, wp, lp);
        break;
    case WM_NCHITTEST:
        if (windowBars) return NcHitTest(hwnd, st, wp, lp);
        break;
    case WM_NCLBUTTONDOWN: return ButtonDown(hwnd, st, msg, WPARAM(HitCode(hwnd, wp, lp)), lp);
    case WM_NCLBUTTONDBLCLK: {
        const int code = HitCode(hwnd, wp, lp);
        if (code == HTHSCROLL || code == HTVSCROLL) return ButtonDown(hwnd, st, msg, WPARAM(code), lp);
        break;
    }
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        if (wp == HTHSCROLL || wp == HTVSCROLL) return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!windowBars) return ButtonDown(hwnd, st, msg, wp, lp);
        break;
    case WM_LBUTTONUP: return ButtonUp(hwnd, st, wp, lp);
    case WM_MOUSEMOVE: return windowBars ? MouseMove(hwnd, st, wp, lp) : ControlMouseMove(hwnd, st, wp, lp);
    case WM_NCMOUSEMOVE: return NcMouseMove(hwnd, st, wp, lp);
    case WM_NCMOUSELEAVE:
        if (windowBars) {
            // Wine ends its own bars' hover tracking here by painting its
            // bar: ours go back on top.
            const LRESULT result = CallOld(st, hwnd, msg, wp, lp);
            for (int bar = 0; bar < 2; ++bar)
                if (st->bars[bar].visible) RepaintBar(hwnd, st, bar, ShownPressed(bar));
            return result;
        }
        break;
    case WM_TIMER: return Timer(hwnd, st, wp, lp);
    case WM_STYLECHANGED:
        if (int(wp) == GWL_EXSTYLE && lp)
            st->leftScrollBar = (reinterpret_cast<const STYLESTRUCT*>(lp)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
        break;
    case SBM_SETPOS: {
        SkinSetScrollPos(hwnd, ControlBar(st), int(wp), BOOL(lp));
        return CallOld(st, hwnd, msg, wp, 0);
    }
    case SBM_SETSCROLLINFO: {
        SkinSetScrollInfo(hwnd, ControlBar(st), reinterpret_cast<const SCROLLINFO*>(lp), BOOL(wp));
        return CallOld(st, hwnd, msg, 0, lp);
    }
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        // The control's own range change would paint the system bar.
        const LRESULT result = CallOld(st, hwnd, SBM_SETRANGE, wp, lp);
        SkinSetScrollRange(hwnd, ControlBar(st), int(wp), int(lp), msg == SBM_SETRANGEREDRAW);
        return result;
    }
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_SETICON: {
        // The system repaints its own bars during these: ours go over them.
        const LRESULT result = CallOld(st, hwnd, msg, wp, lp);
        if (!windowBars)
            InvalidateRect(hwnd, nullptr, FALSE);
        else if (StateOf(hwnd) == st && !PaintOverSystemOverhang(hwnd, st))
            PaintWindowBars(hwnd, st);
        return result;
    }
    default: break;
    }
    return CallOld(st, hwnd, msg, wp, lp);
}

void ReadBar(HWND hwnd, int which, Bar* bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (GetScrollInfo(hwnd, which, &si)) bar->info = {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
}

template <class F>
BOOL ForBars(HWND hwnd, int bar, F f) {
    State* st = StateOf(hwnd);
    if (!st) return FALSE;
    if (bar == 0 || bar == 3) f(st->bars[0]);
    if (bar == 1 || bar == 3) f(st->bars[1]);
    return TRUE;
}

int EngineBar(const State* st, int bar) {
    // SB_CTL on a control means its used bar.
    if (st->kind == 2 && bar == SB_CTL) return ControlBar(st);
    return bar;
}

} // namespace

BOOL InitSkinScrollbars(HWND hwnd, BOOL windowBars) {
    if (!hwnd || StateOf(hwnd)) return FALSE;
    auto st = std::make_unique<State>();
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (windowBars) {
        ReadBar(hwnd, SB_HORZ, &st->bars[0]);
        ReadBar(hwnd, SB_VERT, &st->bars[1]);
        st->leftScrollBar = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
        if (style & WS_HSCROLL) st->bars[0].flags |= kFlagWanted;
        if (style & WS_VSCROLL) st->bars[1].flags |= kFlagWanted;
        st->bars[0].flags |= kFlagAutoHide;
        st->bars[1].flags |= kFlagAutoHide;
        st->bars[0].type = 0;
        st->bars[1].type = 1;
        st->kind = 1;
    } else {
        const bool vertical = (style & SBS_VERT) != 0;
        Bar& used = st->bars[vertical ? 1 : 0];
        used.flags = kFlagWanted | kFlagAutoHide;
        used.visible = TRUE;
        ReadBar(hwnd, SB_CTL, &used);
        st->bars[0].type = vertical ? -1 : 0;
        st->bars[1].type = vertical ? 1 : -1;
        st->kind = 2;
    }
    for (Bar& b : st->bars) {
        b.style = 0;
        b.arrow = b.thickness = -1;
        b.minThumb = GetDefaultMinThumbSize();
    }
    State* raw = st.release();
    SetPropW(hwnd, kStateProp, raw);
    RecordState(hwnd, raw);
    // Our procedure may still be in the chain from an earlier block.
    raw->old = AttachWindowProc(hwnd, &SkinScrollbarWndProc);
    return TRUE;
}

HRESULT UninitSkinScrollbars(HWND hwnd) {
    State* st = StateOf(hwnd);
    if (!st) return E_FAIL;
    std::unique_ptr<State> owned(st);
    DetachWindowProc(hwnd, &SkinScrollbarWndProc, st->old); // kept when a later subclasser leads to us
    RemovePropW(hwnd, kStateProp);
    RecordState(hwnd, nullptr);
    if (g_track.window == hwnd) {
        KillTimer(hwnd, kScrollTimerDelay);
        KillTimer(hwnd, kScrollTimerRepeat);
        KillTimer(hwnd, kScrollTimerHover);
        ForgetWindow(hwnd);
    }
    return S_OK;
}

BOOL IsSkinScrollbarWindow(HWND hwnd) { return StateOf(hwnd) != nullptr; }

BOOL IsSkinScrollThumbTracking(HWND hwnd) {
    const State* st = StateOf(hwnd);
    return st ? st->tracking : FALSE;
}

int SkinSetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (!info) return 0;
    State* st = StateOf(hwnd);
    if (st) bar = EngineBar(st, bar);
    if (!st || (bar != 0 && bar != 1)) return SetScrollInfo(hwnd, bar, info, redraw);
    Bar& b = st->bars[bar];
    const ScrollData given{info->nMin, info->nMax, info->nPage, info->nPos, info->nTrackPos};
    const SetInfoResult r = ApplyScrollInfo(b.info, info->fMask, given);
    if (!r.changed) return 0;
    const int trackPos = b.info.nTrackPos;
    b.info = r.data;
    b.info.nTrackPos = trackPos;
    if ((b.flags & kFlagAutoHide) && b.info.nMin == 0 && b.info.nMax == 0 && st->kind == 1) {
        if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & 0x1000)) SkinShowScrollBar(hwnd, bar, FALSE);
    } else if (redraw && !st->tracking) {
        RepaintBar(hwnd, st, bar, ShownPressed(bar));
    }
    return b.info.nPos;
}

BOOL SkinGetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (!info) return FALSE;
    State* st = StateOf(hwnd);
    if (st) bar = EngineBar(st, bar);
    if (!st || (bar != 0 && bar != 1)) return GetScrollInfo(hwnd, bar, info);
    const ScrollData& d = st->bars[bar].info;
    bool any = false;
    if (info->fMask & SIF_PAGE) info->nPage = d.nPage, any = true;
    if (info->fMask & SIF_POS) info->nPos = d.nPos, any = true;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = d.nTrackPos, any = true;
    if (info->fMask & SIF_RANGE) info->nMin = d.nMin, info->nMax = d.nMax, any = true;
    return any;
}

int SkinSetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    State* st = StateOf(hwnd);
    if (st) bar = EngineBar(st, bar);
    if (!st || (bar != 0 && bar != 1)) return SetScrollPos(hwnd, bar, pos, redraw);
    Bar& b = st->bars[bar];
    const int previous = b.info.nPos;
    b.info.nPos = ClampPosition(b.info, pos);
    if (redraw && !st->tracking) RepaintBar(hwnd, st, bar, ShownPressed(bar));
    return previous;
}

int SkinGetScrollPos(HWND hwnd, int bar) {
    State* st = StateOf(hwnd);
    if (st) bar = EngineBar(st, bar);
    if (!st || (bar != 0 && bar != 1)) return GetScrollPos(hwnd, bar);
    return st->bars[bar].info.nPos;
}

BOOL SkinGetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    if (!minPos || !maxPos) return FALSE;
    State* st = StateOf(hwnd);
    if (st) bar = EngineBar(st, bar);
    if (!st || (bar != 0 && bar != 1)) return GetScrollRange(hwnd, bar, minPos, maxPos);
    *minPos = st->bars[bar].info.nMin;
    *maxPos = st->bars[bar].info.nMax;
    return TRUE;
}

int SkinSetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    State* st = StateOf(hwnd);
    if (st) bar = EngineBar(st, bar);
    if (!st || (bar != 0 && bar != 1)) return SetScrollRange(hwnd, bar, minPos, maxPos, redraw);
    Bar& b = st->bars[bar];
    if (st->tracking) return b.info.nPos;
    b.info.nMin = minPos;
    b.info.nMax = maxPos;
    if (redraw) RepaintBar(hwnd, st, bar, ShownPressed(bar));
    return 1;
}

BOOL SkinShowScrollBar(HWND hwnd, int bar, BOOL show) {
    State* st = StateOf(hwnd);
    if (!st) return ShowScrollBar(hwnd, bar, show);
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    for (int b = 0; b < 2; ++b) {
        if (!(bar == b || bar == 3)) continue;
        const LONG_PTR bit = b == 0 ? WS_HSCROLL : WS_VSCROLL;
        if (show) {
            st->bars[b].flags |= kFlagWanted;
            style |= bit;
        } else {
            st->bars[b].flags &= ~kFlagWanted;
            style &= ~bit;
        }
    }
    SetWindowLongPtrW(hwnd, GWL_STYLE, style);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL SkinEnableScrollBar(HWND hwnd, int bar, UINT arrows) {
    const BOOL result = EnableScrollBar(hwnd, bar, arrows);
    // The system repaints its own bar into the area the skinned one uses.
    if (State* st = StateOf(hwnd)) {
        const int first = bar == SB_BOTH ? 0 : EngineBar(st, bar);
        const int last = bar == SB_BOTH ? 1 : first;
        for (int b = first; b <= last && b <= 1; ++b) RepaintBar(hwnd, st, b, ShownPressed(b));
    }
    return result;
}

BOOL SetSkinScrollBarSize(HWND hwnd, int bar, int arrowLength, int thickness) {
    auto valid = [](int v) { return v != 0 && v >= -8 && v <= 256; };
    if (!valid(arrowLength) || !valid(thickness)) return FALSE;
    return ForBars(hwnd, bar, [&](Bar& b) {
        b.arrow = arrowLength;
        b.thickness = thickness;
    });
}

BOOL SetSkinScrollBarStyle(HWND hwnd, int bar, UINT style) {
    const BOOL done = ForBars(hwnd, bar, [&](Bar& b) { b.style = style; });
    if (done) RedrawSkinScrollbars(hwnd, FALSE, bar);
    return done;
}

BOOL SuspendSkinScrollbars(HWND hwnd, BOOL suspend) {
    return ForBars(hwnd, 3, [&](Bar& b) {
        if (suspend)
            b.flags |= kFlagSuspended;
        else
            b.flags &= ~kFlagSuspended;
    });
}

BOOL SetSkinScrollBarAutoHide(HWND hwnd, int bar, BOOL on) {
    return ForBars(hwnd, bar, [&](Bar& b) {
        if (on)
            b.flags |= kFlagAutoHide;
        else
            b.flags &= ~kFlagAutoHide;
    });
}

BOOL SetSkinScrollBarMinThumbSize(HWND hwnd, int bar, int size) {
    if (size == -1) size = GetDefaultMinThumbSize();
    return ForBars(hwnd, bar, [&](Bar& b) { b.minThumb = size; });
}

void RedrawSkinScrollbars(HWND hwnd, BOOL frameChanged, int bar) {
    State* st = StateOf(hwnd);
    if (!st || frameChanged) return;
    if (bar == 0 || bar == 3) RepaintBar(hwnd, st, 0, ShownPressed(0));
    if (bar == 1 || bar == 3) RepaintBar(hwnd, st, 1, ShownPressed(1));
}

int GetDefaultMinThumbSize() {
    const DWORD version = GetVersion();
    if ((version & 0x80000000u) || LOBYTE(LOWORD(version)) < 5) return 8;
    return 6;
}

bool GetSkinScrollBarWindowRect(HWND hwnd, int bar, BOOL client, RECT* out) {
    if (!out) return false;
    SetRectEmpty(out);
    State* st = StateOf(hwnd);
    if (!st || (bar != 0 && bar != 1) || !BarShown(st, bar)) return false;
    const Rect r = BarScreenRect(hwnd, st, bar);
    if (client) {
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        *out = ToRECT(r.Offset(-origin.x, -origin.y));
    } else {
        RECT wr{};
        GetWindowRect(hwnd, &wr);
        *out = ToRECT(r.Offset(-wr.left, -wr.top));
    }
    return true;
}

BOOL IsSkinScrollSuspended(HWND hwnd) {
    const State* st = StateOf(hwnd);
    return st && (st->bars[0].flags & kFlagSuspended) ? TRUE : FALSE;
}

void SyncSkinScrollbars(HWND hwnd, BOOL force) {
    State* st = StateOf(hwnd);
    if (!st || st->kind != 1) return;
    (void)force;
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    for (int bar = 0; bar < 2; ++bar) {
        Bar& b = st->bars[bar];
        if (style & (bar == 0 ? WS_HSCROLL : WS_VSCROLL)) {
            b.flags |= kFlagWanted;
        } else {
            b.flags &= ~kFlagWanted;
            b.visible = FALSE;
        }
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        if (!GetScrollInfo(hwnd, bar, &si)) continue;
        if (si.nMin < 0) {
            si.nMax -= si.nMin;
            si.nPos -= si.nMin;
            si.nMin = 0;
            SetScrollInfo(hwnd, bar, &si, FALSE);
        }
        if (si.nMin != b.info.nMin || si.nMax != b.info.nMax || si.nPage != b.info.nPage || si.nPos != b.info.nPos)
            SkinSetScrollInfo(hwnd, bar, &si, FALSE);
    }
    SetSkinScrollBarMinThumbSize(hwnd, 3, GetDefaultMinThumbSize());
    // The system paints its own bar into our area on its scroll calls
    // whether or not the data changed: every sync repaints what is shown.
    if (st->tracking || PaintOverSystemOverhang(hwnd, st)) return;
    for (int bar = 0; bar < 2; ++bar)
        if (st->bars[bar].visible) RepaintBar(hwnd, st, bar, ShownPressed(bar));
}
