#pragma once
// Pixel tests of synthetic skins give every image, colour and number id its
// own colour, so that a capture tells which id was drawn where: the colour of
// an id, and checking one pixel of a capture against a colour.

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/harness/pixel_buffer.h"

namespace hexmoor::test {

// Images and colours of the skin use the image set; text colours the text
// set, so that a text drawn over its own image still shows.
enum class IdUse { Image, Text };

// The colour of a skin id (ids below 1024 all differ).
constexpr COLORREF IdColour(int id, IdUse use = IdUse::Image) {
    return use == IdUse::Image ? RGB(id & 0xFF, 60 + 50 * (id >> 8), 211) : RGB(id & 0xFF, 40 + 50 * (id >> 8), 23);
}

// The pixel at p of a capture has the colour (alpha ignored).
inline ::testing::AssertionResult PixelIs(const PixelBuffer& pixels, POINT p, COLORREF expected) {
    if (p.x < 0 || p.y < 0 || p.x >= pixels.Width() || p.y >= pixels.Height())
        return ::testing::AssertionFailure() << "at " << p.x << "," << p.y << ": outside the " << pixels.Width()
                                             << " x " << pixels.Height() << " capture";
    const COLORREF found = pixels.At(p.x, p.y) & 0xFFFFFF;
    if (found == (expected & 0xFFFFFF)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << p.x << "," << p.y << " expected "
                                         << ColourText(expected & 0xFFFFFF) << ", found " << ColourText(found);
}

} // namespace hexmoor::test
