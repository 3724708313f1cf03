#include "model/elements.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/model/model_test_env.h"
#include "tests/model/test_images.h"

namespace {

using model_test::SolidBitmap;

class ElementsTest : public ModelTest {};

std::shared_ptr<CImageRgn> RectRegion(LONG right, LONG bottom) {
    return std::make_shared<CImageRgn>(hexmoor::platform::CreateRectRegion(0, 0, right, bottom), right, bottom);
}

TEST_F(ElementsTest, SideFrameImagesCarryTheirOptions) {
    CTwfWndFrame frame;
    CTwfSideFrame* side = frame.GetTopSide();
    auto bitmap = SolidBitmap(4, 4, 0xFF0000FF);
    side->SetImageBitmap(1, bitmap.Get());
    ASSERT_NE(side->GetImageOptions(1), nullptr);
    EXPECT_EQ(side->GetImageOptions(1)->DrawMode, 0u);

    // Replacing an image keeps the options the user set.
    side->SetImageOptions(1, 3, -4, 2);
    side->SetImageBitmap(1, bitmap.Get());
    EXPECT_EQ(side->GetImageOptions(1)->XOffset, 3);
    EXPECT_EQ(side->GetImageOptions(1)->YOffset, -4);
    EXPECT_EQ(side->GetImageOptions(1)->DrawMode, 2u);

    EXPECT_TRUE(side->RemoveImage(1));
    EXPECT_EQ(side->GetImageOptions(1), nullptr);
    EXPECT_FALSE(side->RemoveImage(1));
    EXPECT_FALSE(side->RemoveImageOptions(1));
}

TEST_F(ElementsTest, RegionOptionsStartAsNoRegionModeOne) {
    CTwfWndFrame frame;
    CTwfSideFrame* side = frame.GetLeftSide();
    side->SetRegionOptions(1001, nullptr, 2);
    ASSERT_TRUE(side->HasRegionOptions(1001));
    EXPECT_EQ(side->GetRegionOptions(1001)->DrawMode, 2u);
    EXPECT_FALSE(side->GetRegionOptions(1001)->HasRegion());

    side->PutRegionOptions(7, OptionsHrgn{});
    EXPECT_EQ(side->GetRegionOptions(7)->DrawMode, 1u);

    auto region = RectRegion(8, 9);
    side->SetRegionOptions(1001, region, 0);
    side->SetRegionOptions(1001, nullptr, 1); // a null region leaves the one set
    EXPECT_EQ(side->GetRegionOptions(1001)->GetRegionData(), region.get());
    EXPECT_TRUE(side->GetRegionOptions(1001)->HasRegion());
    EXPECT_EQ(side->GetRegionOptions(1001)->DrawMode, 1u);

    ImageRgnPtr held = region; // a preview keeps it
    EXPECT_TRUE(side->RemoveRegionOptions(1001));
    EXPECT_NE(held->GetHRgn(), nullptr);
    EXPECT_FALSE(side->RemoveRegionOptions(1001));
}

TEST_F(ElementsTest, SideCopyDuplicatesRegionsAndOptions) {
    CTwfWndFrame source;
    CTwfWndFrame dest;
    source.GetBottomSide()->SetImageOptions(3, 1, 2, 1);
    source.GetBottomSide()->SetRegionOptions(3, RectRegion(5, 6), 2);
    source.GetBottomSide()->SetNumber(4, 44);
    source.GetMenuBar()->SetColor(646, 0x00ABCDEF);
    source.SetNumber(478, 0x20);
    ASSERT_TRUE(source.CopyTo(&dest));

    const OptionsHrgn* copied = dest.GetBottomSide()->GetRegionOptions(3);
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->DrawMode, 2u);
    ASSERT_TRUE(copied->HasRegion());
    EXPECT_NE(copied->region, source.GetBottomSide()->GetRegionOptions(3)->region);
    EXPECT_NE(copied->region->GetHRgn(), source.GetBottomSide()->GetRegionOptions(3)->region->GetHRgn());
    EXPECT_EQ(copied->region->GetWidth(), 5);
    EXPECT_EQ(copied->region->GetRegionData(), source.GetBottomSide()->GetRegionOptions(3)->region->GetRegionData());
    EXPECT_EQ(dest.GetBottomSide()->GetImageOptions(3)->YOffset, 2);
    EXPECT_EQ(dest.GetBottomSide()->GetNumber(4), 44u);
    EXPECT_EQ(dest.GetMenuBar()->GetColor(646), 0x00ABCDEFu);
    EXPECT_EQ(dest.GetNumber(478), 0x20u);
}

