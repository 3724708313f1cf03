// The image tools' rules that need no window: picture placement and panning,
// ruler ticks, swatch bands, colour-list selection, the number edit, region
// file names, the region editor's key and the picture loader's checks.
#include <gtest/gtest.h>

#include <vector>

#include "editor/imaging/color_rules.h"
#include "editor/imaging/image_fit.h"
#include "editor/imaging/image_load_rules.h"
#include "editor/imaging/number_edit_rules.h"
#include "editor/imaging/region_editor_rules.h"
#include "editor/imaging/ruler_scale.h"

namespace hexmoor::preview {
namespace {

TEST(PreviewGeometry, FitAndCentre) {
    struct Case {
        Size view, image;
        Rect expected;
    };
    const Case cases[] = {
        {{200, 200}, {100, 50}, Rect::XYWH(50, 75, 100, 50)},  // natural size, centred
        {{200, 200}, {400, 100}, Rect::XYWH(0, 75, 200, 50)},  // scaled to the width
        {{200, 200}, {400, 800}, Rect::XYWH(50, 0, 100, 200)}, // scaled to the height
        {{200, 200}, {200, 200}, Rect::XYWH(0, 0, 200, 200)},
        {{200, 200}, {0, 0}, Rect{}},
        {{0, 200}, {10, 10}, Rect{}},
    };
    for (const Case& c : cases) EXPECT_EQ(FitImageRect(c.view, c.image), c.expected);
    EXPECT_EQ(CentredImageRect({200, 100}, {50, 51}), Rect::XYWH(75, 24, 50, 51));
    EXPECT_EQ(CentredImageRect({200, 100}, {301, 50}), Rect::XYWH(-50, 25, 301, 50));
}

TEST(PreviewGeometry, PanRule) {
    // 101 pixels wider than the canvas: at most 50 either way; past the limit
    // the axis stays where it was; a picture that fits never moves.
    struct Case {
        int current, proposed, image, canvas, expected;
    };
    const Case cases[] = {
        {0, 50, 301, 200, 50}, {0, -50, 301, 200, -50}, {40, 51, 301, 200, 40}, {-40, -51, 301, 200, -40},
        {0, 1, 200, 200, 0},   {0, 1, 100, 200, 0},     {0, 1, 202, 200, 1},    {1, 2, 202, 200, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(PanAxis(c.current, c.proposed, c.image, c.canvas), c.expected);
    EXPECT_EQ(RulerStartFor(301, 200, 0), 50);
    EXPECT_EQ(RulerStartFor(301, 200, 50), 0);
}

std::vector<int> TicksOf(const std::vector<RulerMark>& marks, RulerTick kind, int below) {
    std::vector<int> at;
    for (const RulerMark& m : marks) {
        if (m.tick == kind && m.pixel < below) at.push_back(m.pixel);
    }
    return at;
}

std::vector<std::pair<int, int>> LabelsOf(const std::vector<RulerMark>& marks) {
    std::vector<std::pair<int, int>> labels;
    for (const RulerMark& m : marks) {
        if (m.label) labels.emplace_back(m.pixel, m.value);
    }
    return labels;
}

TEST(Ruler, ScaleTable) {
    struct Case {
        double z;
        bool fine;
        double step;
        int level;
    };
    const Case cases[] = {
        {0, false, 1, 0},    {0.5, false, 100, 4}, {1, false, 50, 4}, {2, false, 20, 2},  {3, false, 20, 4},
        {4, false, 10, 3},   {6, false, 10, 4},    {8, false, 5, 3},  {16, false, 2, 1},  {32, false, 1, 0},
        {32, true, 1, 3},    {64, false, 1, 0},    {64, true, 1, 4},  {96, true, 0.5, 3}, {300, true, 0.5, 4},
        {400, true, 0.1, 3}, {700, true, 0.1, 4},  {-3, false, 1, 0},
    };
    for (const Case& c : cases) {
        const RulerScale scale = RulerScaleFor(c.z, c.fine);
        EXPECT_EQ(scale.labelStep, c.step) << c.z;
        EXPECT_EQ(scale.level, c.level) << c.z;
    }
}

TEST(Ruler, TicksAndLabelsAtZoomOne) {
    const std::vector<RulerMark> marks = LayOutRuler(0, 1, 1.0, false, 120);
    EXPECT_EQ(TicksOf(marks, RulerTick::Large, 120), (std::vector<int>{49, 99}));
    EXPECT_EQ(TicksOf(marks, RulerTick::Medium, 120), (std::vector<int>{24, 74}));
    const std::vector<int> small = TicksOf(marks, RulerTick::Small, 30);
    EXPECT_EQ(small, (std::vector<int>{4, 9, 14, 19, 29}));
    EXPECT_EQ(LabelsOf(marks), (std::vector<std::pair<int, int>>{{0, 0}, {50, 50}, {100, 100}}));
    // The first pixel has its label but never a tick line.
    EXPECT_EQ(marks.front().pixel, 0);
    EXPECT_EQ(marks.front().tick, RulerTick::None);
}

TEST(Ruler, TicksAndLabelsAtZoomEight) {
    const std::vector<RulerMark> marks = LayOutRuler(0, 8, 1.0, false, 100);
    EXPECT_EQ(TicksOf(marks, RulerTick::Large, 100), (std::vector<int>{39, 79}));
    EXPECT_EQ(TicksOf(marks, RulerTick::Small, 40), (std::vector<int>{7, 15, 23, 31}));
    EXPECT_EQ(LabelsOf(marks), (std::vector<std::pair<int, int>>{{0, 0}, {40, 5}, {80, 10}}));
    // A start moves the positions: start 5 at zoom 8 puts label 10 at pixel 40.
    const std::vector<RulerMark> moved = LayOutRuler(5, 8, 1.0, false, 50);
    EXPECT_EQ(LabelsOf(moved), (std::vector<std::pair<int, int>>{{0, 5}, {40, 10}}));
}

TEST(Ruler, NoMagnificationDrawsNothing) {
    // z <= 0 would divide by zero: nothing is drawn.
    EXPECT_TRUE(LayOutRuler(0, 0, 1.0, false, 100).empty());
    EXPECT_TRUE(LayOutRuler(0, 2, 0.0, false, 100).empty());
    EXPECT_TRUE(LayOutRuler(0, -1, 1.0, false, 100).empty());
    EXPECT_EQ(RulerTickAt(5, 0.0, RulerScaleFor(0.0, false)), RulerTick::None);
    // Spacing 0 (z below 0.01): ticks, but no labels.
    const double z = 0.005;
    EXPECT_EQ(RulerLabelSpacing(z, RulerScaleFor(z, false)), 0);
    EXPECT_TRUE(LabelsOf(LayOutRuler(0, 1, z, false, 100)).empty());
}

TEST(ColorSwatch, Bands) {
    // Grey 0x808080 plus/minus 64: 64 bands from 64 to 190 in steps of 2.
    SwatchState tolerance;
    tolerance.tolerance = true;
    tolerance.main = 0x808080;
    tolerance.red = tolerance.green = tolerance.blue = 64;
    std::vector<SwatchBand> bands = SwatchBands(tolerance, Rect{0, 0, 128, 10});
    ASSERT_EQ(bands.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        const ColorRef grey = static_cast<ColorRef>(64 + 2 * i);
        EXPECT_EQ(bands[i].color, grey | (grey << 8) | (grey << 16)) << i;
        EXPECT_EQ(bands[i].rect, Rect::XYWH(2 * i, 0, 2, 10));
    }
    // Black to white rises band by band and never passes 255.
    SwatchState ramp;
    ramp.main = 0;
    ramp.red = ramp.green = ramp.blue = 255;
    bands = SwatchBands(ramp, Rect{0, 0, 100, 4});
    ASSERT_EQ(bands.size(), 64u);
    for (int i = 1; i < 64; ++i) EXPECT_GT(bands[i].color & 0xFF, bands[i - 1].color & 0xFF);
    EXPECT_EQ(bands[0].rect, Rect::XYWH(0, 0, 2, 4)); // 100 / 64 wide, rounded up
    EXPECT_EQ(bands[63].rect.left, 98);
    // A tolerance band that would pass 255 stops there; one below 0 draws 0.
    tolerance.main = RGB(220, 10, 128);
    tolerance.red = tolerance.green = tolerance.blue = 64;
    bands = SwatchBands(tolerance, Rect{0, 0, 64, 1});
    EXPECT_EQ(bands.front().color & 0xFF, 156u);
    EXPECT_EQ(bands.back().color & 0xFF, 254u);
    EXPECT_EQ((bands.front().color >> 8) & 0xFF, 0u);
    // Solid: one band in the main colour.
    SwatchState solid;
    solid.solid = true;
    solid.main = 0x123456;
    bands = SwatchBands(solid, Rect{1, 1, 20, 10});
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].color, 0x123456u);
}

TEST(ColorList, SelectColor) {
    // "Invert Color", "Custom Color ...", then a few named colours.
    const std::vector<ColorRef> items{kInvertColorItem, kEmptyCustomItem, 0x000000, 0x808080, 0xFFFFFF};
    struct Case {
        ColorRef color;
        int custom, invert;
        std::optional<int> index;
        std::optional<ColorRef> custom_data;
    };
    const Case cases[] = {
        {0x808080, 1, 0, 3, std::nullopt},
        {0x123456, 1, 0, 1, 0x123456},
        {kInvertColorItem, 1, 0, 0, std::nullopt},
        {kEmptyCustomItem, 1, 0, 1, std::nullopt},
        {0x123456, -2, 0, std::nullopt, std::nullopt}, // no custom entry: nothing selected
        {kInvertColorItem, 1, -1, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const ColorSelection got = SelectColorEntry(items, c.custom, c.invert, c.color);
        EXPECT_EQ(got.index, c.index) << std::hex << c.color;
        EXPECT_EQ(got.newCustomData, c.custom_data) << std::hex << c.color;
    }
}

TEST(NumberEdit, Rules) {
    const NumberRange hue{-180, 180, 4, true};
    const NumberRange opacity{0, 100, 3, false};
    EXPECT_TRUE(NumberEditAccepts(L'7', false, opacity));
    EXPECT_TRUE(NumberEditAccepts(L'\b', false, opacity));
    EXPECT_TRUE(NumberEditAccepts(L'x', true, opacity)); // with Ctrl (copy, paste)
    EXPECT_FALSE(NumberEditAccepts(L'-', false, opacity));
    EXPECT_TRUE(NumberEditAccepts(L'-', false, hue));
    EXPECT_FALSE(NumberEditAccepts(L'a', false, hue));
    EXPECT_FALSE(NumberEditAccepts(L'+', false, hue));

    struct Case {
        const wchar_t* text;
        NumberRange range;
        short value;
        std::optional<std::wstring> rewritten;
    };
    const Case cases[] = {
        {L"200", hue, 180, L"+180"},      {L"-200", hue, -180, L"-180"},       {L"60", hue, 60, std::nullopt},
        {L"-", hue, 0, std::nullopt},     {L"", hue, 0, std::nullopt},         {L"150", opacity, 100, L"100"},
        {L"6", opacity, 6, std::nullopt}, {L"99999999", opacity, 100, L"100"}, {L"1-2", hue, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        const NumberValue got = NumberEditValue(c.text, c.range);
        EXPECT_EQ(got.value, c.value) << c.text;
        EXPECT_EQ(got.rewritten, c.rewritten) << c.text;
    }
    EXPECT_TRUE(NumberTextNeedsZero(L"00"));
    EXPECT_TRUE(NumberTextNeedsZero(L"-0"));
    EXPECT_FALSE(NumberTextNeedsZero(L"-"));
    EXPECT_FALSE(NumberTextNeedsZero(L"0"));
    EXPECT_FALSE(NumberTextNeedsZero(L""));
    EXPECT_FALSE(NumberTextNeedsZero(L"60"));
    EXPECT_EQ(SliderText(0), L"0");
    EXPECT_EQ(SliderText(60), L"+60");
    EXPECT_EQ(SliderText(-5), L"-5");
    EXPECT_EQ(SliderText(100), L"+100");
}

TEST(RegionEditorRules, FileNamesWorkOnTheFileName) {
    struct Case {
        const wchar_t* path;
        const wchar_t* defaultName;
        const wchar_t* regionPath;
    };
    const Case cases[] = {
        {L"C:\\My.Dir\\Shape", L"shape.rgn", L"c:\\my.dir\\shape.rgn"},
        {L"x.jpeg", L"x.rgn", L"x.rgn"},
        {L"c:\\pics\\shape.bmp", L"shape.rgn", L"c:\\pics\\shape.rgn"},
        {L"c:\\pics\\a.b.bmp", L"a.b.rgn", L"c:\\pics\\a.b.rgn"},
        {L"c:\\pics\\.hidden", L".hidden.rgn", L"c:\\pics\\.hidden.rgn"},
        {L"c:\\regions\\r.rgn", L"r.rgn", L"c:\\regions\\r.rgn"},
        {L"ab", L"", L"ab.rgn"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DefaultRegionFileName(c.path), c.defaultName) << c.path;
        EXPECT_EQ(RegionPathFor(c.path), c.regionPath) << c.path;
    }
}

TEST(RegionEditorRules, KeyFromSettings) {
    RegionSettingsValues values;
    values.baseRed = 250;
    values.baseGreen = 256 + 7; // only the low 8 bits count
    values.baseBlue = 0;
    // Range off while destination mode is still chosen: an exact match.
    values.rangeEnabled = false;
    values.destinationMode = true;
    RegionKey key = RegionKeyFromSettings(values);
    EXPECT_EQ(key.key, RGB(250, 7, 0));
    EXPECT_EQ(key.mode, RegionRange::Off);
    const ChannelBands exact = ComputeChannelBands(key.key, key);
    EXPECT_EQ(exact.low[0], 250);
    EXPECT_EQ(exact.high[0], 250);

    values.rangeEnabled = true;
    key = RegionKeyFromSettings(values);
    EXPECT_EQ(key.mode, RegionRange::Destination);
    EXPECT_EQ(key.range, RGB(255, 255, 255));
    values.destinationMode = false;
    values.invert = true;
    key = RegionKeyFromSettings(values);
    EXPECT_EQ(key.mode, RegionRange::Tolerance);
    EXPECT_EQ(key.range, RGB(10, 10, 10));
    EXPECT_TRUE(key.invert);
}

std::vector<std::uint8_t> PngHeader(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> b{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (std::uint32_t v : {width, height}) {
        for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
    }
    b.insert(b.end(), {8, 6, 0, 0, 0});
    return b;
}

std::vector<std::uint8_t> BmpHeader(std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    b[14] = 40;
    for (int i = 0; i < 4; ++i) {
        b[18 + i] = static_cast<std::uint8_t>(width >> (8 * i));
        b[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
    }
    return b;
}

TEST(PictureLoading, PathsAndHeaders) {
    struct PathCase {
        const wchar_t* path;
        bool jpeg;
        PictureKind kind;
    };
    const PathCase paths[] = {
        {L"  c:\\a\\b.BMP ", false, PictureKind::Bitmap},
        {L"b.png", false, PictureKind::Png},
        {L"b.jpg", false, PictureKind::Ignored},
        {L"b.JPG", true, PictureKind::Jpeg},
        {L"b.jpeg", true, PictureKind::Ignored},
        {L"b.gif", true, PictureKind::Ignored},
        {L"a", true, PictureKind::Refused},
        {L"   ", true, PictureKind::Refused},
    };
    for (const PathCase& c : paths) EXPECT_EQ(ClassifyPicturePath(c.path, c.jpeg), c.kind) << c.path;

    EXPECT_EQ(ReadPictureHeaderSize(PngHeader(300, 20), PictureKind::Png), (Size{300, 20}));
    EXPECT_EQ(ReadPictureHeaderSize(BmpHeader(64, -32), PictureKind::Bitmap), (Size{64, 32}));
    // A ".bmp" holding PNG bytes is no bitmap.
    EXPECT_EQ(ReadPictureHeaderSize(PngHeader(3, 3), PictureKind::Bitmap), std::nullopt);
    // Cut headers.
    std::vector<std::uint8_t> cut = PngHeader(3, 3);
    cut.resize(20);
    EXPECT_EQ(ReadPictureHeaderSize(cut, PictureKind::Png), std::nullopt);
    EXPECT_EQ(ReadPictureHeaderSize({}, PictureKind::Bitmap), std::nullopt);
    // JPEG: SOI, an APP0 segment, then SOF0 with height 0x0102 and width 0x0304.
    const std::vector<std::uint8_t> jpeg{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0,    0,    0xFF,
                                         0xC0, 0x00, 0x0B, 0x08, 0x01, 0x02, 0x03, 0x04, 0x03};
    EXPECT_EQ(ReadPictureHeaderSize(jpeg, PictureKind::Jpeg), (Size{0x0304, 0x0102}));

    EXPECT_TRUE(IsPictureSizeAllowed(16384, 4096));
    EXPECT_FALSE(IsPictureSizeAllowed(16385, 1));
    EXPECT_FALSE(IsPictureSizeAllowed(16384, 16384)); // 256 megapixels
    EXPECT_FALSE(IsPictureSizeAllowed(0, 10));
}

} // namespace
} // namespace hexmoor::preview
