// Fuzz target for the model's decoders of outside bytes other than the skin
// file itself: region files, packed DIBs and image streams (the native PNG
// and BMP code). The first byte picks the decoder.
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/dib_pixels.h"
#include "model/image_rgn.h"
#include "model/platform/image.h"

namespace {
// A few bytes of run-length codes may declare a picture up to the decoders'
// caps (64 megapixels). Decoding it is what this target tests; encoding it
// again is linear in the pixels and tested elsewhere, and under the
// sanitizers a picture that large takes longer than the run allows per input.
constexpr std::size_t kMostPixelsReencoded = std::size_t{1} << 20;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0: {
        auto region = DecodeRegionFile(input);
        if (region->GetHRgn()) (void)EncodeRegionFile(*region);
        break;
    }
    case 1: {
        hexmoor::platform::ImagePixels pixels;
        if (DecodePackedDibPixels(input, &pixels) && pixels.argb.size() <= kMostPixelsReencoded)
            (void)EncodeBmpFilePixels(pixels);
        break;
    }
    default: {
        hexmoor::platform::DecodedImage image = hexmoor::platform::DecodeImageStream(input);
        std::vector<std::uint8_t> bytes;
        if (image.png) hexmoor::platform::EncodePng(image.png.get(), &bytes);
        if (image.bitmap) hexmoor::platform::EncodeBmp(image.bitmap.Get(), &bytes);
        break;
    }
    }
    return 0;
}
