#pragma once
// The one loader of toolbar image lists: bitmap resources (one strip each)
// become comctl32 image lists, masked by a transparent colour, optionally
// with the rows of a 24-bit image edited first, and are handed to a toolbar
// control.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <span>

#include "base/win/handles.h"

namespace hexmoor::fw {

struct ToolbarImageOptions {
    SIZE imageSize{16, 16};
    int initialCount = 16;
    UINT loadFlags = LR_CREATEDIBSECTION;
    // Pixels of this colour are transparent.
    COLORREF transparent = RGB(192, 192, 192);
    // Called on each row of a 24-bit image (3 bytes a pixel, no padding)
    // before it joins the list; nothing for other depths.
    std::function<void(std::span<std::uint8_t>)> editRow;
};

// One image list from a bitmap resource; empty for id 0 or a missing resource.
win::ImageList LoadToolbarImageList(UINT bitmapId, const ToolbarImageOptions& options);

// The normal, hot and disabled lists of a toolbar.
struct ToolbarImageLists {
    win::ImageList normal, hot, disabled;
    // Hands the lists to a toolbar control (which does not own them).
    void ApplyTo(HWND toolbar) const;
};

} // namespace hexmoor::fw
