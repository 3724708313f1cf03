// The region seam of the skin model: window regions as GDI HRGN handles in
// the Windows tree and as rectangle lists in the native tree. Region data
// crosses this seam in the operating system's RGNDATA layout (32-byte header,
// then 16-byte rectangles), which is also how skin and region files store it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

#include "model/platform/handles.h"

namespace hexmoor::platform {

// True when data is a complete RGNDATA block: header size 32, type 1
// (rectangles), and 32 + 16 * count bytes present. Portable: no GDI call.
bool IsValidRegionData(std::span<const std::uint8_t> data);

// A region built from RGNDATA bytes; null when the block is not valid (it is
// checked first, because some GDI implementations read past a short buffer).
RegionHandle RegionFromData(std::span<const std::uint8_t> data);
// The RGNDATA bytes of a region; false when they cannot be read.
bool RegionToData(HRGN region, std::vector<std::uint8_t>* out);
// A rectangular region (left, top, right, bottom); empty when right <= left.
RegionHandle CreateRectRegion(LONG left, LONG top, LONG right, LONG bottom);
// An independent copy of a region; null for null.
RegionHandle DuplicateRegion(HRGN region);
// Joins part into region (union); false when either is null or the join
// fails, and region is then left as it was.
bool CombineRegionOr(RegionHandle& region, HRGN part);

} // namespace hexmoor::platform
