// The skinned combo box's parts, its child edit's box and its hit test.
#include <gtest/gtest.h>

#include "runtime/logic/combo_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt::combo;

TEST(ComboParts, DropDownPartTextAreaAndFaceOnBothSides) {
    // A 120 x 24 window with 3-pixel side borders and 2-pixel top and bottom
    // ones: client 114 x 20; drop-down part 17 wide.
    PartInput in;
    in.client = {0, 0, 114, 20};
    in.window = {120, 24};
    in.dropWidth = 17;
    in.firstChild = {2, 3, 97, 17};
    struct Case {
        bool right;
        Kind kind;
        Rect drop, text;
    } cases[] = {
        {false, Kind::DropDownList, {97, 0, 114, 20}, {2, 0, 97, 20}},
        {true, Kind::DropDownList, {0, 0, 17, 20}, {2, 0, 97, 20}},
        {false, Kind::DropDown, {97, 0, 114, 20}, {2, 3, 97, 17}},
    };
    for (const Case& c : cases) {
        in.rightAligned = c.right;
        in.kind = c.kind;
        const Parts p = ComputeParts(in);
        EXPECT_EQ(p.dropDown, c.drop) << c.right;
        EXPECT_EQ(p.text, c.text) << c.right;
        // The drop-down part spans the client height only: the face keeps the
        // whole window, as SubtractRect leaves it.
        EXPECT_EQ(p.face, (Rect{0, 0, 120, 24}));
    }
    // Without borders the drop-down part is cut off the face.
    in.client = {0, 0, 120, 24};
    in.rightAligned = false;
    EXPECT_EQ(ComputeParts(in).face, (Rect{0, 0, 103, 24}));
    in.rightAligned = true;
    EXPECT_EQ(ComputeParts(in).face, (Rect{17, 0, 120, 24}));
}

TEST(ComboParts, SubtractRectOnlyShortensAlongAWholeSide) {
    const Rect r{0, 0, 100, 20};
    EXPECT_EQ(SubtractRect(r, {80, 0, 100, 20}), (Rect{0, 0, 80, 20}));
    EXPECT_EQ(SubtractRect(r, {0, 0, 100, 5}), (Rect{0, 5, 100, 20}));
    EXPECT_EQ(SubtractRect(r, {80, 2, 100, 18}), r) << "not across the whole height";
    EXPECT_EQ(SubtractRect(r, {40, 0, 60, 20}), r) << "a cut in the middle";
    EXPECT_EQ(SubtractRect(r, {200, 0, 220, 20}), r) << "no overlap";
    EXPECT_TRUE(SubtractRect(r, {-1, -1, 101, 21}).IsEmpty());
}

TEST(ComboParts, EditBoxCentresOneLineRoundingUp) {
    struct Case {
        Rect client;
        bool right;
        int textHeight;
        Rect expected;
    } cases[] = {
        {{0, 0, 114, 20}, false, 13, {2, 4, 97, 17}},  // (20 - 13) / 2 = 3.5 -> 4
        {{0, 0, 114, 20}, false, 14, {2, 3, 97, 17}},  // exact
        {{0, 0, 114, 20}, true, 13, {17, 4, 112, 17}}, // WS_EX_RIGHT: drop-down part at the left
        {{0, 0, 114, 10}, false, 13, {2, -1, 97, 12}}, // taller text than the client
    };
    for (const Case& c : cases) EXPECT_EQ(EditBox(c.client, 17, c.right, c.textHeight), c.expected) << c.textHeight;
}

TEST(ComboParts, HitTestByKind) {
    PartInput in;
    in.client = {0, 0, 114, 20};
    in.window = {120, 24};
    in.dropWidth = 17;
    in.firstChild = {2, 3, 97, 17};
    in.kind = Kind::DropDown;
    const Parts p = ComputeParts(in);
    const Point offset{3, 2};
    EXPECT_EQ(HitTest(p, Kind::DropDown, {10, 10}, offset), Hit::Text);
    EXPECT_EQ(HitTest(p, Kind::DropDownList, {10, 10}, offset), Hit::Face);
    EXPECT_EQ(HitTest(p, Kind::DropDown, {100, 10}, offset), Hit::DropDown);
    EXPECT_EQ(HitTest(p, Kind::DropDown, {10, 1}, offset), Hit::Face);
    EXPECT_EQ(HitTest(p, Kind::Simple, {100, 10}, offset), Hit::Outside);
    EXPECT_EQ(HitTest(p, Kind::DropDown, {300, 10}, offset), Hit::Outside);
    EXPECT_EQ(KindOfStyle(0x50000001), Kind::Simple);
    EXPECT_EQ(KindOfStyle(0x50000002), Kind::DropDown);
    EXPECT_EQ(KindOfStyle(0x50000003), Kind::DropDownList);
}
