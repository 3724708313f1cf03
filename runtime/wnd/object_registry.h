#pragma once
// Which skinned-window object serves a window. The window properties
// "TwfObject" (a control's object) and "TwfFrameObject" (a skinned frame's)
// stay the record others may read; the runtime's own lookups go to this
// process-wide mirror of them, because they run several times for every
// message a skinned window gets and, under Wine, each GetProp is a round trip
// to the server.

#include <windows.h>

class CTWWnd;

// Which record an entry mirrors: "TwfObject", "TwfFrameObject" or
// "TwfMenuBarObject".
enum class WindowObjectRole { Control, Frame, MenuBar };

void RegisterWindowObject(HWND hwnd, CTWWnd* object, WindowObjectRole role = WindowObjectRole::Control);
// Forgets the window's entry when it still names `object`.
void UnregisterWindowObject(HWND hwnd, const CTWWnd* object, WindowObjectRole role = WindowObjectRole::Control);
// Forgets every entry naming `object`, in both records (it is going away).
void ForgetWindowObject(const CTWWnd* object);
CTWWnd* FindWindowObject(HWND hwnd, WindowObjectRole role = WindowObjectRole::Control);

// The lookups the runtime's objects make of one another: the window's own
// object ("TwfObject"), its frame's and its menu bar's; null when the window
// has none.
CTWWnd* GetSkinnedWindowObject(HWND hwnd);
CTWWnd* GetSkinnedFrameObject(HWND hwnd);
CTWWnd* GetSkinnedMenuBarObject(HWND hwnd);
// The control type of the window's object, -1 without one.
int GetSkinnedWindowType(HWND hwnd);
