// skinshot's panel of edits and combo boxes, with a skin that gives every
// image and colour id of elements 3 and 13 its own colour: each item shows
// the ids of its state, and none of them with skinning off.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "model/elements/combo_box.h"
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
    std::vector<int> images, texts, absent;
};

Expectation Expect(const SheetItem& item) {
    if (item.kind == 3) {
        static const std::map<std::string, Expectation> edits{
            {"normal", {{10}, {13}, {11}}},   {"focused", {{10}, {14, 16}, {11}}}, {"disabled", {{11}, {15}, {10}}},
            {"readonly", {{11}, {13}, {10}}}, {"password", {{10}, {13}, {11}}},    {"multiline", {{10}, {13}, {}}},
            {"rich", {{10}, {}, {11}}},
        };
        const auto it = edits.find(item.state);
        return it == edits.end() ? Expectation{} : it->second;
    }
    static const std::map<std::string, Expectation> combos{
        {"normal", {{346, 341}, {347}, {342, 343, 348}}},
        {"hot", {{346, 343}, {347}, {341, 342}}},
        {"dropped", {{346, 342}, {347}, {341, 343}}},
        {"focused", {{348, 341}, {349}, {346}}},
        {"disabled", {{351, 344}, {352}, {341, 346}}},
        {"dropdown", {{346, 341}, {}, {342}}},
        {"simple", {{10}, {}, {341, 346}}},
    };
    const auto it = combos.find(item.state);
    return it == combos.end() ? Expectation{} : it->second;
}
} // namespace

TEST(SkinshotEdits, EveryEditAndComboShowsTheIdsOfItsStateAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-edits.twf");
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
        image(3, 10);
        image(3, 11);
        for (int id : {13, 14, 15, 16}) text(3, id);
        for (WORD id : {17, 18, 19, 20}) synthetic.Element(3)->SetNumber(id, 3);
        for (int id : {341, 342, 343, 344, 346, 348, 351}) image(13, id);
        for (int id : {347, 349, 352}) text(13, id);
        for (WORD id : {658, 660}) synthetic.Element(13)->SetNumber(id, 2);
        if (auto* combo = dynamic_cast<CTwfComboBox*>(synthetic.Element(13))) combo->SetArrowWidth(18);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-edits-off.png" : L"hexmoor-edits-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const std::vector<SheetItem> items = ParseSheetItems(output, {3, 13});
        ASSERT_EQ(items.size(), 7u + 7u) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        for (const SheetItem& item : items) {
            const std::string name = std::to_string(item.kind) + " " + item.state;
            if (off) {
                for (COLORREF c : everyColour)
                    EXPECT_FALSE(ContainsColour(pixels, item.rect, c)) << name << ": skin colour with skinning off";
                continue;
            }
            const Expectation e = Expect(item);
            ASSERT_FALSE(e.images.empty()) << name;
            for (int id : e.images)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, ImageColour(id))) << name << ": image " << id;
            for (int id : e.texts)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, TextColour(id))) << name << ": text " << id;
            for (int id : e.absent)
                EXPECT_FALSE(ContainsColour(pixels, item.rect, ImageColour(id)))
                    << name << ": image " << id << " shown";
        }
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
