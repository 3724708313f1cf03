// Placement in a box and the small geometry helpers.
#include <gtest/gtest.h>

#include "runtime/logic/align.h"

using namespace hexmoor::rt;
using hexmoor::Point;
using hexmoor::Rect;

TEST(AlignRectInBox, EveryCellOfTheGrid) {
    const Rect box{10, 20, 110, 70}; // 100 x 50
    const Rect r{0, 0, 20, 10};
    struct Case {
        unsigned code;
        Rect expected;
    } cases[] = {
        {0x001, {10, 20, 30, 30}},  {0x002, {50, 20, 70, 30}},  {0x004, {90, 20, 110, 30}}, {0x010, {10, 40, 30, 50}},
        {0x020, {50, 40, 70, 50}},  {0x040, {90, 40, 110, 50}}, {0x100, {10, 60, 30, 70}},  {0x200, {50, 60, 70, 70}},
        {0x400, {90, 60, 110, 70}}, {0x000, {50, 40, 70, 50}}, // code 0 centres both ways
    };
    for (const auto& c : cases) EXPECT_EQ(AlignRectInBox(box, r, c.code), c.expected) << std::hex << c.code;
}

TEST(AlignRectInBox, LargerRectangleCentredStartsBeforeTheBoxByHalfTheExcess) {
    EXPECT_EQ(AlignRectInBox({0, 0, 10, 10}, {0, 0, 15, 13}, 0), (Rect{-2, -1, 13, 12}));
}

TEST(AlignTwoRectsInBox, EachRectangleTakesItsOwnCode) {
    ContentLayout layout;
    layout.firstCode = 0x011; // two cells: the top row is tested before the middle
    layout.secondCode = 0x444;
    layout.firstWidth = 16;
    layout.firstHeight = 16;
    layout.secondWidth = 30;
    layout.secondHeight = 8;
    const auto [first, second] = AlignTwoRectsInBox({0, 0, 100, 40}, layout);
    EXPECT_EQ(first, (Rect{0, 0, 16, 16}));
    EXPECT_EQ(second, (Rect{70, 0, 100, 8}));
}

TEST(Geometry, CentringAndCornerCodes) {
    EXPECT_EQ(CenterSizeInRect({0, 0, 15, 10}, 10, 10), (Rect{2, 0, 13, 10})); // 11 wide
    EXPECT_EQ(CenterSizeInRect({0, 0, 4, 4}, 10, 10), (Rect{-3, -3, 7, 7}));
    EXPECT_EQ(GetRectCenter({0, 0, 11, 7}), (Point{5, 3}));
    const Rect r{0, 0, 100, 100};
    EXPECT_EQ(GetCornerHitCode(r, 10, 10), 13);
    EXPECT_EQ(GetCornerHitCode(r, 90, 10), 14);
    EXPECT_EQ(GetCornerHitCode(r, 10, 90), 16);
    EXPECT_EQ(GetCornerHitCode(r, 90, 90), 17);
    EXPECT_EQ(GetCornerHitCode(r, 50, 10), -2); // straight above the centre
    EXPECT_EQ(MapLinear(0, 0, 10, 100, 2.5), 25);
    EXPECT_EQ(MapLinear(0, 0, 3, 10, 1.0), 3); // 3.33 + 0.5 truncates to 3
    EXPECT_EQ(MapLinear(4, 7, 4, 9, 4.0), 7) << "an empty run maps to its start";
}
