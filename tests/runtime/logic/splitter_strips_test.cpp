// Splitter strips: bars between rows and columns, their crossings, the
// split boxes, and bars that would pass the client area.
#include <gtest/gtest.h>

#include "runtime/logic/splitter_strips.h"

using namespace hexmoor;
using namespace hexmoor::rt::splitter;

TEST(SplitterStrips, TwoByTwoHasOneBarEachWayAndTheirCrossing) {
    Input in;
    in.client = {0, 0, 200, 150};
    in.firstPane = {2, 2};
    in.rowHeights = {60, 81};
    in.columnWidths = {90, 99};
    const Plan plan = PlanStrips(in);
    ASSERT_EQ(plan.rowBars.size(), 1u);
    ASSERT_EQ(plan.columnBars.size(), 1u);
    EXPECT_EQ(plan.rowBars[0], (Rect{2, 62, 198, 69})) << "after the first row, inset by the first pane";
    EXPECT_EQ(plan.columnBars[0], (Rect{92, 2, 99, 148}));
    ASSERT_EQ(plan.crossings.size(), 1u);
    EXPECT_EQ(plan.crossings[0], (Rect{92, 62, 99, 69})) << "7 x 7 where the bars cross";
    EXPECT_TRUE(plan.rowSplitBox.IsEmpty());
    EXPECT_TRUE(plan.columnSplitBox.IsEmpty());
}

TEST(SplitterStrips, SplitBoxesAndBarsPastTheEdge) {
    Input in;
    in.client = {0, 0, 200, 150};
    in.rowHeights = {150};
    in.columnWidths = {200};
    in.horizontalScroll = in.verticalScroll = true;
    in.scrollWidth = 16;
    in.scrollHeight = 17;
    Plan plan = PlanStrips(in);
    EXPECT_TRUE(plan.rowBars.empty());
    EXPECT_TRUE(plan.crossings.empty());
    EXPECT_EQ(plan.rowSplitBox, (Rect{184, 0, 200, 7}));
    EXPECT_EQ(plan.columnSplitBox, (Rect{0, 133, 7, 150}));

    in.verticalScroll = false;
    in.rowHeights = {100, 40, 10};
    plan = PlanStrips(in);
    EXPECT_TRUE(plan.rowSplitBox.IsEmpty()) << "several rows: no row split box";
    ASSERT_EQ(plan.rowBars.size(), 1u) << "the second bar (147..154) would pass the bottom";
    EXPECT_EQ(plan.rowBars[0].top, 100);
}
