// What the samples fill their controls with, read from the fill plans:
// the list sample's item counts and scroll bars, the checks of the button
// samples, the range sample's positions and the tab counts.
#include <gtest/gtest.h>

#include <vector>

#include "editor/preview/samples/fill_plan.h"

using namespace hexmoor::preview;

namespace {
std::vector<int> Values(SampleId sample, FillOp op, int FillStep::*field) {
    std::vector<int> out;
    for (const FillStep& s : FillPlanFor(sample))
        if (s.op == op) out.push_back(s.*field);
    return out;
}
} // namespace

TEST(FillPlan, TheListSampleHolds12_6_12_12And24ItemsAndFourScrollBarsAt33) {
    std::vector<int> counts;
    for (const FillStep& s : FillPlanFor(SampleId::kListBoxScrollbar))
        if (s.op == FillOp::kListItems || s.op == FillOp::kCheckListItems) counts.push_back(s.count);
    EXPECT_EQ(counts, (std::vector<int>{12, 6, 12, 12, 24}));
    EXPECT_EQ(Values(SampleId::kListBoxScrollbar, FillOp::kScrollBar, &FillStep::id),
              (std::vector<int>{1006, 1005, 1030, 1031}));
    for (int pos : Values(SampleId::kListBoxScrollbar, FillOp::kScrollBar, &FillStep::value)) EXPECT_EQ(pos, 33);
    EXPECT_EQ(Values(SampleId::kListBoxScrollbar, FillOp::kDisableChecks, &FillStep::count), std::vector<int>{3});
    // Every showing: items 1 and 3 checked, 2 and 4 indeterminate.
    int checked = 0, indeterminate = 0;
    for (const CheckState& c : kEveryShowChecks) (c.state == 1 ? checked : indeterminate) += c.item;
    EXPECT_EQ(checked, 4);
    EXPECT_EQ(indeterminate, 6);
}

TEST(FillPlan, ButtonSamplesCheckTheirListedControls) {
    EXPECT_EQ(Values(SampleId::kDialogPreview, FillOp::kCheck, &FillStep::id), (std::vector<int>{1011, 1010, 1002}));
    EXPECT_EQ(Values(SampleId::kStaticGroupButtonCheckRadio, FillOp::kCheck, &FillStep::id),
              (std::vector<int>{1008, 1010, 1014, 1016, 1012, 1018, 1102}));
    EXPECT_EQ(Values(SampleId::kToolTips, FillOp::kCheck, &FillStep::id), (std::vector<int>{1011, 1001, 1002}));
    EXPECT_EQ(Values(SampleId::kEditCombobox, FillOp::kText, &FillStep::id), (std::vector<int>{1025, 1017, 1018}));
    EXPECT_EQ(Values(SampleId::kEditCombobox, FillOp::kComboItems, &FillStep::count), (std::vector<int>{12, 12, 12}));
}

TEST(FillPlan, RangesAndTabsTakeTheirPositionsAndCounts) {
    EXPECT_EQ(Values(SampleId::kSpinSliderProgress, FillOp::kSlider, &FillStep::value),
              (std::vector<int>{25, 50, 75, 100, 25, 50, 75, 100}));
    EXPECT_EQ(Values(SampleId::kSpinSliderProgress, FillOp::kProgress, &FillStep::value),
              (std::vector<int>{25, 50, 75, 99}));
    EXPECT_EQ(Values(SampleId::kTabs, FillOp::kTabs, &FillStep::count), (std::vector<int>{5, 5, 3, 5, 4}));
    EXPECT_EQ(Values(SampleId::kTabs, FillOp::kTabs, &FillStep::size), (std::vector<int>{0, 0, 18, 18, 0}));
    EXPECT_EQ(Values(SampleId::kTabs, FillOp::kDisable, &FillStep::id), (std::vector<int>{1055, 1057}));
    for (SampleId none : {SampleId::kDateTimeMonthCal, SampleId::kStripMenu, SampleId::kMdiFrame, SampleId::kNone})
        EXPECT_TRUE(FillPlanFor(none).empty());
}
