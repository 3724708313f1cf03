// Element records in detail, where the canonical listing does not show the
// behaviour: the stored enabled flag, options that carry no region, image
// records that claim the plain-value draw mode or follow a value under the
// same id, and element fields that must not outlive a reload.
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

TEST_F(ElementRecords, AnImageRecordAfterAValueUnderTheSameIdStaysAnImage) {
    // Two records for one id, a value first: each image form must come back
    // as an image with its own record's parameters, never as value 0.
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* edit = skin.FindObject(kElemEdit, L"");
    plat::ImagePixels px;
    px.width = 3;
    px.height = 2;
    px.argb.assign(6, 0xFF336699u);
    auto bitmap = plat::CreateBitmapFromPixels(px);
    skin.SetCompressedFlag(0); // image data right behind each record's id
    edit->SetValue(5, 0x01020304);
    edit->SetGdiplusImage(6, plat::CreateGdiplusBitmapFromPixels(px)); // PNG record
    edit->SetValue(7, 0x05060708);
    edit->SetImageFromSource(8, bitmap.Get(), 1, 2, 3, 4, 1, 1); // BMP record
    auto bytes = Save(skin);
    // Records are written in id order: rename 6 to 5 and 8 to 7, so that each
    // image record follows a value record of the same id.
    auto rename = [&](WORD from, WORD to, std::size_t after) -> std::size_t {
        for (std::size_t i = after; i + 6 < bytes.size(); ++i) {
            const bool png = bytes[i + 2] == 0x89 && bytes[i + 3] == 'P';
            const bool bmp = bytes[i + 2] == 'B' && bytes[i + 3] == 'M';
            if (bytes[i] == from && bytes[i + 1] == 0 && (png || bmp)) {
                bytes[i] = static_cast<std::uint8_t>(to);
                return i;
            }
        }
        ADD_FAILURE() << "no image record for id " << from;
        return bytes.size();
    };
    rename(8, 7, rename(6, 5, 0));
    auto loaded = Load(bytes);
    CTwfObj* e = loaded->FindObject(kElemEdit, L"");
    ASSERT_TRUE(e->HasImage(5));
    EXPECT_FALSE(e->GetImage(5)->IsPlainValue());
    EXPECT_TRUE(e->GetImage(5)->IsGdiplus());
    EXPECT_EQ(e->GetImage(5)->GetParams(), MrgBitmapParams{});
    ASSERT_TRUE(e->HasImage(7));
    EXPECT_FALSE(e->GetImage(7)->IsPlainValue());
    EXPECT_EQ(e->GetImage(7)->GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    // And so the next save keeps both images.
    auto again = Load(Save(*loaded));
    plat::ImagePixels back;
    ASSERT_TRUE(again->FindObject(kElemEdit, L"")->GetImage(5)->ReadPixels(&back));
    EXPECT_EQ(back.argb, px.argb);
    ASSERT_TRUE(again->FindObject(kElemEdit, L"")->GetImage(7)->ReadPixels(&back));
    EXPECT_EQ(back.argb, px.argb);
}

TEST_F(ElementRecords, AReloadKeepsNoUserDataBlockOrArrowWidthOfThePreviousSkin) {
    // The skin that is loaded next: a user-data element of 0 bytes in the
    // default scheme, and no combo box record at all.
    CTwfSkin next;
    next.InitNewSkin(L"Default");
    ASSERT_NE(next.GetOrCreateObject(kElemUserData, next.GetDefaultSchemeName()), nullptr);
    ASSERT_TRUE(next.RemoveObject(kElemComboBox, next.GetDefaultSchemeName()));
    const auto nextBytes = Save(next);

    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    auto* data = dynamic_cast<CTwfUserData*>(skin.GetOrCreateObject(kElemUserData, skin.GetDefaultSchemeName()));
    ASSERT_NE(data, nullptr);
    data->SetData("previous", 8);
    auto* combo = dynamic_cast<CTwfComboBox*>(skin.FindObject(kElemComboBox, L""));
    ASSERT_NE(combo, nullptr);
    combo->SetArrowWidth(23);
    ASSERT_EQ(skin.LoadSkinFromMemory(nextBytes.data(), static_cast<UINT>(nextBytes.size()), FALSE), 0);
    EXPECT_EQ(data->GetDataSize(), 0u);
    EXPECT_EQ(data->GetData(), nullptr);
    EXPECT_EQ(combo->GetArrowWidth(), 0u);

    // The next save writes a user-data record of 0 bytes: a single u32 0.
    const auto saved = Save(skin);
    auto reloaded = Load(saved);
    auto* back = dynamic_cast<CTwfUserData*>(reloaded->FindObject(kElemUserData, reloaded->GetDefaultSchemeName()));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetDataSize(), 0u);
}

} // namespace
