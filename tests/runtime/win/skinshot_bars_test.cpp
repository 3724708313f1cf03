// skinshot's panel of toolbars and status bars, read from the sheet, with a
// skin that gives every image and colour id of elements 11 and 12 its own
// colour: each item shows the images and text colours of its state; with
// --off none of the skin's colours appear.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/runtime/win/tool_run.h"

using namespace hexmoor::test;

namespace {

COLORREF IdColour(int id) { return RGB(id & 0xFF, 60 + 50 * (id >> 8), 211); }

} // namespace

TEST(SkinshotBars, ToolbarAndStatusBarItemsShowTheirStatesAndNoSkinColourWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-bars.twf");
    const std::vector<int> images11{309, 311, 312, 313, 314, 315}, colours11{310, 316};
    const std::vector<int> images12{324, 326, 332}, colours12{330};
    std::vector<COLORREF> everyColour;
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        synthetic.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
        for (int id : images11) synthetic.SolidImage(11, WORD(id), IdColour(id));
        for (int id : colours11) synthetic.Element(11)->SetColor(WORD(id), IdColour(id));
        for (int id : images12) synthetic.SolidImage(12, WORD(id), IdColour(id));
        for (int id : colours12) synthetic.Element(12)->SetColor(WORD(id), IdColour(id));
        for (const auto* ids : {&images11, &colours11, &images12, &colours12})
            for (int id : *ids) everyColour.push_back(IdColour(id));
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-bars-off.png" : L"hexmoor-bars-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {11, 12});
        ASSERT_EQ(items.size(), 4u) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        std::map<std::string, const SheetItem*> byName;
        for (const SheetItem& item : items) byName[std::to_string(item.kind) + " " + item.state] = &item;
        ASSERT_EQ(byName.size(), 4u);
        if (off) {
            for (const SheetItem& item : items)
                for (COLORREF c : everyColour)
                    EXPECT_EQ(CountColour(pixels, item.rect, c), 0) << item.kind << " " << item.state;
            continue;
        }
        const PixelRect normal = byName["11 normal"]->rect, hot = byName["11 hot"]->rect,
                        pressed = byName["11 pressed"]->rect, status = byName["12 normal"]->rect;
        // Normal, checked, disabled, separator, background and both text colours.
        for (int id : {309, 311, 313, 314, 315, 310, 316})
            EXPECT_GT(CountColour(pixels, normal, IdColour(id)), 0) << "11 normal: " << id;
        EXPECT_EQ(CountColour(pixels, normal, IdColour(312)), 0) << "11 normal: nothing pressed";
        EXPECT_GT(CountColour(pixels, hot, IdColour(313)), CountColour(pixels, normal, IdColour(313)))
            << "11 hot: the first button is hot as well as the checked one";
        EXPECT_EQ(CountColour(pixels, hot, IdColour(312)), 0) << "11 hot";
        EXPECT_GT(CountColour(pixels, pressed, IdColour(312)), 0) << "11 pressed";
        for (int id : {324, 326, 332, 330})
            EXPECT_GT(CountColour(pixels, status, IdColour(id)), 0) << "12 normal: " << id;
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
