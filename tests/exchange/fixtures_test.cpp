// Every generated style through the whole conversion: the printed counts of
// each good style and scheme, the code and message of each hostile file, and
// an unchanged skin after every refusal.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "editor/exchange/style_conversion.h"
#include "model/file/skin_listing.h"
#include "model/twf_skin.h"
#include "tests/exchange/fixture_files.h"

using namespace hexmoor::exchange;

namespace {

using style_fixtures::ReadBytes;
using style_fixtures::ReadText;

std::u16string FromUtf8Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

struct Case {
    std::string file, scheme;
    int code = 0;
    std::string expected, message;
};

std::vector<Case> LoadCases() {
    std::vector<Case> cases;
    std::istringstream lines(ReadText(std::string(HEXMOOR_STYLE_FIXTURES) + "/cases.txt"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
            f.push_back(line.substr(start, bar - start));
        f.push_back(line.substr(start));
        if (f.size() != 5) continue;
        cases.push_back({f[0], f[1], std::stoi(f[2]), f[3], f[4]});
    }
    return cases;
}

// GDI keeps a region in bands, rows of equal runs merged; the native
// tree's stand-in keeps the rectangles as they were added, so there the
// count of a region's rectangles is left out of the comparison.
std::string WithoutNativeRectCount(std::string line) {
#ifndef _WIN32
    const std::size_t at = line.find(" rects=");
    if (line.find("regionoption ") != std::string::npos && at != std::string::npos) line.erase(at);
#endif
    return line;
}

std::string WithoutNativeRectCounts(const std::string& text) {
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) out += WithoutNativeRectCount(line) + "\n";
    return out;
}

// The skin information and the blocks of the default scheme's elements that
// the expected listing names, each header cut to its type and enabled flag (folder and order come
// from the skin imported into, not from the style).
std::string ListedBlocks(const std::string& listing, const std::string& expected) {
    std::set<std::string> wanted;
    std::istringstream want(expected);
    for (std::string line; std::getline(want, line);)
        if (line.rfind("  element ", 0) == 0) wanted.insert(line.substr(0, line.find(" enabled=")));
    std::string out;
    bool inDefault = false, keep = false;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("info ", 0) == 0) {
            out += line + "\n";
        } else if (line.rfind("scheme ", 0) == 0) {
            inDefault = line == "scheme Default";
            keep = false;
        } else if (inDefault && line.rfind("  element ", 0) == 0) {
            keep = wanted.count(line.substr(0, line.find(" enabled="))) != 0;
            if (keep) out += line.substr(0, line.find(" folder=")) + "\n";
        } else if (keep && line.rfind("    ", 0) == 0) {
            out += WithoutNativeRectCount(line) + "\n";
        }
    }
    return out;
}

} // namespace

TEST(StyleFixtures, EveryCaseGivesItsOutputCodeAndMessage) {
    const auto cases = LoadCases();
    ASSERT_GT(cases.size(), 20u);
    const std::string root = HEXMOOR_STYLE_FIXTURES;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " scheme '" + c.scheme + "'");
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        const std::string before = SkinListing(skin, 0);
        std::optional<std::u16string> scheme;
        if (!c.scheme.empty()) scheme = FromUtf8Ascii(c.scheme);
        const ConversionResult result = ConvertStyle(ReadBytes(root + "/" + c.file), scheme, skin);
        EXPECT_EQ(result.code, c.code);
        if (c.expected != "-") {
            EXPECT_EQ(FormatConversion(result), ReadText(root + "/" + c.expected));
        }
        // The skin information and every entry of the 27 kinds.
        const std::string listed =
            ReadText(root + "/" + c.file + "." + (c.scheme.empty() ? "first" : c.scheme) + ".listing");
        if (c.code == 0) {
            ASSERT_FALSE(listed.empty());
            EXPECT_EQ(ListedBlocks(SkinListing(skin, 0), listed), WithoutNativeRectCounts(listed));
        }
        EXPECT_EQ(ToUtf8(result.message), c.message);
        if (result.code != 0) {
            EXPECT_EQ(SkinListing(skin, 0), before);
        }
    }
}

#ifdef HEXMOOR_LINKED_STYLE
// The same reader on a style the resource compiler and linker built.
TEST(StyleFixtures, ALinkedStyleReadsLikeAGeneratedOne) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    const ConversionResult result = ConvertStyle(ReadBytes(HEXMOOR_LINKED_STYLE), std::nullopt, skin);
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(FormatConversion(result), ReadText(std::string(HEXMOOR_STYLE_FIXTURES) + "/linked/expected.txt"));
}
#endif
