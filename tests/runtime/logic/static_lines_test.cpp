// Etched statics and the group box's frame and caption gap.
#include <gtest/gtest.h>

#include "runtime/logic/static_lines.h"

using namespace hexmoor;
using namespace hexmoor::rt::statics;

TEST(EtchedStatic, OnlyTheTwoLineTypesAreDrawnByTheRuntime) {
    struct Case {
        unsigned style;
        EtchedLine line;
    } cases[] = {
        {0x10, EtchedLine::Horizontal},
        {0x11, EtchedLine::Vertical},
        {0x12, EtchedLine::None},               // etched frame: not a horizontal line
        {0x13, EtchedLine::None},               // SS_OWNERDRAW
        {0x04, EtchedLine::None},               // SS_BLACKRECT
        {0x07, EtchedLine::None},               // SS_BLACKFRAME
        {0x0E, EtchedLine::None},               // SS_BITMAP
        {0x50000010, EtchedLine::Horizontal},   // window style bits do not matter
        {0x10 | 0x200, EtchedLine::Horizontal}, // SS_CENTERIMAGE
        {0x80 | 0x11, EtchedLine::Vertical},    // SS_NOPREFIX
    };
    for (const auto& c : cases) EXPECT_EQ(EtchedLineOf(c.style), c.line) << std::hex << c.style;
}

TEST(GroupBoxLines, CaptionGapOnEitherSideAndTheFrameBelowHalfTheCaption) {
    const Rect client{0, 0, 200, 100};
    EXPECT_EQ(GroupBoxCaptionGap(client, {40, 14}, false), (Rect{9, 0, 55, 14}));
    EXPECT_EQ(GroupBoxCaptionGap(client, {40, 14}, true), (Rect{145, 0, 191, 14}));
    EXPECT_TRUE(GroupBoxCaptionGap(client, {0, 14}, false).IsEmpty()) << "no caption: no gap";
    EXPECT_EQ(GroupBoxFrame(client, 14), (Rect{0, 7, 200, 100}));
    EXPECT_EQ(GroupBoxFrame(client, 15), (Rect{0, 7, 200, 100}));
}
