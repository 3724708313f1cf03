// The drag outline of outline move and size.
#include "runtime/logic/outline_drag.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace hexmoor;
using namespace hexmoor::rt;

TEST(OutlineDrag, SizingMovesEachEdgeByItsOwnDifference) {
    const Rect window{100, 50, 400, 250};
    struct Case {
        const char* what;
        Rect outline, proposed, reference, expected;
    } cases[] = {
        {"right edge out", window, {100, 50, 430, 250}, window, {100, 50, 430, 250}},
        {"top-left corner in", window, {120, 70, 400, 250}, window, {120, 70, 400, 250}},
        // The window stays, so each step is measured from it and the steps
        // add up in the outline.
        {"second step", {100, 50, 430, 250}, {100, 50, 420, 260}, window, {100, 50, 450, 260}},
        // An outline kept in another space (a child's parent) follows by the
        // same differences.
        {"other space", {10, 5, 310, 205}, {90, 50, 400, 250}, window, {0, 5, 310, 205}},
    };
    for (const Case& c : cases) EXPECT_EQ(OutlineAfterSizing(c.outline, c.proposed, c.reference), c.expected) << c.what;
}

TEST(OutlineDrag, MovingOffsetsByTheProposedTopLeftAgainstTheWindowsOwn) {
    const Rect outline{10, 20, 110, 70};
    EXPECT_EQ(OutlineAfterMoving(outline, {205, 190}, {200, 200}), (Rect{15, 10, 115, 60}));
    // The window does not move during the drag, so each step is measured from
    // the same place: a proposal back at the window brings the outline home
    // only relative to where the outline already is.
    EXPECT_EQ(OutlineAfterMoving(outline, {200, 200}, {200, 200}), outline);
}

TEST(OutlineDrag, StripsTileTheFrameOfTheOutlineWithoutOverlap) {
    struct Case {
        Rect r;
        int thickness;
    } cases[] = {{{0, 0, 100, 60}, 3}, {{-20, 5, 7, 12}, 3}, {{0, 0, 5, 5}, 3}, {{0, 0, 1, 40}, 3}};
    for (const Case& c : cases) {
        const OutlineStrips s = DragOutlineStrips(c.r, c.thickness);
        // Every pixel of the rectangle is in at most one strip; pixels within
        // `thickness` of an edge (limited by half the size) are in one.
        for (int y = c.r.top; y < c.r.bottom; ++y)
            for (int x = c.r.left; x < c.r.right; ++x) {
                int in = 0;
                for (const Rect& strip : s.strips) in += strip.Contains({x, y}) ? 1 : 0;
                const int tx = std::min(c.thickness, c.r.Width() / 2), ty = std::min(c.thickness, c.r.Height() / 2);
                const bool nearEdge = tx == 0 || ty == 0 || x - c.r.left < tx || c.r.right - 1 - x < tx ||
                                      y - c.r.top < ty || c.r.bottom - 1 - y < ty;
                EXPECT_EQ(in, nearEdge ? 1 : 0) << x << "," << y;
            }
    }
    const OutlineStrips none = DragOutlineStrips({10, 10, 10, 50}, 3);
    for (const Rect& strip : none.strips) EXPECT_TRUE(strip.IsEmpty());
}
