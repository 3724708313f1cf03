// Tables over the reading core of the visual-style import: field splitting,
// colours, margins, offsets, fonts, ini texts in each encoding, the names
// block, the description, strip cutting and the pixel helpers.
#include <gtest/gtest.h>

#include "editor/exchange/importers.h"
#include "editor/exchange/style_conversion.h"
#include "editor/exchange/style_file.h"
#include "editor/exchange/style_reader.h"

using namespace hexmoor::exchange;

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

std::vector<std::uint8_t> Utf16(std::u16string_view text, bool bom) {
    std::vector<std::uint8_t> out;
    if (bom) out = {0xFF, 0xFE};
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return out;
}

std::string Narrow(std::u16string_view text) { return ToUtf8(text); }

} // namespace

TEST(StyleReader, SplitFieldsTable) {
    struct Row {
        std::u16string_view text;
        int wanted;
        char16_t delimiter;
        bool blanks;
        std::vector<std::string> fields; // empty: refused
    };
    const Row rows[] = {
        {u",,a,,b", 3, u',', false, {"a", "b", ""}},
        {u"255 0 255", 3, u',', true, {"255", "0", "255"}},
        {u"255, 0 ,255", 3, u',', true, {"255", "0", "255"}},
        {u"1,2,3,4,5", 2, u',', true, {"1", "2"}},
        {u"Trebuchet MS, 10, Bold", 3, u',', false, {"Trebuchet MS", " 10", " Bold"}},
        {u"", 3, u',', true, {}},
        {u"a", 0, u',', true, {}},
        {u"a", 3, u',', true, {"a", "", ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.text));
        const auto fields = SplitFields(row.text, row.wanted, row.delimiter, row.blanks);
        if (row.fields.empty()) {
            EXPECT_FALSE(fields);
            continue;
        }
        ASSERT_TRUE(fields);
        std::vector<std::string> got;
        for (const auto& f : *fields) got.push_back(Narrow(f));
        EXPECT_EQ(got, row.fields);
    }
}

TEST(StyleReader, ColoursMarginsAndOffsets) {
    struct ColorRow {
        std::u16string_view value;
        std::uint32_t argb, colorref;
    };
    const ColorRow colors[] = {
        {u"255 0 255", 0xFFFF00FF, 0x00FF00FF}, {u"255,0,255", 0xFFFF00FF, 0x00FF00FF},
        {u"1, 2, 3", 0xFF010203, 0x00030201},   {u"300", 0xFF2C0000, 0x0000002C},
        {u"", 0xFF000000, 0xFF000000},          {u"x y z", 0xFF000000, 0x00000000},
        {u"-1 0 0", 0xFFFF0000, 0x000000FF},
    };
    for (const ColorRow& row : colors) {
        SCOPED_TRACE(Narrow(row.value));
        EXPECT_EQ(ParseColor(row.value), row.argb);
        EXPECT_EQ(ParseColorRef(row.value), row.colorref);
    }
    const Margins m = ParseSizingMargins(u"3, 4, 5, 6");
    EXPECT_EQ((std::vector<int>{m.left, m.right, m.top, m.bottom}), (std::vector<int>{3, 4, 5, 6}));
    const Margins half = ParseSizingMargins(u"3, 4");
    EXPECT_EQ((std::vector<int>{half.left, half.right, half.top, half.bottom}), (std::vector<int>{3, 4, 0, 0}));
    const Margins none = ParseSizingMargins(u"");
    EXPECT_EQ(none.left + none.right + none.top + none.bottom, 0);
    EXPECT_EQ(ParseOffset(u"-20, 2"), (std::pair<int, int>(-20, 2)));
    EXPECT_FALSE(ParseOffset(u""));
    EXPECT_EQ(ParseNumber(u"  -12abc"), -12);
    EXPECT_EQ(ParseNumber(u"99999999999999"), 2147483647);
}

