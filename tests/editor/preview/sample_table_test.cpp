// Which sample shows for each element type, and the fixed orders that walk
// the samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "editor/preview/view/sample_table.h"

using namespace hexmoor::preview;

TEST(SampleTable, EveryTypeFrom0To44And100MapsToItsSampleOrNone) {
    const std::map<int, SampleId> expected = {
        {2, SampleId::kMdiFrame},
        {11, SampleId::kMdiFrame},
        {12, SampleId::kMdiFrame},
        {16, SampleId::kMdiFrame},
        {31, SampleId::kMdiFrame},
        {3, SampleId::kEditCombobox},
        {13, SampleId::kEditCombobox},
        {4, SampleId::kStaticGroupButtonCheckRadio},
        {6, SampleId::kStaticGroupButtonCheckRadio},
        {7, SampleId::kStaticGroupButtonCheckRadio},
        {8, SampleId::kStaticGroupButtonCheckRadio},
        {21, SampleId::kStaticGroupButtonCheckRadio},
        {39, SampleId::kStaticGroupButtonCheckRadio},
        {5, SampleId::kListBoxScrollbar},
        {14, SampleId::kListBoxScrollbar},
        {27, SampleId::kListBoxScrollbar},
        {9, SampleId::kSpinSliderProgress},
        {17, SampleId::kSpinSliderProgress},
        {18, SampleId::kSpinSliderProgress},
        {10, SampleId::kTabs},
        {15, SampleId::kListTree},
        {19, SampleId::kListTree},
        {20, SampleId::kListTree},
        {22, SampleId::kDateTimeMonthCal},
        {38, SampleId::kDateTimeMonthCal},
        {25, SampleId::kDialogPreview},
        {28, SampleId::kToolTips},
        {34, SampleId::kSplitter},
        {40, SampleId::kStripTool},
        {41, SampleId::kStripTool},
        {42, SampleId::kStripMenu},
        {43, SampleId::kStripMenu},
    };
    for (int type = 0; type <= 44; ++type) {
        auto it = expected.find(type);
        EXPECT_EQ(SampleForType(type), it == expected.end() ? SampleId::kNone : it->second) << "type " << type;
    }
    for (int type : {-1, 100, 0xFFFF}) EXPECT_EQ(SampleForType(type), SampleId::kNone) << type;
}

TEST(SampleTable, TheHideAndCentreOrdersNameEverySampleOnceAndTheScrollBarRefreshItsSix) {
    for (const auto* order : {&kHideOrder, &kCentreOrder}) {
        std::set<SampleId> seen(order->begin(), order->end());
        EXPECT_EQ(seen.size(), static_cast<size_t>(kSampleCount));
        EXPECT_EQ(seen.count(SampleId::kNone), 0u);
    }
    EXPECT_EQ(kHideOrder.front(), SampleId::kDialogPreview);
    EXPECT_EQ(kHideOrder.back(), SampleId::kStripTool);
    EXPECT_EQ(kCentreOrder[10], SampleId::kMdiFrame);
    const std::array<SampleId, 6> refresh = {SampleId::kListBoxScrollbar, SampleId::kDialogPreview,
                                             SampleId::kSplitter,         SampleId::kListTree,
                                             SampleId::kToolTips,         SampleId::kEditCombobox};
    EXPECT_EQ(kScrollBarRefreshOrder, refresh);
}

TEST(SampleTable, ResourceLabelsNameTheTemplatesAndTheStripWindows) {
    EXPECT_EQ(SampleResourceLabel(SampleForType(25)), "101");
    EXPECT_EQ(SampleResourceLabel(SampleForType(2)), "129");
    EXPECT_EQ(SampleResourceLabel(SampleForType(43)), "236:1700");
    EXPECT_EQ(SampleResourceLabel(SampleForType(40)), "236:1701,1702");
    EXPECT_EQ(SampleResourceLabel(SampleId::kNone), "none");
}
