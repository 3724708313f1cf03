// Modifiers over whole skins: adjust and undo must give back every image,
// colour and number exactly, in every scheme and in every part of a frame.

#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "model/elements/wnd_frame.h"
#include "model/gdiplus_init.h"
#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_modifier.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"
#ifdef _WIN32
#include "model/platform/win/dib.h"
#endif
#include "model/twf_obj.h"
#include "model/twf_skin.h"

namespace {

namespace platform = hexmoor::platform;

constexpr COLORREF kInvert = 0xFFFFFFFFu;
const std::wstring kCustom = L"<CC>\\Panel";

platform::ImagePixels Pixels(int width, int height, std::uint32_t seed, bool alpha) {
    platform::ImagePixels pixels;
    pixels.width = width;
    pixels.height = height;
    for (int i = 0; i < width * height; ++i) {
        // Colours whose trip through HSL is not exact, e.g. (0, 0, 14).
        const std::uint32_t rgb = (seed * 2654435761u + std::uint32_t(i) * 40503u) & 0x00FFFFFFu;
        const std::uint32_t a = alpha ? (std::uint32_t(i) * 37u + seed) & 0xFFu : (seed & 1u ? 0xFFu : 0u);
        pixels.argb.push_back(a << 24 | (i == 0 ? 0x0E0000u : rgb));
    }
    return pixels;
}

void PutBitmap(CTwfObj* object, WORD id, std::uint32_t seed) {
    object->PutImage(id, std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(Pixels(5, 3, seed, false)),
                                                      MrgBitmapParams{1, 2, 3, 4, 1, 0}));
}

void PutGdiplus(CTwfObj* object, WORD id, std::uint32_t seed) {
    object->PutImage(id, std::make_unique<CMrgBitmap>(platform::CreateGdiplusBitmapFromPixels(Pixels(4, 4, seed, true)),
                                                      MrgBitmapParams{2, 2, 2, 2, 0, 1}));
}

// Images of both forms, plain values (one of them "Invert Color"), colours
// (one of them "Invert Color") and numbers.
void Fill(CTwfObj* object, std::uint32_t seed) {
    PutBitmap(object, 100, seed);
    PutGdiplus(object, 101, seed + 1);
    object->SetValue(102, 0x000E0000u + seed);
    object->SetValue(103, kInvert);
    object->SetColor(200, RGB(0, 0, 14));
    object->SetColor(201, RGB(200, 100, std::uint8_t(seed)));
    object->SetColor(202, kInvert);
    object->SetNumber(300, 0x00050007u + seed);
}

void FillFrame(CTwfWndFrame* frame, std::uint32_t seed) {
    Fill(frame, seed);
    for (int side = 0; side < 4; ++side) Fill(frame->GetSide(side), seed + 10 * (side + 1));
    Fill(frame->GetMenuBar(), seed + 50);
}

// A skin with a default scheme and a custom-control scheme, each with a
// frame (sides, menu bar) and a button.
class HslModifierSkin : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.IsStarted());
        skin_.InitNewSkin(L"Default");
        FillFrame(DefaultFrame(), 1);
        DefaultFrame()->SetNumber(frame_props::kSemitransparency, 0);
        Fill(skin_.FindObject(kElemButton, L""), 2);
        auto* customFrame = dynamic_cast<CTwfWndFrame*>(skin_.GetOrCreateObject(kElemWndFrame, kCustom));
        ASSERT_NE(customFrame, nullptr);
        FillFrame(customFrame, 3);
        Fill(skin_.GetOrCreateObject(kElemButton, kCustom), 4);
    }

    CTwfWndFrame* DefaultFrame() { return dynamic_cast<CTwfWndFrame*>(skin_.FindObject(kElemWndFrame, L"")); }
    CTwfWndFrame* CustomFrame() { return dynamic_cast<CTwfWndFrame*>(skin_.FindObject(kElemWndFrame, kCustom)); }

    CGdiPlusInit gdiplus_;
    CTwfSkin skin_;
};

// Everything an adjustment can touch, per element and frame part.
struct ImageState {
    bool plain = false, gdiplus = false;
    DWORD value = 0;
    MrgBitmapParams params;
    std::vector<std::uint32_t> argb;
    bool operator==(const ImageState&) const = default;
};
struct ObjectState {
    std::map<WORD, ImageState> images;
    ColorMap colors, saved_colors;
    NumberMap numbers;
    std::size_t saved_copies = 0;
    bool operator==(const ObjectState&) const = default;
};
using SkinState = std::map<std::tuple<std::wstring, WORD, int>, ObjectState>;

