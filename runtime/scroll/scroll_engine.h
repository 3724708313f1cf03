#pragma once
// The scroll-bar engine: lays out, hit-tests, tracks and paints a window's
// scroll bars itself (window bars) or a stand-alone scroll-bar control over
// its whole window (control bar). It keeps its own copy of the scroll data
// in a block under the window property "TwfSB" and sends NM_TWSB_CUSTOMDRAW
// for every part, so that the window's skinned object paints it from the
// skin; without an answer it draws a plain system look.
//
// Bars: 0 horizontal, 1 vertical, 3 both where allowed.

#include <windows.h>

// Timer ids the engine uses on every window it serves.
constexpr UINT_PTR kScrollTimerDelay = 65533;      // 300 ms before auto-repeat
constexpr UINT_PTR kScrollTimerRepeat = 65534;     // 55 ms auto-repeat
constexpr UINT_PTR kScrollTimerHover = 0xFFFFFFF2; // 20 ms hot-tracking poll

// Installs the engine; 1 when installed, 0 when the window already has it.
BOOL InitSkinScrollbars(HWND hwnd, BOOL windowBars);
// Puts the old procedure back (while ours is still current), frees the
// block; 0, or E_FAIL without a block.
HRESULT UninitSkinScrollbars(HWND hwnd);
BOOL IsSkinScrollbarWindow(HWND hwnd);
BOOL IsSkinScrollThumbTracking(HWND hwnd);

// Replacements of the system's scroll-data functions: they update the
// engine's data and repaint the skinned bar; without a block they call the
// system function.
int SkinSetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL SkinGetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SkinSetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int SkinGetScrollPos(HWND hwnd, int bar);
BOOL SkinGetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
int SkinSetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
BOOL SkinShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL SkinEnableScrollBar(HWND hwnd, int bar, UINT arrows);

BOOL SetSkinScrollBarSize(HWND hwnd, int bar, int arrowLength, int thickness);
BOOL SetSkinScrollBarStyle(HWND hwnd, int bar, UINT style);
BOOL SetSkinScrollBarAutoHide(HWND hwnd, int bar, BOOL on);
BOOL SetSkinScrollBarMinThumbSize(HWND hwnd, int bar, int size);
// frameChanged 0: repaints the bar (3 both) now; otherwise nothing.
void RedrawSkinScrollbars(HWND hwnd, BOOL frameChanged, int bar);
int GetDefaultMinThumbSize();
// True while the engine passes every message of the window through.
BOOL IsSkinScrollSuspended(HWND hwnd);

// The bar's rectangle relative to the window's outer top-left (client:
// FALSE) or in client coordinates; false when the bar is not shown.
bool GetSkinScrollBarWindowRect(HWND hwnd, int bar, BOOL client, RECT* out);

// The same (empty while the engine does not serve the window), in the form
// the frames and the menu bar ask for it.
void GetSkinScrollBarRect(RECT* out, HWND hwnd, int bar, BOOL clientCoordinates);
