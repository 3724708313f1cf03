// Range controls: slider line box, selection span and images, up-down
// halves and gaps, progress fill and marquee steps.
#include <gtest/gtest.h>

#include <climits>

#include "runtime/logic/range_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt::range;

TEST(SliderLine, VerticalLineIsFourPixelsAtTheMiddleEightShortOfBothEnds) {
    const Rect channel{4, 10, 12, 190}; // whatever the control reports
    EXPECT_EQ(SliderLineBox({0, 0, 30, 200}, channel, true), (Rect{13, 8, 17, 192}));
    EXPECT_EQ(SliderLineBox({0, 0, 31, 200}, channel, true), (Rect{13, 8, 17, 192})) << "odd width rounds down";
    EXPECT_EQ(SliderLineBox({0, 0, 200, 30}, channel, false), channel) << "horizontal keeps the channel";
}

TEST(SliderSelection, SpanIsRelativeToTheRangeMinimumAndEmptySelectionDrawsNothing) {
    const Rect line{10, 5, 110, 9}; // usable length (110 - 5) - 10 + 1 = 96 for a 10-pixel thumb
    struct Case {
        SliderSelection s;
        Rect expected;
    } cases[] = {
        {{125, 150, 100, 200}, {34, 5, 64, 9}}, // 25 * 0.96 = 24, 50 * 0.96 = 48
        {{133, 150, 100, 200}, {41, 5, 64, 9}}, // 31.68 truncates to 31
        {{100, 200, 100, 200}, {10, 5, 112, 9}},
        {{150, 150, 100, 200}, {}},            // empty selection
        {{1, 5, 7, 7}, line},                  // empty range: the whole line
        {{-50, 0, -100, 100}, {34, 5, 64, 9}}, // negative range: 50 * 0.48 = 24, 100 * 0.48 = 48
    };
    for (const auto& c : cases)
        EXPECT_EQ(SliderSelectionBox(line, 10, false, c.s), c.expected) << c.s.start << ".." << c.s.end;
    // Vertical: the same arithmetic along y, the line's width kept.
    EXPECT_EQ(SliderSelectionBox({13, 10, 17, 110}, 10, true, {125, 150, 100, 200}), (Rect{13, 34, 17, 64}));
    // The widest range stays finite and ordered.
    const Rect wide = SliderSelectionBox(line, 10, false, {0, INT_MAX, INT_MIN, INT_MAX});
    EXPECT_GE(wide.left, line.left);
    EXPECT_LE(wide.right, line.right + 6);
}

TEST(SliderImages, StateFocusAndOrientationChooseTheId) {
    struct Case {
        SliderPart part;
        SliderLook look;
        int id;
    } cases[] = {
        {SliderPart::Thumb, {0, false, true, false}, 170},      {SliderPart::Line, {0, false, true, false}, 171},
        {SliderPart::Background, {0, false, true, false}, 172}, {SliderPart::Thumb, {1, false, true, false}, 173},
        {SliderPart::Line, {2, false, true, false}, 177},       {SliderPart::Background, {0, false, false, false}, 181},
        {SliderPart::Thumb, {0, true, true, false}, 182},       {SliderPart::Thumb, {2, true, true, false}, 176},
        {SliderPart::Background, {1, true, true, false}, 175},  {SliderPart::Thumb, {0, false, true, true}, 194},
        {SliderPart::Line, {1, false, true, true}, 198},        {SliderPart::Background, {2, false, true, true}, 202},
        {SliderPart::Thumb, {0, false, false, true}, 203},      {SliderPart::Background, {0, true, true, true}, 208},
    };
    for (const auto& c : cases) EXPECT_EQ(SliderImageId(c.part, c.look), c.id) << "expected " << c.id;
    EXPECT_EQ(SliderNormalImageId(SliderPart::Line, true), 195);
    EXPECT_EQ(SliderSelectionImageId(false), 185);
    EXPECT_EQ(SliderSelectionImageId(true), 209);
}

TEST(SpinLayout, HalvesAndTheBuddyAndDateTimeGaps) {
    const SpinLayout v = LayoutSpin({0, 0, 16, 30}, false);
    EXPECT_EQ(v.first, (Rect{0, 0, 16, 15}));
    EXPECT_EQ(v.second, (Rect{0, 15, 16, 30}));
    EXPECT_EQ(v.half, (Size{16, 15}));
    const SpinLayout h = LayoutSpin({0, 0, 30, 16}, true);
    EXPECT_EQ(h.first, (Rect{0, 0, 15, 16}));
    EXPECT_EQ(h.second, (Rect{15, 0, 30, 16}));
    struct Case {
        const SpinLayout* layout;
        int gap;
        bool buddy;
        Rect first, second;
    } cases[] = {
        {&v, 1, false, {0, 0, 15, 15}, {0, 15, 15, 30}},
        {&v, 2, false, {0, 0, 14, 15}, {0, 15, 14, 30}}, // inside a date-time picker
        {&v, 1, true, {0, 2, 14, 15}, {0, 15, 14, 28}},  // attached to a buddy
        {&h, 1, false, {0, 0, 15, 16}, {15, 0, 30, 16}}, // the gap is for vertical arrows only
        {&h, 1, true, {0, 2, 15, 14}, {15, 2, 30, 14}},
    };
    for (const auto& c : cases) {
        const SpinBoxes b = SpinDrawBoxes(*c.layout, c.gap, c.buddy);
        EXPECT_EQ(b.first, c.first) << "gap " << c.gap << " buddy " << c.buddy;
        EXPECT_EQ(b.second, c.second) << "gap " << c.gap << " buddy " << c.buddy;
    }
    // An odd height: both arrows are drawn at the half size from their origin.
    const SpinBoxes odd = SpinDrawBoxes(LayoutSpin({0, 0, 16, 31}, false), 1, false);
    EXPECT_EQ(odd.second, (Rect{0, 15, 15, 30}));
}

