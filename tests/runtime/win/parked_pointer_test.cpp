// Window tests start with the pointer parked, whatever the test before them
// on the same display did with it: the first case leaves it in the middle of
// the screen, the second (run after it in this program, or in a later
// program on the same display) must still find it parked.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/harness/parked_pointer.h"

using namespace hexmoor::test;

namespace {
void ExpectParkedThenLeaveItMidScreen() {
    const POINT spot = ParkedPointerSpot();
    POINT now{};
    ASSERT_TRUE(GetCursorPos(&now));
    EXPECT_EQ(now.x, spot.x);
    EXPECT_EQ(now.y, spot.y);
    // Over where the test windows stand.
    ASSERT_TRUE(SetCursorPos(120, 120));
    ASSERT_TRUE(GetCursorPos(&now));
    EXPECT_EQ(now.x, 120);
}
} // namespace

TEST(ParkedPointer, FirstTestFindsThePointerParked) { ExpectParkedThenLeaveItMidScreen(); }

TEST(ParkedPointer, NextTestFindsItParkedAgain) { ExpectParkedThenLeaveItMidScreen(); }
