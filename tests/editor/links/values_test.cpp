// Row texts: the typed-number parser, colour texts, choice lists, the
// fixed-point and half setters.
#include <gtest/gtest.h>

#include <climits>

#include "editor/links/property_item.h"
#include "editor/links/small_links.h"
#include "editor/links/value_text.h"
#include "model/twf_obj.h"

using namespace hexmoor::links;

TEST(ParseInt, ReadsAsAtoiButSaturates) {
    struct Case {
        const wchar_t* text;
        int expected;
    } cases[] = {
        {L"12", 12},
        {L"12abc", 12},
        {L"", 0},
        {L"-", 0},
        {L"abc", 0},
        {L"  +7", 7},
        {L"-45", -45},
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"99999999999", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-99999999999", INT_MIN},
        {L"000000000000000000042", 42},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInt(c.text), c.expected) << std::wstring(c.text).size();
}

TEST(ColorText, FormatsAndParses) {
    EXPECT_EQ(ColorText(64 | (128 << 8) | (255u << 16)), L"RGB(64,128,255)");
    EXPECT_EQ(ColorText(0xFFFFFFFFu), L"Invert Color");
    EXPECT_EQ(ColorText(0xFFFFFFFEu), L"RGB(254,255,255)");
    EXPECT_EQ(ParseColorText(L"RGB(64,128,255)", false), 64u | (128u << 8) | (255u << 16));
    EXPECT_EQ(ParseColorText(L"Invert Color", true), 0xFFFFFFFFu);
    EXPECT_EQ(ParseColorText(L"Invert Color", false), 0u);
    // Parts keep their byte; a cut text reads what is there.
    EXPECT_EQ(ParseColorText(L"RGB(300,1,2)", false), (300u & 0xFF) | (1u << 8) | (2u << 16));
    EXPECT_EQ(ParseColorText(L"RGB(7", false), 7u);
}

TEST(Choices, SplitAtBars) {
    EXPECT_EQ(SplitChoices(L"Left|Center|Right|UserOffset"),
              (std::vector<std::wstring>{L"Left", L"Center", L"Right", L"UserOffset"}));
    EXPECT_TRUE(SplitChoices(L"Alone").empty());
    EXPECT_EQ(SplitChoices(L"A|"), (std::vector<std::wstring>{L"A", L""}));
}

TEST(PropertyItem, OnlyGroupsTakeChildren) {
    CPropertyItem group(L"G", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    CPropertyItem plain(L"P", L"", kKindNumber, L"", 0, FALSE, nullptr, 0);
    EXPECT_EQ(group.AddChild(new CPropertyItem(L"a", L"", kKindNumber, L"", 1, FALSE, nullptr, 0)), 0);
    EXPECT_EQ(group.AddChild(new CPropertyItem(L"b", L"", kKindNumber, L"", 2, FALSE, nullptr, 0)), 1);
    // A refused child stays its maker's.
    auto refused = std::make_unique<CPropertyItem>(L"c", L"", kKindNumber, L"", 3, FALSE, nullptr, 0);
    EXPECT_EQ(plain.AddChild(refused.get()), -1);
    EXPECT_EQ(plain.ChildCount(), 0);
    EXPECT_EQ(group.Child(1)->Parent(), &group);
    EXPECT_EQ(group.Child(1)->Depth(), 1);
    EXPECT_EQ(group.SetIntValue(-12), L"-12");
}

namespace {

// A link of the simplest kind over a bare element object.
class TestLink : public CStaticTextLink {
public:
    TestLink() : CStaticTextLink(nullptr, 21, 1044, L"Default") {}
};

} // namespace

TEST(LinkSetters, FixedHalvesAndNoObject) {
    TestLink link;
    CPropertyItem row(L"r", L"", kKindNumber, L"", 7, FALSE, nullptr, 0);
    EXPECT_EQ(link.SetNumber(7, 1), 0);
    EXPECT_EQ(link.SetColor(7, 1), 0);
    EXPECT_EQ(link.SetNumberFixed(7, 1.5), 0);
    EXPECT_EQ(link.SetNumberHalf(7, 1, TRUE), 0);
    EXPECT_EQ(link.GetImage(7), nullptr);
    EXPECT_EQ(link.BuildPropertyItems(1), 0);

    CTwfObj object(21);
    link.SetTwfObj(&object);
    struct Fixed {
        double value;
        DWORD low, high;
    } fixed[] = {{12.5, 12, 50}, {3.07, 3, 6}, {5.05, 5, 4}, {0.0, 0, 0}};
    for (const Fixed& f : fixed) {
        ASSERT_EQ(link.SetNumberFixed(9, f.value), 1);
        EXPECT_EQ(object.GetNumber(9) & 0xFFFF, f.low) << f.value;
        EXPECT_EQ(object.GetNumber(9) >> 16, f.high) << f.value;
    }
    object.SetNumber(5, 10 | (30u << 16));
    link.SetNumberHalf(5, 20, TRUE);
    EXPECT_EQ(object.GetNumber(5), 20u | (30u << 16));
    object.SetNumber(5, 10 | (30u << 16));
    link.SetNumberHalf(5, 20, FALSE);
    EXPECT_EQ(object.GetNumber(5), 10u | (20u << 16));
    link.SetNumberHalf(6, 20, TRUE);
    EXPECT_EQ(object.GetNumber(6), 20u);
}

TEST(LinkSetters, ClearKeepsEnabledOnlyForCustomSchemes) {
    CTwfObj defaults(21), custom(21);
    CStaticTextLink a(nullptr, 21, 1044, L"Default"), b(nullptr, 21, 1044, L"MyText");
    a.SetTwfObj(&defaults);
    b.SetTwfObj(&custom);
    defaults.SetEnabled(1);
    custom.SetEnabled(1);
    a.ClearElementImages();
    b.ClearElementImages();
    EXPECT_EQ(defaults.GetEnabled(), 0u);
    EXPECT_EQ(custom.GetEnabled(), 1u);
}

TEST(UserData, SizeText) {
    EXPECT_EQ(DataSizeText(0), L"Data Size 0 bytes");
    EXPECT_EQ(DataSizeText(1024), L"Data Size 1024 bytes");
}
