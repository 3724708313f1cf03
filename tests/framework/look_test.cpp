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

TEST(Looks, EveryFixedLookHasReadableBarsWithEnabledLabelsAboveDisabledOnesInContrast) {
    for (int look = 1; look < kLookCount; ++look) {
        LookColors c = LookScheme(look, &Fake);
        EXPECT_GT(LuminanceContrast(c.barText, c.barFace), LuminanceContrast(c.barTextDisabled, c.barFace)) << look;
        EXPECT_GE(LuminanceContrast(c.barTextDisabled, c.barFace), 30) << look; // disabled, yet still legible
        EXPECT_GE(LuminanceContrast(c.menuText, c.menuBar), 120) << look;
        EXPECT_GE(LuminanceContrast(c.statusText, c.statusBar), 120) << look;
    }
    // Look 0 takes the system's text, grey-text and menu colours.
    LookColors sys = LookScheme(0, &Fake);
    EXPECT_EQ(sys.barText, Fake(18));
    EXPECT_EQ(sys.barTextDisabled, Fake(17));
    EXPECT_EQ(sys.menuBar, Fake(4));
    EXPECT_EQ(sys.menuText, Fake(7));
}
