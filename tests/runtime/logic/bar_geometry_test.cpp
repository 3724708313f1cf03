// The skinned toolbar's faces, drop-down arrow, content boxes and borders,
// the status bar's grip and pane boxes, and the checks made before reading
// a host's pane list.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/logic/bar_geometry.h"

using namespace hexmoor;
using namespace hexmoor::rt::bars;

namespace {
const Rect kButton{10, 2, 46, 24}; // a drop-down button 36 x 22
} // namespace

TEST(ToolbarFace, ImageAndBoxForEveryState) {
    struct Case {
        const char* name;
        bool enabled, hot, checked, dropDown, leftDown;
        Point cursor;
        int image;
        Rect box;
        ArrowColour arrow;
    } cases[] = {
        {"normal", true, false, false, false, false, {0, 0}, tb::kNormal, kButton, ArrowColour::kText},
        {"disabled", false, false, false, false, false, {0, 0}, tb::kDisabled, kButton, ArrowColour::kGray},
        {"hot item that is disabled",
         false,
         true,
         false,
         true,
         false,
         {20, 10},
         tb::kDisabled,
         kButton,
         ArrowColour::kGray},
        {"hot", true, true, false, true, false, {20, 10}, tb::kHot, kButton, ArrowColour::kBlack},
        {"checked", true, false, true, false, false, {0, 0}, tb::kHot, kButton, ArrowColour::kText},
        {"checked and disabled", false, false, true, false, false, {0, 0}, tb::kHot, kButton, ArrowColour::kGray},
        {"pressed", true, true, false, false, true, {20, 10}, tb::kPressed, kButton, ArrowColour::kBlack},
        {"button down outside", true, true, false, false, true, {60, 10}, tb::kHot, kButton, ArrowColour::kBlack},
        // Drop-down: the pressed face stops 13 pixels short of the right edge.
        {"drop-down pressed left of the arrow",
         true,
         true,
         false,
         true,
         true,
         {32, 10},
         tb::kPressed,
         {10, 2, 33, 24},
         ArrowColour::kBlack},
        {"drop-down pressed on the arrow zone",
         true,
         true,
         false,
         true,
         true,
         {33, 10},
         tb::kHot,
         kButton,
         ArrowColour::kBlack},
    };
    for (const Case& c : cases) {
        ButtonFaceInput in;
        in.rect = kButton;
        in.enabled = c.enabled;
        in.hot = c.hot;
        in.checked = c.checked;
        in.dropDown = c.dropDown;
        in.leftDown = c.leftDown;
        in.cursor = c.cursor;
        const ButtonFace face = ToolbarButtonFace(in);
        EXPECT_EQ(face.image, c.image) << c.name;
        EXPECT_EQ(face.imageRect, c.box) << c.name;
        EXPECT_EQ(face.arrow, c.arrow) << c.name;
        EXPECT_FALSE(face.frame) << c.name;
    }
}

TEST(ToolbarFace, IndeterminateGetsAFrameAndNoImageWhateverItsState) {
    for (bool hot : {false, true}) {
        ButtonFaceInput in;
        in.rect = kButton;
        in.indeterminate = true;
        in.hot = hot;
        in.leftDown = hot;
        in.cursor = {20, 10};
        const ButtonFace face = ToolbarButtonFace(in);
        EXPECT_TRUE(face.frame);
        EXPECT_EQ(face.image, 0);
        EXPECT_EQ(face.arrow, ArrowColour::kText) << "never black";
    }
}

TEST(ToolbarArrow, ThreeRowsBelowTheMiddleAndTheShift) {
    const DropDownArrow a = DropDownArrowAt(kButton); // middle row (2 + 24) / 2 = 13
    EXPECT_EQ(a.top, (ArrowLine{{37, 12}, {42, 12}}));
    EXPECT_EQ(a.middle, (ArrowLine{{38, 13}, {41, 13}}));
    EXPECT_EQ(a.tip, (Point{39, 14}));
    // Odd heights round the middle down.
    EXPECT_EQ(DropDownArrowAt({0, 0, 20, 7}).tip, (Point{13, 4}));
    EXPECT_EQ(PressedZone(kButton), (Rect{10, 2, 33, 24}));
    EXPECT_EQ(PressedZone({0, 0, 8, 10}), (Rect{0, 0, 0, 10})) << "a button narrower than the zone";
    EXPECT_EQ(kArrowShift, 14);
}

TEST(ToolbarContent, ImageAndTextBoxesInBothLayouts) {
    struct Case {
        const char* name;
        bool list, text;
        Point image;
        Rect textBox;
        unsigned format;
    } cases[] = {
        // Centred 16 x 16 in 36 x 40: left 10 + 10, top 2 + 12 (+ 1 without text).
        {"image only", false, false, {20, 15}, {10, 23, 46, 42}, 0x15},
        {"image over text", false, true, {20, 5}, {10, 23, 46, 42}, 0x15},
        {"list style", true, true, {12, 5}, {30, 2, 46, 42}, 0x24},
        {"list style without text", true, false, {12, 3}, {30, 2, 46, 42}, 0x24},
    };
    for (const Case& c : cases) {
        ContentInput in;
        in.button = {10, 2, 46, 42};
        in.listStyle = c.list;
        in.iconWidth = in.iconHeight = 16;
        in.hasText = c.text;
        const ContentPlace p = ToolbarButtonContent(in);
        EXPECT_EQ(p.image, c.image) << c.name;
        EXPECT_EQ(p.text, c.textBox) << c.name;
        EXPECT_EQ(p.format, c.format) << c.name;
    }
}

