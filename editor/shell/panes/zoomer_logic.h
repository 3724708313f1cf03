#pragma once
// The Zoomer's arithmetic: where the magnified area sits on the screen and
// which part of the enlarged picture would show the pane itself.

#include "base/geometry.h"

namespace hexmoor::shell {

// The centre of the magnified area for a cursor position: kept far enough
// from the screen's edges that the W x H picture at factor f stays on the
// screen (a picture wider than the screen keeps its left or top edge on it).
Point ClampZoomCentre(Point cursor, int pictureW, int pictureH, int factor, int screenW, int screenH);

// The screen area copied: (W / f) x (H / f) pixels around the centre.
Rect ZoomSourceRect(Point centre, int pictureW, int pictureH, int factor);

// The part of the enlarged picture, in picture coordinates, that shows the
// pane's own picture (screen rectangle `own`): painted black so the pane
// never magnifies itself. Empty when the areas do not meet.
Rect ZoomBlackOut(const Rect& source, const Rect& own, int factor, int pictureW, int pictureH);

} // namespace hexmoor::shell
