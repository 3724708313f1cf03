// Tab items: which look wins, and where icon and text go in horizontal and
// vertical items, with the skin's or the host's placement.
#include <gtest/gtest.h>

#include "runtime/logic/button_format.h"
#include "runtime/logic/tab_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::rt::tabs;

TEST(TabLayout, FocusWinsThenSelectionThenHot) {
    struct Case {
        LookInput in;
        Look image, text;
    } cases[] = {
        {{true, true, true, true}, Look::Focused, Look::Hot},
        {{true, true, false, true}, Look::Focused, Look::Focused},
        {{false, true, true, true}, Look::Selected, Look::Hot},
        {{false, true, false, false}, Look::Selected, Look::Selected},
        {{false, false, true, false}, Look::Hot, Look::Hot},
        {{false, false, false, true}, Look::Normal, Look::Normal},
        {{false, false, false, false}, Look::Disabled, Look::Disabled},
    };
    for (const Case& c : cases) {
        const LookChoice got = ChooseLook(c.in);
        EXPECT_EQ(got.image, c.image) << c.in.focusItem << c.in.selected << c.in.hot << c.in.enabled;
        EXPECT_EQ(got.text, c.text) << c.in.focusItem << c.in.selected << c.in.hot << c.in.enabled;
    }
    EXPECT_EQ(ImageIdOf(Look::Selected, false), 221);
    EXPECT_EQ(ColourIdOf(Look::Hot, false), 224);
    EXPECT_EQ(ImageIdOf(Look::Focused, true), 247);
    EXPECT_EQ(ColourIdOf(Look::Disabled, true), 246);
    EXPECT_EQ(OffsetIdOf(Look::Hot, false), 232);
    EXPECT_EQ(OffsetIdOf(Look::Selected, true), 253);
    EXPECT_EQ(OffsetIdOf(Look::Focused, false), 0);
}

TEST(TabLayout, HorizontalIconAndTextBoxes) {
    const Rect item{10, 2, 90, 22}; // 80 x 20
    ItemInput in;
    in.item = item;
    EXPECT_EQ(PlaceHorizontal(in).text, (Rect{13, 2, 87, 22})) << "no icon: 3 px in on both sides";
    EXPECT_FALSE(PlaceHorizontal(in).drawIcon);

    in.hasIcon = true;
    in.icon = {16, 16};
    ItemBoxes b = PlaceHorizontal(in);
    EXPECT_EQ(b.icon, (Point{14, 4})) << "left + 4, centred vertically";
    EXPECT_EQ(b.text, (Rect{33, 2, 87, 22})) << "text 3 px right of the icon";

    in.textOffset = {2, -1};
    EXPECT_EQ(PlaceHorizontal(in).text, (Rect{35, 1, 89, 21})) << "the look's offset moves the whole box";

    // The skin's icon position with negative halves (packed as the skin stores it).
    in.textOffset = {};
    in.userIcon = true;
    in.iconPos = button::ContentOffset(0xFFFE0003ul);
    b = PlaceHorizontal(in);
    EXPECT_EQ(b.icon, (Point{13, 0})) << "x 3, y -2: both halves signed";
    EXPECT_EQ(b.text.left, 32);
}

TEST(TabLayout, HostTextPlacementAddsItsOffsetAndWidth) {
    ItemInput in;
    in.item = {0, 0, 100, 20};
    in.userText = true;
    in.userTextOffset = button::ContentOffset(0xFFFC0000ul); // y -4 from TWM_TABTEXTPOS's high word
    in.userTextWidth = 40;
    in.textOffset = {1, 1};
    EXPECT_EQ(PlaceHorizontal(in).text, (Rect{4, -3, 44, 17}));
    in.userTextWidth = 0;
    EXPECT_EQ(PlaceHorizontal(in).text, (Rect{4, -3, 98, 17})) << "width 0 keeps the item's";
}

TEST(TabLayout, VerticalIconNearTheBottomAndTextRunningUp) {
    ItemInput in;
    in.item = {2, 10, 24, 110}; // 22 wide, 100 high
    in.textExtent = {40, 14};   // 40 along the run, 14 across
    ItemBoxes b = PlaceVertical(in);
    EXPECT_FALSE(b.drawIcon);
    EXPECT_EQ(b.text, (Rect{2, 13, 24, 107})) << "3 px from both ends";
    EXPECT_EQ(b.origin, (Point{6, 80})) << "centred across and along the run (94 long)";

    in.hasIcon = true;
    in.icon = {16, 16};
    b = PlaceVertical(in);
    EXPECT_EQ(b.icon, (Point{5, 86})) << "centred across, bottom 8 px above the item's bottom";
    EXPECT_EQ(b.text.bottom, 83) << "the run ends icon height + 11 above the bottom";

    in.userIcon = true;
    in.iconPos = {1, 4};
    EXPECT_EQ(PlaceVertical(in).icon, (Point{3, 90})) << "y measured up from the bottom";

    in.hasIcon = false;
    in.textOffset = {3, 5};
    b = PlaceVertical(in);
    EXPECT_EQ(b.origin, (Point{9, 75})) << "x sideways, y upwards";
}
