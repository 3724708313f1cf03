// Element records in detail, where the canonical listing does not show the
// behaviour: the stored enabled flag, options that carry no region, image
// records that claim the plain-value draw mode.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/elements.h"
#include "model/file/skin_file.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"
#include "tests/model/file/skin_test_support.h"

namespace plat = hexmoor::platform;

namespace {

std::vector<std::uint8_t> Save(CTwfSkin& skin) {
    MemorySink sink;
    EXPECT_TRUE(WriteSkinArchive(skin, sink));
    return sink.Bytes();
}

std::unique_ptr<CTwfSkin> Load(const std::vector<std::uint8_t>& bytes) {
    auto skin = std::make_unique<CTwfSkin>();
    skin->InitNewSkin(L"Default");
    EXPECT_EQ(skin->LoadSkinFromMemory(bytes.data(), static_cast<UINT>(bytes.size()), FALSE), 0);
    return skin;
}

class ElementRecords : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(skin_test::Imaging().IsStarted()); }
};

TEST_F(ElementRecords, ListViewStoredDisabledReadsEnabledButKeepsItsStoredFlag) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* list = skin.FindObject(kElemListView, L"");
    list->SetEnabled(0);
    list->SetColor(374, 1);
    CTwfObj* button = skin.FindObject(kElemButton, L"");
    button->SetEnabled(0);
    auto loaded = Load(Save(skin));
    EXPECT_EQ(loaded->FindObject(kElemListView, L"")->GetEnabled(), 1u);
    EXPECT_EQ(loaded->FindObject(kElemListView, L"")->GetStoredEnabled(), 0u);
    EXPECT_EQ(loaded->FindObject(kElemButton, L"")->GetEnabled(), 0u);
}

TEST_F(ElementRecords, RegionOptionWithoutRegionRoundTripsAsNoOption) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.FindObject(kElemWndFrame, L""));
    ASSERT_NE(frame, nullptr);
    CTwfSideFrame* left = frame->GetLeftSide();
    left->SetRegionOptions(3, nullptr, 0);
    left->SetRegionOptions(4, std::make_shared<CImageRgn>(plat::CreateRectRegion(0, 0, 5, 6), 5, 6), 0);
    left->SetImageOptions(9, -3, 4, 2);
    auto loaded = Load(Save(skin));
    auto* side = dynamic_cast<CTwfWndFrame*>(loaded->FindObject(kElemWndFrame, L""))->GetLeftSide();
    EXPECT_FALSE(side->HasRegionOptions(3));
    ASSERT_TRUE(side->HasRegionOptions(4));
    EXPECT_EQ(side->GetRegionOptions(4)->DrawMode, 0u);
    EXPECT_EQ(side->GetRegionOptions(4)->region->GetWidth(), 5);
    ASSERT_NE(side->GetImageOptions(9), nullptr);
    EXPECT_EQ(side->GetImageOptions(9)->XOffset, -3);
    EXPECT_EQ(side->GetImageOptions(9)->DrawMode, 2u);
}

TEST_F(ElementRecords, ImagesKeepParametersAndFormAndNeverReadAsValues) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* edit = skin.FindObject(kElemEdit, L"");
    plat::ImagePixels px;
    px.width = 2;
    px.height = 1;
    px.argb = {0xFF102030u, 0xFF405060u};
    auto bitmap = plat::CreateBitmapFromPixels(px);
    edit->SetImageFromSource(1, bitmap.Get(), 3, 5, 7, 9, 1, 4);
    edit->SetGdiplusImage(2, plat::CreateGdiplusBitmapFromPixels(px));
    // An image record whose centre mode claims the plain-value mark (2): it
    // must stay an image (drawn stretched), or the next save would lose it.
    edit->SetImageFromSource(3, bitmap.Get(), 11, 12, 13, 14, 1, 0);
    auto bytes = Save(skin);
    const std::uint8_t params[] = {11, 0, 0, 0, 12, 0, 0, 0, 13, 0, 0, 0, 14, 0, 0, 0, 1, 0, 0, 0};
    auto at = std::search(bytes.begin(), bytes.end(), std::begin(params), std::end(params));
    ASSERT_NE(at, bytes.end());
    at[16] = 2;
    auto loaded = Load(bytes);
    CTwfObj* e = loaded->FindObject(kElemEdit, L"");
    ASSERT_TRUE(e->HasImage(1));
    EXPECT_EQ(e->GetImage(1)->GetParams(), (MrgBitmapParams{3, 5, 7, 9, 1, 4}));
    EXPECT_FALSE(e->GetImage(1)->IsGdiplus());
    EXPECT_NE(e->GetImageBitmap(1), nullptr);
    ASSERT_TRUE(e->HasImage(2));
    EXPECT_TRUE(e->GetImage(2)->IsGdiplus()) << "PNG data stays a GDI+ image";
    plat::ImagePixels back;
    ASSERT_TRUE(e->GetImage(2)->ReadPixels(&back));
    EXPECT_EQ(back.argb, px.argb);
    ASSERT_TRUE(e->HasImage(3));
    EXPECT_FALSE(e->GetImage(3)->IsPlainValue());
    EXPECT_EQ(e->GetImage(3)->GetDrawMode(), CMrgBitmap::kDrawStretch);
    EXPECT_EQ(e->GetImage(3)->GetWidth(), 2);
}

} // namespace
