// Folding repeated tile columns: the folded copies draw exactly the pixels of
// the plan they come from, with fewer copies where columns repeat.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/logic/nine_part.h"
#include "runtime/logic/tile_fold.h"

using namespace hexmoor::rt;
using hexmoor::Insets;
using hexmoor::Rect;
using hexmoor::Size;

namespace {

// A destination raster; every image pixel has its own value, every pixel
// never drawn keeps -1.
struct Raster {
    int width, height;
    std::vector<int> pixels;
    Raster(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h), -1) {}
    int& At(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

int ImagePixel(int x, int y) { return y * 1000 + x; }

void Copy(Raster& out, const Rect& source, const Rect& dest) {
    for (int y = 0; y < dest.Height(); ++y)
        for (int x = 0; x < dest.Width(); ++x)
            // Nearest pixel: stretches are kept as they are by the fold, so any
            // fixed mapping tells the two runs apart equally.
            out.At(dest.left + x, dest.top + y) = ImagePixel(source.left + x * source.Width() / dest.Width(),
                                                             source.top + y * source.Height() / dest.Height());
}

Raster RunPlan(const std::vector<BlitOp>& ops, int w, int h) {
    Raster out(w, h);
    for (const BlitOp& op : ops) Copy(out, op.source, op.dest);
    return out;
}

Raster RunFolded(const std::vector<FoldedCopy>& copies, int w, int h) {
    Raster out(w, h);
    for (const FoldedCopy& c : copies) {
        if (!c.fromDest) {
            Copy(out, c.source, c.dest);
            continue;
        }
        EXPECT_EQ(c.source.Width(), c.dest.Width());
        EXPECT_EQ(c.source.Height(), c.dest.Height());
        const Raster before = out;
        for (int y = 0; y < c.dest.Height(); ++y)
            for (int x = 0; x < c.dest.Width(); ++x) {
                const int read = const_cast<Raster&>(before).At(c.source.left + x, c.source.top + y);
                EXPECT_NE(read, -1) << "a copy reads a pixel not drawn yet";
                out.At(c.dest.left + x, c.dest.top + y) = read;
            }
    }
    return out;
}

} // namespace

TEST(TileFold, FoldedCopiesDrawThePlansPixels) {
    struct Case {
        Size image;
        Rect dest;
        Insets margins;
        NinePartModes modes;
        NinePartOptions options;
    } cases[] = {
        {{16, 16}, {0, 0, 105, 30}, {4, 4, 4, 4}, {1, 1}, {}},                  // a tiled button face
        {{16, 16}, {3, 2, 108, 32}, {4, 4, 4, 4}, {1, 1}, {true, true, false}}, // far-aligned centre only
        {{16, 16}, {0, 0, 105, 30}, {4, 4, 4, 4}, {0, 0}, {}},                  // all stretched: nothing folds
        {{20, 10}, {0, 0, 35, 4}, {5, 4, 5, 0}, {2, 1}, {}},                    // one tiled strip
        {{7, 5}, {0, 0, 480, 360}, {2, 1, 3, 2}, {1, 1}, {}},                   // a large tiled background
        {{7, 5}, {0, 0, 8, 4}, {2, 1, 3, 2}, {1, 1}, {}},                       // smaller than its margins
        {{8, 8}, {0, 0, 8, 8}, {0, 0, 0, 0}, {1, 1}, {}},                       // exactly one tile
    };
    for (const Case& c : cases) {
        const std::vector<BlitOp> ops = PlanNinePart(c.image, c.dest, c.margins, c.modes, c.options);
        const std::vector<FoldedCopy> folded = FoldRepeatedColumns(ops);
        const int w = c.dest.right + 1, h = c.dest.bottom + 1;
        EXPECT_EQ(RunFolded(folded, w, h).pixels, RunPlan(ops, w, h).pixels)
            << c.dest.Width() << "x" << c.dest.Height() << " from " << c.image.cx << "x" << c.image.cy;
        EXPECT_LE(folded.size(), ops.size());
    }
}

TEST(TileFold, RepeatedColumnsBecomeDoublingCopies) {
    // A 97 x 22 centre of 8 x 8 tiles: 13 columns of three copies each.
    const std::vector<BlitOp> ops = PlanTiledImage(Rect{0, 0, 8, 8}, Rect{4, 4, 101, 26});
    ASSERT_EQ(ops.size(), 39u);
    const std::vector<FoldedCopy> folded = FoldRepeatedColumns(ops);
    // The first column, then 8, 16, 32 and 32 pixels copied from it; the last,
    // cut column differs and is drawn from the image.
    std::vector<Rect> fromDest;
    for (const FoldedCopy& c : folded)
        if (c.fromDest) fromDest.push_back(c.dest);
    const std::vector<Rect> expected = {{12, 4, 20, 26}, {20, 4, 36, 26}, {36, 4, 68, 26}, {68, 4, 100, 26}};
    EXPECT_EQ(fromDest, expected);
    EXPECT_EQ(folded.size(), 3u + 4u + 3u);
}
