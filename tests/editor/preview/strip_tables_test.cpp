// The strips' item tables at two widths: counts, pieces that follow the
// right edge, fixed pieces, the disabled marks and the menus' text places.
#include <gtest/gtest.h>

#include <string>

#include "editor/preview/strips/strip_tables.h"

using namespace hexmoor;
using namespace hexmoor::preview;

namespace {
const StripItemSpec* FindText(const StripPlan& plan, const std::string& text) {
    for (const StripItemSpec& item : plan.items)
        if (item.text == text) return &item;
    return nullptr;
}
int CountImage(const StripPlan& plan, WORD image) {
    int n = 0;
    for (const StripItemSpec& item : plan.items) n += item.image == image;
    return n;
}
} // namespace

TEST(StripTables, ToolStripHas46ItemsWithTheOverflowPiecesOnTheRightEdge) {
    for (int w : {567, 800}) {
        const StripPlan plan = ToolStripPlan(w);
        ASSERT_EQ(plan.items.size(), 46u) << w;
        EXPECT_EQ(plan.element, 40);
        EXPECT_EQ(plan.fallbackPicture, 248);
        EXPECT_EQ(plan.whiteFill.size(), 2u);
        EXPECT_EQ(plan.whiteFill[1], (Rect{w - 84, 100, w, 123}));
        // The overflow button shows normal, disabled, hot and pressed in rows 0 to 3.
        const WORD overflow[4] = {706, 709, 707, 708};
        for (int row = 0; row < 4; ++row) {
            int found = 0;
            for (const StripItemSpec& item : plan.items)
                if (item.image == overflow[row]) {
                    EXPECT_EQ(item.rect, (Rect{w - 16, 25 * row, w, 25 * row + 25}));
                    ++found;
                }
            EXPECT_EQ(found, 1) << row;
        }
        EXPECT_EQ(plan.items[44].rect, (Rect{w - 85, 100, w, 123}));
        EXPECT_EQ(plan.items[45].text, "OverflowButton");
        EXPECT_EQ(plan.items[45].rect, (Rect{w - 84, 102, w - 1, 119}));
        // Fixed pieces keep their place whatever the width.
        EXPECT_EQ(FindText(plan, "IndetButton(P)")->rect, (Rect{381, 76, 465, 98}));
        EXPECT_EQ(FindText(plan, "Label(N)")->rect, (Rect{7, 1, 54, 23}));
        EXPECT_EQ(CountImage(plan, 760), 5); // four row backgrounds and the panel
        EXPECT_EQ(CountImage(plan, 769), 2); // the separators of rows 0 and 1
    }
}

TEST(StripTables, StatusStripHas21ItemsWithTheGripInTheCorner) {
    for (Size s : {Size{567, 44}, Size{700, 50}}) {
        const StripPlan plan = StatusStripPlan(s.cx, s.cy);
        ASSERT_EQ(plan.items.size(), 21u);
        EXPECT_EQ(plan.items.back().image, 753);
        EXPECT_EQ(plan.items.back().rect, (Rect{s.cx - 14, s.cy - 22, s.cx, s.cy}));
        EXPECT_EQ(plan.items[0].rect, (Rect{0, 0, s.cx, 22}));
        EXPECT_EQ(plan.items[10].rect, (Rect{0, 22, s.cx, 44}));
        EXPECT_EQ(FindText(plan, "DropDownButton(P)")->rect, (Rect{345, 24, 451, 44}));
        EXPECT_EQ(FindText(plan, "Label(D)")->image, 752);
    }
}

TEST(StripTables, ItemsNamingADisabledPieceAreTheOnesGreyWhenTheElementIsOff) {
    const StripPlan plans[] = {ToolStripPlan(600), StatusStripPlan(600, 44), MenuStripBarPlan(600),
                               DropDownMenusPlan()};
    std::vector<std::string> grey;
    for (const StripPlan& plan : plans)
        for (const StripItemSpec& item : plan.items)
            if (item.greyWhenDisabled) grey.push_back(item.text);
    const std::vector<std::string> expected = {
        "Label(D)",       "SplitButton(D)",   "DropDownButton(D)", "Button(D)",         "CheckButton(D)",
        "IndetButton(D)", "Label(D)",         "SplitButton(D)",    "DropDownButton(D)", "Tools",
        "Save",           "Modern(Disabled)", "Classic(Disabled)"};
    EXPECT_EQ(grey, expected);
}

TEST(StripTables, TheMenuBarHas6ItemsAndTheMenus39WithTheirTextsPlaced) {
    EXPECT_EQ(MenuStripBarPlan(700).items.size(), 6u);
    EXPECT_EQ(MenuStripBarPlan(700).items[0].rect, (Rect{0, 0, 700, 28}));
    const StripPlan menus = DropDownMenusPlan();
    ASSERT_EQ(menus.items.size(), 39u);
    struct Case {
        const char* text;
        int left, right;
        unsigned format;
    } cases[] = {
        {"New", 43, 171, kMenuTextLeftFormat},
        {"Open", 43, 171, kMenuTextLeftFormat},
        {"Project", 203, 352, kMenuTextLeftFormat},
        {"Modern(Normal)", 384, 523, kMenuTextLeftFormat},
        {"Classic(Normal)", 384, 491, kMenuTextRightFormat},
        {"Modern(Highlight)", 384, 523, kMenuTextLeftFormat},
        {"Classic(Pressed)", 384, 491, kMenuTextRightFormat},
        {"Classic(Disabled)", 384, 491, kMenuTextRightFormat},
    };
    for (const Case& c : cases) {
        const StripItemSpec* item = FindText(menus, c.text);
        ASSERT_NE(item, nullptr) << c.text;
        const PlacedText placed = PlaceMenuText(*item);
        EXPECT_EQ(placed.rect.left, c.left) << c.text;
        EXPECT_EQ(placed.rect.right, c.right) << c.text;
        EXPECT_EQ(placed.format, c.format) << c.text;
    }
}
