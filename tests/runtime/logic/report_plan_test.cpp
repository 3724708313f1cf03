// What one report-view row draws, planned without a window.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/logic/report_plan.h"

using namespace hexmoor;
using namespace hexmoor::rt::lists;
using Kind = ReportDraw::Kind;

namespace {

constexpr std::uint32_t kText = 1, kSelectedText = 2, kSelection = 3, kHot = 4;

// Two columns of 100 and 60 pixels; rows 16 high at y 20.
ReportStyle TwoColumns() {
    ReportStyle style;
    style.columns = {{{0, 0, 100, 18}, CellAlign::Left}, {{100, 0, 160, 18}, CellAlign::Right}};
    style.text = kText;
    style.selectedText = kSelectedText;
    style.selection = kSelection;
    style.hot = kHot;
    return style;
}

ReportRow TwoCells() {
    ReportRow row;
    row.bounds = {0, 20, 160, 36};
    ReportCell first;
    first.labelAsked = true;
    first.label = {2, 20, 100, 36};
    first.hasText = true;
    first.textWidth = 30;
    ReportCell second;
    second.hasText = true;
    second.textWidth = 20;
    row.cells = {first, second};
    return row;
}

std::vector<Kind> KindsOf(const std::vector<ReportDraw>& plan) {
    std::vector<Kind> kinds;
    for (const ReportDraw& d : plan) kinds.push_back(d.kind);
    return kinds;
}

} // namespace

TEST(ReportPlan, SelectionFillFocusFrameOrNothingByStyleAndFocus) {
    struct Case {
        const char* what;
        bool selected, focused, showAlways, borderSelect, editing;
        std::vector<Kind> kinds;
        std::uint32_t firstText;
    } cases[] = {
        {"plain row", false, true, false, false, false, {Kind::Text, Kind::Text}, kText},
        {"focused selection",
         true,
         true,
         false,
         false,
         false,
         {Kind::Fill, Kind::Focus, Kind::Text, Kind::Text},
         kSelectedText},
        {"unfocused selection hidden", true, false, false, false, false, {Kind::Text, Kind::Text}, kText},
        {"unfocused selection shown always",
         true,
         false,
         true,
         false,
         false,
         {Kind::Fill, Kind::Text, Kind::Text},
         kSelectedText},
        {"focused border selection", true, true, false, true, false, {Kind::Frame, Kind::Text, Kind::Text}, kText},
        {"label being edited", true, true, false, false, true, {Kind::Text, Kind::Text}, kText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReportStyle style = TwoColumns();
        style.focused = c.focused;
        style.showSelectionAlways = c.showAlways;
        style.borderSelect = c.borderSelect;
        style.labelEditing = c.editing;
        ReportRow row = TwoCells();
        row.selected = c.selected;
        const std::vector<ReportDraw> plan = PlanReportRow(style, row);
        EXPECT_EQ(KindsOf(plan), c.kinds);
        const auto text =
            std::find_if(plan.begin(), plan.end(), [](const ReportDraw& d) { return d.kind == Kind::Text; });
        ASSERT_NE(text, plan.end());
        EXPECT_EQ(text->colour, c.firstText);
        EXPECT_EQ(plan.back().colour, kText) << "a later column keeps the plain colour without full-row selection";
    }
}

TEST(ReportPlan, FullRowSelectionColoursEveryColumnAndAFramedSelectionLosesItsLastLine) {
    ReportStyle style = TwoColumns();
    style.fullRow = true;
    style.focused = true;
    ReportRow row = TwoCells();
    row.selected = true;
    std::vector<ReportDraw> plan = PlanReportRow(style, row);
    ASSERT_EQ(KindsOf(plan), (std::vector<Kind>{Kind::Fill, Kind::Focus, Kind::Text, Kind::Text}));
    EXPECT_EQ(plan[0].rect, (Rect{2, 20, 160, 36})) << "the row from the label to the columns' end";
    EXPECT_EQ(plan[3].colour, kSelectedText);
    EXPECT_EQ(plan[3].align, CellAlign::Right) << "a full-row selection keeps the column's alignment";

    style.borderSelect = true;
    plan = PlanReportRow(style, row);
    ASSERT_EQ(plan[0].kind, Kind::Frame);
    EXPECT_EQ(plan[0].rect.bottom, 35);
}

TEST(ReportPlan, HotRowTakesTheHotColourAndUnderlineFollowsTheActivateStyle) {
    ReportStyle style = TwoColumns();
    style.hotTracking = style.underlineHot = style.underlineFont = true;
    style.focused = true;
    ReportRow row = TwoCells();
    row.hot = true;
    std::vector<ReportDraw> plan = PlanReportRow(style, row);
    ASSERT_EQ(KindsOf(plan), (std::vector<Kind>{Kind::Text, Kind::Text}));
    EXPECT_EQ(plan[0].colour, kHot);
    EXPECT_TRUE(plan[0].underline);
    EXPECT_FALSE(plan[1].underline) << "only column 0 without full-row selection";

    row.selected = true;
    plan = PlanReportRow(style, row);
    EXPECT_EQ(plan[0].kind, Kind::Fill);
    EXPECT_EQ(plan[0].colour, kHot) << "a hot selection is filled in the hot colour";

    style.underlineFont = false;
    plan = PlanReportRow(style, row);
    EXPECT_FALSE(plan[2].underline) << "no underlined font, no underline";
}

TEST(ReportPlan, ImagesSitBesideTheLabelCutAtTheColumnAndBlendInAFilledSelection) {
    ReportStyle style = TwoColumns();
    style.smallImages = true;
    style.focused = true;
    ReportRow row = TwoCells();
    row.selected = true;
    row.cells[0].image = 5;
    row.cells[0].icon = {20, 20, 36, 36};
    row.cells[0].label = {38, 20, 100, 36};
    row.stateImage = 1;
    row.stateImageSize = {16, 14};
    row.cells[1].image = 7; // no sub-item images: not drawn
    row.cells[1].icon = {100, 20, 116, 36};
    const std::vector<ReportDraw> plan = PlanReportRow(style, row);
    ASSERT_EQ(KindsOf(plan),
              (std::vector<Kind>{Kind::Fill, Kind::Focus, Kind::StateImage, Kind::SmallImage, Kind::Text, Kind::Text}));
    EXPECT_EQ(plan[2].rect, (Rect{3, 20, 19, 34})) << "the state image ends left of the small image";
    EXPECT_EQ(plan[2].image, 1);
    EXPECT_EQ(plan[3].rect, (Rect{20, 20, 36, 36}));
    EXPECT_TRUE(plan[3].blend);

    style.columns[0].rect.right = 28; // a narrow first column cuts the image
    style.columns[1].rect.left = 28;
    const std::vector<ReportDraw> narrow = PlanReportRow(style, row);
    const auto image =
        std::find_if(narrow.begin(), narrow.end(), [](const ReportDraw& d) { return d.kind == Kind::SmallImage; });
    ASSERT_NE(image, narrow.end());
    EXPECT_EQ(image->rect.Width(), 8);
}

TEST(ReportPlan, EmptyCellsDrawNoTextAndLongTextsAlignLeft) {
    ReportStyle style = TwoColumns();
    ReportRow row = TwoCells();
    row.cells[1].textWidth = 500;
    std::vector<ReportDraw> plan = PlanReportRow(style, row);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[1].align, CellAlign::Left) << "a text wider than its place starts at its left";
    row.cells[1].hasText = false;
    plan = PlanReportRow(style, row);
    EXPECT_EQ(KindsOf(plan), (std::vector<Kind>{Kind::Text}));
}
