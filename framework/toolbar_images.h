#pragma once
// The one loader of toolbar image lists: bitmap resources (one strip each)
// become comctl32 image lists, either masked by a transparent colour or with
// a key colour recoloured first, and are handed to a toolbar control.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <span>

#include "base/win/handles.h"

namespace hexmoor::fw {

struct KeyColor {
    std::uint8_t b, g, r; // in the memory order of a 24-bit DIB
};

// Replaces every pixel equal to key with replacement (0x00BBGGRR) in a
// buffer of 24-bit pixels (no row padding: pass each row, or a padded
// buffer whose padding cannot match three bytes of a pixel).
void ReplaceKeyColor(std::span<std::uint8_t> pixels, KeyColor key, COLORREF replacement);

struct ToolbarImageOptions {
    SIZE imageSize{16, 16};
    int initialCount = 16;
    UINT loadFlags = LR_CREATEDIBSECTION;
    // Masked lists: pixels of this colour are transparent.
    std::optional<COLORREF> transparent;
    // Unmasked 24-bit images: this key colour takes the replacement first.
    std::optional<KeyColor> key;
    COLORREF keyReplacement = 0;
};

// One image list from a bitmap resource; empty when the resource is missing.
win::ImageList LoadToolbarImageList(UINT bitmapId, const ToolbarImageOptions& options);

// The normal, hot and disabled lists of a toolbar (a zero id gives none).
struct ToolbarImageLists {
    win::ImageList normal, hot, disabled;
    // Loads the three lists anew; the previous ones go.
    void Load(UINT normalId, UINT hotId, UINT disabledId, const ToolbarImageOptions& options);
    // Hands the lists to a toolbar control (which does not own them).
    void ApplyTo(HWND toolbar) const;
};

} // namespace hexmoor::fw
