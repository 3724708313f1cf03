// Small images for model tests, made through the platform seam so that the
// same test runs on GDI/GDI+ and on the native records.
#pragma once

#include <cstdint>

#include "model/platform/image.h"

namespace model_test {

inline hexmoor::platform::ImagePixels SolidPixels(int width, int height, std::uint32_t argb) {
    hexmoor::platform::ImagePixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.argb.assign(static_cast<size_t>(width) * height, argb);
    return pixels;
}

// Distinct opaque colours per pixel, so that a flipped or shifted copy shows.
inline hexmoor::platform::ImagePixels PatternPixels(int width, int height) {
    hexmoor::platform::ImagePixels pixels;
    pixels.width = width;
    pixels.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.argb.push_back(0xFF000000u | (static_cast<std::uint32_t>(x * 37 % 256) << 16) |
                                  (static_cast<std::uint32_t>(y * 53 % 256) << 8) |
                                  static_cast<std::uint32_t>((x + y) % 256));
        }
    }
    return pixels;
}

inline hexmoor::platform::BitmapHandle SolidBitmap(int width, int height, std::uint32_t argb) {
    return hexmoor::platform::CreateBitmapFromPixels(SolidPixels(width, height, argb));
}

inline hexmoor::platform::GdiplusBitmapHandle SolidGdiplus(int width, int height, std::uint32_t argb) {
    return hexmoor::platform::CreateGdiplusBitmapFromPixels(SolidPixels(width, height, argb));
}

} // namespace model_test
