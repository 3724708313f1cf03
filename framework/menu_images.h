#pragma once
// Images that menus show beside their items: a collection of command ids,
// each with a small 32-bit premultiplied image cut from a toolbar's bitmap
// strip. Any menu item carrying one of those commands gets its image.

#include <windows.h>

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "base/win/gdi.h"

namespace hexmoor::fw {

// Cuts image `index` (size x size pixels) out of a strip of 32-bit BGRX
// pixels, top row first, `stripWidth` pixels wide, and returns it as
// premultiplied BGRA, top row first: the key colour becomes fully
// transparent, every other pixel opaque.
std::vector<std::uint32_t> MenuImagePixels(std::span<const std::uint32_t> strip, int stripWidth, int size, int index,
                                           COLORREF key);

class MenuImages {
public:
    // Adds one image per command from the bitmap resource, in button order
    // (no separators in the list). False when the bitmap cannot be read
    // or holds fewer images than commands; the collection is then unchanged.
    bool AddToolBarImages(std::span<const unsigned> commands, UINT bitmapId, int size = 16,
                          COLORREF key = RGB(192, 192, 192));

    // The image of a command, or null.
    HBITMAP ImageFor(unsigned command) const;
    // Puts the images on the items of one popup that carry a collection
    // command; with `nested`, also on the items of its sub-popups.
    void Apply(HMENU menu, bool nested) const;

private:
    std::map<unsigned, hexmoor::win::Bitmap> images_;
};

} // namespace hexmoor::fw
