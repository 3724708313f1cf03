// The native tree's stand-ins for GDI and GDI+ objects: plain records behind
// the opaque handle types of model/platform/types.h.
#pragma once

#include <vector>

#include "model/platform/image.h"
#include "model/platform/types.h"

struct HBITMAP__ {
    hexmoor::platform::ImagePixels pixels;
};

struct HRGN__ {
    std::vector<RECT> rects; // the region as RGNDATA rectangles
};

struct HFONT__ {
    LOGFONT logFont;
};

namespace Gdiplus {
class Bitmap {
public:
    hexmoor::platform::ImagePixels pixels;
};
} // namespace Gdiplus
