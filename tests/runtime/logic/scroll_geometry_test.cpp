// Scroll-bar geometry: thumb, hit test, drag, clamping, layout, part plans.
#include <gtest/gtest.h>

#include "runtime/logic/scroll_geometry.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::rt::scroll;

namespace {
ScrollData Data(int nMin, int nMax, unsigned nPage, int nPos) { return {nMin, nMax, nPage, nPos, 0}; }
} // namespace

TEST(ScrollMulDiv, RoundsHalfAwayFromZeroAndRefusesZeroDivisor) {
    struct Case {
        int a, b, c, expected;
    } cases[] = {{10, 3, 4, 8},  {-10, 3, 4, -8}, {10, -3, -4, 8},       {5, 1, 2, 3},
                 {-5, 1, 2, -3}, {7, 7, 0, -1},   {0x40000000, 4, 1, -1}};
    for (const auto& c : cases) EXPECT_EQ(scroll::MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ScrollThumb, LengthAndOffset) {
    // Bar [0, 200) with 16-pixel arrows: 168 pixels of track.
    struct Case {
        ScrollData d;
        int minThumb;
        int length;
        int start;
    } cases[] = {
        {Data(0, 99, 10, 0), 6, 17, 16},    // MulDiv(10, 168, 100)
        {Data(0, 99, 10, 90), 6, 17, 167},  // last position: thumb at the end of the track
        {Data(0, 99, 10, 45), 6, 17, 92},   // 16 + MulDiv(45, 151, 90)
        {Data(0, 999, 1, 0), 6, 6, 16},     // raised to the minimum thumb
        {Data(0, 99, 0, 0), 6, 16, 16},     // page 0: as long as an arrow
        {Data(10, 109, 10, 10), 6, 17, 16}, // offset counts from nMin
        {Data(0, 99, 10, 500), 6, 17, 167}, // offset clamped to the free room
        {Data(0, -5, 10, 0), 6, 0, 16},     // empty range: no thumb
    };
    for (const auto& c : cases) {
        const Thumb t = CalcThumb(0, 200, 16, c.d, c.minThumb);
        EXPECT_EQ(t.work, 168);
        EXPECT_EQ(t.length, c.length) << c.d.nMax << "/" << c.d.nPage << "/" << c.d.nPos;
        EXPECT_EQ(t.start, c.start) << c.d.nMax << "/" << c.d.nPage << "/" << c.d.nPos;
    }
}

TEST(ScrollThumb, ActiveOnlyWhenThePageFitsInTheRange) {
    EXPECT_TRUE(IsActive(Data(0, 99, 10, 0)));
    EXPECT_TRUE(IsActive(Data(0, 10, 10, 0)));
    EXPECT_FALSE(IsActive(Data(0, 10, 11, 0))); // page above nMax
    EXPECT_FALSE(IsActive(Data(5, 5, 0, 0)));   // nMax not above nMin
    EXPECT_FALSE(IsActive(Data(-5, 0, 0, 0)));  // nMax 0
}

TEST(ScrollHitTest, EdgesOfEveryPart) {
    const Rect bar{0, 0, 200, 16};
    const Thumb t = CalcThumb(0, 200, 16, Data(0, 99, 10, 45), 6); // thumb [92, 109)
    struct Case {
        Point p;
        int part;
    } cases[] = {
        {{0, 0}, part::kArrowBefore},  {{15, 15}, part::kArrowBefore}, {{16, 0}, part::kTrackBefore},
        {{91, 5}, part::kTrackBefore}, {{92, 5}, part::kThumb},        {{108, 5}, part::kThumb},
        {{109, 5}, part::kTrackAfter}, {{183, 5}, part::kTrackAfter},  {{184, 5}, part::kArrowAfter},
        {{199, 5}, part::kArrowAfter}, {{200, 5}, part::kNone},        {{50, -1}, part::kNone},
        {{50, 16}, part::kNone},       {{-1, 5}, part::kNone},
    };
    for (const auto& c : cases) EXPECT_EQ(HitTest(bar, 16, t, c.p), c.part) << c.p.x << "," << c.p.y;
}

TEST(ScrollHitTest, ShortBarHasHalfArrowsAndAThumbThatFillsTheWorkHitsNothing) {
    const Rect shortBar{0, 0, 21, 16};
    const Thumb t = CalcThumb(0, 21, 16, Data(0, 99, 10, 0), 6);
    EXPECT_EQ(HitTest(shortBar, 16, t, {9, 0}), part::kArrowBefore);
    EXPECT_EQ(HitTest(shortBar, 16, t, {10, 0}), part::kNone); // the one-pixel middle
    EXPECT_EQ(HitTest(shortBar, 16, t, {11, 0}), part::kArrowAfter);
    const Thumb full = CalcThumb(0, 100, 16, Data(0, 9, 10, 0), 6); // page = range
    EXPECT_EQ(HitTest({0, 0, 100, 16}, 16, full, {50, 0}), part::kNone);
}

TEST(ScrollPlan, PiecesOfABarInPaintingOrder) {
    using V = std::vector<Piece>;
    const auto D = state::kDefault;
    // Active bar, thumb [92, 109), the down arrow pressed and the thumb hot.
    EXPECT_EQ(PlanBar(0, 200, 16, Data(0, 99, 10, 45), 6, part::kArrowAfter, part::kThumb),
              (V{{0, 0, 16, D},
                 {2, 16, 92, D},
                 {3, 109, 184, D},
                 {5, 92, 109, state::kHot},
                 {1, 184, 200, state::kSelected}}));
    // Page above nMax: disabled arrows, the whole track as part 3 in the default state, no thumb.
    EXPECT_EQ(PlanBar(0, 200, 16, Data(0, 10, 20, 0), 6, part::kNone, part::kArrowBefore),
              (V{{0, 0, 16, state::kDisabled}, {3, 16, 184, D}, {1, 184, 200, state::kDisabled}}));
    // Shorter than two arrows: two half arrows and a one-pixel track between them.
    EXPECT_EQ(PlanBar(0, 21, 16, Data(0, 99, 10, 0), 6, part::kNone, part::kNone),
              (V{{0, 0, 10, D}, {3, 10, 11, D}, {1, 11, 21, D}}));
    EXPECT_EQ(PlanBar(0, 20, 16, Data(0, 99, 10, 0), 6, part::kNone, part::kNone), (V{{0, 0, 10, D}, {1, 10, 20, D}}));
    EXPECT_TRUE(PlanBar(5, 5, 16, Data(0, 99, 10, 0), 6, part::kNone, part::kNone).empty());
    // Page 0: arrow-long thumb.
    const V zeroPage = PlanBar(0, 200, 16, Data(0, 99, 0, 0), 6, part::kNone, part::kNone);
    ASSERT_EQ(zeroPage.size(), 5u);
    EXPECT_EQ(zeroPage[3], (Piece{5, 16, 32, D}));
}

TEST(ScrollDrag, FollowsThePointInsideTheSnapAreaAndJumpsBackOutside) {
    const ScrollData d = Data(0, 99, 10, 45);
    Drag drag;
    drag.bar = {0, 0, 200, 16};
    drag.arrow = 16;
    drag.thumbLength = 17;
    drag.mouseOffset = 5;
    drag.startAtPress = 92;
    struct Case {
        Point p;
        int start;
        int position;
    } cases[] = {
        {{97, 8}, 92, 45},    // no movement
        {{21, 8}, 16, 0},     // to the track's start
        {{240, 8}, 167, 90},  // clamped to the track's end
        {{247, 8}, 167, 90},  // 47 beyond the end: still inside
        {{248, 8}, 92, 45},   // 48 beyond: back to where the drag began
        {{100, 39}, 95, 47},  // 23 below the bar: inside
        {{100, 40}, 92, 45},  // 24 below: snaps back
        {{100, -24}, 95, 47}, // 24 above: inside
        {{100, -25}, 92, 45},
    };
    for (const auto& c : cases) {
        const DragResult r = DragThumb(drag, d, c.p);
        EXPECT_EQ(r.thumbStart, c.start) << c.p.x << "," << c.p.y;
        EXPECT_EQ(r.position, c.position) << c.p.x << "," << c.p.y;
    }
}

TEST(ScrollDrag, PageZeroNeverMapsPastNMax) {
    Drag drag;
    drag.bar = {0, 0, 200, 16};
    drag.arrow = 16;
    drag.thumbLength = 16;
    drag.startAtPress = 16;
    EXPECT_EQ(DragThumb(drag, Data(0, 99, 0, 0), {240, 8}).position, 99);
    EXPECT_EQ(DragThumb(drag, Data(3, 3, 0, 3), {240, 8}).position, 3); // a one-value range
}

TEST(ScrollSetInfo, ClampsAndAnswersNoChangeForEqualData) {
    const ScrollData stored = Data(0, 99, 10, 20);
    const unsigned all = mask::kRange | mask::kPage | mask::kPos;
    struct Case {
        unsigned fMask;
        ScrollData info;
        bool changed;
        ScrollData result;
    } cases[] = {
        {all, Data(0, 99, 10, 20), false, Data(0, 99, 10, 20)},
        {0, Data(0, 99, 10, 20), false, Data(0, 99, 10, 20)},       // equal whatever the mask
        {mask::kPos, Data(0, 0, 0, 95), true, Data(0, 99, 10, 90)}, // pos lowered to nMax - (nPage - 1)
        {mask::kPos, Data(0, 0, 0, -4), true, Data(0, 99, 10, 0)},  // raised to nMin
        {all, Data(0, 49, 80, 3), true, Data(0, 49, 50, 0)},        // page limited to the range
        {all, Data(0, 99, 0, 200), true, Data(0, 99, 0, 99)},       // page 0: nMax, not nMax + 1
        {all, Data(0, 99, 1, 200), true, Data(0, 99, 1, 99)},
        {mask::kRange, Data(5, 9, 0, 0), true, Data(5, 9, 10, 20)}, // range only
        {all, Data(0, -3, 5, 0), true, Data(0, -3, 0, -3)},         // empty range: page 0
    };
    for (const auto& c : cases) {
        const SetInfoResult r = ApplyScrollInfo(stored, c.fMask, c.info);
        EXPECT_EQ(r.changed, c.changed) << c.info.nMax << "/" << c.info.nPage << "/" << c.info.nPos;
        EXPECT_EQ(r.data, c.result) << c.info.nMax << "/" << c.info.nPage << "/" << c.info.nPos;
    }
    EXPECT_EQ(ClampPosition(Data(0, 99, 0, 0), 150), 99);
    EXPECT_EQ(ClampPosition(Data(0, 99, 10, 0), 150), 90);
}

TEST(ScrollCodes, SubclasserTargetsClampToTheLastPosition) {
    const ScrollData d = Data(0, 99, 10, 50);
    struct Case {
        ScrollData d;
        int code, thumb, position;
        bool top;
    } cases[] = {
        {d, 0, 0, 49, false},
        {d, 1, 0, 51, false},
        {d, 2, 0, 40, false},
        {d, 3, 0, 60, false},
        {d, 5, 33, 33, false},
        {d, 4, 34, 34, false},
        {d, 6, 0, 0, true},
        {d, 7, 0, 90, false},
        {d, 8, 0, 50, false},
        {Data(0, 99, 10, 0), 0, 0, 0, false},
        {Data(0, 99, 10, 88), 3, 0, 90, false},
        {Data(0, 99, 0, 0), 7, 0, 99, false}, // SB_BOTTOM with a page of 0 reaches nMax
        {Data(0, 99, 1, 0), 7, 0, 99, false}, // and with a page of 1
        {Data(0, 99, 0, 99), 1, 0, 99, false},
    };
    for (const auto& c : cases) {
        const CodeTarget t = PositionForCode(c.d, c.code, c.thumb);
        EXPECT_EQ(t.position, c.position) << "code " << c.code;
        EXPECT_EQ(t.top, c.top) << "code " << c.code;
    }
}

TEST(ScrollLayout, BarsTakeRoomFromTheClientAndTheVerticalBarSideFollowsExactlyOneFlag) {
    NcLayoutInput in;
    in.proposed = {100, 100, 300, 250};
    in.client = {103, 120, 297, 247}; // borders 3, 20, 3, 3
    in.horz = {17, true};
    in.vert = {15, true};
    struct Case {
        bool left, rtl;
        Rect client;
    } cases[] = {
        {false, false, {103, 120, 282, 230}},
        {true, false, {118, 120, 297, 230}},
        {false, true, {118, 120, 297, 230}},
        {true, true, {103, 120, 282, 230}},
    };
    for (const auto& c : cases) {
        in.leftScrollBar = c.left;
        in.rtl = c.rtl;
        const NcLayout out = LayOutBars(in);
        EXPECT_EQ(out.borders, (Insets{3, 20, 3, 3}));
        EXPECT_TRUE(out.horzVisible && out.vertVisible);
        EXPECT_EQ(out.client, c.client) << c.left << c.rtl;
    }
}

TEST(ScrollLayout, BarsWithoutRoomOrRequestStayHidden) {
    NcLayoutInput in;
    in.proposed = {0, 0, 40, 20};
    in.client = {0, 0, 40, 17};
    in.horz = {17, true}; // 17 is not below the client height of 17
    in.vert = {40, true}; // 40 fits a width of 40
    NcLayout out = LayOutBars(in);
    EXPECT_FALSE(out.horzVisible);
    EXPECT_TRUE(out.vertVisible);
    EXPECT_EQ(out.client, (Rect{0, 0, 0, 17}));
    in.vert.wanted = false;
    out = LayOutBars(in);
    EXPECT_FALSE(out.vertVisible);
    EXPECT_EQ(out.client, in.client);
}

TEST(ScrollLayout, BarRectanglesAndCorner) {
    BarRectsInput in;
    in.window = {100, 100, 300, 250};
    in.borders = {3, 20, 5, 2};
    in.horzThickness = 17;
    in.vertThickness = 15;
    in.horzVisible = in.vertVisible = true;
    BarRects r = CalcBarRects(in);
    EXPECT_EQ(r.horz, (Rect{103, 231, 280, 248}));
    EXPECT_EQ(r.vert, (Rect{280, 120, 295, 231}));
    EXPECT_EQ(r.corner, (Rect{280, 231, 295, 248}));
    in.leftScrollBar = true;
    r = CalcBarRects(in);
    EXPECT_EQ(r.horz, (Rect{118, 231, 295, 248}));
    EXPECT_EQ(r.vert, (Rect{103, 120, 118, 231}));
    EXPECT_EQ(r.corner, (Rect{103, 231, 118, 248}));
    in.leftScrollBar = false;
    in.rtl = true; // the near and far borders trade places
    r = CalcBarRects(in);
    EXPECT_EQ(r.horz, (Rect{105, 231, 282, 248}));
    EXPECT_EQ(r.vert, (Rect{282, 120, 297, 231}));
    in.rtl = false;
    in.vertVisible = false;
    r = CalcBarRects(in);
    EXPECT_EQ(r.horz, (Rect{103, 231, 295, 248}));
    EXPECT_TRUE(r.vert.IsEmpty());
}

TEST(ScrollControlPaint, ItemsOfTheControlsOwnPaint) {
    using V = std::vector<ControlItem>;
    ControlPaintInput in;
    in.axisLength = 200;
    in.systemArrow = 17;
    in.systemThumb = 17;
    in.data = Data(0, 99, 10, 45);
    EXPECT_EQ(PlanControlParts(in), (V{{-1, 17, 183}, {0, 0, 17}, {1, 183, 200}, {5, 17 + 75, 17 + 75 + 17}}));
    // Page equal to the range: the thumb covers the track, one pixel shorter.
    in.data = Data(0, 9, 10, 0);
    EXPECT_EQ(PlanControlParts(in).back(), (ControlItem{5, 17, 17 + 165}));
    // Page 0: the system thumb width.
    in.data = Data(0, 99, 0, 0);
    EXPECT_EQ(PlanControlParts(in).back(), (ControlItem{5, 17, 34}));
    // Shorter than two arrows: half-length arrows.
    in.axisLength = 20;
    in.data = Data(0, 99, 10, 0);
    const V shortBar = PlanControlParts(in);
    EXPECT_EQ(shortBar[1], (ControlItem{0, 0, 10}));
    EXPECT_EQ(shortBar[2], (ControlItem{1, 10, 20}));
    // Disabled window, or an empty range: no thumb.
    in.axisLength = 200;
    in.windowEnabled = false;
    EXPECT_EQ(PlanControlParts(in).size(), 3u);
    in.windowEnabled = true;
    in.data = Data(1, 0, 0, 0);
    EXPECT_EQ(PlanControlParts(in).size(), 3u);
}
