// The Zoomer's centre clamp, copied area and black-out of its own picture.
#include <gtest/gtest.h>

#include "editor/shell/panes/zoomer_logic.h"

using namespace hexmoor;
using namespace hexmoor::shell;

TEST(ZoomerLogic, TheCentreStaysFarEnoughFromTheScreensEdges) {
    const struct {
        Point cursor;
        int w, h, f;
        Point centre;
    } cases[] = {
        {{500, 400}, 200, 100, 2, {500, 400}},   // inside: unchanged
        {{0, 0}, 200, 100, 2, {50, 25}},         // top left corner
        {{1023, 767}, 200, 100, 2, {974, 743}},  // bottom right (1024 x 768)
        {{0, 0}, 200, 100, 8, {12, 6}},          // a higher factor copies less
        {{3, 3}, 201, 99, 4, {25, 12}},          // odd sizes round down
        {{600, 300}, 4000, 100, 1, {2000, 300}}, // wider than the screen: left edge on it
    };
    for (const auto& c : cases) {
        Point got = ClampZoomCentre(c.cursor, c.w, c.h, c.f, 1024, 768);
        EXPECT_EQ(got, c.centre) << c.cursor.x << "," << c.cursor.y << " f" << c.f;
        Rect source = ZoomSourceRect(got, c.w, c.h, c.f);
        EXPECT_EQ(source.Width(), c.w / c.f);
        if (c.w <= 1024) {
            EXPECT_GE(source.left, 0);
            EXPECT_LE(source.right, 1024);
        }
    }
}

TEST(ZoomerLogic, ThePanesOwnPictureIsBlackedOutInWholeEnlargedPixels) {
    const Rect source = ZoomSourceRect({100, 100}, 200, 200, 4); // 50 x 50 from (75, 75)
    ASSERT_EQ(source, (Rect{75, 75, 125, 125}));
    // The pane's picture covers the copied area's right half.
    EXPECT_EQ(ZoomBlackOut(source, Rect{100, 0, 400, 400}, 4, 200, 200), (Rect{100, 0, 200, 200}));
    // A corner of it.
    EXPECT_EQ(ZoomBlackOut(source, Rect{120, 120, 300, 300}, 4, 200, 200), (Rect{180, 180, 200, 200}));
    // Apart: nothing.
    EXPECT_TRUE(ZoomBlackOut(source, Rect{300, 300, 400, 400}, 4, 200, 200).IsEmpty());
    // A factor of 0 never divides.
    EXPECT_TRUE(ZoomSourceRect({1, 1}, 10, 10, 0).IsEmpty());
}
