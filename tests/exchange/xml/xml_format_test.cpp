// The controls XML file's names and value texts: tables of cases, both ways
// where a text is read back.
#include <gtest/gtest.h>

#include "editor/exchange/xml/xml_format.h"

using namespace hexmoor::exchange::xml;

TEST(XmlFormat, HexValuesTravelBothWays) {
    struct Case {
        DWORD value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, L"0"}, {255, L"ff"}, {0x7FFFFFFF, L"7fffffff"}, {0xFFFF0001, L"ffff0001"}, {0xFFFFFFFF, L"ffffffff"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatHex(c.value), c.text);
        EXPECT_EQ(ParseHex(c.text), c.value) << c.text;
    }
    // What other writers may put there.
    EXPECT_EQ(ParseHex(L"FF"), 255u);
    EXPECT_EQ(ParseHex(L" 0000000000ff "), 255u);
    for (const wchar_t* bad : {L"", L" ", L"g", L"123456789", L"-1", L"0x10", L"1 2"})
        EXPECT_FALSE(ParseHex(bad)) << bad;
}

TEST(XmlFormat, ColoursTravelAsRgbAndInvertKeepsItsValue) {
    struct Case {
        COLORREF color;
        const wchar_t* text;
    };
    const Case cases[] = {
        {RGB(255, 0, 0), L"ff0000"},        {RGB(0, 0, 255), L"ff"},   {RGB(0, 0, 0), L"0"},
        {RGB(0x12, 0x34, 0x56), L"123456"}, {0xFFFFFFFF, L"ffffffff"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatRgb(c.color), c.text);
        EXPECT_EQ(ParseRgb(c.text), c.color) << c.text;
    }
    // Files that carry Invert Color as white read as they always did.
    EXPECT_EQ(ParseRgb(L"ffffff"), RGB(255, 255, 255));
    EXPECT_FALSE(ParseRgb(L"red"));
}

TEST(XmlFormat, DecimalTexts) {
    EXPECT_EQ(ParseId(L"22"), 22);
    EXPECT_EQ(ParseId(L" 65535 "), 65535);
    for (const wchar_t* bad : {L"", L"65536", L"-1", L"abc", L"1e3"}) EXPECT_FALSE(ParseId(bad)) << bad;
    EXPECT_EQ(ParseSigned(L"-5"), -5);
    EXPECT_EQ(ParseSigned(L"+7"), 7);
    EXPECT_EQ(ParseSigned(L"-2147483648"), INT32_MIN);
    EXPECT_FALSE(ParseSigned(L"2147483648"));
    EXPECT_FALSE(ParseSigned(L"99999999999999999999"));
}

