// The cut of a layered alpha window's companion to the controls it carries.
#include "runtime/logic/layered_companion.h"

#include <gtest/gtest.h>

using namespace hexmoor;
using namespace hexmoor::rt;

TEST(LayeredCompanion, StaticsAndChildrenWithBothLowStyleBitsAreLeftOut) {
    struct Case {
        const wchar_t* cls;
        unsigned long style;
        bool shown;
    } cases[] = {
        {L"Button", 0x0, true},         // push button
        {L"Button", 0x1, true},         // default push button
        {L"Button", 0x2, true},         // check box (not automatic)
        {L"Button", 0x3, false},        // automatic check box
        {L"Button", 0x7, false},        // group box
        {L"Button", 0x9, true},         // automatic radio: low bits 01
        {L"Button", 0x5000000B, false}, // owner-drawn: low bits 11 whatever the high ones
        {L"Static", 0x0, false},        {L"STATIC", 0x0, false},
        {L"static", 0x1, false},        {L"Statics", 0x0, true}, // another class, whole name compared
        {L"Edit", 0x50010080, true},    {L"", 0x0, true},
    };
    for (const Case& c : cases) EXPECT_EQ(CompanionShowsChild(c.cls, c.style), c.shown) << c.cls << " " << c.style;
}

TEST(LayeredCompanion, RegionRectsKeepTheShownChildrenInOrderAndDropEmptyOnes) {
    const std::vector<CompanionChild> children{
        {L"Button", 0x0, {10, 10, 90, 34}}, {L"Static", 0x0, {10, 40, 90, 60}},
        {L"Edit", 0x0, {100, 10, 180, 34}}, {L"Button", 0x0, {150, 20, 210, 50}}, // overlaps the edit
        {L"Button", 0x0, {30, 30, 30, 60}},                                       // no width
        {L"Button", 0x7, {0, 0, 240, 160}},                                       // group box
    };
    const std::vector<Rect> expected{{10, 10, 90, 34}, {100, 10, 180, 34}, {150, 20, 210, 50}};
    EXPECT_EQ(CompanionRegionRects(children), expected);
}
