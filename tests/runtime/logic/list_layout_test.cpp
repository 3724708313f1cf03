// Geometry and rules of the skinned list box, list view and tree view.
#include <gtest/gtest.h>

#include "runtime/logic/list_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt::lists;

TEST(ListBorders, NumbersBecomeInsetsAndRightToLeftSwapsSides) {
    EXPECT_EQ(BorderInsets(1, 2, 3, 4, false), (Insets{1, 2, 3, 4}));
    EXPECT_EQ(BorderInsets(1, 2, 3, 4, true), (Insets{3, 2, 1, 4}));
    EXPECT_EQ(BorderInsets(-5, 0, 0, 0, false), (Insets{0, 0, 0, 0})) << "a stored negative number adds nothing";
    EXPECT_EQ(InsideBorders({0, 0, 100, 50}, {1, 2, 3, 4}), (Rect{1, 2, 97, 46}));
    EXPECT_EQ(InsideBorders({10, 10, 20, 20}, {8, 8, 8, 8}), (Rect{18, 18, 18, 18})) << "never inverted";
}

TEST(ListBoxCheckMode, FromStyle) {
    using namespace lbs;
    struct Case {
        std::uint32_t style;
        CheckMode mode;
    } cases[] = {
        {0, CheckMode::Plain},
        {kNotify | kMultipleSel | kHasStrings, CheckMode::Plain},
        {kOwnerDrawVariable, CheckMode::Plain},
        {0xD9, CheckMode::SelectionChecks},
        {0xD9 | kExtendedSel, CheckMode::SelectionChecks},
        {kOwnerDrawFixed | kHasStrings, CheckMode::HostChecks},
        {kOwnerDrawFixed | kHasStrings | kNotify | kMultipleSel, CheckMode::HostChecks},
        {kOwnerDrawFixed | kHasStrings | kUseTabStops, CheckMode::Unskinned},
        {kOwnerDrawFixed, CheckMode::Unskinned},
        {kOwnerDrawFixed | kOwnerDrawVariable, CheckMode::Unskinned},
    };
    for (const Case& c : cases) EXPECT_EQ(ListBoxCheckMode(c.style), c.mode) << std::hex << c.style;
}

TEST(ListBoxRows, TextOnlyWhereTheRowsHoldStrings) {
    using namespace lbs;
    EXPECT_TRUE(ListBoxRowsHaveText(0));
    EXPECT_TRUE(ListBoxRowsHaveText(kOwnerDrawVariable | kHasStrings));
    EXPECT_FALSE(ListBoxRowsHaveText(kOwnerDrawVariable)) << "item data of the application is no text";
    EXPECT_FALSE(ListBoxRowsHaveText(kOwnerDrawFixed));
}

TEST(ListBoxRows, CheckBoxAndTextPlaces) {
    struct Case {
        Rect item;
        bool right;
        Rect box, text, drawnText;
    } cases[] = {
        {{0, 0, 100, 16}, false, {2, 2, 13, 13}, {15, 0, 100, 16}, {18, 0, 100, 16}},
        {{0, 16, 100, 31}, false, {2, 18, 13, 29}, {15, 16, 100, 31}, {18, 16, 100, 31}}, // (15 - 11) / 2
        {{0, 0, 100, 16}, true, {87, 2, 98, 13}, {0, 0, 85, 16}, {0, 0, 82, 16}},
        {{5, 0, 60, 9}, false, {7, -1, 18, 10}, {20, 0, 60, 9}, {23, 0, 60, 9}}, // rows lower than the box
    };
    for (const Case& c : cases) {
        const CheckRow row = CheckRowLayout(c.item, c.right);
        EXPECT_EQ(row.box, c.box) << c.item.top << " right " << c.right;
        EXPECT_EQ(row.text, c.text);
        EXPECT_EQ(CheckRowTextRect(row, c.right), c.drawnText);
    }
    EXPECT_EQ(PlainRowTextRect({0, 0, 100, 16}, false, 0), (Rect{2, 0, 103, 16}));
    EXPECT_EQ(PlainRowTextRect({0, 0, 100, 16}, true, 0), (Rect{5, 0, 98, 16}));
    EXPECT_EQ(PlainRowTextRect({0, 0, 100, 16}, false, 30), (Rect{-28, 0, 103, 16})) << "scrolled sideways";
}