ObjectState Capture(const CTwfObj* object) {
    ObjectState state;
    for (const auto& [id, image] : object->GetImageMap()) {
        ImageState& s = state.images[id];
        s.plain = image->IsPlainValue();
        s.gdiplus = image->IsGdiplus();
        s.value = image->GetValue();
        s.params = image->GetParams();
        platform::ImagePixels pixels;
        if (image->ReadPixels(&pixels)) s.argb = pixels.argb;
        if (image->HasSavedCopy()) ++state.saved_copies;
    }
    state.colors = object->GetColorMap();
    state.saved_colors = object->GetSavedColorMap();
    state.numbers = object->GetNumberMap();
    return state;
}

SkinState Capture(const CTwfSkin& skin) {
    SkinState state;
    for (const auto& [name, elements] : skin.GetSchemes()) {
        for (const auto& [type, object] : elements) {
            state[{name, type, -1}] = Capture(object.get());
            if (auto* frame = dynamic_cast<const CTwfWndFrame*>(object.get())) {
                for (int side = 0; side < 4; ++side) state[{name, type, side}] = Capture(frame->GetSide(side));
                state[{name, type, 4}] = Capture(frame->GetMenuBar());
            }
        }
    }
    return state;
}

// Which elements and parts differ, for the failure message.
std::string Differences(const SkinState& a, const SkinState& b) {
    std::ostringstream out;
    for (const auto& [key, state] : a) {
        auto it = b.find(key);
        if (it == b.end() || !(it->second == state)) {
            out << "scheme " << std::string(std::get<0>(key).begin(), std::get<0>(key).end()) << " type "
                << std::get<1>(key) << " part " << std::get<2>(key) << "; ";
        }
    }
    if (a.size() != b.size()) out << "element count " << a.size() << " vs " << b.size();
    return out.str();
}

// Number of elements and parts whose state changed between two captures.
std::size_t CountChanged(const SkinState& before, const SkinState& after) {
    std::size_t changed = 0;
    for (const auto& [key, state] : before) changed += after.at(key) == state ? 0 : 1;
    return changed;
}

// Number of elements and parts that hold images or colours.
std::size_t CountFilled(const SkinState& state) {
    std::size_t filled = 0;
    for (const auto& [key, object] : state) filled += object.images.empty() && object.colors.empty() ? 0 : 1;
    return filled;
}

TEST_F(HslModifierSkin, WholeSkinAdjustThenNeutralGivesEveryByteBack) {
    const SkinState original = Capture(skin_);
    ASSERT_TRUE(skin_.AddHSLModifier(0, 7));

    for (const HSLValues& v :
         {HSLValues(120, 30, -20, 50), HSLValues(-45, -100, 10, 100), HSLValues(7, 0, 0, 100), HSLValues(0, 0, 0, 0)}) {
        SCOPED_TRACE(v.hue);
        ASSERT_TRUE(skin_.ApplyHSL(7, v.hue, v.saturation, v.lightness, v.opacity));
        ASSERT_TRUE(skin_.ApplyHSL(7, 0, 0, 0, 100));
        const SkinState undone = Capture(skin_);
        // The saved copies are still there; everything else is as it was.
        for (auto [key, state] : undone) {
            state.saved_copies = original.at(key).saved_copies;
            state.saved_colors = original.at(key).saved_colors;
            ASSERT_EQ(state, original.at(key)) << Differences(original, undone);
        }
    }
    ASSERT_TRUE(skin_.RemoveHSLModifier(7));
    const SkinState restored = Capture(skin_);
    EXPECT_EQ(restored, original) << Differences(original, restored);
}

