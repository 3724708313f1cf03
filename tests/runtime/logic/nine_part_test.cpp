// The nine-part plan: which copies are made for a skin image with margins,
// in which order, stretched or tiled.
#include <gtest/gtest.h>

#include "runtime/logic/nine_part.h"

using namespace hexmoor::rt;
using hexmoor::Insets;
using hexmoor::Rect;
using hexmoor::Size;

namespace {
const Size kImage{30, 20};
const Insets kMargins{4, 3, 5, 2};
} // namespace

TEST(NinePart, StretchedImageListsCornersStripsAndCentreInOrder) {
    const Rect dest{10, 10, 110, 60}; // 100 x 50
    const auto ops = PlanNinePart(kImage, dest, kMargins, {0, 0});
    const std::vector<BlitOp> expected = {
        {{0, 0, 4, 3}, {10, 10, 14, 13}},       // top-left corner
        {{25, 0, 30, 3}, {105, 10, 110, 13}},   // top-right
        {{0, 18, 4, 20}, {10, 58, 14, 60}},     // bottom-left
        {{25, 18, 30, 20}, {105, 58, 110, 60}}, // bottom-right
        {{0, 3, 4, 18}, {10, 13, 14, 58}},      // left strip
        {{4, 0, 25, 3}, {14, 10, 105, 13}},     // top strip
        {{25, 3, 30, 18}, {105, 13, 110, 58}},  // right strip
        {{4, 18, 25, 20}, {14, 58, 105, 60}},   // bottom strip
        {{4, 3, 25, 18}, {14, 13, 105, 58}},    // centre
    };
    EXPECT_EQ(ops, expected);
}

TEST(NinePart, TiledStripsRepeatFromTheStartOfTheSourcePart) {
    // A 10-pixel top strip source tiled over 25 pixels: 10, 10 and 5.
    const Size image{20, 10};
    const Insets margins{5, 4, 5, 0};
    const auto ops = PlanNinePart(image, Rect{0, 0, 35, 4}, margins, {2, 1});
    std::vector<BlitOp> top;
    for (const auto& op : ops)
        if (op.dest.top == 0 && op.dest.left >= 5 && op.dest.right <= 30) top.push_back(op);
    const std::vector<BlitOp> expected = {
        {{5, 0, 15, 4}, {5, 0, 15, 4}},
        {{5, 0, 15, 4}, {15, 0, 25, 4}},
        {{5, 0, 10, 4}, {25, 0, 30, 4}},
    };
    EXPECT_EQ(top, expected);
}

TEST(NinePart, CentreModes) {
    const Insets none{};
    // All margins 0 and mode 0: one stretch of the whole image.
    EXPECT_EQ(PlanNinePart({8, 6}, {0, 0, 40, 30}, none, {0, 0}),
              (std::vector<BlitOp>{{{0, 0, 8, 6}, {0, 0, 40, 30}}}));
    // Mode 1: the whole image tiled, 3 x 2 copies for 20 x 10 over 8 x 6.
    const auto tiled = PlanNinePart({8, 6}, {0, 0, 20, 10}, none, {1, 0});
    ASSERT_EQ(tiled.size(), 6u);
    EXPECT_EQ(tiled.back(), (BlitOp{{0, 0, 4, 4}, {16, 6, 20, 10}}));
    // Mode 2 and above leave the centre unpainted.
    EXPECT_TRUE(PlanNinePart({8, 6}, {0, 0, 20, 10}, none, {2, 0}).empty());
}

TEST(NinePart, FarAlignedCentreTilesShowTheSourceEndInTheCutTile) {
    const auto ops = PlanNinePart({10, 10}, {0, 0, 25, 10}, {}, {1, 0}, {.farAligned = true});
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0], (BlitOp{{0, 0, 10, 10}, {15, 0, 25, 10}}));
    EXPECT_EQ(ops[2], (BlitOp{{5, 0, 10, 10}, {0, 0, 5, 10}}));
}

TEST(NinePart, NarrowDestinationCutsSideMarginsAndRightCornersComeLast) {
    const auto ops = PlanNinePart({30, 20}, {0, 0, 6, 20}, {8, 3, 8, 3}, {0, 0});
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0], (BlitOp{{0, 0, 6, 3}, {0, 0, 6, 3}}));   // left margin cut to 6
    EXPECT_EQ(ops[1], (BlitOp{{24, 0, 30, 3}, {0, 0, 6, 3}})); // right one covers it
    for (const auto& op : ops) {
        EXPECT_GT(op.dest.Width(), 0);
        EXPECT_GT(op.source.Width(), 0) << "no mirrored or empty copies";
    }
}

TEST(NinePart, ZeroMarginDropsThatStripAndItsCorners) {
    const auto ops = PlanNinePart({30, 20}, {0, 0, 100, 50}, {0, 3, 5, 2}, {0, 0});
    // Right corners, then top, right and bottom strips, then the centre.
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[0], (BlitOp{{25, 0, 30, 3}, {95, 0, 100, 3}}));
    EXPECT_EQ(ops[2], (BlitOp{{0, 0, 25, 3}, {0, 0, 95, 3}}));
}

TEST(NinePart, CentreOnlyCoversTheWholeDestinationWithTheCentrePart) {
    const auto ops = PlanNinePart(kImage, {0, 0, 50, 40}, kMargins, {0, 0}, {.centreOnly = true});
    EXPECT_EQ(ops, (std::vector<BlitOp>{{{4, 3, 25, 18}, {0, 0, 50, 40}}}));
}

TEST(NinePart, EmptyImageOrEmptySourceAreasDrawNothing) {
    EXPECT_TRUE(PlanNinePart({0, 0}, {0, 0, 50, 40}, {}, {0, 0}).empty());
    // Margins that eat the whole image: no centre, strips without source.
    const auto ops = PlanNinePart({10, 10}, {0, 0, 50, 40}, {5, 5, 5, 5}, {1, 1});
    EXPECT_EQ(ops.size(), 4u) << "only the four corners";
}

TEST(NinePart, AlphaPathShrinksStretchedSourcesByOnePixel) {
    const auto ops = PlanNinePart({10, 10}, {0, 0, 40, 40}, {}, {0, 0}, {.shrinkStretched = true});
    EXPECT_EQ(ops, (std::vector<BlitOp>{{{0, 0, 9, 9}, {0, 0, 40, 40}}}));
    // Not when the image is at least as large as the destination.
    EXPECT_EQ(PlanNinePart({10, 10}, {0, 0, 8, 8}, {}, {0, 0}, {.shrinkStretched = true})[0].source,
              (Rect{0, 0, 10, 10}));
}

TEST(PlanTiledImage, EmptySourceOrDestinationGivesNothing) {
    EXPECT_TRUE(PlanTiledImage({0, 0, 0, 0}, {0, 0, 10, 10}).empty());
    EXPECT_TRUE(PlanTiledImage({0, 0, 5, 5}, {0, 0, 0, 10}).empty());
    EXPECT_EQ(PlanTiledImage({0, 0, 5, 5}, {0, 0, 10, 10}).size(), 4u);
}
