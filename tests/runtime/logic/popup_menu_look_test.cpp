// The popup menu's drawing rules: the look of each drawn state, the drawn
// state from the requested one and the item's flags, and the boxes of the
// check mark, label, accelerator and arrow.
#include <gtest/gtest.h>

#include "runtime/logic/popup_menu_look.h"

using namespace hexmoor;
using namespace hexmoor::rt::popup;

TEST(PopupMenuLook, EachStateTakesItsImageColourAndArrow) {
    struct Case {
        int state;
        Look withSubmenu;
    } cases[] = {
        {state::kNormal, {437, 438, 449}},   {state::kHot, {441, 442, 450}},    {state::kPressed, {439, 440, 0}},
        {state::kDisabled, {443, 444, 452}}, {state::kGrayed, {443, 444, 452}}, {state::kDisabledHot, {441, 444, 452}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LookOf(c.state, true), c.withSubmenu) << c.state;
        Look plain = c.withSubmenu;
        plain.arrow = 0;
        EXPECT_EQ(LookOf(c.state, false), plain) << "no arrow without a submenu, state " << c.state;
    }
}

TEST(PopupMenuLook, DrawnStateFromRequestAndFlags) {
    const ItemFlags plain{}, submenu{false, false, false, true}, separator{false, false, true, false};
    const ItemFlags disabled{true, false, false, false}, grayed{false, true, false, false};
    struct Case {
        int requested;
        ItemFlags flags;
        int drawn;
        const char* what;
    } cases[] = {
        {0, plain, state::kNormal, "normal"},
        {1, plain, state::kHot, "hot"},
        {2, plain, state::kPressed, "pressed"},
        {2, submenu, state::kHot, "a submenu item is never drawn pressed"},
        {1, separator, state::kNormal, "a separator is never hot"},
        {2, separator, state::kNormal, "nor pressed"},
        {0, disabled, state::kDisabled, "disabled"},
        {0, grayed, state::kGrayed, "grayed"},
        {1, disabled, state::kDisabledHot, "disabled while highlighted"},
        {2, grayed, state::kDisabledHot, "grayed while pressed"},
        {7, plain, state::kPressed, "out-of-range requests stay within the item states"},
    };
    for (const Case& c : cases) EXPECT_EQ(DrawnState(c.requested, c.flags), c.drawn) << c.what;
}

TEST(PopupMenuLook, ItemBoxesLeftToRightAndMirrored) {
    const Rect item{10, 20, 210, 40}; // 200 x 20
    const Size check{13, 13};
    const ItemBoxes ltr = LayoutItem(item, check, 17, false);
    EXPECT_EQ(ltr.check, (Rect{11, 23, 24, 36})) << "one pixel in, centred (20 - 13) / 2";
    EXPECT_EQ(ltr.text, (Rect{25, 20, 210, 40})) << "the label starts check width + 2 inside";
    EXPECT_EQ(ltr.accelerator, (Rect{30, 20, 205, 40})) << "5 pixels narrower on each side";
    EXPECT_EQ(ltr.arrow, (Rect{193, 20, 210, 40}));
    const ItemBoxes rtl = LayoutItem(item, check, 17, true);
    EXPECT_EQ(rtl.check, (Rect{196, 23, 209, 36}));
    EXPECT_EQ(rtl.text, (Rect{10, 20, 195, 40}));
    EXPECT_EQ(rtl.accelerator, (Rect{15, 20, 190, 40}));
    EXPECT_EQ(rtl.arrow, (Rect{10, 20, 27, 40}));
    // An item narrower than the check mark never yields inverted boxes.
    const ItemBoxes tiny = LayoutItem({0, 0, 8, 8}, check, 17, false);
    EXPECT_GE(tiny.text.Width(), 0);
    EXPECT_GE(tiny.accelerator.Width(), 0);
}

TEST(PopupMenuLook, LabelAndAcceleratorSplitAtTheFirstTab) {
    struct Case {
        const wchar_t* text;
        const wchar_t* label;
        const wchar_t* accelerator;
    } cases[] = {
        {L"&Open\tCtrl+O", L"&Open", L"Ctrl+O"},
        {L"Plain", L"Plain", L""},
        {L"\tF5", L"", L"F5"},
        {L"A\tB\tC", L"A", L"B\tC"},
        {L"", L"", L""},
    };
    for (const Case& c : cases) {
        const auto [label, accelerator] = SplitAtTab(c.text);
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(accelerator, c.accelerator);
    }
}

TEST(PopupMenuLook, BorderInsetsMirroredAndNeverNegative) {
    EXPECT_EQ(BorderInsets(1, 2, 3, 4, false), (Insets{1, 2, 3, 4}));
    EXPECT_EQ(BorderInsets(1, 2, 3, 4, true), (Insets{3, 2, 1, 4}));
    EXPECT_EQ(BorderInsets(-5, 2, 3, 50000, false), (Insets{0, 2, 3, 10000}));
}