TEST_F(HslModifierSkin, WholeSkinAdjustReachesEveryFramePartButNotInvertColor) {
    const SkinState original = Capture(skin_);
    ASSERT_TRUE(skin_.AddHSLModifier(0, 1));
    ASSERT_TRUE(skin_.ApplyHSL(1, 120, 0, 0, 50));
    const SkinState adjusted = Capture(skin_);
    // Every filled element and every frame part of both schemes changed:
    // 2 frames with 5 parts each and 2 buttons.
    ASSERT_EQ(CountFilled(original), 14u);
    EXPECT_EQ(CountChanged(original, adjusted), 14u);

    for (CTwfWndFrame* frame : {DefaultFrame(), CustomFrame()}) {
        EXPECT_EQ(frame->GetNumber(frame_props::kSemitransparency), 1u);
        for (CTwfObj* part : {static_cast<CTwfObj*>(frame), static_cast<CTwfObj*>(frame->GetLeftSide()),
                              static_cast<CTwfObj*>(frame->GetMenuBar())}) {
            EXPECT_EQ(part->GetColor(202), kInvert);
            EXPECT_EQ(part->GetImage(103)->GetValue(), kInvert);
            EXPECT_EQ(part->GetColor(200), RGB(14, 0, 0)); // blue turned a third round
            // A GDI bitmap needs the GDI+ form to carry the reduced opacity.
            EXPECT_TRUE(part->GetImage(100)->IsGdiplus());
        }
    }
}

TEST_F(HslModifierSkin, SemitransparencyFollowsOpacityAndComesBackAsItWas) {
    CTwfWndFrame* custom = CustomFrame();
    ASSERT_FALSE(custom->HasNumber(frame_props::kSemitransparency));
    ASSERT_TRUE(skin_.AddHSLModifier(0, 1));
    ASSERT_TRUE(skin_.ApplyHSL(1, 0, 0, 0, 40));
    EXPECT_EQ(DefaultFrame()->GetNumber(frame_props::kSemitransparency), 1u);
    EXPECT_EQ(custom->GetNumber(frame_props::kSemitransparency), 1u);
    ASSERT_TRUE(skin_.ApplyHSL(1, 30, 0, 0, 100));
    EXPECT_EQ(DefaultFrame()->GetNumber(frame_props::kSemitransparency), 0u);
    EXPECT_TRUE(DefaultFrame()->HasNumber(frame_props::kSemitransparency));
    EXPECT_FALSE(custom->HasNumber(frame_props::kSemitransparency));
    ASSERT_TRUE(skin_.ApplyHSL(1, 0, 0, 0, 40));
    ASSERT_TRUE(skin_.RemoveHSLModifier(1));
    EXPECT_EQ(DefaultFrame()->GetNumber(frame_props::kSemitransparency), 0u);
    EXPECT_FALSE(custom->HasNumber(frame_props::kSemitransparency));
}

TEST_F(HslModifierSkin, RestoreKeepsTheLastLookAndDropsTheCopies) {
    ASSERT_TRUE(skin_.AddHSLModifier(0, 1));
    ASSERT_TRUE(skin_.ApplyHSL(1, 120, 0, 0, 100));
    const SkinState adjusted = Capture(skin_);
    ASSERT_TRUE(skin_.RemoveHSLModifier(1));
    const SkinState restored = Capture(skin_);
    for (const auto& [key, state] : restored) {
        EXPECT_EQ(state.saved_copies, 0u);
        EXPECT_TRUE(state.saved_colors.empty());
        EXPECT_EQ(state.images, adjusted.at(key).images);
        EXPECT_EQ(state.colors, adjusted.at(key).colors);
    }
    EXPECT_FALSE(skin_.RemoveHSLModifier(1));
    EXPECT_FALSE(skin_.ApplyHSL(1, 0, 0, 0, 100));
}

TEST_F(HslModifierSkin, SchemeModifierAppliesAndRestoresEveryElementItSaved) {
    const SkinState original = Capture(skin_);
    ASSERT_TRUE(skin_.AddSchemeHSLModifier(kCustom, 3));
    // The type id ends as that of the element saved last.
    EXPECT_EQ(skin_.GetHSLModifierElement(3), kElemButton);
    ASSERT_TRUE(skin_.ApplyHSL(3, -60, 20, 5, 100));
    const SkinState adjusted = Capture(skin_);
    for (const auto& [key, state] : original) {
        const bool custom = std::get<0>(key) == kCustom;
        EXPECT_EQ(adjusted.at(key).colors != state.colors, custom) << std::get<1>(key) << " " << std::get<2>(key);
        EXPECT_EQ(adjusted.at(key).images != state.images, custom) << std::get<1>(key) << " " << std::get<2>(key);
    }
    ASSERT_TRUE(skin_.ApplyHSL(3, 0, 0, 0, 100));
    ASSERT_TRUE(skin_.RemoveHSLModifier(3));
    const SkinState restored = Capture(skin_);
    EXPECT_EQ(restored, original) << Differences(original, restored);
}

