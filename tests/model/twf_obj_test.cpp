#include "model/twf_obj.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/model/model_test_env.h"
#include "tests/model/test_images.h"

namespace {

using model_test::SolidBitmap;
using model_test::SolidGdiplus;

class TwfObjTest : public ModelTest {
protected:
    CTwfObj obj_{4};
};

LOGFONT MakeLogFont(const wchar_t* face, LONG height) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = 700;
    for (int i = 0; face[i] && i < LF_FACESIZE - 1; ++i) lf.lfFaceName[i] = face[i];
    return lf;
}

TEST_F(TwfObjTest, GettersOfAbsentIdsReturnZeroAndInsertNothing) {
    EXPECT_EQ(obj_.GetColor(7), 0u);
    EXPECT_EQ(obj_.GetNumber(7), 0u);
    EXPECT_EQ(obj_.GetImage(7), nullptr);
    EXPECT_EQ(obj_.GetImageBitmap(7), nullptr);
    EXPECT_FALSE(obj_.HasImage(7));
    EXPECT_FALSE(obj_.RemoveColor(7));
    EXPECT_FALSE(obj_.RemoveNumber(7));
    EXPECT_FALSE(obj_.RemoveImage(7));
    SIZE size{5, 5};
    EXPECT_EQ(obj_.GetNumberAsSize(&size, 7), &size);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
    EXPECT_TRUE(obj_.GetColorMap().empty());
    EXPECT_TRUE(obj_.GetNumberMap().empty());
    EXPECT_TRUE(obj_.GetImageMap().empty());
}

TEST_F(TwfObjTest, NumberWordsArePackedLowAndHigh) {
    obj_.SetNumberLow(1, 5);
    EXPECT_EQ(obj_.GetNumber(1), 5u);
    obj_.SetNumberHigh(1, 1);
    EXPECT_EQ(obj_.GetNumber(1), 0x00010005u);
    obj_.SetNumberHigh(2, 0xFFFF);
    EXPECT_EQ(obj_.GetNumber(2), 0xFFFF0000u);
    obj_.SetNumberLow(2, 0xFFFF);
    EXPECT_EQ(obj_.GetNumber(2), 0xFFFFFFFFu);
    obj_.SetNumberPair(3, 0x1234, 0xABCD);
    EXPECT_EQ(obj_.GetNumber(3), 0xABCD1234u);
    SIZE size{};
    obj_.GetNumberAsSize(&size, 3);
    EXPECT_EQ(size.cx, 0x1234);
    EXPECT_EQ(size.cy, 0xABCD);
    obj_.StoreNumber(3, 9);
    EXPECT_EQ(obj_.ReadNumber(3), 9u);
}

TEST_F(TwfObjTest, PutImageGivesTheNewImageTheOldEntrysParameters) {
    auto first = SolidBitmap(4, 4, 0xFF102030);
    obj_.SetImageFromSource(10, first.Get(), 1, 2, 3, 4, 1, 1);
    auto replacement = std::make_shared<CMrgBitmap>(first.Get(), 9, 9, 9, 9, 0, 0);
    EXPECT_TRUE(obj_.PutImage(10, replacement));
    EXPECT_EQ(obj_.GetImage(10), replacement.get());
    EXPECT_EQ(replacement->GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    // A new id keeps the image's own parameters.
    auto other = std::make_shared<CMrgBitmap>(first.Get(), 9, 8, 7, 6, 1, 0);
    obj_.PutImage(11, other);
    EXPECT_EQ(other->GetParams(), (MrgBitmapParams{9, 8, 7, 6, 1, 0}));
}

TEST_F(TwfObjTest, APlainValueNeitherLendsNorTakesImageParameters) {
    // An image put where a plain value was must stay an image: inheriting
    // DrawMode 2 would make it read as value 0 and lose it on the next save.
    auto bitmap = SolidBitmap(4, 3, 0xFF102030);
    obj_.SetValue(10, 0x00ABCDEF);
    obj_.PutImage(10, std::make_shared<CMrgBitmap>(bitmap.Get(), 1, 2, 3, 4, 1, 5));
    EXPECT_FALSE(obj_.GetImage(10)->IsPlainValue());
    EXPECT_EQ(obj_.GetImage(10)->GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 5}));
    EXPECT_NE(obj_.GetImageBitmap(10), nullptr);

    obj_.SetValue(11, 7);
    obj_.SetImageBitmap(11, bitmap.Get());
    EXPECT_FALSE(obj_.GetImage(11)->IsPlainValue());
    EXPECT_EQ(obj_.GetImage(11)->GetWidth(), 4);

    obj_.SetValue(12, 7);
    obj_.SetGdiplusImage(12, SolidGdiplus(2, 2, 0xFF00FF00));
    EXPECT_FALSE(obj_.GetImage(12)->IsPlainValue());
    EXPECT_TRUE(obj_.GetImage(12)->HasImage());

    // A value put over an image stays a value.
    obj_.PutImage(10, std::make_shared<CMrgBitmap>(DWORD{99}));
    ASSERT_TRUE(obj_.GetImage(10)->IsPlainValue());
    EXPECT_EQ(obj_.GetImage(10)->GetValue(), 99u);
}

