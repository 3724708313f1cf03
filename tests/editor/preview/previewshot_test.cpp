// previewshot on synthetic skins: the strip samples show every item's
// colour at its rectangle and the fallback pictures when their element is
// switched off, the dialog sample shows the dialog background, types
// without a sample print "sample none", and a refresh with a second skin
// shows its colours in the same windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "editor/preview/strips/strip_tables.h"
#include "model/gdiplus_init.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/runtime/win/tool_run.h"

using namespace hexmoor;
using namespace hexmoor::preview;
using namespace hexmoor::test;

namespace {

COLORREF IdColour(int id, int shift = 0) { return RGB((id + shift) & 0xFF, 60 + 50 * (id >> 8), 211 - shift); }

// A skin whose strip elements give every image and text colour its own
// colour (shifted for the second skin), over a dialog background.
std::wstring WriteStripSkin(const wchar_t* name, int shift, bool enabled) {
    const std::wstring path = TempPath(name);
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    SyntheticSkin s(&skin);
    s.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
    for (const StripPlan& plan :
         {ToolStripPlan(600), StatusStripPlan(600, 44), MenuStripBarPlan(600), DropDownMenusPlan()}) {
        for (const StripItemSpec& item : plan.items) {
            s.SolidImage(plan.element, item.image, IdColour(item.image, shift));
            if (item.colour) s.Element(plan.element)->SetColor(item.colour, IdColour(item.colour, shift));
        }
        s.Element(plan.element)->SetEnabled(enabled ? 1 : 0);
    }
    skin.SetPath(path);
    EXPECT_TRUE(skin.WriteSkinFile());
    return path;
}

struct Shot {
    DWORD code = 0;
    std::string output;
    PixelBuffer pixels, refreshed;
};

Shot RunShot(const std::wstring& skin, int type, const std::wstring& second = L"") {
    Shot shot;
    const std::wstring out = TempPath(L"hexmoor-previewshot.png"), out2 = TempPath(L"hexmoor-previewshot-2.png");
    DeleteFileW(out.c_str());
    DeleteFileW(out2.c_str());
    std::wstring command = L"\"" + ToolPath() + L"\" \"" + skin + L"\" " + std::to_wstring(type) + L" \"" + out + L"\"";
    if (!second.empty()) command += L" --refresh-with \"" + second + L"\" \"" + out2 + L"\"";
    shot.code = RunTool(command, &shot.output);
    shot.pixels = ReadPng(out);
    if (!second.empty()) shot.refreshed = ReadPng(out2);
    return shot;
}

// Rectangles where the strips host real controls: no picture shows there.
const std::vector<Rect> kHosted = {
    {230, 2, 351, 26}, {353, 4, 453, 24}, {44, 72, 144, 92}, {44, 116, 144, 136}, {206, 59, 326, 83}};

// Each item's first pixel (top row first) that no later item and no
// hosted control covers shows its image's colour.
void ExpectItems(const PixelBuffer& pixels, const StripPlan& plan, Point origin, int shift,
                 const std::vector<Rect>& hosted) {
    for (size_t i = 0; i < plan.items.size(); ++i) {
        const Rect& r = plan.items[i].rect;
        bool probed = false;
        for (int y = r.top; y < r.bottom && !probed; ++y)
            for (int x = r.left; x < r.right && !probed; ++x) {
                bool covered = false;
                for (size_t j = i + 1; j < plan.items.size() && !covered; ++j)
                    covered = plan.items[j].rect.Contains({x, y});
                for (const Rect& h : hosted) covered = covered || h.Contains({x, y});
                if (covered) continue;
                probed = true;
                EXPECT_EQ(pixels.At(origin.x + x, origin.y + y) & 0xFFFFFF, IdColour(plan.items[i].image, shift))
                    << "element " << plan.element << " item " << i << " at " << x << "," << y;
            }
    }
}

class PreviewshotTest : public ::testing::Test {
protected:
    CGdiPlusInit gdiplus_;
};

} // namespace

