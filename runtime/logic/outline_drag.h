#pragma once
// Outline move and size: while the user drags, the window keeps its place and
// an outline follows the mouse; the window takes the outline's rectangle once,
// when the drag ends. These are the outline's rules, free of windows.

#include "base/geometry.h"

namespace hexmoor::rt {

// The outline after a sizing step: each edge moves by how far the proposed
// rectangle's edge lies from the reference (the rectangle the proposal was
// made from: the window's, which the frame gives back at every step).
Rect OutlineAfterSizing(const Rect& outline, const Rect& proposed, const Rect& reference);

// The outline after a moving step: offset by how far the proposed top-left
// lies from the window's current top-left.
Rect OutlineAfterMoving(const Rect& outline, Point proposedTopLeft, Point windowTopLeft);

// The strips of a drag outline `thickness` wide inside `r` (top, bottom, left,
// right; left and right between top and bottom, so no pixel is in two strips
// and an exclusive-or drawing of them twice leaves the screen as it was).
struct OutlineStrips {
    Rect strips[4];
};
OutlineStrips DragOutlineStrips(const Rect& r, int thickness);

} // namespace hexmoor::rt
