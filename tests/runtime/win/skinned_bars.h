#pragma once
// Helpers of the tests of controls that keep their own scroll data (list
// views, trees): the scroll-bar element with every part in its own colour,
// the engine's data against the control's real data for both bars, foreign
// pixels in the skinned bars, and driving the engine's bars with the mouse
// (arrow clicks and a thumb drag).
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <sstream>
#include <string>

#include "runtime/scroll/scroll_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/synthetic_skin.h"

namespace hexmoor::test {

// Every image of the scroll-bar element (type 5) in its own colour.
inline void AddBarImages(SyntheticSkin& skin) {
    for (int id = 42; id <= 101; ++id) skin.SolidImage(5, WORD(id), IdColour(id));
    for (int id = 814; id <= 841; ++id) skin.SolidImage(5, WORD(id), IdColour(id));
}

inline std::set<COLORREF> BarColours() {
    std::set<COLORREF> all;
    for (int id = 42; id <= 101; ++id) all.insert(IdColour(id));
    for (int id = 814; id <= 841; ++id) all.insert(IdColour(id));
    return all;
}

// The engine's range, page and position equal the control's own for both
// bars, and no pixel of the shown bars is outside the scroll-bar element's
// colours; empty when all holds, else what does not.
inline std::string BarFaults(HWND hwnd) {
    std::ostringstream faults;
    const PixelBuffer pixels = CaptureWindow(hwnd);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const char* name = bar == SB_VERT ? "vertical" : "horizontal";
        SCROLLINFO real{sizeof(real), SIF_ALL, 0, 0, 0, 0, 0}, engine{sizeof(engine), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(hwnd, bar, &real);
        if (!SkinGetScrollInfo(hwnd, bar, &engine)) {
            faults << name << ": the engine has no data; ";
            continue;
        }
        if ((engine.nMin != real.nMin || engine.nMax != real.nMax || engine.nPage != real.nPage ||
             engine.nPos != real.nPos))
            faults << name << ": engine " << engine.nMin << ".." << engine.nMax << " page " << engine.nPage << " pos "
                   << engine.nPos << ", control " << real.nMin << ".." << real.nMax << " page " << real.nPage << " pos "
                   << real.nPos << "; ";
        RECT r{};
        if (GetSkinScrollBarWindowRect(hwnd, bar == SB_VERT ? 1 : 0, FALSE, &r)) {
            const long foreign = Foreign(pixels, r, BarColours());
            if (foreign) faults << name << ": " << foreign << " foreign pixels in the bar; ";
        }
    }
    return faults.str();
}

// Waits until the bars are in step (BarFaults is empty): what the control
// posts to itself (resyncs) and the system's hover timers come first.
inline ::testing::AssertionResult BarsInStep(HWND hwnd) {
    std::string faults;
    if (WaitUntil([&] { return (faults = BarFaults(hwnd)).empty(); }, "bars in step", 2000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults;
}

inline POINT BarPointOnScreen(HWND hwnd, int x, int y) {
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    return {wr.left + x, wr.top + y};
}

// A click on the vertical bar's down arrow (or the horizontal bar's right
// arrow) of the engine.
inline bool ClickForwardArrow(HWND hwnd, int bar) {
    RECT r{};
    if (!GetSkinScrollBarWindowRect(hwnd, bar == SB_VERT ? 1 : 0, FALSE, &r)) return false;
    const POINT p = bar == SB_VERT ? BarPointOnScreen(hwnd, (r.left + r.right) / 2, r.bottom - 3)
                                   : BarPointOnScreen(hwnd, r.right - 3, (r.top + r.bottom) / 2);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, bar == SB_VERT ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    return true;
}

// Presses the engine's vertical thumb, drags it down by `pixels` and lets it
// go. False when the press did not start a thumb drag.
inline bool DragVerticalThumb(HWND hwnd, int pixels) {
    RECT r{};
    if (!GetSkinScrollBarWindowRect(hwnd, 1, FALSE, &r)) return false;
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    if (!SkinGetScrollInfo(hwnd, SB_VERT, &si)) return false;
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int track = (r.bottom - r.top) - 2 * arrow;
    const int range = si.nMax - si.nMin + 1;
    if (track <= 0 || range <= 0) return false;
    const int middle = r.top + arrow + int(double(track) * (si.nPos - si.nMin + si.nPage / 2.0) / range);
    const POINT press = BarPointOnScreen(hwnd, (r.left + r.right) / 2, middle);
    SetCursorPos(press.x, press.y);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
    if (!IsSkinScrollThumbTracking(hwnd)) {
        SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
        return false;
    }
    for (int step = 1; step <= 4; ++step) {
        SetCursorPos(press.x, press.y + pixels * step / 4);
        PostMessageW(hwnd, WM_MOUSEMOVE, 0, 0);
        PumpMessages();
    }
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    return true;
}

} // namespace hexmoor::test
