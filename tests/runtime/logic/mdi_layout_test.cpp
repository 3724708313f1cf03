// Tile and cascade of MDI children.
#include <gtest/gtest.h>

#include "runtime/logic/mdi_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt;

TEST(MdiTile, ColumnsRowsAndTheLongerLastColumns) {
    const Rect client{0, 0, 600, 300};
    // 5 children vertically: c = 2, two columns, the second holding three.
    EXPECT_EQ(
        TileMdiChildren(5, client, false),
        (std::vector<Rect>{
            {0, 0, 300, 150}, {0, 150, 300, 300}, {300, 0, 600, 100}, {300, 100, 600, 200}, {300, 200, 600, 300}}));
    // 3 children: c = 1, one row of three columns.
    EXPECT_EQ(TileMdiChildren(3, client, false),
              (std::vector<Rect>{{0, 0, 200, 300}, {200, 0, 400, 300}, {400, 0, 600, 300}}));
    // Horizontally 3 children are one column of three rows.
    EXPECT_EQ(TileMdiChildren(3, client, true),
              (std::vector<Rect>{{0, 0, 600, 100}, {0, 100, 600, 200}, {0, 200, 600, 300}}));
    // 9: a 3 x 3 grid placed from the client's top-left.
    const auto nine = TileMdiChildren(9, Rect{10, 20, 310, 320}, false);
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_EQ(nine[4], (Rect{110, 120, 210, 220}));
    EXPECT_TRUE(TileMdiChildren(0, client, false).empty());
    EXPECT_TRUE(TileMdiChildren(4, Rect{}, false).empty());
}

TEST(MdiCascade, StepsByTheFrameBordersAndWrapsAfterKPlusOne) {
    const Rect client{0, 0, 500, 300};
    // step (6, 30): k = 300 / 90 = 3, so the fifth child starts over.
    const auto r = CascadeMdiChildren(5, client, {6, 30}, {22, 22});
    ASSERT_EQ(r.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const int j = i % 4;
        EXPECT_EQ(r[i], Rect::XYWH(6 * j, 30 * j, 500 - 18, 300 - 90)) << i;
    }
}

TEST(MdiCascade, AZeroBorderFallsBackToTheSystemStepInsteadOfDividingByZero) {
    const Rect client{0, 0, 500, 300};
    for (Size frame : {Size{6, 0}, Size{0, 30}, Size{0, 0}}) {
        const auto r = CascadeMdiChildren(3, client, frame, {22, 25});
        ASSERT_EQ(r.size(), 3u);
        // k = 300 / 75 = 4
        EXPECT_EQ(r[2], Rect::XYWH(44, 50, 500 - 88, 300 - 100)) << frame.cx << "," << frame.cy;
    }
    // Even a zero system step does not divide by zero: every child at the top-left.
    EXPECT_EQ(CascadeMdiChildren(2, client, {0, 0}, {0, 0})[1], client);
}
