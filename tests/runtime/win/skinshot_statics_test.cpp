// skinshot's panel of statics and range controls, read from the sheet, with
// a skin that gives every colour and image id of elements 8, 9, 17, 18 and
// 21 its own colour: each item shows the ids of its state; with --off none
// of the skin's colours appear.
#include <gtest/gtest.h>
#include <windows.h>

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
constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

struct Expectation {
    int kind;
    const char* state;
    std::vector<int> present, absent;
};

const Expectation kExpected[] = {
    {8, "normal", {158, 159}, {161, 162}},
    {8, "disabled", {161, 162}, {158, 159}},
    {21, "normal", {494}, {495}},
    {21, "disabled", {495}, {494}},
    {26, "bitmap", {}, {158, 159}},
    {26, "etched-horz", {158, 159}, {}},
    {26, "etched-vert", {158, 159}, {}},
    {26, "etched-frame", {}, {158, 159}},
    {9, "normal", {170, 171, 172}, {178}},
    {9, "hot", {177, 178}, {172}},
    {9, "thumb-hot", {176, 178}, {170}},
    {9, "pressed", {173, 174, 175}, {170}},
    {9, "disabled", {179, 180, 181}, {172}},
    {9, "focused", {182, 183, 184}, {172}},
    {9, "selection", {185}, {}},
    {9, "vertical", {194, 195, 196}, {172}},
    {17, "normal", {277, 282}, {}},
    {17, "pressed", {277, 283}, {282}},
    {17, "hot", {279, 282}, {277}},
    {17, "disabled", {280, 285}, {277}},
    {17, "horizontal", {258, 263}, {277}},
    {18, "half", {287, 288}, {}},
    {18, "vertical", {298, 299}, {}},
    {18, "marquee", {287, 288}, {}},
};

} // namespace

TEST(SkinshotStatics, EveryItemShowsTheIdsOfItsStateAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-statics.twf");
    std::vector<COLORREF> everyColour;
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        synthetic.SolidImage(25, 0, kDialogBackground, 4, 4);
        auto colour = [&](int type, int id) {
            synthetic.Element(WORD(type))->SetColor(WORD(id), IdColour(id));
            everyColour.push_back(IdColour(id));
        };
        auto image = [&](int type, int id) {
            synthetic.SolidImage(WORD(type), WORD(id), IdColour(id));
            everyColour.push_back(IdColour(id));
        };
        for (int id = 157; id <= 162; ++id) colour(8, id);
        for (int id : {494, 495}) colour(21, id);
        for (int id = 170; id <= 209; ++id) image(9, id);
        for (int id : {258, 259, 260, 261, 263, 264, 265, 266, 277, 278, 279, 280, 282, 283, 284, 285}) image(17, id);
        for (int id : {287, 288, 298, 299}) image(18, id);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-statics-off.png" : L"hexmoor-statics-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {8, 9, 17, 18, 21, 26});
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
            for (int id : e->present)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, IdColour(id))) << name << ": id " << id;
            for (int id : e->absent)
                EXPECT_FALSE(ContainsColour(pixels, item.rect, IdColour(id))) << name << ": id " << id << " not shown";
        }
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
