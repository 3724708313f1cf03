// skinshot's panel of buttons and scroll bars, read from the sheet, with a skin that gives every
// image and text colour id of elements 4, 5, 6, 7 and 39 its own colour:
// each item shows the image (and, for buttons, the text colour) of its
// state; with --off none of the skin's colours appear.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/logic/button_format.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/runtime/win/tool_run.h"

using namespace hexmoor::test;
namespace button = hexmoor::rt::button;

namespace {

COLORREF ImageColour(int id) { return RGB(id & 0xFF, 60 + 50 * (id >> 8), 211); }
COLORREF TextColour(int id) { return RGB(id & 0xFF, 40 + 50 * (id >> 8), 23); }

using Item = SheetItem;

// The items of buttons and scroll bars among the sheet's item lines.
std::vector<Item> ParseItems(const std::string& output) { return ParseSheetItems(output, {4, 5, 6, 7, 39}); }

bool Contains(const PixelBuffer& pixels, const PixelRect& r, COLORREF colour) {
    return ContainsColour(pixels, r, colour);
}

// Image and text colour ids an item must show, and ids it must not.
struct Expectation {
    std::vector<int> images;
    std::vector<int> texts;
    std::vector<int> absentImages;
};

button::Look LookOf(const std::string& look) {
    if (look == "hot") return button::Look::Hot;
    if (look == "pressed") return button::Look::Pressed;
    if (look == "disabled") return button::Look::Disabled;
    if (look == "focused") return button::Look::Focused;
    return button::Look::Normal;
}

Expectation Expect(const Item& item) {
    Expectation e;
    if (item.kind == 4) {
        const struct {
            const char* state;
            int image, text;
        } push[] = {{"normal", 22, 23},   {"hot", 26, 27},     {"pressed", 24, 25},
                    {"disabled", 28, 29}, {"focused", 30, 32}, {"default", 30, 23}};
        for (const auto& p : push)
            if (item.state == p.state) e = {{p.image}, {p.text}, {}};
        return e;
    }
    if (item.kind == 6 || item.kind == 7 || item.kind == 39) {
        const size_t dash = item.state.find('-');
        const std::string check = item.state.substr(0, dash), look = item.state.substr(dash + 1);
        const int c = check == "checked" ? 1 : check == "mixed" ? 2 : 0;
        e.images = {button::ImageId(item.kind, c, LookOf(look))};
        e.texts = {button::ColourId(item.kind, c, LookOf(look))};
        return e;
    }
    const struct {
        const char* state;
        std::vector<int> present, absent;
    } bars[] = {
        {"normal", {43, 51, 59, 42}, {}},
        {"vertical", {77, 85, 93, 76}, {}},
        {"disabled", {49, 57, 65, 101}, {}},
        {"arrow-pressed", {43, 53}, {51}},
        {"thumb-pressed", {61}, {59}},
        {"window-normal", {828, 832, 836, 827, 815, 819, 823, 814}, {}},
        {"window-arrow-hot", {834}, {832}},
        {"window-thumb-hot", {838}, {836}},
        {"window-arrow-pressed", {833}, {832}},
        {"window-inactive", {827, 828, 832}, {836}},
        {"window-disabled", {831, 835, 839, 840, 818, 822, 826, 841}, {828}},
    };
    for (const auto& b : bars)
        if (item.state == b.state) e = {b.present, {}, b.absent};
    return e;
}

} // namespace

TEST(SkinshotControls, EveryItemShowsTheImageAndTextColourOfItsStateAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-controls.twf");
    std::vector<COLORREF> everyColour;
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        synthetic.SolidImage(25, 0, RGB(23, 181, 97), 4, 4);
        auto image = [&](int type, int id, int w, int h) {
            synthetic.SolidImage(WORD(type), WORD(id), ImageColour(id), w, h);
            everyColour.push_back(ImageColour(id));
        };
        auto text = [&](int type, int id) {
            synthetic.Element(WORD(type))->SetColor(WORD(id), TextColour(id));
            everyColour.push_back(TextColour(id));
        };
        for (int id : {22, 24, 26, 28, 30}) image(4, id, 8, 8);
        for (int id : {23, 25, 27, 29, 32}) text(4, id);
        for (int id = 109; id <= 128; ++id) {
            if (id == 111 || id == 114 || id == 117 || id == 120 || id == 123)
                text(6, id);
            else
                image(6, id, 13, 13);
        }
        for (int id = 133; id <= 147; ++id) {
            if (id == 135 || id == 138 || id == 141 || id == 144 || id == 147)
                text(7, id);
            else
                image(7, id, 13, 13);
        }
        for (int id = 663; id <= 676; ++id) {
            if (id == 665 || id == 668 || id == 671 || id == 674)
                text(39, id);
            else
                image(39, id, 8, 8);
        }
        text(39, 677);
        for (int id = 805; id <= 809; ++id) text(39, id);
        for (int id = 42; id <= 101; ++id) image(5, id, 8, 8);
        for (int id = 814; id <= 841; ++id) image(5, id, 8, 8);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-controls-off.png" : L"hexmoor-controls-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        ASSERT_EQ(output.rfind("client ", 0), 0u) << "the sheet starts with the dialog's client line";
        const std::vector<Item> items = ParseItems(output);
        ASSERT_EQ(items.size(), 6u + 15u + 10u + 10u + 5u + 6u) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        for (const Item& item : items) {
            const std::string name = std::to_string(item.kind) + " " + item.state;
            if (off) {
                for (COLORREF c : everyColour)
                    EXPECT_FALSE(Contains(pixels, item.rect, c)) << name << ": skin colour with skinning off";
                continue;
            }
            const Expectation e = Expect(item);
            ASSERT_FALSE(e.images.empty()) << name;
            for (int id : e.images)
                EXPECT_TRUE(Contains(pixels, item.rect, ImageColour(id))) << name << ": image " << id;
            for (int id : e.texts) EXPECT_TRUE(Contains(pixels, item.rect, TextColour(id))) << name << ": text " << id;
            for (int id : e.absentImages)
                EXPECT_FALSE(Contains(pixels, item.rect, ImageColour(id))) << name << ": image " << id << " not shown";
        }
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
