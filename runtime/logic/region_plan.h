#pragma once
// Where copies of a tile region go when it is repeated over a destination:
// one copy per tile position from the origin, enough to cover the
// destination (one more column and row than fit whole; the caller's final
// intersection with the destination trims them).

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt {

// Offsets of the copies, columns outer and rows inner; none when the tile or
// the destination has no area (nothing to repeat, or nowhere to put it).
std::vector<Point> RegionTileOffsets(Size dest, Size tile);

} // namespace hexmoor::rt
