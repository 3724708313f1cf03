#include "runtime/logic/region_plan.h"

namespace hexmoor::rt {

std::vector<Point> RegionTileOffsets(Size dest, Size tile) {
    std::vector<Point> offsets;
    if (tile.cx <= 0 || tile.cy <= 0 || dest.cx <= 0 || dest.cy <= 0) return offsets;
    const int columns = dest.cx / tile.cx, rows = dest.cy / tile.cy;
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) offsets.push_back({i * tile.cx, j * tile.cy});
    return offsets;
}

} // namespace hexmoor::rt
