#pragma once
// Which skinned-window object serves a window. The window properties
// "TwfObject" (a control's object) and "TwfFrameObject" (a skinned frame's)
// stay the record others may read; the runtime's own lookups go to this
// process-wide mirror of them, because they run several times for every
// message a skinned window gets and, under Wine, each GetProp is a round trip
// to the server.

#include <windows.h>

class CTWWnd;

// Which of the two records an entry mirrors.
enum class WindowObjectRole { Control, Frame };

void RegisterWindowObject(HWND hwnd, CTWWnd* object, WindowObjectRole role = WindowObjectRole::Control);
// Forgets the window's entry when it still names `object`.
void UnregisterWindowObject(HWND hwnd, const CTWWnd* object, WindowObjectRole role = WindowObjectRole::Control);
// Forgets every entry naming `object`, in both records (it is going away).
void ForgetWindowObject(const CTWWnd* object);
CTWWnd* FindWindowObject(HWND hwnd, WindowObjectRole role = WindowObjectRole::Control);
