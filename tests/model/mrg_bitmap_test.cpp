#include "model/mrg_bitmap.h"

#include <gtest/gtest.h>

#include "tests/model/model_test_env.h"
#include "tests/model/test_images.h"

namespace {

using hexmoor::platform::ImagePixels;
using model_test::PatternPixels;
using model_test::SolidBitmap;
using model_test::SolidGdiplus;

class MrgBitmapTest : public ModelTest {};

TEST_F(MrgBitmapTest, MarginsAreTakenLeftFirstAndStoredTopFirst) {
    auto source = SolidBitmap(10, 10, 0xFF000000);
    CMrgBitmap image(source.Get(), 3, 5, 7, 9, 1, 1);
    EXPECT_EQ(image.GetLeft(), 3);
    EXPECT_EQ(image.GetTop(), 5);
    EXPECT_EQ(image.GetRight(), 7);
    EXPECT_EQ(image.GetBottom(), 9);
    EXPECT_EQ(image.GetParams(), (MrgBitmapParams{3, 5, 7, 9, 1, 1}));
    const int byIndex[] = {3, 5, 7, 9};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(image.GetMargin(i), byIndex[i]);
    image.SetMargin(1, 11);
    EXPECT_EQ(image.GetTop(), 11);
}

TEST_F(MrgBitmapTest, AnEntryOwnsItsOwnCopyOfTheSource) {
    auto source = hexmoor::platform::CreateBitmapFromPixels(PatternPixels(6, 4));
    CMrgBitmap image(source.Get(), 0, 0, 0, 0, 0, 0);
    EXPECT_NE(image.GetHBitmap(), source.Get());
    source.Reset();
    ImagePixels pixels;
    ASSERT_TRUE(image.ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, PatternPixels(6, 4).argb);
    EXPECT_EQ(image.GetSize().cx, 6);
    EXPECT_EQ(image.GetSize().cy, 4);
}

TEST_F(MrgBitmapTest, CopiesAreDeepForEveryForm) {
    auto bitmap = hexmoor::platform::CreateBitmapFromPixels(PatternPixels(3, 3));
    CMrgBitmap gdi(bitmap.Get(), 1, 2, 3, 4, 1, 0);
    CMrgBitmap gdip(SolidGdiplus(2, 5, 0x80FF8000), MrgBitmapParams{4, 3, 2, 1, 0, 1});
    CMrgBitmap value(0x00C0FFEE);

    auto gdiCopy = std::make_unique<CMrgBitmap>(gdi);
    auto gdipCopy = std::make_unique<CMrgBitmap>(gdip);
    CMrgBitmap valueCopy;
    valueCopy = value;

    EXPECT_NE(gdiCopy->GetHBitmap(), gdi.GetHBitmap());
    EXPECT_EQ(gdiCopy->GetParams(), gdi.GetParams());
    EXPECT_TRUE(gdipCopy->IsGdiplus());
    EXPECT_NE(gdipCopy->GetGdiplusBitmap(), gdip.GetGdiplusBitmap());
    EXPECT_EQ(gdipCopy->GetParams(), gdip.GetParams());
    EXPECT_EQ(valueCopy.GetValue(), 0x00C0FFEEu);
    EXPECT_TRUE(valueCopy.IsPlainValue());

    gdi.Release();
    gdip.Release();
    ImagePixels pixels;
    ASSERT_TRUE(gdiCopy->ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, PatternPixels(3, 3).argb);
    ASSERT_TRUE(gdipCopy->ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb[0], 0x80FF8000u);
}

TEST_F(MrgBitmapTest, ReleaseEmptiesTheEntry) {
    auto bitmap = SolidBitmap(2, 2, 0xFF000000);
    CMrgBitmap image(bitmap.Get(), 1, 1, 1, 1, 1, 1);
    image.Release();
    EXPECT_FALSE(image.HasImage());
    EXPECT_EQ(image.GetHBitmap(), nullptr);
    EXPECT_EQ(image.GetParams(), MrgBitmapParams{});
    EXPECT_FALSE(image.IsGdiplus());
    CMrgBitmap value(5);
    value.Release(); // frees nothing, zeroes the parameters
    EXPECT_FALSE(value.IsPlainValue());
}

TEST_F(MrgBitmapTest, SavedCopyIsNeverCopiedAndSurvivesAssignment) {
    auto bitmap = SolidBitmap(2, 2, 0xFF0000FF);
    CMrgBitmap image(bitmap.Get(), 0, 0, 0, 0, 0, 0);
    image.SaveCopy();
    ASSERT_TRUE(image.HasSavedCopy());
    EXPECT_NE(image.GetSavedHBitmap(), image.GetHBitmap());
    CMrgBitmap copy(image);
    EXPECT_FALSE(copy.HasSavedCopy());

    CMrgBitmap target;
    target.SetValue(1);
    target.SaveCopy();
    target = image;
    EXPECT_TRUE(target.HasSavedCopy());
    EXPECT_EQ(target.GetSavedValue(), 1u);

    image.DiscardSavedCopy();
    EXPECT_FALSE(image.HasSavedCopy());
}

TEST_F(MrgBitmapTest, SavedCopyFollowsTheForm) {
    CMrgBitmap gdip(SolidGdiplus(1, 1, 0xFF00FF00), MrgBitmapParams{});
    gdip.SaveCopy();
    EXPECT_TRUE(gdip.IsSavedGdiplus());
    EXPECT_NE(gdip.GetSavedGdiplusBitmap(), nullptr);
    EXPECT_NE(gdip.GetSavedGdiplusBitmap(), gdip.GetGdiplusBitmap());

    CMrgBitmap value(0x1234);
    value.SaveCopy();
    EXPECT_EQ(value.GetSavedValue(), 0x1234u);
    value.DiscardSavedCopy();
    EXPECT_EQ(value.GetSavedValue(), 0u);
}

TEST_F(MrgBitmapTest, SwitchingForms) {
    auto bitmap = SolidBitmap(4, 4, 0xFF010203);
    CMrgBitmap image(bitmap.Get(), 1, 2, 3, 4, 1, 1);
    image.SetGdiplusBitmap(SolidGdiplus(3, 3, 0x40000000));
    EXPECT_TRUE(image.IsGdiplus());
    EXPECT_EQ(image.GetHBitmap(), nullptr);
    EXPECT_EQ(image.GetWidth(), 3);
    EXPECT_EQ(image.GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    image.SetBitmapCopy(bitmap.Get());
    EXPECT_FALSE(image.IsGdiplus());
    EXPECT_NE(image.GetHBitmap(), nullptr);
    EXPECT_EQ(image.GetWidth(), 4);

    CMrgBitmap gdip(SolidGdiplus(2, 2, 0xFF000000), MrgBitmapParams{});
    gdip.SetGdiplusBitmap(gdip.GetGdiplusBitmap()); // handing back its own image keeps it
    EXPECT_EQ(gdip.GetWidth(), 2);

    CMrgBitmap value(7);
    value.SetBitmapCopy(bitmap.Get()); // a plain value is left unchanged
    EXPECT_TRUE(value.IsPlainValue());
    EXPECT_EQ(value.GetValue(), 7u);
}

TEST_F(MrgBitmapTest, AnEntryMadeFromANonBitmapHoldsNoImage) {
    CMrgBitmap image(static_cast<HBITMAP>(nullptr), 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(image.HasImage());
    EXPECT_EQ(image.GetWidth(), 0);
    CMrgBitmap copy(image);
    EXPECT_FALSE(copy.HasImage());
}

} // namespace