TEST_F(HslModifierSkin, ElementModifierTouchesOnlyItsElement) {
    const SkinState original = Capture(skin_);
    ASSERT_TRUE(skin_.AddHSLModifier(kElemButton, 5));
    EXPECT_EQ(skin_.GetHSLModifierElement(5), kElemButton);
    EXPECT_FALSE(skin_.AddHSLModifier(kElemEdit, 5));
    EXPECT_FALSE(skin_.AddSchemeHSLModifier(kCustom, 5));
    ASSERT_TRUE(skin_.ApplyHSL(5, 90, 0, 0, 100));
    const SkinState adjusted = Capture(skin_);
    EXPECT_EQ(CountChanged(original, adjusted), 1u);
    EXPECT_NE(adjusted.at({L"Default", kElemButton, -1}), original.at({L"Default", kElemButton, -1}));
    EXPECT_EQ(skin_.GetHSLModifierElement(6), 0xFFFF);
}

TEST_F(HslModifierSkin, SwitchedOffSchemeModifiersCoverTheWholeSkin) {
    skin_.SetSchemeModifierSwitch(0);
    const SkinState original = Capture(skin_);
    ASSERT_TRUE(skin_.AddSchemeHSLModifier(kCustom, 2));
    EXPECT_EQ(skin_.GetHSLModifierElement(2), 0);
    ASSERT_TRUE(skin_.ApplyHSL(2, 45, 0, 0, 100));
    EXPECT_EQ(CountChanged(original, Capture(skin_)), CountFilled(original));
}

TEST_F(HslModifierSkin, ElementsRemovedOrAddedMeanwhileAreLeftAlone) {
    ASSERT_TRUE(skin_.AddHSLModifier(0, 1));
    ASSERT_TRUE(skin_.RemoveObject(kElemButton, kCustom));
    // A new element under the same key has no saved copies: it stays as made.
    CTwfObj* fresh = skin_.GetOrCreateObject(kElemButton, kCustom);
    Fill(fresh, 9);
    const ObjectState before = Capture(fresh);
    ASSERT_TRUE(skin_.ApplyHSL(1, 100, 50, 0, 30));
    EXPECT_EQ(Capture(fresh), before);
    // An entry replaced meanwhile has no saved copy either.
    PutBitmap(DefaultFrame()->GetTopSide(), 100, 77);
    const ObjectState top = Capture(DefaultFrame()->GetTopSide());
    ASSERT_TRUE(skin_.ApplyHSL(1, 10, 0, 0, 100));
    EXPECT_EQ(Capture(DefaultFrame()->GetTopSide()).images.at(100), top.images.at(100));
    ASSERT_TRUE(skin_.RemoveHSLModifier(1));
}

// The entry itself: without a saved copy nothing changes; a second save
// replaces the first; the form follows the saved copy and the opacity.
TEST(HslMrgBitmap, PlainValueWithoutSavedCopyIsLeftAsItIs) {
    CMrgBitmap value(0x000000FFu);
    EXPECT_EQ(value.ApplyHSL(120, 0, 0, 100), 0);
    EXPECT_EQ(value.GetValue(), 0x000000FFu);
    value.SaveCopy();
    EXPECT_EQ(value.ApplyHSL(120, 0, 0, 100), 1);
    EXPECT_EQ(value.GetValue(), 0x0000FF00u);
    value.DiscardSavedCopy();
    EXPECT_EQ(value.ApplyHSL(0, 0, 0, 100), 0);
    EXPECT_EQ(value.GetValue(), 0x0000FF00u);
}

TEST(HslMrgBitmap, SecondSaveReplacesTheFirst) {
    CGdiPlusInit gdiplus;
    CMrgBitmap entry(platform::CreateBitmapFromPixels(Pixels(2, 2, 1, false)), MrgBitmapParams{});
    entry.SaveCopy();
    entry.SetBitmap(platform::CreateBitmapFromPixels(Pixels(3, 1, 2, false)));
    entry.SaveCopy();
    ASSERT_EQ(entry.ApplyHSL(0, 0, 0, 100), 1);
    platform::ImagePixels pixels;
    ASSERT_TRUE(entry.ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, Pixels(3, 1, 2, false).argb);
}