TEST(SpinBuddy, SideFromTheAlignmentMirroredRightToLeft) {
    const struct {
        bool alignLeft, alignRight, rtl;
        int side;
    } cases[] = {
        {true, false, false, kSpinOnLeft}, {false, true, false, kSpinOnRight}, {false, false, false, kSpinOnRight},
        {true, false, true, kSpinOnRight}, {false, true, true, kSpinOnLeft},   {false, false, true, kSpinOnRight},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpinBuddySide(c.alignLeft, c.alignRight, c.rtl), c.side) << c.alignLeft << c.alignRight << c.rtl;
}

TEST(SpinBuddy, EditImageWidensOverTheSpinOnItsSideOnly) {
    const Rect edit{100, 50, 160, 74};
    const Rect right{158, 48, 176, 76}; // overlapping two pixels, taller than the edit
    const Rect left{84, 50, 102, 74};
    EXPECT_EQ(EditBoxJoinedWithSpin(edit, right, kSpinOnRight), (Rect{100, 50, 176, 74}));
    EXPECT_EQ(EditBoxJoinedWithSpin(edit, left, kSpinOnLeft), (Rect{84, 50, 160, 74}));
    EXPECT_EQ(EditBoxJoinedWithSpin(edit, right, 0), edit);
    // A spin that does not reach past the edit leaves the box as it is.
    EXPECT_EQ(EditBoxJoinedWithSpin(edit, Rect{120, 50, 140, 74}, kSpinOnRight), edit);
    EXPECT_EQ(EditBoxJoinedWithSpin(edit, Rect{120, 50, 140, 74}, kSpinOnLeft), edit);
}

TEST(SpinImages, ArrowStateAndDisabledWindow) {
    struct Case {
        bool horizontal;
        int arrow, state;
        bool enabled;
        int id;
    } cases[] = {{false, 0, 0, true, 277},  {false, 0, 1, true, 278}, {false, 0, 2, true, 279},
                 {false, 0, 0, false, 280}, {false, 1, 0, true, 282}, {false, 1, 2, true, 284},
                 {false, 1, 0, false, 285}, {true, 0, 0, true, 258},  {true, 0, 1, true, 259},
                 {true, 1, 2, true, 265},   {true, 1, 0, false, 266}};
    for (const auto& c : cases) EXPECT_EQ(SpinImageId(c.horizontal, c.arrow, c.state, c.enabled), c.id);
}

TEST(ProgressFill, HalfRangeBothWaysAndTheFaultyRanges) {
    struct Case {
        int extent, low, high, pos, filled;
    } cases[] = {
        {200, 0, 100, 50, 100},
        {200, 0, 100, 0, 0},
        {200, 0, 100, 100, 200},
        {200, -10, 10, 0, 100},
        {200, 0, 100, 150, 200}, // past the high end: clamped to the client
        {200, 50, 50, 60, 0},    // empty range: no fill, no division by zero
        {200, 80, 20, 90, 0},    // reversed range
        {200, 0, 3, 1, 66},      // truncated
        {200, INT_MIN, INT_MAX, INT_MAX, 200},
        {200, INT_MIN, INT_MAX, 0, 100},
        {0, 0, 100, 50, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressFilled(c.extent, c.low, c.high, c.pos), c.filled)
            << c.low << ".." << c.high << " at " << c.pos;
    EXPECT_EQ(ProgressFillBox({0, 0, 200, 20}, false, 100), (Rect{0, 0, 100, 20}));
    EXPECT_EQ(ProgressFillBox({0, 0, 20, 80}, true, 40), (Rect{0, 40, 20, 80})) << "vertical fills from the bottom";
}

TEST(ProgressMarquee, RunsOffTheRightEdgeInTwoPiecesAndStartsAgain) {
    const Rect client{0, 0, 100, 20};
    int position = kMarqueeStart;
    MarqueeFrame frame = MarqueeStepAt(position, client);
    ASSERT_EQ(frame.pieces.size(), 1u);
    EXPECT_EQ(frame.pieces[0], (Rect{-70, 0, 0, 20}));
    for (int step = 0; step < 30; ++step) position = MarqueeStepAt(position, client).next;
    EXPECT_EQ(position, 80);
    frame = MarqueeStepAt(position, client);
    ASSERT_EQ(frame.pieces.size(), 2u);
    EXPECT_EQ(frame.pieces[0], (Rect{80, 0, 100, 20}));
    EXPECT_EQ(frame.pieces[1], (Rect{0, 0, 50, 20}));
    for (int step = 0; step < 5; ++step) position = MarqueeStepAt(position, client).next;
    EXPECT_EQ(position, 105);
    frame = MarqueeStepAt(position, client);
    ASSERT_EQ(frame.pieces.size(), 1u) << "wholly past the edge: one piece from the left again";
    EXPECT_EQ(frame.pieces[0], (Rect{5, 0, 75, 20}));
    EXPECT_EQ(frame.next, 10);
}