TEST_F(PreviewshotTest, StripSamplesShowEveryItemAndTheirFallbackWhenSwitchedOff) {
    const std::wstring on = WriteStripSkin(L"hexmoor-strips-on.twf", 0, true);
    const std::wstring off = WriteStripSkin(L"hexmoor-strips-off.twf", 0, false);
    for (int type : {40, 41}) {
        Shot shot = RunShot(on, type);
        ASSERT_EQ(shot.code, 0u) << shot.output;
        EXPECT_NE(shot.output.find("sample 236:1701,1702"), std::string::npos) << shot.output;
        ASSERT_FALSE(shot.pixels.Empty());
        const int w = shot.pixels.Width(), h = shot.pixels.Height();
        ExpectItems(shot.pixels, ToolStripPlan(w), {0, 0}, 0, {});
        ExpectItems(shot.pixels, StatusStripPlan(w, 44), {0, h - 44}, 0, {{463, 3, 563, 19}});
        shot = RunShot(off, type);
        ASSERT_EQ(shot.code, 0u) << shot.output;
        EXPECT_EQ(shot.pixels.At(3, 3) & 0xFFFFFF, RGB(240, 240, 240));
        EXPECT_EQ(shot.pixels.At(3, h - 44 + 1) & 0xFFFFFF, RGB(240, 240, 240));
        EXPECT_EQ(CountColour(shot.pixels, {0, 0, w, h}, IdColour(760)), 0);
    }
    for (int type : {42, 43}) {
        Shot shot = RunShot(on, type);
        ASSERT_EQ(shot.code, 0u) << shot.output;
        EXPECT_NE(shot.output.find("sample 236:1700"), std::string::npos) << shot.output;
        ASSERT_FALSE(shot.pixels.Empty());
        ExpectItems(shot.pixels, MenuStripBarPlan(shot.pixels.Width()), {0, 0}, 0, kHosted);
        ExpectItems(shot.pixels, DropDownMenusPlan(), {0, 0}, 0, kHosted);
        shot = RunShot(off, type);
        ASSERT_EQ(shot.code, 0u) << shot.output;
        EXPECT_EQ(shot.pixels.At(15, 35) & 0xFFFFFF, RGB(225, 225, 225)); // the first menu row of picture 249
        EXPECT_EQ(CountColour(shot.pixels, {0, 0, shot.pixels.Width(), shot.pixels.Height()}, IdColour(684)), 0);
    }
}

TEST_F(PreviewshotTest, TheDialogSampleShowsTheDialogBackgroundAndTypesWithoutASampleShowNone) {
    const std::wstring skin = WriteStripSkin(L"hexmoor-strips-dialog.twf", 0, true);
    Shot shot = RunShot(skin, 25);
    ASSERT_EQ(shot.code, 0u) << shot.output;
    EXPECT_NE(shot.output.find("sample 101"), std::string::npos) << shot.output;
    ASSERT_FALSE(shot.pixels.Empty());
    EXPECT_EQ(shot.pixels.At(2, shot.pixels.Height() - 3) & 0xFFFFFF, RGB(23, 181, 97));
    for (int type : {0, 23, 24, 26, 44, 100}) {
        shot = RunShot(skin, type);
        EXPECT_EQ(shot.code, 0u) << type;
        EXPECT_NE(shot.output.find("sample none"), std::string::npos) << type << ": " << shot.output;
        EXPECT_TRUE(shot.pixels.Empty()) << type;
    }
    shot = RunShot(TempPath(L"hexmoor-no-such-skin.twf"), 25);
    EXPECT_EQ(shot.code, 2u);
}

TEST_F(PreviewshotTest, ARefreshWithASecondSkinShowsItsColoursInTheSameWindows) {
    const std::wstring first = WriteStripSkin(L"hexmoor-strips-first.twf", 0, true);
    const std::wstring second = WriteStripSkin(L"hexmoor-strips-second.twf", 7, true);
    for (int type : {40, 43}) {
        const Shot shot = RunShot(first, type, second);
        ASSERT_EQ(shot.code, 0u) << shot.output;
        EXPECT_NE(shot.output.find("hwnd-same 1"), std::string::npos) << shot.output;
        ASSERT_FALSE(shot.refreshed.Empty());
        const int w = shot.refreshed.Width();
        if (type == 40)
            ExpectItems(shot.refreshed, ToolStripPlan(w), {0, 0}, 7, {});
        else
            ExpectItems(shot.refreshed, MenuStripBarPlan(w), {0, 0}, 7, kHosted);
    }
}

TEST_F(PreviewshotTest, EveryControlKindShowsItsSkinColoursInItsSample) {
    // A skin per control kind whose every image and colour is one colour: the kind's
    // controls in its sample draw from it.
    const int kinds[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22, 27, 34, 38, 39};
    const COLORREF colour = RGB(201, 17, 133);
    for (int kind : kinds) {
        const std::wstring path = TempPath(L"hexmoor-one-kind.twf");
        {
            CTwfSkin skin;
            skin.InitNewSkin(L"Default");
            SyntheticSkin s(&skin);
            s.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
            for (int id = 0; id < 900; ++id) {
                s.SolidImage(WORD(kind), WORD(id), colour, 4, 4);
                s.Element(WORD(kind))->SetColor(WORD(id), colour);
            }
            skin.SetPath(path);
            ASSERT_TRUE(skin.WriteSkinFile());
        }
        const Shot shot = RunShot(path, kind);
        ASSERT_EQ(shot.code, 0u) << kind << ": " << shot.output;
        ASSERT_FALSE(shot.pixels.Empty()) << kind;
        EXPECT_GT(CountColour(shot.pixels, {0, 0, shot.pixels.Width(), shot.pixels.Height()}, colour), 0)
            << "kind " << kind << " in " << shot.output;
    }
}