TEST(ListBoxRows, SelectedRowRule) {
    using namespace lbs;
    EXPECT_EQ(SelectionOfStyle(0), Selection::Single);
    EXPECT_EQ(SelectionOfStyle(kMultipleSel), Selection::Multiple);
    EXPECT_EQ(SelectionOfStyle(kExtendedSel | kMultipleSel), Selection::Extended);

    const SelectionState single{Selection::Single, 3};
    const SelectionState multiple{Selection::Multiple, 3};
    const SelectionState extended = ExtendedRange({Selection::Extended, 3}, 5, 2);
    EXPECT_EQ(extended.rangeFirst, 2);
    EXPECT_EQ(extended.rangeLast, 5);
    EXPECT_EQ(ExtendedRange({Selection::Extended}, 4, 4).rangeFirst, -1) << "anchor on the caret: no range";
    EXPECT_EQ(ExtendedRange({Selection::Extended}, -1, 4).rangeFirst, -1);
    EXPECT_EQ(ExtendedRange({Selection::Multiple}, 1, 4).rangeFirst, -1) << "only extended lists have a range";
    struct Case {
        SelectionState s;
        int index;
        bool bySystem, selected;
    } cases[] = {
        {single, 3, false, true},    {single, 2, true, false},  // single: the current selection only
        {multiple, 3, false, false}, {multiple, 7, true, true}, // multiple: LB_GETSEL
        {extended, 4, false, true},  {extended, 6, false, false}, {extended, 6, true, true},
        {extended, 2, false, true},  {extended, 5, false, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowSelected(c.s, c.index, c.bySystem), c.selected) << int(c.s.kind) << " row " << c.index;
}

TEST(ListBoxRows, CheckImagesByStateAndDisabled) {
    struct Case {
        int state;
        bool disabled;
        int id;
    } cases[] = {{0, false, 791}, {0, true, 792}, {1, false, 793}, {1, true, 794},
                 {2, false, 795}, {2, true, 796}, {7, false, 795}, {-1, true, 796}};
    for (const Case& c : cases) EXPECT_EQ(CheckImageId(c.state, c.disabled), c.id) << c.state;
}

TEST(ListViewSelection, RectangleForFullRowReorderedColumnsAndText) {
    SelectionInput in;
    in.rowBounds = {0, 20, 300, 36};
    in.label = {20, 20, 120, 36};
    in.columnRight = 120;
    in.textWidth = 30;
    in.edge = 2;
    EXPECT_EQ(ListViewSelectionRect(in), (Rect{20, 20, 58, 36})) << "label narrowed to the text + 4 edges";
    in.textWidth = 200;
    EXPECT_EQ(ListViewSelectionRect(in), (Rect{20, 20, 120, 36})) << "never wider than the label";
    in.label = {130, 20, 140, 36};
    EXPECT_TRUE(ListViewSelectionRect(in).IsEmpty()) << "label starting right of the column";
    in.label = {20, 20, 120, 36};
    in.fullRow = true;
    EXPECT_EQ(ListViewSelectionRect(in), (Rect{20, 20, 300, 36})) << "full row from the label";
    in.firstShownFirst = false;
    EXPECT_EQ(ListViewSelectionRect(in), (Rect{0, 20, 300, 36})) << "column 0 moved: from the row's left";
    in.firstShownFirst = true;
    in.label = {200, 20, 260, 36};
    EXPECT_EQ(ListViewSelectionRect(in).left, 121) << "at most the column's right + 1";
    EXPECT_EQ(EmptyTextWidth(2), 39);
}

TEST(ListViewText, IndentsAndTheNarrowColumn) {
    struct Case {
        Rect label;
        int column, width;
        Rect rect;
        bool drawn;
    } cases[] = {
        {{0, 0, 100, 16}, 0, 100, {2, 0, 98, 16}, true},      {{100, 0, 180, 16}, 1, 80, {108, 0, 178, 16}, true},
        {{100, 0, 110, 16}, 1, 10, {108, 0, 108, 16}, false}, // 8 + 2 not below 10
        {{100, 0, 111, 16}, 1, 11, {108, 0, 109, 16}, true},  {{0, 0, 4, 16}, 0, 4, {2, 0, 2, 16}, false},
    };
    for (const Case& c : cases) {
        const TextPlace p = ListViewTextPlace(c.label, c.column, c.width, 2);
        EXPECT_EQ(p.rect, c.rect) << c.column << " " << c.width;
        EXPECT_EQ(p.drawn, c.drawn) << c.column << " " << c.width;
    }
}

TEST(ListViewGrid, LinesAtRowBoundariesAndColumnEdges) {
    const auto lines = GridLines(19, 17, {0, 0, 200, 60}, {50, 120, 199, 200, 260}, 0, 18);
    const std::vector<Line> expected{
        {{0, 19}, {200, 19}}, {{0, 36}, {200, 36}},   {{0, 53}, {200, 53}},   // 70 is below the client
        {{50, 18}, {50, 60}}, {{120, 18}, {120, 60}}, {{199, 18}, {199, 60}}, // 200 and beyond left out
    };
    EXPECT_EQ(lines, expected);
    const auto scrolled = GridLines(19, 17, {0, 0, 200, 30}, {50, 120}, -60, 18);
    ASSERT_EQ(scrolled.size(), 2u) << "column edge scrolled off the left is left out";
    EXPECT_EQ(scrolled[1], (Line{{60, 18}, {60, 30}}));
    EXPECT_TRUE(GridLines(0, 0, {0, 0, 10, 10}, {}, 0, 0).empty()) << "no rows, no endless loop";
}

TEST(TreeGeometry, HalvesRadiusAndCentre) {
    struct Case {
        int imageWidth;
        bool images;
        int indent, height;
        TreeMetrics m;
    } cases[] = {
        {16, true, 19, 18, {8, 10, 4}}, // (18 / 2 + 1) = 10
        {16, true, 19, 16, {8, 8, 4}},  // 9 rounded down to even
        {16, false, 19, 16, {9, 8, 4}}, // no images: half the indent
        {32, true, 40, 40, {16, 20, 8}}, {0, false, 0, 0, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const TreeMetrics m = TreeMetricsFor(c.imageWidth, c.images, c.indent, c.height);
        EXPECT_EQ(m.w2, c.m.w2) << c.indent << " " << c.height;
        EXPECT_EQ(m.h2, c.m.h2) << c.indent << " " << c.height;
        EXPECT_EQ(m.r, c.m.r) << c.indent << " " << c.height;
    }
    EXPECT_EQ(TreeButtonCentre(38, 19, {9, 8, 4}, 32), (Point{28, 40}));
    EXPECT_EQ(TreeLevel(1, true), 1);
    EXPECT_EQ(TreeLevel(1, false), 0);
    const ButtonHalves h = TreeButtonHalves(9, 9);
    EXPECT_EQ(h.right, 5);
    EXPECT_EQ(h.upper, 4);
    EXPECT_EQ(h.lower, 5);
}

TEST(TreeGeometry, GdiButtonBarsThinAndThick) {
    const TreeButton small = TreeGdiButton(10, 10, 4, true); // a = 2
    EXPECT_EQ(small.square, (Rect{6, 6, 15, 15}));
    ASSERT_EQ(small.bars.size(), 2u);
    EXPECT_EQ(small.bars[0], (Rect{8, 10, 13, 11}));
    EXPECT_EQ(small.bars[1], (Rect{10, 8, 11, 13}));
    EXPECT_EQ(TreeGdiButton(10, 10, 4, false).bars.size(), 1u) << "expanded: minus only";
    const TreeButton wide = TreeGdiButton(20, 20, 8, true); // a = 5: three pixels thick
    EXPECT_EQ(wide.square, (Rect{12, 12, 29, 29}));
    ASSERT_EQ(wide.bars.size(), 2u);
    EXPECT_EQ(wide.bars[0], (Rect{15, 19, 26, 22}));
    EXPECT_EQ(wide.bars[1], (Rect{19, 15, 22, 26}));
    EXPECT_EQ(TreeGdiButton(20, 20, 7, true).bars[0].Height(), 1) << "a = 4 stays one pixel";
}

TEST(TreeGeometry, FolderBrowserTreeFromVersionAndClasses) {
    const struct {
        int version;
        const char* cls;
        const char* parent;
        bool expected;
    } cases[] = {
        {9, "SysTreeView32", "SHBrowseForFolder ShellNameSpace Control", true},
        {9, "systreeview32", "shbrowseforfolder shellnamespace control", true},
        {7, "SysTreeView32", "SHBrowseForFolder ShellNameSpace Control", false},
        {9, "SysTreeView32", "#32770", false},
        {9, "SysListView32", "SHBrowseForFolder ShellNameSpace Control", false},
        {9, "SysTreeView32", "SHBrowseForFolder ShellNameSpace", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsFolderBrowserTree(c.version, c.cls, c.parent), c.expected)
            << c.version << " " << c.cls << " / " << c.parent;
}
