#pragma once
// What the skinned toolbar and status bar share: the element image drawn
// over a box (white under a GDI+ image so its alpha shows over white), the
// window and client rectangles in window coordinates, the non-client paint,
// the non-client calculation without the system's edges, and the name
// reset.

#include <windows.h>

#include <string>

class CMrgBitmap;
class CTWDraw;
class CTWWnd;

namespace hexmoor::rt {

// The element's image over the box; white first when it is a GDI+ image.
void DrawBarImage(CTWDraw& draw, const RECT& box, const CMrgBitmap* image);

// The window rectangle at (0, 0) and the client rectangle in the same window
// coordinates (left and right of the window exchanged for a right-to-left
// layout).
struct WindowAndClient {
    RECT window{0, 0, 0, 0};
    RECT client{0, 0, 0, 0};
    bool Same() const { return EqualRect(&window, &client) != FALSE; }
};
WindowAndClient BarRects(HWND hwnd);

// The non-client paint both bars share: a context on the given DC, or on the
// window's own DC when there is none, handed to the object's PaintBorder.
// Answers 0.
LRESULT PaintBarNonClient(CTWWnd& object, HWND hwnd, HDC dc);

// The default non-client calculation with the extended style cut down to
// its direction bits, so that it adds no edge; the style is put back after.
LRESULT DefaultCalcWithoutEdges(CTWWnd& object, HWND hwnd);

// A changed name replaces the element name and, with an explicit skin, looks
// the element up again.
void ResetBarElementName(CTWWnd& object, const std::wstring& name);

} // namespace hexmoor::rt
