#pragma once
// Counting pixels a skinned control should not show: everything in a
// rectangle of a capture that is none of the skin's colours.

#include <windows.h>

#include <algorithm>
#include <set>

#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

// Pixels of a capture-relative rectangle (clipped to the capture) whose
// colour is not among the allowed ones.
inline long Foreign(const PixelBuffer& pixels, const RECT& r, const std::set<COLORREF>& allowed) {
    long count = 0;
    for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, pixels.Height()); ++y)
        for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, pixels.Width()); ++x)
            if (!allowed.count(pixels.At(x, y) & 0xFFFFFF)) ++count;
    return count;
}

} // namespace hexmoor::test
