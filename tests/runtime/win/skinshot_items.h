#pragma once
// Reading skinshot's sheet in tests: the "item KIND STATE X Y W H" lines of
// chosen kinds, and whether a colour shows inside an item.

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

struct SheetItem {
    int kind = 0;
    std::string state;
    PixelRect rect;
};

// The items of the given kinds among the sheet's item lines, in order.
inline std::vector<SheetItem> ParseSheetItems(const std::string& output, std::initializer_list<int> kinds) {
    std::vector<SheetItem> items;
    std::istringstream in(output);
    std::string word;
    while (in >> word) {
        if (word != "item") continue;
        SheetItem item;
        int x = 0, y = 0, w = 0, h = 0;
        in >> item.kind >> item.state >> x >> y >> w >> h;
        item.rect = {x, y, x + w, y + h};
        if (std::find(kinds.begin(), kinds.end(), item.kind) != kinds.end()) items.push_back(item);
    }
    return items;
}

inline bool Contains(const PixelBuffer& pixels, const PixelRect& r, COLORREF colour) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, pixels.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, pixels.Width()); ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    return false;
}

} // namespace hexmoor::test
