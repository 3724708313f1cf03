#pragma once
// Region transforms used by frame sides and caption buttons. Each returns a
// new region the caller deletes, or null.

#include <windows.h>

HRGN ScaleRegion(HRGN region, float sx, float sy);
HRGN ScaleRegionToSize(HRGN region, RECT target, RECT source);
HRGN MirrorRegion(HRGN region, const RECT* bounds, BOOL horizontal);
// The region repeated from the origin over the destination's size, cut to
// (0, 0, width, height); an empty region for an empty tile or destination.
HRGN TileRegion(HRGN region, RECT dest, RECT tile);
HRGN CreateWidenedLineRegion(int x1, int y1, int x2, int y2, int width);
