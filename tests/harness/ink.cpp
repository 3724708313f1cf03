#include "tests/harness/ink.h"

#include <algorithm>
#include <climits>

namespace hexmoor::test {

PixelRect InkBounds(const PixelBuffer& buffer, const PixelRect& area, std::initializer_list<Colour> background) {
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right, buffer.Width()), bottom = std::min(area.bottom, buffer.Height());
    PixelRect ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const Colour c = buffer.At(x, y);
            if (std::find(background.begin(), background.end(), c) != background.end()) continue;
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x + 1);
            ink.bottom = std::max(ink.bottom, y + 1);
        }
    if (ink.right <= ink.left) return PixelRect{};
    return ink;
}

} // namespace hexmoor::test
