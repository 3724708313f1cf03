// Tiling along a run and over an area: the piece lengths, where each piece
// goes and which part of the source it shows.
#include <gtest/gtest.h>

#include "runtime/logic/region_plan.h"
#include "runtime/logic/tile_plan.h"

using namespace hexmoor::rt;
using hexmoor::Point;
using hexmoor::Rect;

namespace {
std::vector<int> Lengths(const std::vector<TileSpan>& spans) {
    std::vector<int> out;
    for (const auto& s : spans) out.push_back(s.length);
    return out;
}
} // namespace

TEST(TileRun, PieceLengthsCoverTheDestinationExactly) {
    struct Case {
        int source, dest;
        std::vector<int> lengths;
    } cases[] = {
        {10, 25, {10, 10, 5}}, {10, 20, {10, 10}}, // the empty third piece is not listed
        {10, 9, {9}},          {10, 10, {10}},     {1, 3, {1, 1, 1}}, {7, 0, {}},
        {0, 25, {}}, // empty source: nothing, never a division by zero
        {-3, 25, {}},
    };
    for (const auto& c : cases) {
        const auto spans = TileRun(c.source, c.dest);
        EXPECT_EQ(Lengths(spans), c.lengths) << c.source << " over " << c.dest;
        int at = 0;
        for (const auto& s : spans) {
            EXPECT_EQ(s.offset, at);
            EXPECT_EQ(s.sourceOffset, 0) << "near tiles show the start of the source";
            at += s.length;
        }
    }
}

TEST(TileRun, FarAlignedTilesEndAtTheFarEdgeAndCutPieceShowsTheSourceEnd) {
    const auto spans = TileRunFar(10, 25);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0], (TileSpan{15, 10, 0}));
    EXPECT_EQ(spans[1], (TileSpan{5, 10, 0}));
    EXPECT_EQ(spans[2], (TileSpan{0, 5, 5}));
    EXPECT_TRUE(TileRunFar(0, 25).empty());
}

TEST(TileArea, ColumnsOuterRowsInnerWithClippedRemainders) {
    const auto pieces = TileArea(Rect{2, 3, 12, 11}, Rect{100, 200, 125, 210}); // 10x8 over 25x10
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(pieces[0].dest, (Rect{100, 200, 110, 208}));
    EXPECT_EQ(pieces[1].dest, (Rect{100, 208, 110, 210}));
    EXPECT_EQ(pieces[1].source, (Rect{2, 3, 12, 5}));
    EXPECT_EQ(pieces[5].dest, (Rect{120, 208, 125, 210}));
    EXPECT_EQ(pieces[5].source, (Rect{2, 3, 7, 5}));
    EXPECT_TRUE(TileArea(Rect{0, 0, 0, 5}, Rect{0, 0, 20, 20}).empty());
}

TEST(RegionTileOffsets, OneMoreColumnThanFitsAndNothingForAnEmptyTile) {
    const auto offsets = RegionTileOffsets({20, 5}, {10, 5}); // exactly two tiles wide
    ASSERT_EQ(offsets.size(), 6u);                            // three columns, two rows
    EXPECT_EQ(offsets.back(), (Point{20, 5}));
    EXPECT_TRUE(RegionTileOffsets({20, 5}, {0, 5}).empty());
    EXPECT_TRUE(RegionTileOffsets({20, 5}, {10, 0}).empty());
    EXPECT_TRUE(RegionTileOffsets({0, 5}, {10, 5}).empty());
}