TEST(ToolbarBorders, CentringAndSideBordersFromTheNumbers) {
    // A window at y 100, 40 high, whose default client is 10 below its top
    // and 20 high.
    struct Case {
        const char* name;
        bool centre, vb6;
        Rect client;
        int left, right;
        Rect expected;
    } cases[] = {
        {"no numbers", false, false, {0, 110, 200, 130}, 0, 0, {0, 110, 200, 130}},
        {"684 centres the client", true, false, {0, 110, 200, 130}, 0, 0, {0, 105, 200, 135}},
        {"684 with an empty client", true, false, {0, 110, 200, 110}, 0, 0, {0, 110, 200, 110}},
        {"684 with an odd space", true, false, {0, 111, 200, 131}, 0, 0, {0, 105, 200, 134}},
        {"684, Visual Basic host, top above 1", true, true, {0, 0, 200, 30}, 0, 0, {0, 1, 200, 29}},
        {"684, Visual Basic host, top at 1", true, true, {0, 1, 200, 30}, 0, 0, {0, 1, 200, 30}},
        {"801 and 802", false, false, {0, 110, 200, 130}, 7, 11, {7, 110, 189, 130}},
        {"all three", true, false, {0, 110, 200, 130}, 7, 11, {7, 105, 189, 135}},
        {"borders wider than the bar", false, false, {0, 110, 20, 130}, 15, 15, {15, 110, 15, 130}},
    };
    for (const Case& c : cases) {
        ToolbarBorderInput in;
        in.client = c.client;
        in.windowY = 100;
        in.windowCy = 40;
        in.centre = c.centre;
        in.vb6Host = c.vb6;
        in.leftBorder = c.left;
        in.rightBorder = c.right;
        EXPECT_EQ(ToolbarClientRect(in), c.expected) << c.name;
    }
}

TEST(StatusBar, GripBoxPaneBoxesAndHostListSteps) {
    EXPECT_EQ(StatusGripBox({0, 0, 300, 22}, 17, 1), (Rect{282, 0, 300, 22}));
    EXPECT_EQ(StatusGripBox({5, 2, 300, 22}, 16, 1), (Rect{283, 2, 300, 22}));

    const Rect pane{100, 2, 200, 22};
    const PanePlace plain = StatusPaneContent(pane, false, 0, 0);
    EXPECT_EQ(plain.text, (Rect{103, 2, 198, 22})) << "1 in, then 2 inside each edge";
    const PanePlace icon = StatusPaneContent(pane, true, 16, 16);
    EXPECT_EQ(icon.icon, (Point{103, 4})) << "3 in, centred vertically";
    EXPECT_EQ(icon.text, (Rect{121, 2, 198, 22})) << "right of the icon";

    EXPECT_EQ(HostPaneListSteps(0, 3), 1);
    EXPECT_EQ(HostPaneListSteps(1, 3), 2);
    EXPECT_EQ(HostPaneListSteps(2, 3), -1) << "the last pane has no entry";
    EXPECT_EQ(HostPaneListSteps(0, 1), -1) << "one pane: empty text";
    EXPECT_EQ(HostPaneListSteps(-1, 3), -1);

    EXPECT_TRUE(UsesOlderPainter(528));
    EXPECT_FALSE(UsesOlderPainter(529));
    EXPECT_FALSE(UsesOlderPainter(768));
}

TEST(MemoryRange, OnlyCommittedReadableRegionsCoverTheWholeRange) {
    // Three regions back to back: readable, readable, guard; then a hole.
    const std::vector<MemoryRegion> map{{0x10000, 0x1000, true, 0x04},
                                        {0x11000, 0x1000, true, 0x20},
                                        {0x12000, 0x1000, true, 0x104},
                                        {0x13000, 0x1000, false, 0x04},
                                        {0x14000, 0x1000, true, 0x01}};
    auto query = [&](std::uintptr_t at, MemoryRegion& out) {
        for (const MemoryRegion& r : map)
            if (at >= r.base && at < r.base + r.size) {
                out = r;
                return true;
            }
        return false;
    };
    struct Case {
        std::uintptr_t at, length;
        bool readable;
    } cases[] = {
        {0x10010, 16, true},  {0x10ff8, 16, true},                // across two readable regions
        {0x11ff8, 16, false}, {0x12000, 1, false},                // into and inside a guard page
        {0x13000, 4, false},  {0x14000, 4, false},                // reserved only; no access
        {0x20000, 4, false},  {0x10000, 0, false},                // no region; nothing to read
        {0, 8, false},        {~std::uintptr_t(0) - 3, 8, false}, // null; wraps
    };
    for (const Case& c : cases) EXPECT_EQ(IsRangeReadable(c.at, c.length, query), c.readable) << std::hex << c.at;
    for (std::uint32_t p : {0x02u, 0x04u, 0x08u, 0x20u, 0x40u, 0x80u, 0x204u})
        EXPECT_TRUE(IsReadableProtection(p)) << p;
    for (std::uint32_t p : {0x00u, 0x01u, 0x10u, 0x102u, 0x101u}) EXPECT_FALSE(IsReadableProtection(p)) << p;
}