TEST_F(TwfObjTest, SetImageBitmapKeepsParametersAndOwnsACopy) {
    auto source = SolidBitmap(3, 2, 0xFF00FF00);
    obj_.SetImageFromSource(20, source.Get(), 4, 5, 6, 7, 1, 0);
    obj_.SetImageBitmap(20, source.Get());
    source.Reset(); // the element holds its own copy
    const CMrgBitmap* image = obj_.GetImage(20);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetParams(), (MrgBitmapParams{4, 5, 6, 7, 1, 0}));
    EXPECT_NE(obj_.GetImageBitmap(20), nullptr);
    EXPECT_EQ(image->GetWidth(), 3);
    EXPECT_EQ(image->GetHeight(), 2);
}

TEST_F(TwfObjTest, PlainValuesNeverReadAsBitmapHandles) {
    obj_.SetValue(30, 0x00FF00FF);
    ASSERT_TRUE(obj_.HasImage(30));
    EXPECT_EQ(obj_.GetImageBitmap(30), nullptr);
    const CMrgBitmap* value = obj_.GetImage(30);
    EXPECT_EQ(value->GetHBitmap(), nullptr);
    EXPECT_EQ(value->GetGdiplusBitmap(), nullptr);
    EXPECT_EQ(value->GetValue(), 0x00FF00FFu);
    EXPECT_EQ(value->GetParams(), (MrgBitmapParams{0, 0, 0, 0, 2, 0}));
}

TEST_F(TwfObjTest, GdiplusImagesAreNotBitmapHandles) {
    obj_.SetGdiplusImage(40, SolidGdiplus(2, 2, 0x80FF0000));
    ASSERT_NE(obj_.GetImage(40), nullptr);
    EXPECT_TRUE(obj_.GetImage(40)->IsGdiplus());
    EXPECT_NE(obj_.GetImage(40)->GetGdiplusBitmap(), nullptr);
    EXPECT_EQ(obj_.GetImageBitmap(40), nullptr);
}

TEST_F(TwfObjTest, ReplacedImagesLiveOnWhileAHolderShowsThem) {
    auto bitmap = SolidBitmap(5, 5, 0xFF112233);
    obj_.SetImageFromSource(50, bitmap.Get(), 0, 0, 0, 0, 0, 0);
    MrgBitmapPtr shown = obj_.GetImageShared(50); // a preview keeps the entry
    obj_.SetImageBitmap(50, SolidBitmap(7, 7, 0xFF000000).Get());
    obj_.RemoveImage(50);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->GetWidth(), 5);
    hexmoor::platform::ImagePixels pixels;
    ASSERT_TRUE(shown->ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb[0] & 0xFFFFFF, 0x112233u);
    EXPECT_EQ(shown.use_count(), 1);
}

TEST_F(TwfObjTest, ClearDropsEverythingButSavedColours) {
    obj_.SetColor(1, 0x123456);
    obj_.SaveColors();
    obj_.SetNumber(2, 3);
    obj_.SetValue(3, 4);
    obj_.SetFont(std::make_unique<CFont>(MakeLogFont(L"Tahoma", -11)));
    EXPECT_TRUE(obj_.Clear(1));
    EXPECT_EQ(obj_.GetEnabled(), 1u);
    EXPECT_TRUE(obj_.GetImageMap().empty());
    EXPECT_TRUE(obj_.GetColorMap().empty());
    EXPECT_TRUE(obj_.GetNumberMap().empty());
    EXPECT_EQ(obj_.GetFont(), nullptr);
    EXPECT_EQ(obj_.GetSavedColorMap().at(1), 0x123456u);
    obj_.ClearSavedColors();
    EXPECT_TRUE(obj_.GetSavedColorMap().empty());
}