TEST(HslMrgBitmap, ImageFormFollowsTheOpacity) {
    CGdiPlusInit gdiplus;
    CMrgBitmap entry(platform::CreateBitmapFromPixels(Pixels(3, 2, 5, false)), MrgBitmapParams{3, 5, 7, 9, 1, 1});
    EXPECT_EQ(entry.ApplyHSL(10, 0, 0, 50), 0); // nothing saved yet
    EXPECT_FALSE(entry.IsGdiplus());
    entry.SaveCopy();
    ASSERT_EQ(entry.ApplyHSL(0, 0, 0, 50), 1);
    EXPECT_TRUE(entry.IsGdiplus());
    platform::ImagePixels pixels;
    ASSERT_TRUE(entry.ReadPixels(&pixels));
    for (std::size_t i = 0; i < pixels.argb.size(); ++i) {
        // A GDI bitmap counts as opaque: every alpha becomes 255 * 50 / 100.
        EXPECT_EQ(pixels.argb[i], 0x7F000000u | (Pixels(3, 2, 5, false).argb[i] & 0x00FFFFFFu)) << i;
    }
    ASSERT_EQ(entry.ApplyHSL(0, 0, 0, 100), 1);
    EXPECT_FALSE(entry.IsGdiplus());
    ASSERT_TRUE(entry.ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, Pixels(3, 2, 5, false).argb);
    EXPECT_EQ(entry.GetParams(), (MrgBitmapParams{3, 5, 7, 9, 1, 1}));
}

// A whole-skin pass cuts large images into bands of rows adjusted side by
// side: each image must come out as when it is adjusted alone in one piece,
// in each form (GDI bitmap, GDI+ image, GDI bitmap turned GDI+ below full
// opacity), odd sizes included.
TEST(HslWholeSkinPass, LargeImagesCutIntoBandsComeOutAsAdjustedAlone) {
    CGdiPlusInit gdiplus;
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* button = skin.FindObject(kElemButton, L"");
    ASSERT_NE(button, nullptr);
    struct Image {
        WORD id;
        int width, height;
        bool gdiplus;
    };
    const Image images[] = {
        {100, 301, 97, false}, {101, 257, 131, true}, {102, 9000, 2, false}, {103, 1, 5000, true}, {104, 3, 3, false}};
    auto make = [](const Image& image) {
        const platform::ImagePixels pixels = Pixels(image.width, image.height, image.id, image.gdiplus);
        if (image.gdiplus) {
            return std::make_unique<CMrgBitmap>(platform::CreateGdiplusBitmapFromPixels(pixels), MrgBitmapParams{});
        }
        return std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(pixels), MrgBitmapParams{});
    };
    for (const Image& image : images) button->PutImage(image.id, make(image));
    ASSERT_TRUE(skin.AddHSLModifier(0, 1));
    for (const HSLValues& v : {HSLValues(35, 20, -10, 100), HSLValues(-120, -40, 15, 60)}) {
        SCOPED_TRACE(v.opacity);
        ASSERT_TRUE(skin.ApplyHSL(1, v.hue, v.saturation, v.lightness, v.opacity));
        for (const Image& image : images) {
            const CMrgBitmap* adjusted = button->GetImage(image.id);
            const std::unique_ptr<CMrgBitmap> alone = make(image);
            alone->SaveCopy();
            ASSERT_EQ(alone->ApplyHSL(v.hue, v.saturation, v.lightness, v.opacity), 1);
            platform::ImagePixels got, expected;
            ASSERT_TRUE(adjusted->ReadPixels(&got));
            ASSERT_TRUE(alone->ReadPixels(&expected));
            EXPECT_EQ(adjusted->IsGdiplus(), alone->IsGdiplus()) << image.id;
            ASSERT_EQ(got.width, image.width);
            EXPECT_EQ(got.argb, expected.argb) << image.id;
        }
    }
}

