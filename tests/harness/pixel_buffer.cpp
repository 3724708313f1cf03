#include "tests/harness/pixel_buffer.h"

#include <algorithm>
#include <cstdio>

namespace hexmoor::test {

PixelBuffer::PixelBuffer(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(size_t(width_) * size_t(height_), fill) {}

PixelBuffer PixelBuffer::FromBgra(const std::uint8_t* bits, int width, int height, int stride) {
    PixelBuffer out(width, height);
    for (int y = 0; y < out.height_; ++y) {
        const std::uint8_t* row = bits + size_t(y) * size_t(stride);
        for (int x = 0; x < out.width_; ++x) {
            const std::uint8_t* p = row + size_t(x) * 4;
            out.Set(x, y, MakeColour(p[2], p[1], p[0]));
        }
    }
    return out;
}

std::string ColourText(Colour c) {
    char text[40];
    std::snprintf(text, sizeof text, "RGB(%u,%u,%u)", unsigned(c & 0xFF), unsigned((c >> 8) & 0xFF),
                  unsigned((c >> 16) & 0xFF));
    return text;
}

std::string ColourCheck::Describe(Colour expected) const {
    if (checked == 0) return "no pixel of the rectangle lies inside the capture";
    if (mismatched == 0) return "all " + std::to_string(checked) + " pixels are " + ColourText(expected);
    return std::to_string(mismatched) + " of " + std::to_string(checked) + " pixels differ from " +
           ColourText(expected) + "; first at (" + std::to_string(firstX) + "," + std::to_string(firstY) + ") is " +
           ColourText(firstFound);
}

ColourCheck CheckRect(const PixelBuffer& buffer, const PixelRect& rect, Colour expected) {
    ColourCheck result;
    const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
    const int right = std::min(rect.right, buffer.Width()), bottom = std::min(rect.bottom, buffer.Height());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            ++result.checked;
            const Colour found = buffer.At(x, y);
            if (found != expected) {
                if (result.mismatched++ == 0) {
                    result.firstX = x;
                    result.firstY = y;
                    result.firstFound = found;
                }
            }
        }
    }
    return result;
}

long CountDifferences(const PixelBuffer& a, const PixelBuffer& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    long n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.At(x, y) != b.At(x, y);
    return n;
}

} // namespace hexmoor::test
