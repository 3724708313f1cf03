// skinshot's panel of dates, read from the sheet, with a skin that gives
// every image and colour id of elements 22 and 38 its own colour: each item
// shows the ids of its state; with --off none of the skin's colours.
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

TEST(SkinshotDates, EveryPickerAndCalendarItemShowsTheIdsOfItsStateAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-dates.twf");
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
        for (int id : {405, 407, 409, 410, 411, 412, 413, 414, 415}) image(22, id);
        for (int id : {406, 408, 416, 417}) colour(22, id);
        for (int id = 630; id <= 639; ++id) image(38, id);
        for (int id = 640; id <= 645; ++id) colour(38, id);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    const struct {
        int kind;
        const char* state;
        std::vector<int> ids;
    } expected[] = {
        {22, "normal", {405, 406, 413}},
        {22, "focused", {416, 417}},
        {22, "disabled", {407, 408, 415}},
        {22, "shownone", {409, 406}},
        {22, "none", {410, 408}},
        {22, "pressed", {414}},
        {22, "updown", {405, 406}},
        {38, "normal", {631, 634, 637, 638, 639, 640, 641, 642, 643, 644, 645}},
        {38, "weeknumbers", {637, 639, 645}},
        {38, "prev-pressed", {632, 634}},
        {38, "disabled", {633, 636}},
        {38, "range", {640, 641}},
        {38, "dropdown", {637, 639, 642}},
    };
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-dates-off.png" : L"hexmoor-dates-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {22, 38});
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
