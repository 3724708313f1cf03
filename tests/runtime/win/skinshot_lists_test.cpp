// skinshot's panel of lists, read from the sheet, with a skin that gives
// every image and colour id of elements 14, 15 and 19 its own colour: each
// item shows the ids of its state; with --off none of the skin's colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/runtime/win/skin_pixels.h"
#include "tests/runtime/win/tool_run.h"

using namespace hexmoor::test;

namespace {} // namespace

TEST(SkinshotLists, EveryListItemShowsTheIdsOfItsStateAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-lists.twf");
    std::vector<COLORREF> everyColour;
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        synthetic.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
        auto image = [&](int type, int id, int w = 8, int h = 8) {
            synthetic.SolidImage(WORD(type), WORD(id), ImageColour(id), w, h);
            everyColour.push_back(ImageColour(id));
        };
        auto colour = [&](int type, int id) {
            synthetic.Element(WORD(type))->SetColor(WORD(id), ImageColour(id));
            everyColour.push_back(ImageColour(id));
        };
        // Every colour of an element is set: an element missing some gets
        // the whole set of defaults when the file is read.
        for (int id : {354, 355}) image(14, id);
        for (int id = 791; id <= 796; ++id) image(14, id, 11, 11);
        colour(14, 358);
        colour(13, 353); // the drop list's frame
        for (int id : {366, 367}) image(15, id);
        for (int id : {372, 373, 374, 375, 626, 627, 628}) colour(15, id);
        for (int id : {393, 394}) image(19, id);
        for (int id : {395, 396, 401, 402}) image(19, id, 9, 9);
        for (int id = 612; id <= 617; ++id) colour(19, id);
        for (int id = 359; id <= 362; ++id) synthetic.Element(14)->SetNumber(WORD(id), 2);
        for (int id = 368; id <= 371; ++id) synthetic.Element(15)->SetNumber(WORD(id), 2);
        for (int id = 397; id <= 400; ++id) synthetic.Element(19)->SetNumber(WORD(id), 2);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    const struct {
        int kind;
        const char* state;
        std::vector<int> ids;
    } expected[] = {
        {14, "normal", {354, 358}},
        {14, "disabled", {355}},
        {14, "checklist", {354, 791, 793, 795, 792}}, // item 3 is disabled and unchecked
        {14, "droplist", {354, 358, 353}},            // the open list of "13 dropped"
        {15, "normal", {366, 626, 372}},
        {15, "unfocused", {366, 626}},
        {15, "disabled", {367, 373}},
        {15, "icon", {366}},
        {19, "normal", {393, 395, 396, 616}},
        {19, "disabled", {394, 401, 402}},
    };
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-lists-off.png" : L"hexmoor-lists-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {14, 15, 19});
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        for (const auto& e : expected) {
            const SheetItem* found = nullptr;
            for (const SheetItem& item : items)
                if (item.kind == e.kind && item.state == e.state) found = &item;
            ASSERT_TRUE(found) << e.kind << " " << e.state << "\n" << output;
            const std::string name = std::to_string(e.kind) + " " + e.state;
            if (off) {
                for (COLORREF c : everyColour)
                    EXPECT_FALSE(ContainsColour(pixels, found->rect, c)) << name << ": skin colour with skinning off";
                continue;
            }
            for (int id : e.ids)
                EXPECT_TRUE(ContainsColour(pixels, found->rect, ImageColour(id))) << name << ": id " << id;
        }
        if (getenv("KEEP_PNG") == nullptr) DeleteFileW(picture.c_str());
    }
    if (getenv("KEEP_PNG") == nullptr) DeleteFileW(skinFile.c_str());
}
