#include "framework/splitter_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace hexmoor::fw {
namespace {

std::vector<int> Sizes(const std::vector<SplitterTrack>& tracks) {
    std::vector<int> sizes;
    for (const SplitterTrack& t : tracks) sizes.push_back(t.currentSize);
    return sizes;
}

TEST(SplitterLayout, TracksTable) {
    struct Case {
        std::vector<SplitterTrack> tracks; // min, ideal
        int size, gap, doubledBorder;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // Room for both ideals: the first keeps its ideal, the last the rest.
        {{{20, 200}, {20, 200}}, 500, 8, 2, {200, 292}},
        // Too little room: both rows still get their minimum (runs past).
        {{{20, 200}, {20, 200}}, 30, 8, 2, {20, 20}},
        // The second row lacks room and takes it from the first.
        {{{20, 200}, {20, 200}}, 210, 8, 2, {182, 20}},
        // An ideal below the minimum is raised to it.
        {{{50, 10}, {20, 200}}, 300, 8, 2, {50, 242}},
        // Nothing to share.
        {{{20, 200}, {20, 200}}, 0, 8, 2, {20, 20}},
        {{{20, 200}, {20, 200}}, -5, 8, 2, {20, 20}},
        // Three rows: the last one, left nothing, takes its minimum from the middle one.
        {{{10, 100}, {10, 100}, {10, 100}}, 150, 8, 2, {100, 26, 10}},
        // A single track takes everything.
        {{{20, 200}}, 77, 8, 2, {77}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::vector<SplitterTrack> tracks = cases[i].tracks;
        LayoutSplitterTracks(tracks, cases[i].size, cases[i].gap, cases[i].doubledBorder);
        EXPECT_EQ(Sizes(tracks), cases[i].expected) << i;
        for (const SplitterTrack& t : tracks) EXPECT_GE(t.currentSize, t.minSize) << i;
    }
}

TEST(SplitterLayout, MinimumSizeAndWindowClamp) {
    const std::vector<SplitterTrack> rows{{20, 200, 200}, {20, 200, 200}};
    EXPECT_EQ(MinimumSplitterExtent(rows, 2, 8), 2 + 20 + 8 + 20 + 2);
    EXPECT_EQ(MinimumSplitterExtent({}, 2, 8), 0);

    struct Case {
        AxisPlacement requested;
        int current;
        AxisPlacement expected;
    };
    const Case cases[] = {
        {{100, 80}, 50, {100, 80}},  // large enough: unchanged
        {{100, 30}, 80, {78, 52}},   // sized from the leading edge: trailing edge stays at 130
        {{100, 30}, 100, {100, 52}}, // sized from the trailing edge: leading edge stays
        {{100, 30}, 120, {100, 52}},
    };
    for (const Case& c : cases) {
        const AxisPlacement got = ClampSplitterWindow(c.requested, c.current, 52);
        EXPECT_EQ(got.position, c.expected.position);
        EXPECT_EQ(got.length, c.expected.length);
    }
}

TEST(SplitterLayout, BarDragStaysBetweenMinimums) {
    // Two rows of minimum 20, bar 8: the dragged y stays within b + 22 and
    // bottom - b - 28, for any border b.
    for (int border : {0, 1, 2}) {
        const std::vector<SplitterTrack> rows{{20, 100, 100}, {20, 100, 100}};
        const int bottom = 300;
        EXPECT_EQ(ClampSplitterBar(rows, 0, -50, border, 8, bottom), border + 22);
        EXPECT_EQ(ClampSplitterBar(rows, 0, 1000, border, 8, bottom), bottom - border - 28);
        EXPECT_EQ(ClampSplitterBar(rows, 0, 150, border, 8, bottom), 150);
    }
    // Three rows, bar under the middle one: its low limit counts the first
    // row at its minimum when the middle row is above its own, and at its
    // current size when the middle row sits at its minimum.
    const std::vector<SplitterTrack> above{{20, 100, 100}, {30, 60, 60}, {40, 100, 100}};
    EXPECT_EQ(ClampSplitterBar(above, 1, 0, 0, 8, 400), 20 + 30 + 8 + 4 - 2);
    const std::vector<SplitterTrack> atMinimum{{20, 100, 100}, {30, 30, 30}, {40, 100, 100}};
    EXPECT_EQ(ClampSplitterBar(atMinimum, 1, 0, 0, 8, 400), 100 + 30 + 8 + 4 - 2);
    EXPECT_EQ(ClampSplitterBar(above, 1, 1000, 0, 8, 400), 400 - 40 - 4 - 4);
    // The last track has no bar after it.
    EXPECT_EQ(ClampSplitterBar(above, 2, 1000, 0, 8, 400), 1000);
}

} // namespace
} // namespace hexmoor::fw
