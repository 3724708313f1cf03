// skinshot's panel of buttons and scroll bars, read from the sheet, with a
// skin that gives every image and text colour id of elements 4, 5, 6, 7 and
// 39 its own colour: each item shows the image (and, for buttons, the text
// colour) of its state; with --off none of the skin's colours appear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/logic/button_format.h"
#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;
namespace button = hexmoor::rt::button;

namespace {

// Check boxes, radios and push-like buttons in every check state and look,
// in the panel's order: the image and text colour the runtime's table gives.
void AddCheckedKinds(std::vector<SheetExpectation>& table) {
    const struct {
        const char* name;
        button::Look look;
    } looks[] = {{"normal", button::Look::Normal},
                 {"hot", button::Look::Hot},
                 {"pressed", button::Look::Pressed},
                 {"disabled", button::Look::Disabled},
                 {"focused", button::Look::Focused}};
    const struct { int kind, checks; } kinds[] = {{6, 3}, {7, 2}, {39, 2}};
    const char* checkNames[] = {"unchecked", "checked", "mixed"};
    for (const auto& k : kinds)
        for (int c = 0; c < k.checks; ++c)
            for (const auto& l : looks)
                table.push_back({k.kind,
                                 std::string(checkNames[c]) + "-" + l.name,
                                 {button::ImageId(k.kind, c, l.look)},
                                 {button::ColourId(k.kind, c, l.look)},
                                 {}});
}

} // namespace

TEST(SkinshotControls, EveryItemShowsTheImageAndTextColourOfItsStateAndNoneWhenOff) {
    SheetSkin skin;
    for (int id : {22, 24, 26, 28, 30}) skin.Image(4, id);
    for (int id : {23, 25, 27, 29, 32}) skin.Text(4, id);
    for (int id = 109; id <= 128; ++id) {
        if (id == 111 || id == 114 || id == 117 || id == 120 || id == 123)
            skin.Text(6, id);
        else
            skin.Image(6, id, 13, 13);
    }
    for (int id = 133; id <= 147; ++id) {
        if (id == 135 || id == 138 || id == 141 || id == 144 || id == 147)
            skin.Text(7, id);
        else
            skin.Image(7, id, 13, 13);
    }
    for (int id = 663; id <= 676; ++id) {
        if (id == 665 || id == 668 || id == 671 || id == 674)
            skin.Text(39, id);
        else
            skin.Image(39, id);
    }
    skin.Text(39, 677);
    for (int id = 805; id <= 809; ++id) skin.Text(39, id);
    for (int id = 42; id <= 101; ++id) skin.Image(5, id);
    for (int id = 814; id <= 841; ++id) skin.Image(5, id);

    std::vector<SheetExpectation> table = {
        {4, "normal", {22}, {23}, {}},   {4, "hot", {26}, {27}, {}},     {4, "pressed", {24}, {25}, {}},
        {4, "disabled", {28}, {29}, {}}, {4, "focused", {30}, {32}, {}}, {4, "default", {30}, {23}, {}},
    };
    AddCheckedKinds(table);
    const std::vector<SheetExpectation> bars = {
        {5, "normal", {43, 51, 59, 42}, {}, {}},
        {5, "vertical", {77, 85, 93, 76}, {}, {}},
        {5, "disabled", {49, 57, 65, 101}, {}, {}},
        {5, "arrow-pressed", {43, 53}, {}, {51}},
        {5, "thumb-pressed", {61}, {}, {59}},
        {5, "window-normal", {828, 832, 836, 827, 815, 819, 823, 814}, {}, {}},
        {5, "window-arrow-hot", {834}, {}, {832}},
        {5, "window-thumb-hot", {838}, {}, {836}},
        {5, "window-arrow-pressed", {833}, {}, {832}},
        {5, "window-inactive", {827, 828, 832}, {}, {836}},
        {5, "window-disabled", {831, 835, 839, 840, 818, 822, 826, 841}, {}, {828}},
    };
    table.insert(table.end(), bars.begin(), bars.end());
    CheckSheet(L"controls", skin, {4, 5, 6, 7, 39}, table);
}
