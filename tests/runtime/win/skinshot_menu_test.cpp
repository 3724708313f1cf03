// skinshot's popup menu panel, read from the sheet, with a skin that gives
// every menu id its own colour: each item shows the images of its state;
// with --off none of the skin's colours appear.
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

COLORREF IdColour(int id) { return RGB(id & 0xFF, 70 + 40 * (id >> 8), 201); }

} // namespace

TEST(SkinshotMenu, EachPopupStateShowsItsImagesAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-menu.twf");
    const std::vector<int> menuIds = {437, 439, 441, 443, 447, 449, 450, 452, 453};
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        synthetic.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
        for (int id : menuIds) synthetic.SolidImage(16, WORD(id), IdColour(id), 4, 4);
        for (WORD id : {454, 455, 606, 607}) synthetic.Element(16)->SetNumber(id, 3);
        synthetic.SolidImage(6, 119, IdColour(119), 4, 4);
        synthetic.SolidImage(7, 143, IdColour(143), 4, 4);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    struct Expect {
        const char* state;
        std::vector<int> present, absent;
    } expects[] = {
        {"normal", {453, 441, 437, 443, 447, 449, 119, 143}, {439, 450, 452}},
        {"submenu-hot", {441, 450, 437}, {449, 439}},
        {"disabled-hot", {441, 449}, {443, 439}},
        {"pressed", {439, 437}, {}},
    };
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-menu-off.png" : L"hexmoor-menu-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {16});
        ASSERT_EQ(items.size(), 4u) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        for (std::size_t i = 0; i < items.size(); ++i) {
            const SheetItem& item = items[i];
            EXPECT_EQ(item.state, expects[i].state);
            if (off) {
                for (int id : menuIds)
                    EXPECT_FALSE(ContainsColour(pixels, item.rect, IdColour(id)))
                        << item.state << ": " << id << " when off";
                continue;
            }
            for (int id : expects[i].present)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, IdColour(id))) << item.state << ": image " << id;
            for (int id : expects[i].absent)
                EXPECT_FALSE(ContainsColour(pixels, item.rect, IdColour(id)))
                    << item.state << ": image " << id << " not shown";
        }
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
