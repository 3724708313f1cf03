#pragma once
// Where the composition view puts its samples and its background picture,
// and the colour it paints behind them. Free of windows.

#include "base/geometry.h"
#include "model/platform/types.h"

namespace hexmoor::preview {

// The top-left corner that centres a window of the given size in the
// client rectangle: the differences halved by signed division (toward zero),
// so a window larger than the view overhangs both edges alike and an odd
// difference drops the half pixel toward the left (top) edge.
Point CentredOrigin(const Rect& client, Size window);
// Centring needs a client rectangle: one whose four coordinates are all 0
// (a view not yet sized) centres nothing.
constexpr bool CanCentre(const Rect& client) {
    return client.left != 0 || client.top != 0 || client.right != 0 || client.bottom != 0;
}

// Background picture positions.
enum class BackgroundPosition : int { kCenter = 0, kStretch = 1, kTile = 2 };

// The colour the view fills with. "Invert Color" (0xFFFFFFFF) and any value
// with a non-zero top byte is no GDI colour: it paints white (the stored
// setting keeps its value).
constexpr COLORREF PaintableBackground(COLORREF colour) { return (colour & 0xFF000000u) ? 0xFFFFFFu : colour; }

// What the picture adds over the colour fill.
struct PicturePlan {
    enum class Kind { kNone, kDraw, kTile } kind = Kind::kNone;
    Rect dest; // where the whole picture goes (kDraw) or the area tiled (kTile)
};
// The picture's place for a position value: Center at its own size with
// the differences halved toward zero, Stretch over the client, Tile over
// the client; any other value draws no picture.
PicturePlan PlanPicture(Size client, Size picture, int position);

} // namespace hexmoor::preview
