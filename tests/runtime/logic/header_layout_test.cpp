// Header items: the look of each state, icon and text placement for every
// alignment, and the width a button release sets.
#include <gtest/gtest.h>

#include "runtime/logic/header_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt::header;

TEST(HeaderLayout, LookOfEachStateAndOfADisabledWindow) {
    struct Case {
        bool hotItem;
        State state;
        bool enabled;
        int image, colour, offset;
    } cases[] = {
        {false, State::Hot, true, 376, 380, 0},       {true, State::None, true, 376, 380, 0},
        {true, State::Hot, true, 378, 382, 384},      {true, State::Pressed, true, 377, 381, 385},
        {false, State::None, false, 379, 383, 0},     {true, State::Hot, false, 379, 383, 384},
        {true, State::Pressed, false, 379, 383, 385},
    };
    for (const Case& c : cases) {
        const LookIds ids = LookOf(c.hotItem, c.state, c.enabled);
        EXPECT_EQ(ids.image, c.image) << c.hotItem << int(c.state) << c.enabled;
        EXPECT_EQ(ids.colour, c.colour) << c.hotItem << int(c.state) << c.enabled;
        EXPECT_EQ(ids.offset, c.offset) << c.hotItem << int(c.state) << c.enabled;
    }
}

TEST(HeaderLayout, IconAndTextForEachAlignment) {
    ItemInput in;
    in.item = {100, 0, 200, 20};
    in.textWidth = 30;
    ItemBoxes b = Place(in);
    EXPECT_FALSE(b.drawIcon);
    EXPECT_TRUE(b.alignText);
    EXPECT_EQ(b.text, (Rect{105, 0, 195, 20})) << "5 px in on both sides";

    in.withIcon = true;
    in.iconWidth = 16;
    struct Case {
        Align align;
        int iconX, textLeft;
    } cases[] = {
        {Align::Left, 104, 125},   // left + 4; text left + icon + 9
        {Align::Centre, 127, 148}, // left + (100 - 30 - 16) / 2
        {Align::Right, 145, 166},  // right - 30 - 16 - 9
    };
    for (const Case& c : cases) {
        in.align = c.align;
        b = Place(in);
        EXPECT_TRUE(b.drawIcon);
        EXPECT_FALSE(b.alignText);
        EXPECT_EQ(b.icon, (Point{c.iconX, 1})) << int(c.align);
        EXPECT_EQ(b.text.left, c.textLeft) << int(c.align);
    }
    in.align = Align::Left;
    in.offset = {-2, 3};
    b = Place(in);
    EXPECT_EQ(b.icon, (Point{102, 4})) << "the state's offset moves icon and text";
    EXPECT_EQ(b.text, (Rect{123, 3, 198, 23}));
    EXPECT_EQ(AlignOf(0x4001), Align::Right);
    EXPECT_EQ(AlignOf(0x0802), Align::Centre);
}

TEST(HeaderLayout, WidthOnReleaseIsNeverNegative) {
    EXPECT_EQ(WidthOnRelease(150, 100), 50);
    EXPECT_EQ(WidthOnRelease(100, 100), 0);
    EXPECT_EQ(WidthOnRelease(40, 100), 0) << "released left of the item";
    EXPECT_EQ(WidthOnRelease(short(0xFFF6), 100), 0) << "released left of the window: x is -10, not 65526";
}