TEST(XmlFormat, DeclarationVersion) {
    EXPECT_EQ(DeclarationData(kFormatVersion), L"version=\"1.0\"");
    struct Case {
        const wchar_t* data;
        std::optional<WORD> version;
    };
    const Case cases[] = {
        {L"version=\"1.0\"", 0x0100},
        {L"version='1.0' encoding=\"UTF-8\"", 0x0100},
        {L"encoding=\"x\"  version = \"2.5\"", 0x0205},
        {L"version=\"257.300\"", 0x012C}, // each number modulo 256
        {L"version=\"3\"", 0x0300},
        {L"encoding=\"UTF-8\"", std::nullopt},
        {L"version=\"\"", std::nullopt},
        {L"version=\"x\"", std::nullopt},
        {L"version=1.0", std::nullopt},
        {L"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDeclarationVersion(c.data), c.version) << c.data;
}

TEST(XmlFormat, TypeAndControlNames) {
    EXPECT_EQ(TrimmedTypeName(4), L"button");
    EXPECT_EQ(TrimmedTypeName(2), L"wndframe");
    EXPECT_EQ(TrimmedTypeName(5), L"scrollbars");
    EXPECT_EQ(TrimmedTypeName(16), L"menu");
    EXPECT_EQ(TrimmedTypeName(100), L"transparentwind");
    EXPECT_EQ(TrimmedTypeName(33), L""); // folders have no name
    EXPECT_EQ(TrimmedTypeName(9999), L"");

    EXPECT_EQ(ControlElementName(4, L""), L"button");
    EXPECT_EQ(ControlElementName(4, L"OkButton"), L"button_okbutton");
    // Blanks, colons and other characters no XML name may hold.
    EXPECT_EQ(ControlElementName(4, L"My Button:1/\u00e9"), L"button_my_button_1__");
    EXPECT_EQ(SanitizeElementName(L"9lives"), L"_9lives");

    EXPECT_EQ(GroupNameFromScheme(L"<3>OkButton"), L"OkButton");
    EXPECT_EQ(GroupNameFromScheme(L"OkButton"), L"OkButton");
    EXPECT_EQ(GroupNameFromScheme(L"<3>a>b"), L"a>b");
    EXPECT_EQ(DescFromLabel(L"Text Color"), L"text_color");
    EXPECT_EQ(CustomDesc(L"OkButton", L"image"), L"OkButton_image");

    EXPECT_TRUE(IsValidGroupName(L"OkButton"));
    for (const wchar_t* bad : {L"", L"Default", L"<3>x", L"a\\b", L"a>b"}) EXPECT_FALSE(IsValidGroupName(bad)) << bad;
}

TEST(XmlFormat, FileNames) {
    struct Case {
        WORD type;
        bool custom;
        const wchar_t* desc;
        int state;
        WORD id;
        const wchar_t* extension;
        const wchar_t* file;
    };
    const Case cases[] = {
        {4, false, L"image", 0, 22, L".bmp", L"button\\button_image_n_22.bmp"},
        {4, true, L"OkButton_image", 2, 24, L".png", L"CustomControls\\button\\button_OkButton_image_p_24.png"},
        {2, false, L"topside", 0, 1, L".png", L"wndframe\\wndframe_topside_n_1.png"},
        {2, false, L"topside", 3, 1001, L".rgn", L"wndframe\\wndframe_topside_d_1001.rgn"},
        {4, false, L"", 1, 7, L".bmp", L"button\\button_h_7.bmp"},
        {4, false, L"x", 9, 7, L".bmp", L"button\\button_x7.bmp"},
        // A group name cannot take the file out of its folder or open a stream.
        {4, true, L"..\\..\\evil:ads_image", 4, 3, L".png",
         L"CustomControls\\button\\button_.._.._evil_ads_image_f_3.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            FolderPartFor(c.type, c.custom) + L"\\" + MakeControlFileName(c.type, c.id, c.state, c.desc, c.extension),
            c.file);
    EXPECT_EQ(SanitizeFileNamePart(std::wstring(200, L'a')).size(), 80u);
}

TEST(XmlFormat, FileNamesAreUniqueWithoutCase) {
    UniqueFileNames names;
    EXPECT_EQ(names.Claim(L"CustomControls\\button\\button_OkButton_image_n_22.png"),
              L"CustomControls\\button\\button_OkButton_image_n_22.png");
    EXPECT_EQ(names.Claim(L"CustomControls\\button\\button_okbutton_image_n_22.png"),
              L"CustomControls\\button\\button_okbutton_image_n_22_2.png");
    EXPECT_EQ(names.Claim(L"customcontrols\\BUTTON\\button_okbutton_image_n_22.PNG"),
              L"customcontrols\\BUTTON\\button_okbutton_image_n_22_3.PNG");
    EXPECT_EQ(names.Claim(L"button\\button_image_n_22.png"), L"button\\button_image_n_22.png");
}

TEST(XmlFormat, RelativeFilesStayInsideTheFolder) {
    const FilePathCheck ok = CheckRelativeFile(L"button\\button_image_n_22.bmp");
    ASSERT_TRUE(ok.ok);
    EXPECT_EQ(ok.parts, (std::vector<std::wstring>{L"button", L"button_image_n_22.bmp"}));
    EXPECT_EQ(CheckRelativeFile(L"button/x.png").parts, (std::vector<std::wstring>{L"button", L"x.png"}));
    EXPECT_EQ(CheckRelativeFile(L".\\x.png").parts, (std::vector<std::wstring>{L"x.png"}));

    const wchar_t* refused[] = {
        L"",
        L"\\abs.bmp",
        L"/abs.bmp",
        L"C:\\x.bmp",
        L"C:x.bmp",
        L"x.bmp:stream",
        L"..\\x.bmp",
        L"a\\..\\..\\x",
        L"a\\\\b.bmp",
        L"a\\",
        L"con",
        L"a\\NUL.bmp",
        L"com1.txt",
        L"LPT9",
        L"x.bmp.",
        L"a \\b.bmp",
        L"a*b.bmp",
        L"a?b",
        L"a|b",
        L"\\\\server\\share\\x",
        L".",
        L"...\\x",
        L"a\x01z",
    };
    for (const wchar_t* file : refused) {
        const FilePathCheck check = CheckRelativeFile(file);
        EXPECT_FALSE(check.ok) << "accepted: " << testing::PrintToString(std::wstring(file));
        EXPECT_FALSE(check.problem.empty());
    }
    EXPECT_TRUE(CheckRelativeFile(L"console.bmp").ok);
    EXPECT_TRUE(CheckRelativeFile(L"com10.bmp").ok);
}

TEST(XmlFormat, TextsAnXmlFileCanHold) {
    EXPECT_EQ(XmlSafeText(L"a\tb\nc"), L"a\tb\nc");
    EXPECT_EQ(XmlSafeText(std::wstring(L"a\x01"
                                       L"b")),
              L"a\xFFFD"
              L"b");
    EXPECT_EQ(XmlSafeText(std::wstring(1, static_cast<wchar_t>(0xFFFE))), L"\xFFFD");
    if constexpr (sizeof(wchar_t) == 2) {
        const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
        EXPECT_EQ(XmlSafeText(pair), pair);
        EXPECT_EQ(XmlSafeText(std::wstring(1, static_cast<wchar_t>(0xD83D))), L"\xFFFD");
    }
}

TEST(XmlFormat, SidesAndMenuBarIds) {
    for (int side = 0; side < kSideCount; ++side) {
        EXPECT_EQ(SideFromElementName(SideElementName(side)), side);
        EXPECT_EQ(SideFromSizeId(SideSizeId(side)), side);
    }
    EXPECT_EQ(SideSizeId(0), 478); // top
    EXPECT_EQ(SideSizeId(1), 481); // right
    EXPECT_EQ(SideSizeId(2), 479); // bottom
    EXPECT_EQ(SideSizeId(3), 480); // left
    for (WORD id : {505, 508, 512, 517, 646, 651}) EXPECT_TRUE(IsMenuBarButtonId(id)) << id;
    for (WORD id : {504, 509, 511, 518, 645, 652}) EXPECT_FALSE(IsMenuBarButtonId(id)) << id;
}