TEST(StyleReader, FontsTable) {
    struct Row {
        std::u16string_view value;
        std::string face;
        LONG height;
        LONG weight;
    };
    // 96 pixels per inch in the native tree: 8 points are 11 pixels (10.67 rounded).
    const int dpi = ScreenPixelsPerInchY();
    const LONG eight = -((8 * dpi + 36) / 72);
    const LONG normal = DefaultGuiLogFont().lfWeight;
    const Row rows[] = {
        {u"Tahoma, 8", "Tahoma", eight, normal},
        {u"Tahoma, 8, Bold", "Tahoma", eight, 700},
        {u"Tahoma, 8, b old", "Tahoma", eight, 700},
        {u"Tahoma, 8, Italic", "Tahoma", eight, normal},
        // A face name longer than the record holds is cut at 31 characters.
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij, 8", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde", eight, normal},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.value));
        const auto font = ParseFont(row.value);
        ASSERT_TRUE(font);
        std::string face;
        for (int i = 0; i < LF_FACESIZE && font->lfFaceName[i]; ++i)
            face.push_back(static_cast<char>(font->lfFaceName[i]));
        EXPECT_EQ(face, row.face);
        EXPECT_EQ(font->lfFaceName[LF_FACESIZE - 1], 0);
        EXPECT_EQ(font->lfHeight, row.height);
        EXPECT_EQ(font->lfWeight, row.weight);
        EXPECT_EQ(font->lfItalic, DefaultGuiLogFont().lfItalic);
    }
    EXPECT_FALSE(ParseFont(u""));
}

TEST(StyleReader, IniTextInEveryEncoding) {
    const std::u16string text =
        u"; comment\r\n[SysMetrics]\r\n  Btnface =  236 233 216 \r\n;Menu=1\r\nQuoted=\"a b\"\r\n"
        u"[sysmetrics]\r\nBtnface=1 1 1\r\n[Doc]\r\nName=caf\u00e9 \u2019\r\n";
    std::vector<std::uint8_t> utf8 = {0xEF, 0xBB, 0xBF};
    const std::string u8 = ToUtf8(text);
    utf8.insert(utf8.end(), u8.begin(), u8.end());
    std::vector<std::uint8_t> cp1252;
    for (char16_t c : text) cp1252.push_back(c == 0x2019 ? 0x92 : static_cast<std::uint8_t>(c));
    const std::vector<std::vector<std::uint8_t>> encodings = {Utf16(text, false), Utf16(text, true), utf8, cp1252};
    for (const auto& bytes : encodings) {
        const IniText ini(bytes);
        EXPECT_EQ(Narrow(ini.Get("sysmetrics", "BTNFACE")), "236 233 216"); // first section and key win
        EXPECT_EQ(Narrow(ini.Get("SysMetrics", "Menu")), "");
        EXPECT_EQ(Narrow(ini.Get("SysMetrics", "Quoted")), "a b");
        EXPECT_EQ(ini.Get("Doc", "Name"), u"caf\u00e9 \u2019");
        EXPECT_EQ(Narrow(ini.Get("Missing", "Name")), "");
    }
    // Values are cut at 255 characters.
    const IniText longValue(Bytes("[A]\nK=" + std::string(400, 'x') + "\n"));
    EXPECT_EQ(longValue.Get("A", "K").size(), 255u);
}

