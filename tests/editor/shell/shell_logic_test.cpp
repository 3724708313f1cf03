// The shell's pure rules: placements, the file association, item names,
// the pane toolbar's key colour, links and state stepping.
#include <gtest/gtest.h>

#include "editor/shell/dialogs/dialogs.h"
#include "editor/shell/file_association.h"
#include "editor/shell/hexmoor_app.h"
#include "editor/shell/trees/item_names.h"
#include "editor/shell/panes/panels.h"
#include "editor/shell/placement.h"
#include "editor/shell/panes/toolbar24.h"
#include "editor/shell/dialogs/url_static.h"

using namespace hexmoor::shell;
using hexmoor::Rect;

namespace {
const Rect kWork{0, 0, 1280, 994};

Placement At(Rect r, int show = SW_SHOWNORMAL) {
    Placement p;
    p.show = show;
    p.normal = r;
    return p;
}
} // namespace

TEST(PlacementRule, StoredRectanglesComeBackInsideTheWorkArea) {
    const Placement current = At({100, 100, 500, 400});
    struct Case {
        Rect stored;
        Rect expected;
    } cases[] = {
        {{10, 20, 410, 320}, {10, 20, 410, 320}},         // inside: unchanged
        {{-50, 10, 350, 310}, {0, 10, 400, 310}},         // moved right
        {{1100, 900, 1500, 1200}, {880, 694, 1280, 994}}, // moved left and up
        {{-100, 0, 1500, 300}, {0, 0, 1280, 300}},        // wider than the area: pinned left
        {{410, 320, 10, 20}, {10, 20, 410, 320}},         // corners swapped: normalised
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvePlacement(At(c.stored), current, kWork).normal, c.expected);
}

TEST(PlacementRule, FullyOffScreenKeepsTheCurrentPlacement) {
    const Placement current = At({100, 100, 500, 400}, SW_SHOWNORMAL);
    Placement stored = At({3000, 3000, 3400, 3300}, SW_SHOWMAXIMIZED);
    EXPECT_EQ(ResolvePlacement(stored, current, kWork), current);
    stored.normal = {-900, -900, -100, -100};
    EXPECT_EQ(ResolvePlacement(stored, current, kWork), current);
}

TEST(PlacementRule, MinimisedComesBackRestoredAndMaximisedStaysMaximised) {
    const Rect r{10, 10, 300, 300};
    for (int minimised : {SW_MINIMIZE, SW_SHOWMINIMIZED, SW_SHOWMINNOACTIVE})
        EXPECT_EQ(ResolvePlacement(At(r, minimised), At(r, SW_SHOWNORMAL), kWork).show, SW_RESTORE) << minimised;
    EXPECT_EQ(ResolvePlacement(At(r, SW_MINIMIZE), At(r, SW_MINIMIZE), kWork).show, SW_MINIMIZE);
    EXPECT_EQ(ResolvePlacement(At(r, SW_SHOWNORMAL), At(r, SW_SHOWMAXIMIZED), kWork).show, SW_SHOWMAXIMIZED);
    EXPECT_EQ(ResolvePlacement(At(r, SW_SHOWMINIMIZED), At(r, SW_SHOWMAXIMIZED), kWork).show, SW_SHOWMAXIMIZED);
}

TEST(PlacementRule, CaptionsStartingWithPropertiesShareOneSection) {
    EXPECT_EQ(PlacementSection(L"Properties - Button", L"Properties"), L"Properties");
    EXPECT_EQ(PlacementSection(L"Properties - Edit", L"Properties"), L"Properties");
    EXPECT_EQ(PlacementSection(L"Hexmoor", L"Properties"), L"Hexmoor");
    EXPECT_EQ(PlacementSection(L"Propert", L"Properties"), L"Propert");
}

TEST(FileAssociation, CommandQuotesTheProgramAndTheIconNamesResource128) {
    auto v = AssociationValues(L"C:\\Program Files\\Hexmoor\\hexmoor.exe");
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v[0].subKey, L".TWF");
    EXPECT_EQ(v[0].value, L"Tarnwick.Document");
    EXPECT_EQ(v[1].subKey, L".TWF\\shell\\open\\command");
    EXPECT_EQ(v[1].value, L"\"C:\\Program Files\\Hexmoor\\hexmoor.exe\" \"%1\"");
    EXPECT_EQ(v[2].subKey, L"Tarnwick.Document");
    EXPECT_EQ(v[2].value, L"Tarnwick skin file");
    EXPECT_EQ(v[3].subKey, L"Tarnwick.Document\\DefaultIcon");
    EXPECT_EQ(v[3].value, L"C:\\Program Files\\Hexmoor\\hexmoor.exe,-128");
    EXPECT_EQ(v[4].subKey, L"Tarnwick.Document\\shell\\open\\command");
    EXPECT_EQ(v[4].value, v[1].value);
    // Without a program path only the two names are written.
    EXPECT_EQ(AssociationValues(L"").size(), 2u);
}

