#pragma once
// The rules every skinned control window shares: the pass-through test at
// the top of its window procedure and the forwarding of background erasing
// to the skinned parent.

#include <windows.h>

#include <string>

class CTWWnd;

// True when the control's messages go to the window's own procedure
// unchanged: inactive object, skin id off, no element, or an element that is
// switched off and named "" or "Default".
bool PassesThrough(const CTWWnd& object);

// The skinned parent's background under the child (1 and nothing painted
// without a skinned parent).
LRESULT EraseWithParent(HWND self, HDC dc, HWND child, const RECT* rect);

// The element name replaced when it differs, and the element looked up again
// under it in the object's skin (the first half of a control's Reset).
void ResetElementByName(CTWWnd& object, const std::wstring& name);

// The window's own non-client calculation run with WS_BORDER taken out of
// its style and only the right-to-left and scroll-side bits left in its
// extended style, so that the skin's border sizes can replace the system's
// edges; both styles are put back afterwards.
LRESULT DefaultWithoutBorders(CTWWnd& object);
