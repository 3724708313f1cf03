// The plain geometry types: edges exclusive, empty when an edge pair does not
// enclose anything, intersection empty at the origin when there is none.
#include "base/geometry.h"

#include <gtest/gtest.h>

using hexmoor::Insets;
using hexmoor::Point;
using hexmoor::Rect;
using hexmoor::Size;

TEST(Rect, SizeEmptinessAndContainment) {
    const Rect r = Rect::XYWH(10, 20, 30, 40);
    EXPECT_EQ(r, (Rect{10, 20, 40, 60}));
    EXPECT_EQ(r.Width(), 30);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_FALSE(r.IsEmpty());
    EXPECT_TRUE((Rect{5, 5, 5, 9}).IsEmpty());
    EXPECT_TRUE((Rect{5, 5, 9, 4}).IsEmpty());
    struct Case {
        Point p;
        bool inside;
    };
    for (const Case& c : {Case{{10, 20}, true}, Case{{39, 59}, true}, Case{{40, 30}, false}, Case{{20, 60}, false},
                          Case{{9, 30}, false}})
        EXPECT_EQ(r.Contains(c.p), c.inside) << c.p.x << "," << c.p.y;
}

TEST(Rect, IntersectionOffsetAndDeflate) {
    const Rect a{0, 0, 10, 10};
    EXPECT_TRUE(a.Intersects({5, 5, 15, 15}));
    EXPECT_EQ(a.Intersection({5, 5, 15, 15}), (Rect{5, 5, 10, 10}));
    EXPECT_FALSE(a.Intersects({10, 0, 20, 10})) << "touching edges share no pixel";
    EXPECT_EQ(a.Intersection({10, 0, 20, 10}), Rect{});
    EXPECT_EQ(a.Offset(3, -2), (Rect{3, -2, 13, 8}));
    EXPECT_EQ(a.Deflate(2), (Rect{2, 2, 8, 8}));
}

TEST(Geometry, ValueTypesCompareByMembers) {
    EXPECT_EQ((Size{3, 4}), (Size{3, 4}));
    EXPECT_NE((Size{3, 4}), (Size{4, 3}));
    EXPECT_EQ((Insets{1, 2, 3, 4}), (Insets{1, 2, 3, 4}));
    EXPECT_NE((Insets{1, 2, 3, 4}), (Insets{4, 3, 2, 1}));
}