// Written under a scratch key of the test prefix's registry: everything the
// first time, nothing when it is all there, only what was changed or lost.
TEST(FileAssociation, OnlyValuesThatDifferAreWritten) {
    const std::wstring scratch = L"Software\\HexmoorTest\\Association" + std::to_wstring(GetCurrentProcessId());
    HKEY root = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr),
        ERROR_SUCCESS);
    const std::wstring program = L"C:\\Hexmoor\\hexmoor.exe";
    EXPECT_EQ(WriteFileAssociation(root, program), 5);
    EXPECT_EQ(WriteFileAssociation(root, program), 0);
    // Another place of the program rewrites the three values naming it.
    EXPECT_EQ(WriteFileAssociation(root, L"D:\\Elsewhere\\hexmoor.exe"), 3);
    // A changed value and a lost key come back; the others stay untouched.
    const wchar_t other[] = L"Other.Document";
    RegSetKeyValueW(root, L".TWF", nullptr, REG_SZ, other, sizeof other);
    RegDeleteTreeW(root, L"Tarnwick.Document\\DefaultIcon");
    EXPECT_EQ(WriteFileAssociation(root, program), 4);
    EXPECT_EQ(WriteFileAssociation(root, program), 0);
    for (const auto& v : AssociationValues(program)) {
        wchar_t value[256]{};
        DWORD size = sizeof value;
        EXPECT_EQ(RegGetValueW(root, v.subKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size), ERROR_SUCCESS);
        EXPECT_EQ(std::wstring(value), v.value) << v.subKey;
    }
    RegCloseKey(root);
    RegDeleteTreeW(HKEY_CURRENT_USER, scratch.c_str());
}

TEST(ItemNames, NameRuleAndProposedNames) {
    for (const wchar_t* bad : {L"", L"Default", L"a<b", L"a>b", L"a\\b"}) EXPECT_FALSE(IsValidItemName(bad)) << bad;
    for (const wchar_t* good : {L"default", L"My Button", L"Frame/1"}) EXPECT_TRUE(IsValidItemName(good)) << good;
    EXPECT_EQ(GetCustomNamePrefix(60), L"RegionDefined");
    EXPECT_EQ(GetCustomNamePrefix(25), L"CustomDialog");
    EXPECT_EQ(GetCustomNamePrefix(16), L"");
    auto kinds = CustomControlKinds();
    ASSERT_EQ(kinds.size(), 22u);
    EXPECT_STREQ(kinds[0].text, L"Frame Window");
    EXPECT_STREQ(kinds[21].text, L"Status Bar");
    // Every kind offered proposes a name.
    for (const auto& k : kinds) EXPECT_FALSE(GetCustomNamePrefix(k.elementType).empty()) << k.text;
}

TEST(PaneToolbar, GreyingKeepsTheKeyAndTurnsEveryOtherPixelIntoALightGreyThatIsNotTheKey) {
    // Pixels in memory order (b, g, r): the key, near-keys, black, white, a
    // colour, and one whose grey would land on the key.
    std::vector<std::uint8_t> px = {192, 192, 192, 191, 192, 192, 192, 192, 193, 0,  0,
                                    0,   255, 255, 255, 10,  20,  200, 240, 240, 240};
    GreyPixels(px, KeyColor{192, 192, 192});
    EXPECT_EQ(px[0], 192);
    EXPECT_EQ(px[1], 192);
    EXPECT_EQ(px[2], 192);
    for (std::size_t i = 3; i < px.size(); i += 3) {
        EXPECT_EQ(px[i], px[i + 1]) << i;
        EXPECT_EQ(px[i], px[i + 2]) << i;
        EXPECT_GE(px[i], 112) << i; // light: never darker than a third of the way from black
        EXPECT_NE(px[i], 192) << i; // never the key, which would turn transparent
    }
    EXPECT_LT(px[9], px[12]); // black stays darker than white
}

TEST(LinkStatic, MailAddressesOpenAsMailtoWebAddressesAsTheyAre) {
    EXPECT_EQ(LinkTarget(L"someone@example.org", false), L"mailto:someone@example.org");
    EXPECT_EQ(LinkTarget(L"https://example.org/", true), L"https://example.org/");
}

TEST(StateButtons, NextVisibleStateWrapsAndSkipsHiddenOnes) {
    bool hidden[5] = {false, true, false, true, false};
    EXPECT_EQ(NextVisibleState(hidden, 0, true), 2);
    EXPECT_EQ(NextVisibleState(hidden, 4, true), 0);
    EXPECT_EQ(NextVisibleState(hidden, 0, false), 4);
    bool onlyOne[5] = {true, true, false, true, true};
    EXPECT_EQ(NextVisibleState(onlyOne, 2, true), -1);
}

TEST(SkinInfoDialog, OnlyChangedFieldsCountAndComparisonIsCaseSensitive) {
    SkinInfo info{L"Name", L"(c)", L"", L"", L"", L"", L"1", L"", L""};
    SkinInfo same = info;
    EXPECT_FALSE(ApplySkinInfo(info, same));
    SkinInfo edited = info;
    edited[0] = L"name";
    EXPECT_TRUE(ApplySkinInfo(info, edited));
    EXPECT_EQ(info[0], L"name");
}

TEST(Caption, TitleAloneOrWithTheFileNameWithoutFolderAndExtension) {
    struct Case {
        const wchar_t* path;
        const wchar_t* caption;
    } cases[] = {
        {nullptr, L"Hexmoor"},
        {L"C:\\skins\\Blue Steel.twf", L"Hexmoor - Blue Steel"},
        {L"D:/x/y/dark.v2.twfx", L"Hexmoor - dark.v2"},
        {L"plain", L"Hexmoor - plain"},
        {L"C:\\skins\\.twf", L"Hexmoor"},
        {L"C:\\skins\\", L"Hexmoor"},
    };
    for (const auto& c : cases) EXPECT_EQ(CaptionFor(L"Hexmoor", c.path), c.caption) << (c.path ? c.path : L"null");
}
