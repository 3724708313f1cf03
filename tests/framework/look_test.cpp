#include "framework/look.h"

#include <gtest/gtest.h>

using namespace hexmoor::fw;

namespace {
Color Fake(int index) { return static_cast<Color>(0x010101 * index); }
} // namespace

TEST(Looks, LookZeroFollowsSystemColoursOthersAreFixedAndOutOfRangeGivesDefault) {
    EXPECT_EQ(LookScheme(0, &Fake).barFace, Fake(15));
    EXPECT_EQ(LookScheme(0, &Fake).barShadow, Fake(16));
    for (int look = 1; look < kLookCount; ++look) EXPECT_NE(LookScheme(look, &Fake).barFace, Fake(15)) << look;
    EXPECT_EQ(LookScheme(-1, &Fake).barFace, LookScheme(kDefaultLook, &Fake).barFace);
    EXPECT_EQ(LookScheme(5, &Fake).captionActive, LookScheme(kDefaultLook, &Fake).captionActive);
    EXPECT_NE(LookScheme(3, &Fake).barFace, LookScheme(4, &Fake).barFace);
}
