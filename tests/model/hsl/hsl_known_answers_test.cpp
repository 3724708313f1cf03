// Known answers of the colour adjustment, computed independently with
// Python's colorsys and the adjustment's own rules by known_answers.py
// (beside this file); rerun it to regenerate the table.

#include <cstdint>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "model/hsl/color_hsl.h"
#include "model/hsl/hsl_arithmetic.h"

namespace {

struct Argb {
    int r, g, b, a;
};

struct KnownAnswer {
    Argb in;
    HSLValues values;
    Argb out;
};

const KnownAnswer kKnownAnswers[] = {
    {{255, 0, 0, 255}, {120, 0, 0, 100}, {0, 255, 0, 255}},
    {{255, 0, 0, 255}, {-120, 0, 0, 100}, {0, 0, 255, 255}},
    {{255, 0, 0, 255}, {0, -100, 0, 100}, {127, 127, 127, 255}},
    {{255, 0, 0, 255}, {0, 0, 50, 100}, {255, 127, 127, 255}},
    {{255, 0, 0, 255}, {0, 0, -100, 100}, {0, 0, 0, 255}},
    {{255, 0, 0, 255}, {0, 0, 100, 100}, {255, 255, 255, 255}},
    {{255, 0, 0, 255}, {0, 0, 0, 50}, {255, 0, 0, 127}},
    {{255, 0, 0, 0}, {0, 0, 0, 50}, {255, 0, 0, 0}},
    {{255, 0, 0, 1}, {0, 0, 0, 50}, {255, 0, 0, 0}},
    {{37, 200, 91, 200}, {0, 0, 0, 33.3}, {37, 200, 91, 66}},
    {{37, 200, 91, 255}, {0, 0, 0, 0}, {37, 200, 91, 0}},
    {{128, 128, 128, 255}, {90, 50, 0, 100}, {128, 128, 128, 255}},
    {{128, 128, 128, 255}, {0, 0, 10, 100}, {153, 153, 153, 255}},
    {{200, 100, 50, 255}, {-60, 30, -20, 100}, {171, 0, 106, 255}},
    {{12, 34, 56, 255}, {180, -50, 10, 100}, {70, 59, 48, 255}},
    {{0, 100, 255, 255}, {-175, 0, 0, 100}, {255, 176, 0, 255}},
    {{250, 200, 7, 255}, {40, 100, 0, 100}, {147, 255, 0, 255}},
    {{191, 128, 64, 128}, {30, 100, 5, 75}, {255, 255, 13, 96}},
    {{10, 250, 10, 255}, {300, -25, -7, 90}, {202, 202, 22, 229}},
    {{240, 16, 160, 255}, {-170, 20, 3, 100}, {1, 255, 142, 255}},
    {{1, 2, 3, 255}, {17, 0, 0, 100}, {1, 1, 3, 255}},
    {{254, 253, 252, 255}, {200, 60, 0, 100}, {251, 251, 254, 255}},
    {{77, 77, 200, 64}, {359, -99, 1, 100}, {140, 140, 141, 64}},
    {{255, 255, 0, 255}, {60, 0, 0, 100}, {0, 255, 0, 255}},
    {{0, 250, 251, 255}, {-30, 10, -10, 100}, {0, 238, 101, 255}},
    {{255, 0, 255, 255}, {180, 0, 0, 100}, {0, 255, 0, 255}},
    {{90, 61, 30, 255}, {545, 0, 3, 100}, {37, 61, 97, 255}},
    {{90, 60, 30, 255}, {540, 0, 0, 100}, {30, 60, 90, 255}},
    {{0, 128, 255, 255}, {-180, 0, 0, 100}, {255, 127, 0, 255}},
    {{255, 200, 0, 255}, {45, 100, 0, 100}, {110, 255, 0, 255}},
    {{0, 255, 255, 255}, {-30, 10, -10, 100}, {0, 242, 102, 255}},
    {{37, 200, 91, 200}, {0, 0, 0, 50}, {37, 200, 91, 100}},
    {{60, 60, 60, 255}, {123, 80, 0, 100}, {60, 60, 60, 255}},
    {{0, 0, 7, 255}, {37, 25, 100, 100}, {255, 254, 255, 255}},
    {{14, 0, 0, 255}, {360, 0, 0, 100}, {14, 0, 0, 255}},
};

std::uint32_t ColorRef(const Argb& c) {
    return std::uint32_t(c.r) | std::uint32_t(c.g) << 8 | std::uint32_t(c.b) << 16;
}
std::uint32_t Pixel(const Argb& c) {
    return std::uint32_t(c.a) << 24 | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | std::uint32_t(c.b);
}

std::string Describe(const KnownAnswer& k) {
    char text[160];
    std::snprintf(text, sizeof text, "ARGB(%d,%d,%d,%d) with (%g, %g, %g, %g)", k.in.a, k.in.r, k.in.g, k.in.b,
                  k.values.hue, k.values.saturation, k.values.lightness, k.values.opacity);
    return text;
}

TEST(HslKnownAnswers, ColoursMatchTheIndependentTable) {
    for (const KnownAnswer& k : kKnownAnswers) {
        SCOPED_TRACE(Describe(k));
        EXPECT_EQ(hsl::AdjustColorRef(ColorRef(k.in), k.values), ColorRef(k.out));
        COLORREF model = 1, editor = 2;
        CColorHSL_TW().TransformColor(model, ColorRef(k.in), k.values.hue, k.values.saturation, k.values.lightness,
                                      k.values.opacity);
        CColorHSL().AdjustColorHSL(editor, ColorRef(k.in), k.values);
        EXPECT_EQ(model, ColorRef(k.out));
        EXPECT_EQ(editor, ColorRef(k.out));
    }
}

TEST(HslKnownAnswers, PixelsMatchTheIndependentTableOnEveryPath) {
    for (hsl::BatchPath path :
         {hsl::BatchPath::kScalar, hsl::BatchPath::kSse2, hsl::BatchPath::kAvx2, hsl::BatchPath::kAvx512}) {
        if (!hsl::BatchPathSupported(path)) continue;
        SCOPED_TRACE(static_cast<int>(path));
        for (const KnownAnswer& k : kKnownAnswers) {
            SCOPED_TRACE(Describe(k));
            // A row of the same pixel between two others exercises the row loop's
            // reuse of the previous result as well as a fresh computation.
            const std::uint32_t src[4] = {0xFF102030u, Pixel(k.in), Pixel(k.in), 0x80405060u};
            std::uint32_t dst[4] = {};
            hsl::PixelAdjuster adjuster(k.values, path);
            adjuster.AdjustRow(src, dst, 4);
            EXPECT_EQ(dst[1], Pixel(k.out));
            EXPECT_EQ(dst[2], Pixel(k.out));
            EXPECT_EQ(hsl::PixelAdjuster(k.values, path).AdjustPixel(Pixel(k.in)), Pixel(k.out));
            std::uint32_t colour = 0;
            const std::uint32_t rgb = Pixel(k.in) & 0x00FFFFFFu;
            hsl::AdjustColours(&rgb, &colour, 1, k.values, path);
            EXPECT_EQ(colour, Pixel(k.out) & 0x00FFFFFFu);
        }
    }
}

} // namespace
