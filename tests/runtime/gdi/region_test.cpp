// Region helpers against GDI itself as the oracle.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/regions.h"

namespace {
struct Region {
    HRGN h;
    explicit Region(HRGN r) : h(r) {}
    ~Region() {
        if (h) DeleteObject(h);
    }
};
bool Equal(HRGN a, HRGN b) { return EqualRgn(a, b) != FALSE; }
} // namespace

TEST(Regions, TileRegionRepeatsAndCutsToTheDestination) {
    Region tile(CreateRectRgn(0, 0, 4, 2)); // a 4x2 block in a 10x5 tile
    Region tiled(TileRegion(tile.h, RECT{0, 0, 20, 5}, RECT{0, 0, 10, 5}));
    ASSERT_NE(tiled.h, nullptr);
    Region expected(CreateRectRgn(0, 0, 4, 2));
    Region second(CreateRectRgn(10, 0, 14, 2));
    CombineRgn(expected.h, expected.h, second.h, RGN_OR);
    EXPECT_TRUE(Equal(tiled.h, expected.h)) << "the third column lies outside and is cut";
}

TEST(Regions, TileRegionWithAnEmptyTileIsEmpty) {
    Region tile(CreateRectRgn(0, 0, 4, 2));
    Region empty(CreateRectRgn(0, 0, 0, 0));
    for (RECT tileRect : {RECT{0, 0, 0, 5}, RECT{0, 0, 10, 0}}) {
        Region tiled(TileRegion(tile.h, RECT{0, 0, 20, 5}, tileRect));
        ASSERT_NE(tiled.h, nullptr);
        EXPECT_TRUE(Equal(tiled.h, empty.h));
    }
}

TEST(Regions, MirrorAndScale) {
    Region source(CreateRectRgn(1, 2, 4, 6));
    RECT bounds{0, 0, 10, 10};
    Region mirrored(MirrorRegion(source.h, &bounds, TRUE));
    Region expected(CreateRectRgn(6, 2, 9, 6));
    EXPECT_TRUE(Equal(mirrored.h, expected.h));
    Region flipped(MirrorRegion(source.h, &bounds, FALSE));
    Region expectedFlip(CreateRectRgn(1, 4, 4, 8));
    EXPECT_TRUE(Equal(flipped.h, expectedFlip.h));
    Region scaled(ScaleRegionToSize(source.h, RECT{0, 0, 20, 20}, RECT{0, 0, 10, 10}));
    Region expectedScale(CreateRectRgn(2, 4, 8, 12));
    EXPECT_TRUE(Equal(scaled.h, expectedScale.h));
    EXPECT_EQ(ScaleRegionToSize(source.h, RECT{0, 0, 20, 20}, RECT{0, 0, 0, 10}), nullptr);
}