TEST_F(TwfObjTest, CopyImageReplacesTheTargetOrEmptiesIt) {
    auto bitmap = SolidBitmap(2, 3, 0xFF445566);
    obj_.SetImageFromSource(1, bitmap.Get(), 1, 2, 3, 4, 1, 1);
    obj_.SetValue(2, 77);
    EXPECT_TRUE(obj_.CopyImage(1, 2));
    ASSERT_NE(obj_.GetImage(2), nullptr);
    EXPECT_NE(obj_.GetImage(2), obj_.GetImage(1));
    EXPECT_NE(obj_.GetImageBitmap(2), obj_.GetImageBitmap(1));
    EXPECT_EQ(obj_.GetImage(2)->GetParams(), (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    EXPECT_TRUE(obj_.CopyImage(9, 2)); // absent source: target emptied
    EXPECT_FALSE(obj_.HasImage(2));
    // The target goes first, so an id copied onto itself is removed.
    EXPECT_TRUE(obj_.CopyImage(1, 1));
    EXPECT_FALSE(obj_.HasImage(1));
}

TEST_F(TwfObjTest, CopyToReplacesSameIdsKeepsOthersAndCopiesTheFont) {
    CTwfObj dest(4);
    auto bitmap = SolidBitmap(2, 2, 0xFF000001);
    obj_.SetImageFromSource(1, bitmap.Get(), 0, 0, 0, 0, 0, 0);
    obj_.SetColor(5, 0xAA);
    obj_.SetNumber(6, 0xBB);
    obj_.SetColor(9, 1);
    obj_.SaveColors();
    obj_.SetEnabled(1);
    obj_.SetFolderId(3);
    obj_.SetOrder(4);
    obj_.SetFont(std::make_unique<CFont>(MakeLogFont(L"Tahoma", -13)));
    dest.SetValue(1, 42);
    dest.SetValue(2, 43);
    dest.SetColor(5, 0x11);

    EXPECT_TRUE(obj_.CopyTo(&dest));
    ASSERT_NE(dest.GetImage(1), nullptr);
    EXPECT_FALSE(dest.GetImage(1)->IsPlainValue());
    EXPECT_EQ(dest.GetImage(2)->GetValue(), 43u);
    EXPECT_EQ(dest.GetColor(5), 0xAAu);
    EXPECT_EQ(dest.GetNumber(6), 0xBBu);
    ASSERT_NE(dest.GetFont(), nullptr);
    EXPECT_NE(dest.GetFont(), obj_.GetFont());
    EXPECT_EQ(dest.GetFont()->GetLogFontRef().lfHeight, -13);
    EXPECT_TRUE(dest.GetSavedColorMap().empty());
    EXPECT_EQ(dest.GetEnabled(), 0u);
    EXPECT_EQ(dest.GetFolderId(), 0);
    EXPECT_EQ(dest.GetOrder(), 0);
}

TEST_F(TwfObjTest, CopyToFromAnElementWithoutFontLeavesTheTargetsFont) {
    CTwfObj dest(4);
    dest.SetFont(std::make_unique<CFont>(MakeLogFont(L"Tahoma", -20)));
    CFont* kept = dest.GetFont();
    EXPECT_TRUE(obj_.CopyTo(&dest));
    EXPECT_EQ(dest.GetFont(), kept);
}

TEST_F(TwfObjTest, ReplacedFontLivesOnWhileHeld) {
    obj_.SetFont(std::make_unique<CFont>(MakeLogFont(L"Arial", -9)));
    FontPtr held = obj_.GetFontShared();
    obj_.SetFont(FontPtr());
    ASSERT_NE(held, nullptr);
    EXPECT_NE(held->GetSafeHandle(), nullptr);
    LOGFONT lf{};
    EXPECT_TRUE(held->GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -9);
}

} // namespace
