// skinshot's panel of tabs, headers, a tooltip, a splitter and a size grip,
// read from the sheet, with a skin that gives every image and text colour
// id of elements 10, 20, 27, 28 and 34 its own colour: each item shows the
// images and text colours of its state; with --off none of them appear.
#include <gtest/gtest.h>
#include <windows.h>

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

COLORREF ImageColour(int id) { return RGB(id & 0xFF, 60 + 50 * (id >> 8), 211); }
COLORREF TextColour(int id) { return RGB(id & 0xFF, 40 + 50 * (id >> 8), 23); }

struct Expectation {
    int kind;
    const char* state;
    std::vector<int> images, texts;
};

const Expectation kExpected[] = {
    {10, "normal", {218, 221, 219}, {222, 220}},
    {10, "hot", {223, 221}, {224, 222}},
    {10, "focused", {227, 219}, {228, 220}},
    {10, "disabled", {221, 225}, {222, 226}},
    {10, "vertical", {238, 241, 239}, {242, 240}},
    {20, "normal", {376}, {380}},
    {20, "hot", {378, 376}, {382, 380}},
    {20, "pressed", {377, 376}, {381, 380}},
    {20, "disabled", {379}, {383}},
    {28, "normal", {527}, {528}},
    {34, "normal", {600, 601, 602, 603}, {}},
    {27, "normal", {41}, {}},
};

} // namespace

TEST(SkinshotTabs, EveryItemShowsTheColoursOfItsStateAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-tabs.twf");
    std::vector<COLORREF> everyColour;
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        synthetic.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
        auto image = [&](int type, int id) {
            synthetic.SolidImage(WORD(type), WORD(id), ImageColour(id), 8, 8);
            everyColour.push_back(ImageColour(id));
        };
        auto text = [&](int type, int id) {
            synthetic.Element(WORD(type))->SetColor(WORD(id), TextColour(id));
            everyColour.push_back(TextColour(id));
        };
        for (int id = 218; id <= 228; ++id) id == 218 || id % 2 == 1 ? image(10, id) : text(10, id);
        for (int id = 238; id <= 248; ++id) id == 238 || id % 2 == 1 ? image(10, id) : text(10, id);
        for (int id = 376; id <= 379; ++id) image(20, id);
        for (int id = 380; id <= 383; ++id) text(20, id);
        image(28, 527);
        text(28, 528);
        for (int id = 600; id <= 605; ++id) image(34, id);
        image(27, 41);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-tabs-off.png" : L"hexmoor-tabs-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {10, 20, 27, 28, 34});
        ASSERT_EQ(items.size(), std::size(kExpected)) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        for (const SheetItem& item : items) {
            const std::string name = std::to_string(item.kind) + " " + item.state;
            if (off) {
                for (COLORREF c : everyColour)
                    EXPECT_FALSE(ContainsColour(pixels, item.rect, c)) << name << ": skin colour with skinning off";
                continue;
            }
            const Expectation* e = nullptr;
            for (const Expectation& x : kExpected)
                if (x.kind == item.kind && item.state == x.state) e = &x;
            ASSERT_NE(e, nullptr) << name;
            for (int id : e->images)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, ImageColour(id))) << name << ": image " << id;
            for (int id : e->texts)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, TextColour(id))) << name << ": text " << id;
        }
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
