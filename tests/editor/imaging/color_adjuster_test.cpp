// The colour-adjustment pane's logic on stand-ins for the element links and
// the editor around it, with real skin elements and images.
#include "editor/imaging/color_adjuster.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "tests/editor/adjust_fakes.h"

namespace hexmoor::preview {
namespace {

using platform::ImagePixels;

ImagePixels Picture(std::uint32_t argb) {
    ImagePixels p{4, 3, std::vector<std::uint32_t>(12, argb)};
    p.argb[5] = 0xFF204060;
    return p;
}

std::unique_ptr<CMrgBitmap> BitmapEntry(const ImagePixels& pixels, int drawMode = 1) {
    MrgBitmapParams params;
    params.left = 1;
    params.top = 2;
    params.drawMode = drawMode;
    return std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(pixels), params);
}

ImagePixels PixelsOf(const CTwfObj& obj, WORD id) {
    ImagePixels pixels;
    const CMrgBitmap* image = obj.GetImage(id);
    if (image) image->ReadPixels(&pixels);
    return pixels;
}

// Every channel of every pixel within one unit.
bool Near(const ImagePixels& a, const ImagePixels& b) {
    if (a.width != b.width || a.height != b.height || a.argb.size() != b.argb.size()) return false;
    for (size_t i = 0; i < a.argb.size(); ++i) {
        for (int s = 0; s < 24; s += 8) {
            if (std::abs(static_cast<int>((a.argb[i] >> s) & 0xFF) - static_cast<int>((b.argb[i] >> s) & 0xFF)) > 1)
                return false;
        }
    }
    return true;
}

class ColorAdjusterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus_.IsStarted()); }
    CGdiPlusInit gdiplus_;
    FakeHost host_;
};

// An included button with an image, a plain value, a colour and "Invert
// Color"; an excluded and a locked one with the same image.
TEST_F(ColorAdjusterTest, WholeSkinAdjustsOnlyIncludedImagesAndColours) {
    const ImagePixels original = Picture(0xFF808080);
    FakeLink included(5, AdjustState::Included), excluded(5, AdjustState::Excluded), locked(5, AdjustState::Locked);
    for (FakeLink* link : {&included, &excluded, &locked}) {
        link->Obj().PutImage(300, BitmapEntry(original));
        link->Obj().PutImage(301, std::make_unique<CMrgBitmap>(DWORD{7}));
        link->Obj().SetColor(200, RGB(200, 0, 0));
        link->Obj().SetColor(201, 0xFFFFFFFF);
        link->RenewSnapshot();
        host_.links.push_back(link);
    }
    ColorAdjuster adjuster(host_);
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));

    EXPECT_FALSE(Near(PixelsOf(included.Obj(), 300), original));
    EXPECT_EQ(included.Obj().GetImage(300)->GetLeft(), 1); // margins carried
    EXPECT_EQ(included.Obj().GetImage(300)->GetDrawMode(), 1);
    EXPECT_EQ(included.Obj().GetImage(301)->GetValue(), 7u);
    EXPECT_NE(included.Obj().GetColor(200), static_cast<COLORREF>(RGB(200, 0, 0)));
    EXPECT_EQ(included.Obj().GetColor(201), 0xFFFFFFFFu);
    for (FakeLink* link : {&excluded, &locked}) {
        EXPECT_EQ(PixelsOf(link->Obj(), 300).argb, original.argb);
        EXPECT_EQ(link->Obj().GetColor(200), static_cast<COLORREF>(RGB(200, 0, 0)));
    }
    EXPECT_EQ(host_.refreshed, (std::vector<WORD>{0}));
    EXPECT_TRUE(host_.modified);

    // Reset: the unadjusted values come back (within a unit), controls neutral.
    adjuster.Restore();
    EXPECT_TRUE(Near(PixelsOf(included.Obj(), 300), original));
    EXPECT_EQ(included.Obj().GetColor(200), static_cast<COLORREF>(RGB(200, 0, 0)));
    EXPECT_EQ(adjuster.Values(), HSLValues());
}

