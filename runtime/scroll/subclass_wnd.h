#pragma once
// The seam between a skinned window and the scroll-bar engine's subclasser
// that draws the window's own scroll bars from the skin. The engine and its
// subclassers implement it; a skinned window owns at most one.

#include <windows.h>

class CSubclassWnd {
public:
    virtual ~CSubclassWnd() = default;
    // Gives the window its own procedure back.
    virtual void Unsubclass() = 0;
    virtual void SetVertBarSize(int width, int arrowHeight) = 0;
    virtual void SetHorzBarSize(int height, int arrowWidth) = 0;
};

// Switches the engine's drawing of a window's scroll bars off (TRUE) or on.
// Nothing is drawn by the engine while it does not serve the window.
void SuspendSkinScrollbars(HWND hwnd, BOOL suspend);