TEST_F(ElementsTest, FrameClearAndEnableReachEveryPart) {
    CTwfWndFrame frame;
    frame.GetTopSide()->SetRegionOptions(1, RectRegion(1, 1), 1);
    frame.GetTopSide()->SetImageOptions(1, 1, 1, 1);
    frame.GetTopSide()->SetLegacyThickness(5);
    frame.GetMenuBar()->SetNumber(649, 1);
    frame.SetEnabled(1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(frame.GetSide(i)->GetEnabled(), 1u);
    EXPECT_EQ(frame.GetMenuBar()->GetEnabled(), 1u);

    frame.Clear(0);
    EXPECT_TRUE(frame.GetTopSide()->GetRegionOptionsMap().empty());
    EXPECT_TRUE(frame.GetTopSide()->GetImageOptionsMap().empty());
    EXPECT_EQ(frame.GetTopSide()->GetLegacyThickness(), 0u);
    EXPECT_TRUE(frame.GetMenuBar()->GetNumberMap().empty());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(frame.GetSide(i)->GetEnabled(), 0u);
    EXPECT_EQ(frame.GetMenuBar()->GetEnabled(), 0u);
}

TEST_F(ElementsTest, MenuBarClearZeroesEveryLegacyField) {
    CTwfWndFrame frame;
    CTwfMenuBar* bar = frame.GetMenuBar();
    bar->L657 = {1, 2};
    bar->legacyRect = RECT{1, 2, 3, 4};
    bar->L652 = 5;
    for (LegacyPair* pair : {&bar->L646, &bar->L647, &bar->L648, &bar->L649, &bar->L650, &bar->L651}) *pair = {6, 7};
    bar->Clear(0);
    EXPECT_EQ(bar->L657, LegacyPair{});
    EXPECT_EQ(bar->legacyRect.right, 0);
    EXPECT_EQ(bar->L652, 0u);
    for (LegacyPair* pair : {&bar->L646, &bar->L647, &bar->L648, &bar->L649, &bar->L650, &bar->L651}) {
        EXPECT_EQ(*pair, LegacyPair{});
    }
}

TEST_F(ElementsTest, MenuBarPageClearsTouchTheirOwnFields) {
    CTwfWndFrame frame;
    CTwfMenuBar* bar = frame.GetMenuBar();
    for (LegacyPair* pair : {&bar->L646, &bar->L647, &bar->L648, &bar->L649, &bar->L650, &bar->L651}) *pair = {6, 7};
    bar->L657 = {1, 1};
    bar->ClearLegacyClose();
    EXPECT_EQ(bar->L649, LegacyPair{});
    EXPECT_EQ(bar->L646, LegacyPair{});
    EXPECT_EQ(bar->L650, (LegacyPair{6, 7}));
    bar->ClearLegacyRestore();
    EXPECT_EQ(bar->L647, LegacyPair{});
    EXPECT_EQ(bar->L651, (LegacyPair{6, 7}));
    bar->ClearLegacyMinimize();
    EXPECT_EQ(bar->L648, LegacyPair{});
    EXPECT_EQ(bar->L657, (LegacyPair{1, 1}));
    bar->ClearLegacyBar();
    EXPECT_EQ(bar->L657, LegacyPair{});
}

TEST_F(ElementsTest, ScrollbarsKeepInternalSizesAndCopyImageSets) {
    CTwfScrollbars bars;
    for (WORD id : {812, 813, 810, 811}) EXPECT_EQ(bars.GetNumber(id), 16u) << id;
    bars.SetNumber(812, 3);
    bars.Clear(0);
    for (WORD id : {812, 813, 810, 811}) EXPECT_EQ(bars.GetNumber(id), 16u) << id;

    struct Pair {
        WORD internal;
        WORD standalone;
    };
    const Pair horz[] = {{814, 42}, {841, 101}, {826, 65}};
    const Pair vert[] = {{827, 76}, {837, 94}, {840, 100}};
    for (const Pair& p : horz) bars.SetValue(p.standalone, p.standalone);
    for (const Pair& p : vert) bars.SetValue(p.standalone, p.standalone);
    bars.SetValue(815, 1); // standalone 43 is absent: the copy empties 815
    bars.CopyStandaloneHorzToInternal();
    bars.CopyStandaloneVertToInternal();
    for (const Pair& p : horz) EXPECT_EQ(bars.GetImage(p.internal)->GetValue(), p.standalone);
    for (const Pair& p : vert) EXPECT_EQ(bars.GetImage(p.internal)->GetValue(), p.standalone);
    EXPECT_FALSE(bars.HasImage(815));

    bars.SetValue(814, 999);
    bars.SetValue(840, 998);
    bars.CopyInternalHorzToStandalone();
    bars.CopyInternalVertToStandalone();
    EXPECT_EQ(bars.GetImage(42)->GetValue(), 999u);
    EXPECT_EQ(bars.GetImage(100)->GetValue(), 998u);
}

TEST_F(ElementsTest, UserDataBlock) {
    CTwfUserData data;
    EXPECT_EQ(data.GetData(), nullptr);
    EXPECT_EQ(data.GetDataSize(), 0u);
    const char bytes[] = "abcdef";
    ASSERT_NE(data.SetData(bytes, 6), nullptr);
    EXPECT_EQ(data.GetDataSize(), 6u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.GetData()), 6), "abcdef");
    // Resized without data: the bytes that fit stay, added ones are 0.
    data.SetData(nullptr, 3);
    ASSERT_EQ(data.GetDataSize(), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.GetData()), 3), "abc");
    data.SetData(nullptr, 5);
    ASSERT_EQ(data.GetDataSize(), 5u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.GetData()), 5), std::string("abc\0\0", 5));
    // The block itself as the source.
    data.SetData(data.GetData() + 1, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.GetData()), 2), "bc");
    EXPECT_EQ(data.SetData(nullptr, 0), nullptr);
    EXPECT_EQ(data.GetData(), nullptr);
}

TEST_F(ElementsTest, ComboBoxArrowWidthTravelsWithACopy) {
    CTwfComboBox source;
    CTwfComboBox dest;
    EXPECT_EQ(source.GetArrowWidth(), 0u);
    source.SetArrowWidth(17);
    source.CopyTo(&dest);
    EXPECT_EQ(dest.GetArrowWidth(), 17u);
}

TEST_F(ElementsTest, ClearDropsTheUserDataBlockAndTheArrowWidth) {
    CTwfUserData data;
    data.SetData("xyz", 3);
    data.SetColor(1, 2);
    EXPECT_TRUE(data.Clear(1));
    EXPECT_EQ(data.GetData(), nullptr);
    EXPECT_EQ(data.GetDataSize(), 0u);
    EXPECT_TRUE(data.GetColorMap().empty());
    EXPECT_EQ(data.GetEnabled(), 1u);

    CTwfComboBox combo;
    combo.SetArrowWidth(17);
    combo.SetNumber(658, 2);
    EXPECT_TRUE(combo.Clear(0));
    EXPECT_EQ(combo.GetArrowWidth(), 0u);
    EXPECT_TRUE(combo.GetNumberMap().empty());
}

} // namespace
