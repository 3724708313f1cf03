// Presses, thumb drags, auto-repeat and hot tracking on the engine's bars.
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

thread_local Tracking g_track;

namespace {

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

} // namespace

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
    Bar& b = st->bars[bar];
    // An inactive bar does nothing on any press and takes no capture: no
    // press is recorded, or the window's own mouse moves would be taken for
    // the press's.
    if (!IsActive(b.info)) {
        g_track.pressed = part::kNone;
        return 0;
    }
    g_track.bar = bar;
    g_track.pressed = hitPart;
    g_track.lastHit = hitPart;
    if (hitPart != part::kThumb) {
        SendScroll(hwnd, st, hitPart, 0);
        g_track.shown = hitPart;
        RepaintBar(hwnd, st, bar, hitPart);
        g_track.repeatTimer = kScrollTimerDelay;
        SetTimer(hwnd, kScrollTimerDelay, 300, nullptr);
        SetCapture(hwnd);
        return 0;
    }
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

namespace {

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

} // namespace

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

namespace {

// Ends hot tracking on a window: its hover timer killed, its bars drawn
// normal again.
void StopHover(HWND hwnd, State* st) {
    KillTimer(hwnd, kScrollTimerHover);
    if (g_track.window == hwnd) {
        g_track.hoverTimer = 0;
        g_track.hotBar = -1;
        g_track.hotPart = g_track.previousHot = part::kNone;
    }
    if (!st) return;
    if (st->kind == 2)
        RepaintBar(hwnd, st, ControlBar(st), part::kNone);
    else
        SendMessageW(hwnd, WM_NCPAINT, 1, 0);
}

// The pointer reached another window's bar: the window hot-tracked so far
// (whose hover timer may not have seen the pointer go) lets go first.
void LeaveHoveredWindow(HWND next) {
    const HWND previous = g_track.window;
    if (previous == next || !g_track.hoverTimer) return;
    g_track.window = next;
    g_track.hoverTimer = 0;
    g_track.hotBar = -1;
    g_track.hotPart = g_track.previousHot = part::kNone;
    if (previous && IsWindow(previous)) StopHover(previous, StateOf(previous));
}

} // namespace

LRESULT Timer(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    const bool ours = g_track.window == hwnd;
    // A hover timer of a window no longer tracked ends where it fires.
    if (wp == kScrollTimerHover && (!ours || g_track.hoverTimer == 0)) {
        StopHover(hwnd, st);
        return 0;
    }
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
            StopHover(hwnd, st);
            return 0;
        }
        g_track.hotPart = HitBar(hwnd, st, g_track.hotBar, p);
        if (g_track.hotPart != g_track.previousHot) RepaintBar(hwnd, st, g_track.hotBar, ShownPressed(g_track.hotBar));
        g_track.previousHot = g_track.hotPart;
        return 0;
    }
    return CallOld(st, hwnd, WM_TIMER, wp, lp);
}

namespace {
// Hot tracking starts on a bar of the window: its part is found by the
// hover timer, which also sees the pointer leave.
void StartHover(HWND hwnd, State* st, int bar) {
    g_track.window = hwnd;
    g_track.hotPart = g_track.previousHot = part::kNone;
    g_track.hotRect = BarScreenRect(hwnd, st, bar);
    g_track.hotBar = bar;
    g_track.hoverTimer = kScrollTimerHover;
    SetTimer(hwnd, kScrollTimerHover, 20, nullptr);
}
} // namespace

LRESULT NcMouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp) {
    LeaveHoveredWindow(hwnd);
    g_track.window = hwnd;
    int bar = -1;
    if (wp == HTHSCROLL) bar = 0;
    if (wp == HTVSCROLL) bar = 1;
    if (bar >= 0 && g_track.hotBar != bar && BarShown(st, bar)) {
        StartHover(hwnd, st, bar);
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
    LeaveHoveredWindow(hwnd);
    if (g_track.hotBar != bar || g_track.window != hwnd) StartHover(hwnd, st, bar);
    return CallOld(st, hwnd, WM_MOUSEMOVE, wp, lp);
}

int HitCode(HWND hwnd, WPARAM wp, LPARAM lp) {
    if (wp != 0) return int(wp);
    return int(SendMessageW(hwnd, WM_NCHITTEST, 0, lp));
}

void ForgetWindow(HWND hwnd) {
    if (g_track.window == hwnd) g_track = Tracking{};
}

} // namespace hexmoor::rt::engine
