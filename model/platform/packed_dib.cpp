// Packed DIBs as bitmaps, the same in both trees: the portable decoder checks
// the block and yields pixels, and the tree's own image layer makes the
// 32-bit DIB section from them.
#include "model/dib_pixels.h"
#include "model/platform/image.h"

namespace hexmoor::platform {

BitmapHandle DecodePackedDib(std::span<const std::uint8_t> data) {
    ImagePixels pixels;
    if (!DecodePackedDibPixels(data, &pixels)) return nullptr;
    return CreateBitmapFromPixels(pixels);
}

} // namespace hexmoor::platform
