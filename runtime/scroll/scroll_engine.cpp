// The scroll-bar engine's block on each window, its window procedure, and
// what the rest of the runtime asks of it.
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

// Every message to a window with skinned bars asks for its block, often
// several times (this procedure, the form subclasser's suspension check).
// The window property stays the record others may read; the lookups go to
// this mirror of it, kept beside every SetProp and RemoveProp of the block,
// because under Wine each GetProp is a round trip to the server.
namespace {
std::mutex g_statesLock;
std::unordered_map<HWND, State*> g_states;
} // namespace

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

namespace {

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

} // namespace

// The engine's window procedure as a kind of subclasser: the window's block
// holds the link.
struct EngineProcedure {
    using Owner = State;
    static constexpr WNDPROC Entry = &SkinScrollbarWndProc;
    static State* Find(HWND hwnd) { return StateOf(hwnd); }
    static LRESULT Handle(State& st, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

LRESULT CALLBACK SkinScrollbarWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return RunSubclassed<EngineProcedure>(hwnd, msg, wp, lp);
}

LRESULT EngineProcedure::Handle(State& state, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    State* st = &state;
    if (msg == WM_NCDESTROY) {
        const LRESULT result = CallOld(st, hwnd, msg, wp, lp);
        UninitSkinScrollbars(hwnd);
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

int EngineBar(const State* st, int bar) {
    // SB_CTL on a control means its used bar.
    if (st->kind == 2 && bar == SB_CTL) return ControlBar(st);
    return bar;
}

} // namespace hexmoor::rt::engine

using namespace hexmoor::rt::engine;

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
    if (!st->subclass.Install(hwnd, &SkinScrollbarWndProc)) return FALSE;
    State* raw = st.release();
    SetPropW(hwnd, kStateProp, raw);
    RecordState(hwnd, raw);
    return TRUE;
}

HRESULT UninitSkinScrollbars(HWND hwnd) {
    State* st = StateOf(hwnd);
    if (!st) return E_FAIL;
    // Under a later subclasser our procedure keeps forwarding to the one we
    // replaced.
    st->subclass.Remove();
    RemovePropW(hwnd, kStateProp);
    RecordState(hwnd, nullptr);
    if (g_track.window == hwnd) {
        KillTimer(hwnd, kScrollTimerDelay);
        KillTimer(hwnd, kScrollTimerRepeat);
        KillTimer(hwnd, kScrollTimerHover);
        ForgetWindow(hwnd);
    }
    // Freed once no call of the engine's procedure over it is on the stack.
    DeleteWhenUnwound(std::unique_ptr<State>(st));
    return S_OK;
}

BOOL IsSkinScrollbarWindow(HWND hwnd) { return StateOf(hwnd) != nullptr; }

BOOL IsSkinScrollThumbTracking(HWND hwnd) {
    const State* st = StateOf(hwnd);
    return st ? st->tracking : FALSE;
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

void GetSkinScrollBarRect(RECT* out, HWND hwnd, int bar, BOOL clientCoordinates) {
    GetSkinScrollBarWindowRect(hwnd, bar, clientCoordinates, out);
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
