#pragma once
// Which skinned-window object serves a window. The window property
// "TwfObject" stays the record others may read; the runtime's own lookups go
// to this process-wide mirror of it, because they run several times for
// every message a skinned window gets and, under Wine, each GetProp is a
// round trip to the server.

#include <windows.h>

class CTWWnd;

void RegisterWindowObject(HWND hwnd, CTWWnd* object);
// Forgets the window's entry when it still names `object`.
void UnregisterWindowObject(HWND hwnd, const CTWWnd* object);
// Forgets every entry naming `object` (it is going away).
void ForgetWindowObject(const CTWWnd* object);
CTWWnd* FindWindowObject(HWND hwnd);
