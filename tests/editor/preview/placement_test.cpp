// Centring of the samples, the background picture's place by position and
// the colour the view paints.
#include <gtest/gtest.h>

#include "editor/preview/view/placement.h"

using namespace hexmoor;
using namespace hexmoor::preview;

TEST(Placement, CentringHalvesTheDifferencesTowardZero) {
    struct Case {
        Rect client;
        Size window;
        Point expected;
    } cases[] = {
        {{0, 0, 800, 600}, {400, 400}, {200, 100}},
        {{0, 0, 801, 601}, {400, 400}, {200, 100}}, // odd: the half pixel goes to the left and top
        {{0, 0, 300, 200}, {401, 301}, {-50, -50}}, // larger: overhangs both edges, -101/2 = -50
        {{0, 0, 300, 200}, {400, 300}, {-50, -50}},
        {{10, 20, 110, 120}, {50, 50}, {35, 45}},
    };
    for (const Case& c : cases) EXPECT_EQ(CentredOrigin(c.client, c.window), c.expected);
    EXPECT_FALSE(CanCentre(Rect{0, 0, 0, 0}));
    EXPECT_TRUE(CanCentre(Rect{0, 0, 1, 0}));
}

TEST(Placement, ThePictureIsCentredStretchedTiledOrLeftOutByPosition) {
    const Size client{300, 200}, picture{101, 51};
    const PicturePlan center = PlanPicture(client, picture, 0);
    EXPECT_EQ(center.kind, PicturePlan::Kind::kDraw);
    EXPECT_EQ(center.dest, Rect::XYWH(99, 74, 101, 51));
    const PicturePlan large = PlanPicture({100, 100}, {301, 201}, 0);
    EXPECT_EQ(large.dest, Rect::XYWH(-100, -50, 301, 201));
    const PicturePlan stretch = PlanPicture(client, picture, 1);
    EXPECT_EQ(stretch.kind, PicturePlan::Kind::kDraw);
    EXPECT_EQ(stretch.dest, (Rect{0, 0, 300, 200}));
    const PicturePlan tile = PlanPicture(client, picture, 2);
    EXPECT_EQ(tile.kind, PicturePlan::Kind::kTile);
    EXPECT_EQ(tile.dest, (Rect{0, 0, 300, 200}));
    for (int other : {-1, 3, 5}) EXPECT_EQ(PlanPicture(client, picture, other).kind, PicturePlan::Kind::kNone);
}

TEST(Placement, InvertColourAndOtherNonColoursPaintWhite) {
    EXPECT_EQ(PaintableBackground(0x00123456), 0x00123456u);
    EXPECT_EQ(PaintableBackground(0xFFFFFFFF), 0x00FFFFFFu);
    EXPECT_EQ(PaintableBackground(0x01000000), 0x00FFFFFFu);
    EXPECT_EQ(PaintableBackground(0), 0u);
}
