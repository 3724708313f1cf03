#pragma once
// The copies the colour adjustment works from: an element link's images and
// colours as they were before the adjustment. Images are shared, read-only
// copies, so that handing a snapshot around copies no bitmap.

#include <memory>
#include <utility>
#include <vector>

#include "model/mrg_bitmap.h"
#include "model/platform/types.h"

namespace hexmoor::links {

struct LinkSnapshot {
    // An id without an image holds an empty record (a plain value), which
    // the adjustment passes over.
    std::vector<std::pair<WORD, std::shared_ptr<const CMrgBitmap>>> images;
    std::vector<std::pair<WORD, COLORREF>> colors;
    // A frame side's drawing mode of each image that has image options
    // (0 blit, 1 stretch, 2 tile). It is kept beside the copy, not in it:
    // the copy's own drawing mode 2 marks a plain value, and a tiled side
    // image must not read as one.
    std::vector<std::pair<WORD, DWORD>> sideDrawModes;

    bool Empty() const { return images.empty() && colors.empty(); }
};

} // namespace hexmoor::links