TEST(StyleReader, NamesBlockTable) {
    struct Row {
        std::vector<std::uint8_t> block;
        std::vector<std::string> shown, resources;
    };
    const auto block = [](std::u16string_view names) { return Utf16(names, false); };
    const std::u16string longName(150, u'N');
    const Row rows[] = {
        {block(std::u16string(u"ALPHA_INI\0BETA_INI\0GAMMA_INI\0\0", 31)),
         {"alpha", "beta", "gamma"},
         {"ALPHA_INI", "BETA_INI", "GAMMA_INI"}},
        // Without the extra zero the last name still counts.
        {block(std::u16string(u"ALPHA_INI\0BETA_INI\0", 19)), {"alpha", "beta"}, {"ALPHA_INI", "BETA_INI"}},
        // Two zeros in a row add no empty item.
        {block(std::u16string(u"A_INI\0\0B_INI", 12)), {"a", "b"}, {"A_INI", "B_INI"}},
        // The display drops every "_ini"; the resource name stays whole.
        {block(std::u16string(u"FOO_INIT_INI\0", 13)), {"foot"}, {"FOO_INIT_INI"}},
        {block(longName), {std::string(150, 'n')}, {std::string(150, 'N')}},
        {{}, {}, {}},
        {{0x41}, {}, {}},
        {{0x41, 0x00, 0x42}, {"a"}, {"A"}},
    };
    for (const Row& row : rows) {
        const auto names = ParseNamesBlock(row.block);
        std::vector<std::string> shown, resources;
        for (const auto& n : names) {
            shown.push_back(Narrow(n.display));
            resources.push_back(Narrow(n.resource));
        }
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(resources, row.resources);
    }
}

