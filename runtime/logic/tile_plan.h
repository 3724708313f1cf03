#pragma once
// Tiling along one axis and over an area: which pieces of a source run are
// copied where. Pure arithmetic shared by the nine-part planner, bitmap
// tiling and region tiling.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt {

// One piece of a tiled run: `offset` from the start of the destination run,
// `length` pixels long, taken from `sourceOffset` into the source run.
struct TileSpan {
    int offset = 0;
    int length = 0;
    int sourceOffset = 0;
    friend bool operator==(const TileSpan&, const TileSpan&) = default;
};

// Repeats a source run of `sourceLength` pixels over `destLength` pixels,
// starting at the destination's start; the last piece is cut to what is left
// and shows the start of the source. Pieces of length 0 are not listed. An
// empty source or destination gives no pieces.
std::vector<TileSpan> TileRun(int sourceLength, int destLength);

// The same anchored at the far end: whole tiles end at the destination's end
// and the cut piece at the start shows the end of the source run.
std::vector<TileSpan> TileRunFar(int sourceLength, int destLength);

// A source area repeated over a destination rectangle: each entry is one copy
// (source rectangle inside `source`, destination rectangle inside `dest`),
// columns in the outer order and rows in the inner order.
struct TilePiece {
    Rect source;
    Rect dest;
    friend bool operator==(const TilePiece&, const TilePiece&) = default;
};
std::vector<TilePiece> TileArea(const Rect& source, const Rect& dest, bool farAligned = false);

} // namespace hexmoor::rt
