#pragma once
// Where the previews and the image control put a picture, free of windows.

#include "base/geometry.h"

namespace hexmoor::preview {

// The picture box: a picture smaller than the view is shown at its natural
// size, centred; a larger one is scaled down (keeping its proportions) to
// fit and centred on both axes. Empty for an empty picture or view.
Rect FitImageRect(Size view, Size image);

// The image control: a picture at natural size, centred in the canvas
// (integer halves truncated toward zero), before the pan offset.
Rect CentredImageRect(Size canvas, Size image);

// One axis of a pan drag: the offset moves to proposed only when the picture
// is larger than the canvas on this axis and |proposed| stays within half
// the difference; otherwise it keeps current.
int PanAxis(int current, int proposed, int imageLength, int canvasLength);

// The image coordinate at a ruler's first pixel for one axis of the image
// control.
constexpr int RulerStartFor(int imageLength, int canvasLength, int panOffset) {
    return (imageLength - canvasLength) / 2 - panOffset;
}

} // namespace hexmoor::preview