TEST(StyleReader, DescriptionHasElevenLinesEvenWhenEmpty) {
    const IniText empty(Bytes("[Documentation]\n"));
    EXPECT_EQ(Narrow(BuildThemeDescription(empty)),
              "Copyright: \r\nAuthor: \r\nCompany: \r\nURL: \r\nThemeName: \r\nDisplayName: \r\nToolTip: \r\n"
              "Description: \r\nLastUpdated: \r\nVersion: \r\nWmpSkinName: ");
    const IniText some(Bytes("[Documentation]\nAuthor=Me\nWmpSkinName=W\n"));
    const std::string text = Narrow(BuildThemeDescription(some));
    EXPECT_NE(text.find("Author: Me\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 14), "WmpSkinName: W");
}

TEST(StyleReader, StripCuttingTable) {
    // A 12 x 6 strip whose columns carry their x as colour.
    Pixels pixels = SolidImage(12, 6, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x) pixels.argb[y * 12 + x] = 0xFF000000u | (y << 8) | x;
    struct Row {
        int count;
        bool vertical;
        int frame;
        bool present;
        int width, height;
        std::uint32_t firstPixel;
    };
    const Row rows[] = {
        {3, false, 0, true, 4, 6, 0xFF000000u},  {3, false, 2, true, 4, 6, 0xFF000008u},
        {3, false, 3, false, 0, 0, 0},           {3, true, 1, true, 12, 2, 0xFF000200u},
        {0, false, 0, true, 12, 6, 0xFF000000u}, {0, false, 1, false, 0, 0, 0},
        {-1, false, 0, false, 0, 0, 0},          {1000000, false, 0, false, 0, 0, 0},
        {5, false, 2, true, 2, 6, 0xFF000004u}, // 12 / 5 leaves a remainder
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.count << (row.vertical ? " vertical " : " horizontal ") << row.frame);
        const Strip strip{std::make_shared<const Pixels>(pixels), row.count, row.vertical};
        const auto frame = strip.Frame(row.frame);
        ASSERT_EQ(frame.has_value(), row.present);
        if (!frame) continue;
        EXPECT_EQ(frame->Width(), row.width);
        EXPECT_EQ(frame->Height(), row.height);
        EXPECT_EQ(frame->View().Row(0)[0], row.firstPixel);
        // The copy the skin gets holds the frame's own rectangle.
        const Pixels copy = frame->ToPixels();
        ASSERT_EQ(copy.argb.size(), static_cast<std::size_t>(row.width) * row.height);
        EXPECT_EQ(copy.argb.back(), row.firstPixel + ((row.height - 1) << 8) + (row.width - 1));
    }
}

TEST(StyleReader, DrawingOnACutLeavesTheStripAndOtherCutsAlone) {
    // Cuts read the decoded strip in place; a glyph drawn on one must not
    // reach the strip, which every other cut of it reads.
    const auto source = std::make_shared<const Pixels>(SolidImage(8, 4, 0xFF102030u));
    const Strip strip{source, 2, false};
    auto drawn = strip.Frame(1);
    const auto other = strip.Frame(1);
    ASSERT_TRUE(drawn && other);
    DrawCentered(drawn->Edit(), SolidImage(4, 4, 0xFFFFFFFFu));
    EXPECT_EQ(drawn->View().Row(3)[3], 0xFFFFFFFFu);
    for (std::uint32_t p : source->argb) EXPECT_EQ(p, 0xFF102030u);
    EXPECT_EQ(other->View().Row(3)[3], 0xFF102030u);
    EXPECT_EQ(strip.Frame(1)->ToPixels().argb, SolidImage(4, 4, 0xFF102030u).argb);
}

TEST(StyleReader, GlyphTallerOrWiderThanItsFrameIsDrawnCentredAndClipped) {
    // An 18 x 18 frame and a 22 x 22 glyph with one marked pixel at (11, 11).
    Pixels frame = SolidImage(18, 18, 0xFF0000FFu);
    Pixels glyph = SolidImage(22, 22, 0x00000000u);
    glyph.argb[11 * 22 + 11] = 0xFFFF0000u;
    glyph.argb[0] = 0xFF00FF00u; // falls outside the frame
    DrawCentered(frame, glyph);
    EXPECT_EQ(frame.width, 18);
    EXPECT_EQ(frame.height, 18);
    EXPECT_EQ(frame.argb[9 * 18 + 9], 0xFFFF0000u); // offset -2 each way
    int changed = 0;
    for (std::uint32_t p : frame.argb) changed += p != 0xFF0000FFu;
    EXPECT_EQ(changed, 1);

    // A smaller glyph lands in the middle; half transparency blends.
    Pixels small = SolidImage(4, 4, 0xFF000000u);
    DrawCentered(small, SolidImage(2, 2, 0x80FFFFFFu));
    EXPECT_EQ(small.argb[1 * 4 + 1], 0xFF808080u);
    EXPECT_EQ(small.argb[0], 0xFF000000u);
}

TEST(StyleReader, FillsKeyingAndSubmenuArrow) {
    Pixels image = SolidImage(10, 10, 0);
    FillWithBorder(image, 0xFFFFFFFFu, 0xFF000000u, 2, 2, 2, 2);
    EXPECT_EQ(image.argb[0], 0xFF000000u);
    EXPECT_EQ(image.argb[1 * 10 + 1], 0xFF000000u);
    EXPECT_EQ(image.argb[2 * 10 + 2], 0xFFFFFFFFu);
    EXPECT_EQ(image.argb[7 * 10 + 7], 0xFFFFFFFFu);
    EXPECT_EQ(image.argb[8 * 10 + 8], 0xFF000000u);
    MakeColorTransparent(image, 0xFF000000u);
    EXPECT_EQ(image.argb[0], 0u);
    EXPECT_EQ(image.argb[2 * 10 + 2], 0xFFFFFFFFu);

    Pixels item = SolidImage(16, 17, 0xFFFFFFFFu);
    DrawSubmenuArrow(item);
    EXPECT_EQ(item.argb[4 * 16 + 6], 0xFF000000u); // top-left corner of the arrow at (6, 4)
    EXPECT_EQ(item.argb[8 * 16 + 9], 0xFF000000u); // the tip row
    EXPECT_EQ(item.argb[4 * 16 + 7], 0xFFFFFFFFu); // above the slope
    EXPECT_EQ(item.argb[3 * 16 + 6], 0xFFFFFFFFu);
}

TEST(StyleReader, PackedPairsNeverSpillIntoTheOtherHalf) {
    EXPECT_EQ(PackPair(6, 8), 0x00080006u);
    EXPECT_EQ(PackPair(-2, 1), 0x0001FFFEu);
    EXPECT_EQ(PackPair(2, -1), 0xFFFF0002u);
}