// The bands are planned from the saved copies: an entry whose image was
// replaced by one of another size after the save comes out as its saved copy
// adjusted, in the saved copy's size.
TEST(HslWholeSkinPass, AnImageReplacedAfterTheSaveIsRebuiltFromItsSavedCopy) {
    CGdiPlusInit gdiplus;
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* button = skin.FindObject(kElemButton, L"");
    ASSERT_NE(button, nullptr);
    const platform::ImagePixels saved = Pixels(300, 90, 7, true);
    button->PutImage(100,
                     std::make_unique<CMrgBitmap>(platform::CreateGdiplusBitmapFromPixels(saved), MrgBitmapParams{}));
    ASSERT_TRUE(skin.AddHSLModifier(0, 1));
    button->GetImage(100)->SetGdiplusBitmap(platform::CreateGdiplusBitmapFromPixels(Pixels(20, 500, 8, true)));
    const HSLValues v(35, 20, -10, 100);
    ASSERT_TRUE(skin.ApplyHSL(1, v.hue, v.saturation, v.lightness, v.opacity));
    platform::ImagePixels got;
    ASSERT_TRUE(button->GetImage(100)->ReadPixels(&got));
    ASSERT_EQ(got.width, saved.width);
    ASSERT_EQ(got.height, saved.height);
    hsl::PixelAdjuster scalar(v, hsl::BatchPath::kScalar);
    for (std::size_t i = 0; i < saved.argb.size(); ++i) ASSERT_EQ(got.argb[i], scalar.AdjustPixel(saved.argb[i])) << i;
}

#ifdef _WIN32
// GDI+ images in forms other than 32 bpp ARGB are read through an ARGB copy
// made at the save: each pass must give what reading the image itself gives,
// and the undo must give the image back in its own form.
TEST(HslWholeSkinPass, GdiplusImagesOfOtherFormsAdjustAsReadAndComeBackInTheirForm) {
    CGdiPlusInit gdiplus;
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* button = skin.FindObject(kElemButton, L"");
    ASSERT_NE(button, nullptr);
    const Gdiplus::PixelFormat formats[] = {PixelFormat24bppRGB, PixelFormat32bppRGB, PixelFormat32bppPARGB};
    std::map<WORD, platform::ImagePixels> originals;
    WORD id = 100;
    for (Gdiplus::PixelFormat format : formats) {
        platform::GdiplusBitmapHandle argb = platform::CreateGdiplusBitmapFromPixels(Pixels(131, 57, id, true));
        ASSERT_NE(argb, nullptr);
        platform::GdiplusBitmapHandle image(argb->Clone(0, 0, 131, 57, format));
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(image->GetPixelFormat(), format);
        ASSERT_TRUE(platform::ReadGdiplusBitmapPixels(image.get(), &originals[id]));
        button->PutImage(id, std::make_unique<CMrgBitmap>(std::move(image), MrgBitmapParams{}));
        ++id;
    }
    ASSERT_TRUE(skin.AddHSLModifier(0, 1));
    for (const HSLValues& v : {HSLValues(35, 20, -10, 100), HSLValues(-120, -40, 15, 60)}) {
        SCOPED_TRACE(v.opacity);
        ASSERT_TRUE(skin.ApplyHSL(1, v.hue, v.saturation, v.lightness, v.opacity));
        hsl::PixelAdjuster scalar(v, hsl::BatchPath::kScalar);
        for (const auto& [entry, original] : originals) {
            platform::ImagePixels got;
            ASSERT_TRUE(button->GetImage(entry)->ReadPixels(&got));
            ASSERT_EQ(got.argb.size(), original.argb.size());
            for (std::size_t i = 0; i < got.argb.size(); ++i) {
                ASSERT_EQ(got.argb[i], scalar.AdjustPixel(original.argb[i])) << entry << " pixel " << i;
            }
        }
    }
    ASSERT_TRUE(skin.ApplyHSL(1, 0, 0, 0, 100));
    id = 100;
    for (Gdiplus::PixelFormat format : formats) {
        Gdiplus::Bitmap* undone = button->GetImage(id)->GetGdiplusBitmap();
        ASSERT_NE(undone, nullptr);
        EXPECT_EQ(undone->GetPixelFormat(), format) << id;
        platform::ImagePixels got;
        ASSERT_TRUE(platform::ReadGdiplusBitmapPixels(undone, &got));
        EXPECT_EQ(got.argb, originals[id].argb) << id;
        ++id;
    }
    ASSERT_TRUE(skin.RemoveHSLModifier(1));
}

