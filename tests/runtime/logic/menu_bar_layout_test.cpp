// The skinned menu bar's item kinds, keyboard moves, mnemonics and layout.
#include <gtest/gtest.h>

#include "runtime/logic/menu_bar_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt;

TEST(BarItemKind, TextItemsOrAMaximisedChildsIconAndButtons) {
    const MdiBarState none{};
    const MdiBarState both{true, true, true};
    const MdiBarState closeOnly{true, false, false};
    // 8 items with a maximised child: icon, 3 texts, height item, min, restore, close.
    const int expectBoth[] = {1, 2, 2, 2, 2, 6, 5, 3};
    const int expectCloseOnly[] = {1, 2, 2, 2, 2, 2, 2, 3};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(BarItemKind(i, 8, none), bar_kind::kText) << i;
        EXPECT_EQ(BarItemKind(i, 8, both), expectBoth[i]) << i;
        EXPECT_EQ(BarItemKind(i, 8, closeOnly), expectCloseOnly[i]) << i;
    }
    EXPECT_EQ(BarItemKind(8, 8, none), bar_kind::kNone);
    EXPECT_EQ(BarItemKind(-1, 8, both), bar_kind::kNone);
}

TEST(NextBarItem, WrapsSkipsTheHeightItemAndTheChildButtons) {
    // Plain bar: items 0..3, height item 4.
    EXPECT_EQ(NextBarItem(0, false, 5, false, 4), 1);
    EXPECT_EQ(NextBarItem(3, false, 5, false, 4), 0);
    EXPECT_EQ(NextBarItem(0, true, 5, false, 4), 3);
    EXPECT_EQ(NextBarItem(2, true, 5, false, 4), 1);
    // Maximised child: icon 0, texts 1..3, height item 4, buttons 5..7.
    EXPECT_EQ(NextBarItem(3, false, 8, true, 4), 0);
    EXPECT_EQ(NextBarItem(0, true, 8, true, 4), 3);
    EXPECT_EQ(NextBarItem(0, false, 8, true, 4), 1);
}

TEST(Mnemonics, CharacterAfterTheFirstLoneAmpersand) {
    EXPECT_EQ(MnemonicOf(L"&File"), L'F');
    EXPECT_EQ(MnemonicOf(L"E&dit"), L'D');
    EXPECT_EQ(MnemonicOf(L"Save && &quit"), L'Q');
    EXPECT_EQ(MnemonicOf(L"None"), 0);
    EXPECT_EQ(MnemonicOf(L"Trailing&"), 0);
    const std::vector<std::wstring> items{L"&File", L"&Edit", L"&View", L"He&lp"};
    EXPECT_EQ(FindMnemonicItem(items, L'e'), 1);
    EXPECT_EQ(FindMnemonicItem(items, L'L'), 3);
    EXPECT_EQ(FindMnemonicItem(items, L'x'), -1);
    EXPECT_EQ(FindMnemonicItem(items, 0), -1);
}

TEST(BarLayout, OneRowWidenedByTenPerItemAndButtonsFromTheRight) {
    BarLayoutInput in;
    in.window = {400, 300};
    in.borders = {6, 30, 8, 10};
    in.leftGap = 2;
    in.topGap = 3;
    in.itemOffset = {1, 1};
    in.rowHeight = 20;
    in.itemWidths = {30, 40, 25, 0};
    in.heightItem = 3;
    const auto r = LayoutBarItems(in);
    ASSERT_EQ(r.size(), 4u);
    // x origin 1 + 2 + 6 = 9, y origin 1 + 3 + 30 = 34
    EXPECT_EQ(r[0], (Rect{9, 34, 49, 54}));
    EXPECT_EQ(r[1], (Rect{49, 34, 99, 54}));
    EXPECT_EQ(r[2], (Rect{99, 34, 134, 54}));
    EXPECT_TRUE(r[3].IsEmpty());
    EXPECT_EQ(HitTestBarItems(r, {50, 40}, 3), 1);
    EXPECT_EQ(HitTestBarItems(r, {48, 40}, 3), 0);
    EXPECT_EQ(HitTestBarItems(r, {200, 40}, 3), -1);

    // A maximised child: icon first (no widening), buttons at their offsets from the right.
    in.mdi = {true, true, true};
    in.itemWidths = {20, 30, 40, 0, 16, 16, 16};
    in.mdiButtons = {MdiButtonGeometry{{16, 14}, {2, 3}}, MdiButtonGeometry{{16, 14}, {20, 3}},
                     MdiButtonGeometry{{16, 14}, {38, 3}}};
    const auto m = LayoutBarItems(in);
    EXPECT_EQ(m[0], (Rect{9, 34, 29, 54}));
    EXPECT_EQ(m[1], (Rect{29, 34, 69, 54}));
    EXPECT_EQ(m[2], (Rect{69, 34, 119, 54}));
    EXPECT_EQ(m[6], (Rect{374, 33, 390, 47})) << "close";
    EXPECT_EQ(m[5], (Rect{356, 33, 372, 47})) << "restore";
    EXPECT_EQ(m[4], (Rect{338, 33, 354, 47})) << "minimise";
}

TEST(BarLayout, BarRectangleSpansTheClientBetweenTopSideAndClient) {
    EXPECT_EQ(BarRect({6, 56, 392, 290}, 30, 0), (Rect{6, 30, 392, 56}));
    EXPECT_EQ(BarRect({6, 56, 392, 290}, 30, 17), (Rect{6, 30, 409, 56}));
}

TEST(MenuBarLayout, ClientTopShiftLosesOnePixelFromFileVersion522On) {
    struct Case {
        int top, bottom, version, expected;
    } cases[] = {{3, 2, 512, 5}, {3, 2, 521, 5}, {3, 2, 522, 4}, {3, 2, 768, 4}, {0, 0, 768, -1}, {0, 0, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(BarClientTopShift(c.top, c.bottom, c.version), c.expected)
            << c.top << "+" << c.bottom << " v" << c.version;
}

TEST(MenuBarProtocol, DrawStateAndMenuItemRecordSize) {
    struct Case {
        int requested;
        bool disabled, greyed;
        int expected;
    } states[] = {
        {0, false, false, 0}, {1, false, false, 1}, {2, false, false, 2},
        {1, true, false, 3},  {0, false, true, 4},  {2, true, true, 4},
    };
    for (const Case& c : states)
        EXPECT_EQ(BarItemDrawState(c.requested, c.disabled, c.greyed), c.expected)
            << c.requested << c.disabled << c.greyed;
    // Only Windows NT 4 gets the record without its bitmap field.
    for (int version : {-1, 1, 4, 6, 7, 8, 9, 10}) EXPECT_EQ(MenuItemInfoSize(version, 48, 44), 48u) << version;
    EXPECT_EQ(MenuItemInfoSize(5, 48, 44), 44u);
    EXPECT_EQ(MenuItemInfoSize(5, 80, 72), 72u);
}