TEST_F(ColorAdjusterTest, SaveThenResetKeepsTheSavedValues) {
    FakeLink link(5, AdjustState::Included);
    link.Obj().PutImage(300, BitmapEntry(Picture(0xFF808080)));
    link.Obj().SetColor(200, RGB(10, 100, 200));
    link.RenewSnapshot();
    host_.links = {&link};
    ColorAdjuster adjuster(host_);
    adjuster.EditChanged(HslChannel::Lightness, 30);
    const ImagePixels kept = PixelsOf(link.Obj(), 300);
    const COLORREF keptColor = link.Obj().GetColor(200);
    adjuster.Keep();
    EXPECT_EQ(adjuster.Values(), HSLValues());
    adjuster.Restore();
    EXPECT_TRUE(Near(PixelsOf(link.Obj(), 300), kept));
    EXPECT_EQ(link.Obj().GetColor(200), keptColor);
    // The next adjustment starts from what was kept.
    adjuster.EditChanged(HslChannel::Lightness, 0);
    adjuster.EditChanged(HslChannel::Hue, 0);
    EXPECT_TRUE(Near(PixelsOf(link.Obj(), 300), kept));
}

TEST_F(ColorAdjusterTest, PerControlModeTracksLinkAndRow) {
    // Two buttons with the same row: selecting the row of the second moves
    // the tracking there, and only the second changes.
    const ImagePixels original = Picture(0xFF808080);
    FakeLink first(5, AdjustState::Included), second(5, AdjustState::Included);
    for (FakeLink* link : {&first, &second}) {
        link->Obj().PutImage(300, BitmapEntry(original));
        link->RenewSnapshot();
    }
    host_.links = {&first, &second};
    ColorAdjuster adjuster(host_);
    adjuster.SetEditControl(true);
    EXPECT_TRUE(host_.treesLocked);
    host_.current = &first;
    adjuster.TrackSelectedProperty(300, PropertyKind::Image, false);
    host_.current = &second;
    adjuster.TrackSelectedProperty(300, PropertyKind::Image, false);
    EXPECT_EQ(adjuster.TrackedLink(), &second);
    adjuster.EditChanged(HslChannel::Hue, 90);
    EXPECT_EQ(PixelsOf(first.Obj(), 300).argb, original.argb);
    EXPECT_FALSE(Near(PixelsOf(second.Obj(), 300), original));
    EXPECT_EQ(host_.refreshed, (std::vector<WORD>{5}));
    EXPECT_EQ(host_.previewed, (std::vector<WORD>{300}));

    // Save renews the work copy: Reset after it keeps the kept image.
    const ImagePixels kept = PixelsOf(second.Obj(), 300);
    adjuster.Keep();
    adjuster.Restore();
    EXPECT_TRUE(Near(PixelsOf(second.Obj(), 300), kept));

    // A row without image: nothing is changed and nothing refreshed.
    host_.refreshed.clear();
    adjuster.TrackSelectedProperty(999, PropertyKind::Image, false);
    adjuster.EditChanged(HslChannel::Hue, 30);
    EXPECT_FALSE(second.Obj().HasImage(999));
    EXPECT_TRUE(host_.refreshed.empty());

    // A locked current element is left alone.
    host_.current = &first;
    first.state_ = AdjustState::Locked;
    adjuster.TrackSelectedProperty(300, PropertyKind::Image, false);
    EXPECT_EQ(adjuster.TrackedLink(), &second);
}

TEST_F(ColorAdjusterTest, FrameSideKeepsItsOffsets) {
    CTwfWndFrame frame;
    auto sideOwner = std::make_unique<CTwfSideFrame>(&frame);
    CTwfSideFrame* side = sideOwner.get();
    FakeLink link(2, AdjustState::Included, std::move(sideOwner));
    side->PutImage(0, BitmapEntry(Picture(0xFF808080)));
    side->SetImageOptions(0, 3, 4, 2);
    link.RenewSnapshot();
    host_.links = {&link};
    host_.current = &link;
    ColorAdjuster adjuster(host_);
    for (bool perControl : {true, false}) {
        adjuster.SetEditControl(perControl);
        if (perControl) adjuster.TrackSelectedProperty(0, PropertyKind::Image, false);
        adjuster.EditChanged(HslChannel::Hue, 45);
        // A tiled side image (options mode 2) is an image, not a plain value:
        // it is adjusted.
        EXPECT_FALSE(Near(PixelsOf(*side, 0), Picture(0xFF808080))) << perControl;
        adjuster.Restore();
        const OptionsImage* options = side->GetImageOptions(0);
        ASSERT_NE(options, nullptr) << perControl;
        EXPECT_EQ(options->XOffset, 3) << perControl;
        EXPECT_EQ(options->YOffset, 4) << perControl;
        EXPECT_EQ(options->DrawMode, 2u) << perControl;
        EXPECT_EQ(side->GetImage(0)->GetDrawMode(), 0) << perControl;
    }
}