// The first adjustment writes into a target made with the saved copy when
// the entry's image is not of the result's form (a 24-bit DIB, a 24 bpp GDI+
// image); until then the entry keeps its own image as it was, so a skin saved
// before any adjustment keeps its images' forms. Later adjustments write into
// the result of the one before.
TEST(HslMrgBitmap, FirstAdjustmentWritesIntoATargetMadeWithTheSave) {
    CGdiPlusInit gdiplus;
    const platform::ImagePixels original = Pixels(67, 13, 9, false);
    struct Case {
        const char* name;
        bool gdiplus;
        int depth; // bits per pixel of a GDI bitmap; for GDI+, 24 or 32 (ARGB)
    };
    for (const Case& c : {Case{"DIB 24", false, 24}, Case{"DIB 32", false, 32}, Case{"GDI+ 24", true, 24},
                          Case{"GDI+ ARGB", true, 32}}) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CMrgBitmap> entry;
        platform::ImagePixels opaque = original;
        for (std::uint32_t& p : opaque.argb) p |= 0xFF000000u;
        if (c.gdiplus) {
            platform::GdiplusBitmapHandle argb = platform::CreateGdiplusBitmapFromPixels(opaque);
            ASSERT_NE(argb, nullptr);
            platform::GdiplusBitmapHandle image(
                c.depth == 24 ? argb->Clone(0, 0, original.width, original.height, PixelFormat24bppRGB)
                              : argb.release());
            ASSERT_NE(image, nullptr);
            entry = std::make_unique<CMrgBitmap>(std::move(image), MrgBitmapParams{});
        } else {
            platform::BitmapHandle dib32 = platform::CreateBitmapFromPixels(opaque);
            ASSERT_NE(dib32.Get(), nullptr);
            platform::BitmapHandle image(c.depth == 24 ? ConvertBitmapToDib(dib32.Get(), nullptr, 24) : dib32.Release());
            ASSERT_NE(image.Get(), nullptr);
            entry = std::make_unique<CMrgBitmap>(std::move(image), MrgBitmapParams{});
        }
        auto handle = [&]() -> const void* {
            return c.gdiplus ? static_cast<const void*>(entry->GetGdiplusBitmap())
                             : static_cast<const void*>(entry->GetHBitmap());
        };
        auto depth = [&] {
            if (c.gdiplus) return entry->GetGdiplusBitmap()->GetPixelFormat() == PixelFormat24bppRGB ? 24 : 32;
            return GetBitmapBitsPerPixel(entry->GetHBitmap());
        };
        // The pixels as the entry reads them (a 24-bit DIB reads with alpha
        // 0, which a GDI bitmap keeps).
        platform::ImagePixels before;
        ASSERT_TRUE(entry->ReadPixels(&before));
        ASSERT_EQ(before.argb.size(), opaque.argb.size());
        const void* own = handle();
        entry->SaveCopy();
        EXPECT_EQ(handle(), own);
        EXPECT_EQ(depth(), c.depth);

        const void* previous = nullptr;
        for (int hue : {35, 36}) {
            ASSERT_EQ(entry->ApplyHSL(hue, 20, -10, 100), 1);
            EXPECT_EQ(entry->IsGdiplus(), c.gdiplus);
            EXPECT_EQ(depth(), 32);
            if (previous) {
                EXPECT_EQ(handle(), previous) << "the second adjustment reuses the first's result";
            }
            previous = handle();
            platform::ImagePixels got;
            ASSERT_TRUE(entry->ReadPixels(&got));
            ASSERT_EQ(got.argb.size(), before.argb.size());
            hsl::PixelAdjuster scalar(HSLValues(hue, 20, -10, 100), hsl::BatchPath::kScalar);
            for (std::size_t i = 0; i < got.argb.size(); ++i) {
                ASSERT_EQ(got.argb[i], scalar.AdjustPixel(before.argb[i])) << "hue " << hue << " pixel " << i;
            }
        }
        ASSERT_EQ(entry->ApplyHSL(0, 0, 0, 100), 1);
        platform::ImagePixels undone;
        ASSERT_TRUE(entry->ReadPixels(&undone));
        EXPECT_EQ(undone.argb, before.argb);
    }
}
#endif

} // namespace
