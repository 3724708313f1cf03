#pragma once
// The rules every skinned control window shares: the pass-through test at
// the top of its window procedure and the forwarding of background erasing
// to the skinned parent.

#include <windows.h>

class CTWWnd;

// True when the control's messages go to the window's own procedure
// unchanged: inactive object, skin id off, no element, or an element that is
// switched off and named "" or "Default".
bool PassesThrough(const CTWWnd& object);

// The skinned parent's background under the child (1 and nothing painted
// without a skinned parent).
LRESULT EraseWithParent(HWND self, HDC dc, HWND child, const RECT* rect);
