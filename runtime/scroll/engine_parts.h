#pragma once
// The scroll-bar engine's inner parts, shared by its files: the block each
// window with skinned bars keeps (scroll_engine.cpp), the painting
// (scroll_paint.cpp), the tracking of presses, drags and hover
// (scroll_tracking.cpp) and the replacements of the system's scroll-data
// calls (scroll_data.cpp). Nothing outside runtime/scroll/ includes it.

#include <windows.h>

#include "base/geometry.h"
#include "base/win/rect.h"
#include "runtime/logic/scroll_geometry.h"
#include "runtime/subclass.h"

namespace hexmoor::rt::engine {

using namespace hexmoor::rt::scroll;

inline constexpr wchar_t kStateProp[] = L"TwfSB";

inline constexpr DWORD kFlagWanted = 8;     // the window style asks for the bar
inline constexpr DWORD kFlagAutoHide = 16;  // hide the bar when its range becomes 0..0
inline constexpr DWORD kFlagSuspended = 32; // on the horizontal bar: pass everything through

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
    Subclass subclass;
    Bar bars[2];
    BOOL tracking = FALSE;
    BOOL leftScrollBar = FALSE;
    Insets borders;
    int kind = 1; // 1 window bars, 2 control bar
};

// One press, drag or hover at a time on each GUI thread: the windows a
// thread's mouse input reaches are that thread's (the runtime serves several
// GUI threads, each with its own input).
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

// The engine's window procedure.
LRESULT CALLBACK SkinScrollbarWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The thread's press, drag or hover (scroll_tracking.cpp).
extern thread_local Tracking g_track;

// Signed coordinates of a mouse message.
inline int XOf(LPARAM lp) { return short(LOWORD(lp)); }
inline int YOf(LPARAM lp) { return short(HIWORD(lp)); }

inline LRESULT CallOld(State* st, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return st->subclass.CallPrevious(hwnd, msg, wp, lp);
}

inline Rect Swap(const Rect& r) { return {r.top, r.left, r.bottom, r.right}; }
inline Point Swap(Point p) { return {p.y, p.x}; }

inline bool IsRtl(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

inline bool IsVertical(const State* st, int bar) { return st->kind == 2 ? st->bars[1].type == 1 : bar == 1; }

// The control's used bar: 1 when the horizontal bar is unused.
inline int ControlBar(const State* st) { return st->bars[0].type != 0 ? 1 : 0; }

// scroll_engine.cpp
State* StateOf(HWND hwnd);
void RecordState(HWND hwnd, State* st);
int Metric(const State* st, int bar, int which);
Rect BarScreenRect(HWND hwnd, const State* st, int bar);
Rect CornerScreenRect(HWND hwnd, const State* st);
bool BarShown(const State* st, int bar);
Point Mirror(HWND hwnd, Point p);
LRESULT Notify(HWND hwnd, DWORD stage, WPARAM wp, HDC dc, const RECT& rc, DWORD_PTR item, UINT state, LPARAM barType);
void ReadBar(HWND hwnd, int which, Bar* bar);
int EngineBar(const State* st, int bar);

// scroll_paint.cpp
void DrawSystemPart(HDC dc, const RECT& rc, int code, unsigned itemState, bool vertical, UINT style);
int ShownPressed(int bar);
void RepaintBar(HWND hwnd, State* st, int bar, int pressed);
void PaintWindowBars(HWND hwnd, State* st);
LRESULT NcPaint(HWND hwnd, State* st, WPARAM wp);
bool PaintOverSystemOverhang(HWND hwnd, State* st);
LRESULT Print(HWND hwnd, State* st, WPARAM wp, LPARAM lp);
LRESULT ControlPaint(HWND hwnd, State* st);

// scroll_tracking.cpp
LRESULT ButtonDown(HWND hwnd, State* st, UINT msg, WPARAM hit, LPARAM lp);
LRESULT MouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp);
LRESULT ButtonUp(HWND hwnd, State* st, WPARAM wp, LPARAM lp);
LRESULT Timer(HWND hwnd, State* st, WPARAM wp, LPARAM lp);
LRESULT NcMouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp);
LRESULT ControlMouseMove(HWND hwnd, State* st, WPARAM wp, LPARAM lp);
int HitCode(HWND hwnd, WPARAM wp, LPARAM lp);
void ForgetWindow(HWND hwnd);

// Runs f on the window's bar or bars (SB_BOTH); false without a block.
template <class F>
BOOL ForBars(HWND hwnd, int bar, F f) {
    State* st = StateOf(hwnd);
    if (!st) return FALSE;
    if (bar == 0 || bar == 3) f(st->bars[0]);
    if (bar == 1 || bar == 3) f(st->bars[1]);
    return TRUE;
}

} // namespace hexmoor::rt::engine
