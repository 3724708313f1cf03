// The colour checks every pixel test relies on: a check that passes on
// nothing, or misses a stray pixel at an edge, would hide real faults.
#include <gtest/gtest.h>

#include "tests/harness/pixel_buffer.h"

using namespace hexmoor::test;

TEST(PixelCheck, FindsStrayPixelsAtEveryEdgeOfTheRectangle) {
    const Colour red = MakeColour(255, 0, 0), blue = MakeColour(0, 0, 255);
    struct Case {
        int x, y;
    } cases[] = {{2, 3}, {9, 3}, {2, 7}, {9, 7}, {5, 5}};
    for (const auto& c : cases) {
        PixelBuffer buffer(12, 10, red);
        buffer.Set(c.x, c.y, blue);
        const ColourCheck check = CheckRect(buffer, {2, 3, 10, 8}, red);
        EXPECT_FALSE(check.Passed()) << c.x << "," << c.y;
        EXPECT_EQ(check.mismatched, 1);
        EXPECT_EQ(check.firstX, c.x);
        EXPECT_EQ(check.firstY, c.y);
        EXPECT_EQ(check.firstFound, blue);
    }
}

TEST(PixelCheck, IgnoresPixelsJustOutsideAndClipsToTheBuffer) {
    const Colour green = MakeColour(0, 255, 0);
    PixelBuffer buffer(6, 6, green);
    buffer.Set(0, 0, 0);
    EXPECT_TRUE(CheckRect(buffer, {1, 1, 6, 6}, green).Passed());
    const ColourCheck clipped = CheckRect(buffer, {3, 3, 100, 100}, green);
    EXPECT_TRUE(clipped.Passed());
    EXPECT_EQ(clipped.checked, 9);
}

TEST(PixelCheck, ARectangleOutsideTheCaptureNeverPasses) {
    PixelBuffer buffer(4, 4, 0);
    EXPECT_FALSE(CheckRect(buffer, {10, 10, 20, 20}, 0).Passed());
    EXPECT_FALSE(CheckRect(PixelBuffer{}, {0, 0, 1, 1}, 0).Passed());
}

TEST(PixelCheck, ReadsBgraRowsAsColourRefs) {
    const std::uint8_t bits[] = {0x30, 0x20, 0x10, 0xFF, 0x01, 0x02, 0x03, 0x00};
    const PixelBuffer buffer = PixelBuffer::FromBgra(bits, 1, 2, 4);
    EXPECT_EQ(buffer.At(0, 0), MakeColour(0x10, 0x20, 0x30));
    EXPECT_EQ(buffer.At(0, 1), MakeColour(0x03, 0x02, 0x01));
    EXPECT_EQ(ColourText(MakeColour(1, 2, 3)), "RGB(1,2,3)");
}
