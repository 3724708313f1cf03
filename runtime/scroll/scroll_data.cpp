// The replacements of the system's scroll-data calls for windows whose bars
// the engine draws: the data is kept in the engine's block and the bars
// repainted.
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
using namespace hexmoor::rt::engine;

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
