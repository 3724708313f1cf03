// A real window under Wine paints a known colour and reads it back: proves
// the display, the test prefix and the capture path before any pixel test.
#include <gtest/gtest.h>

#include "tests/harness/capture.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;

TEST(WindowSmoke, PaintedColourReadsBackExactly) {
    const Colour teal = MakeColour(0, 128, 128), orange = MakeColour(255, 128, 0);
    TestWindowArgs args;
    args.clientWidth = 120;
    args.clientHeight = 80;
    args.paint = [&](HDC dc, const RECT& client) {
        HBRUSH fill = CreateSolidBrush(teal);
        FillRect(dc, &client, fill);
        DeleteObject(fill);
        HBRUSH corner = CreateSolidBrush(orange);
        RECT box{10, 10, 30, 20};
        FillRect(dc, &box, corner);
        DeleteObject(corner);
    };
    TestWindow window(args);
    ASSERT_NE(window.Handle(), nullptr);

    const PixelBuffer shot = CaptureClient(window.Handle());
    ASSERT_EQ(shot.Width(), 120);
    ASSERT_EQ(shot.Height(), 80);
    const ColourCheck box = CheckRect(shot, {10, 10, 30, 20}, orange);
    EXPECT_TRUE(box.Passed()) << box.Describe(orange);
    const ColourCheck below = CheckRect(shot, {0, 20, 120, 80}, teal);
    EXPECT_TRUE(below.Passed()) << below.Describe(teal);
}
