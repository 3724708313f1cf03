#pragma once
// A captured image as plain 32-bit pixels, and the colour checks that
// pixel tests make over rectangles of it. Knows nothing of windows, so the
// checks themselves are tested natively.

#include <cstdint>
#include <string>
#include <vector>

namespace hexmoor::test {

// Red, green and blue as a Windows COLORREF stores them: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour MakeColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Top-down rows of pixels held as COLORREF values (alpha dropped).
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, Colour fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    Colour At(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
    void Set(int x, int y, Colour c) { pixels_[size_t(y) * size_t(width_) + size_t(x)] = c; }

    // Fills from 32-bit BGRA rows (a DIB section's bits), top row first.
    static PixelBuffer FromBgra(const std::uint8_t* bits, int width, int height, int stride);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// Result of comparing every pixel of a rectangle with one colour.
struct ColourCheck {
    long checked = 0;
    long mismatched = 0;
    int firstX = -1, firstY = -1;
    Colour firstFound = 0;

    bool Passed() const { return checked > 0 && mismatched == 0; }
    std::string Describe(Colour expected) const;
};

// Compares the part of `rect` inside the buffer; a rectangle wholly outside
// checks nothing and so does not pass.
ColourCheck CheckRect(const PixelBuffer& buffer, const PixelRect& rect, Colour expected);

std::string ColourText(Colour c);

// Pixels that differ between two buffers of the same size (-1: sizes differ).
long CountDifferences(const PixelBuffer& a, const PixelBuffer& b);

} // namespace hexmoor::test