TEST_F(ColorAdjusterTest, OpacityMakesAGdiplusImageUnlessExcluded) {
    struct Case {
        WORD type, id;
        bool becomesGdiplus;
    };
    const Case cases[] = {{2, 100, true}, {2, 418, false}, {2, 485, false}, {11, 100, false}, {5, 100, true}};
    for (const Case& c : cases) {
        FakeLink link(c.type, AdjustState::Included);
        link.Obj().PutImage(c.id, BitmapEntry(Picture(0xFF808080)));
        link.RenewSnapshot();
        host_.links = {&link};
        ColorAdjuster adjuster(host_);
        adjuster.EditChanged(HslChannel::Opacity, 50);
        const CMrgBitmap* image = link.Obj().GetImage(c.id);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->IsGdiplus(), c.becomesGdiplus) << c.type << " " << c.id;
        if (c.becomesGdiplus) {
            const ImagePixels pixels = PixelsOf(link.Obj(), c.id);
            ASSERT_FALSE(pixels.argb.empty());
            const int alpha = static_cast<int>(pixels.argb[0] >> 24);
            EXPECT_NEAR(alpha, 128, 1);
        }
        EXPECT_TRUE(OpacityExcluded(c.type, c.id) == !c.becomesGdiplus);
    }
}

TEST_F(ColorAdjusterTest, SlidersApplyOnceAndTypingAppliesEachValue) {
    FakeLink link(5, AdjustState::Included);
    link.Obj().PutImage(300, BitmapEntry(Picture(0xFF808080)));
    link.RenewSnapshot();
    host_.links = {&link};
    ColorAdjuster adjuster(host_);
    for (int p : {10, 30, 60}) adjuster.SliderMoved(HslChannel::Hue, p);
    EXPECT_TRUE(host_.refreshed.empty());
    adjuster.EditChanged(HslChannel::Hue, 5); // ignored while the slider is pending
    adjuster.SliderEnded();
    EXPECT_EQ(host_.refreshed.size(), 1u);
    EXPECT_EQ(adjuster.Values().hue, 60);
    adjuster.SliderEnded(); // nothing pending
    EXPECT_EQ(host_.refreshed.size(), 1u);
    adjuster.EditChanged(HslChannel::Hue, 6);
    adjuster.EditChanged(HslChannel::Hue, 60);
    EXPECT_EQ(host_.refreshed.size(), 3u);
}

TEST_F(ColorAdjusterTest, ClosingQuestion) {
    FakeLink link(5, AdjustState::Included);
    link.Obj().SetColor(200, RGB(10, 100, 200));
    link.RenewSnapshot();
    host_.links = {&link};
    host_.current = &link;
    ColorAdjuster adjuster(host_);
    // Whole-skin mode with nothing pending: no question.
    adjuster.ConfirmPendingChanges();
    EXPECT_EQ(host_.asked, 0);
    // Pending, answer No: restored.
    adjuster.EditChanged(HslChannel::Hue, 100);
    adjuster.ConfirmPendingChanges();
    EXPECT_EQ(host_.asked, 1);
    EXPECT_EQ(link.Obj().GetColor(200), static_cast<COLORREF>(RGB(10, 100, 200)));
    // Per-control mode asks even when neutral, then leaves the mode.
    adjuster.SetEditControl(true);
    adjuster.ConfirmPendingChanges();
    EXPECT_EQ(host_.asked, 2);
    EXPECT_FALSE(adjuster.EditControl());
    EXPECT_FALSE(host_.treesLocked);
    // Auto save keeps without asking.
    adjuster.SetAutoSave(true);
    adjuster.EditChanged(HslChannel::Hue, 100);
    const COLORREF adjusted = link.Obj().GetColor(200);
    adjuster.ConfirmPendingChanges();
    EXPECT_EQ(host_.asked, 2);
    EXPECT_EQ(link.Obj().GetColor(200), adjusted);
    // FinishAdjustment without auto save restores without asking.
    adjuster.SetAutoSave(false);
    adjuster.EditChanged(HslChannel::Hue, 50);
    adjuster.FinishAdjustment();
    EXPECT_EQ(host_.asked, 2);
    EXPECT_EQ(link.Obj().GetColor(200), adjusted);
}

} // namespace
} // namespace hexmoor::preview
