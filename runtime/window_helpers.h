#pragma once
// Small window probes, rectangle helpers at the Win32 boundary, and showing
// a window through its placement.

#include <windows.h>

#include "base/win/gdi.h"

namespace hexmoor::rt {

BOOL HasCaptionOrFrame(HWND hwnd);
BOOL IsLayoutRTL(HWND hwnd);
BOOL IsCommonDialogWindow(HWND hwnd);
// Per-pixel alpha frames are always supported where the runtime runs.
inline BOOL QueryAlphaSupport() { return TRUE; }
SIZE GetIconSize(HICON icon);
// The font the window was given (WM_GETFONT), or null.
HFONT WindowFont(HWND hwnd);
// The given font, else the stock GUI font (never null).
HFONT FontOrDefault(HFONT font);
// The description of the given font, else of the stock GUI font: a handle
// that is no font reads as the stock GUI font too.
LOGFONTW LogFontOrDefault(HFONT font);
// The window's font, else the stock GUI font (never null).
HFONT WindowFontOrDefault(HWND hwnd);
// The window's font, else the system font, which edits and combo boxes
// without a font of their own draw with (never null).
HFONT WindowFontOrSystem(HWND hwnd);
// A new font as the system's menus use (empty when the metrics cannot be
// read).
hexmoor::win::Font CreateSystemMenuFont();
// Adds or removes bits of a window's class style; removing clears only the
// bits the runtime added, never those the class had of its own.
void SetWindowClassStyle(HWND hwnd, DWORD bits, bool on);
// Shows a window through its placement: maximise and restore write the
// placement back (a restore's maximised position is the frame's overhang).
void ShowWindowByPlacement(HWND hwnd, int showCommand);
// The show command a restore writes into a placement with these flags and
// this show command.
UINT RestoreShowCommand(UINT placementFlags, UINT placementShowCommand);

} // namespace hexmoor::rt

// A cx by cy rectangle centred in the given one (odd remainders leave it one
// pixel larger).
RECT* CenterSizeInRect(RECT* out, int left, int top, int right, int bottom, int cx, int cy);
RECT CenteredRect(RECT* out, const RECT& rect, int cx, int cy);
RECT CenteredRect(RECT* out, int left, int top, int right, int bottom, int cx, int cy);
int MapLinear(int x0, int y0, int x1, int y1, double x);
POINT GetRectCenter(const RECT* rect);
int GetCornerHitCode(int left, int top, int right, int bottom, int x, int y);

// Alignment of content in a box by a 3 x 3 code (see runtime/logic/align.h).
RECT AlignRectInBox(int left, int top, int right, int bottom, const RECT& r, unsigned code);
