// Every file of the independent fixture generator: good files load with
// exactly the generated content (compared through the canonical listing the
// generator wrote for them), survive a save and reload unchanged, and bad
// files are refused with the generator's code.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "model/file/skin_listing.h"
#include "model/twf_skin.h"
#include "tests/model/file/skin_test_support.h"

namespace {

struct Case {
    bool good;
    std::string file;
    int code;
};

std::vector<Case> ReadCases() {
    std::vector<Case> cases;
    std::ifstream in(skin_test::FixtureDir() / "cases.txt");
    std::string kind, file;
    int code;
    while (in >> kind >> file >> code) cases.push_back({kind == "good", file, code});
    return cases;
}

std::unique_ptr<CTwfSkin> LoadSkin(const std::filesystem::path& path, int* code) {
    auto skin = std::make_unique<CTwfSkin>();
    skin->InitNewSkin(L"Default");
    skin->SetPath(path.wstring());
    *code = skin->LoadSkinFromPath(FALSE);
    return skin;
}

// Lines of a listing grouped by the object they belong to (scheme, element,
// side), so that one listing can be checked to hold every entry of another.
std::map<std::string, std::set<std::string>> Entries(const std::string& listing) {
    std::map<std::string, std::set<std::string>> groups;
    std::istringstream in(listing);
    std::string line, scheme, element, part;
    while (std::getline(in, line)) {
        if (line.rfind("scheme ", 0) == 0) {
            scheme = line, element.clear(), part.clear();
        } else if (line.rfind("  element ", 0) == 0) {
            element = line.substr(0, line.find(" enabled=")), part.clear();
            // A list view stored disabled reads back enabled: its flag may change.
            if (element != "  element 15") groups[scheme + "|" + element + "|"].insert(line);
        } else if (line.rfind("    side ", 0) == 0 || line == "    menubar") {
            part = line;
        } else if (line.rfind("version ", 0) != 0) {
            groups[scheme + "|" + element + "|" + part].insert(line);
        }
    }
    return groups;
}

class GeneratedSkins : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(skin_test::Imaging().IsStarted()); }
};

TEST_F(GeneratedSkins, FixturesExistForEveryAcceptedVersion) {
    const auto cases = ReadCases();
    ASSERT_GT(cases.size(), 100u);
    for (int v :
         {512, 513, 515, 516, 517, 518, 519, 520, 521, 522, 523, 524, 525, 526, 527, 528, 529, 530, 531, 532, 768}) {
        EXPECT_TRUE(std::filesystem::exists(skin_test::FixtureDir() / "good" / ("v" + std::to_string(v) + ".twf")))
            << v;
    }
}

TEST_F(GeneratedSkins, GoodFilesLoadWithExactlyTheirContent) {
    int checked = 0;
    for (const Case& c : ReadCases()) {
        if (!c.good) continue;
        const auto path = skin_test::FixtureDir() / c.file;
        int code = -1;
        auto skin = LoadSkin(path, &code);
        EXPECT_EQ(code, 0) << c.file;
        EXPECT_EQ(skin->GetLoadedFlag(), 1u) << c.file;
        auto expected = skin_test::ReadText(std::filesystem::path(path).replace_extension(".expected"));
        EXPECT_EQ(SkinListing(*skin, code), expected) << c.file;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST_F(GeneratedSkins, BadFilesAreRefusedWithTheirCode) {
    int checked = 0;
    for (const Case& c : ReadCases()) {
        if (c.good) continue;
        int code = -1;
        auto skin = LoadSkin(skin_test::FixtureDir() / c.file, &code);
        EXPECT_EQ(code, c.code) << c.file;
        EXPECT_EQ(skin->GetLoadedFlag(), 0u) << c.file;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST_F(GeneratedSkins, SaveAndReloadKeepsEveryEntry) {
    skin_test::ScratchDir dir("roundtrip");
    for (const Case& c : ReadCases()) {
        if (!c.good) continue;
        int code = -1;
        auto first = LoadSkin(skin_test::FixtureDir() / c.file, &code);
        ASSERT_EQ(code, 0) << c.file;
        const std::string before = SkinListing(*first, 0);
        const auto saved = dir / "saved.twf";
        first->SetPath(saved.wstring());
        ASSERT_TRUE(first->WriteSkinFile()) << c.file;
        EXPECT_EQ(first->GetVersion(), 768);

        auto second = LoadSkin(saved, &code);
        ASSERT_EQ(code, 0) << c.file;
        EXPECT_EQ(second->GetVersion(), 768);
        const std::string after = SkinListing(*second, 0);
        // Every entry survives. Elements the file did not hold were saved empty
        // and may gain the defaults an element without those colours receives
        // on reading (list view, tree, date-time...), so the reload may add.
        auto kept = Entries(after);
        for (const auto& [group, lines] : Entries(before)) {
            for (const std::string& line : lines) {
                EXPECT_TRUE(kept[group].count(line)) << c.file << ": " << group << " lost " << line;
            }
        }
        // A second round changes nothing at all.
        ASSERT_TRUE(second->WriteSkinFile());
        auto third = LoadSkin(saved, &code);
        ASSERT_EQ(code, 0);
        EXPECT_EQ(SkinListing(*third, 0), after) << c.file;
    }
}

} // namespace

// A skin that takes over another one's load lists exactly as a load of the
// same file into it would, whatever it held before; the elements it kept
// (default scheme) are the same objects, now with the loaded contents, and
// the skin loaded from is left empty.
TEST_F(GeneratedSkins, TakingOverALoadedSkinIsLoadingTheFileInPlace) {
    std::vector<std::string> goods;
    for (const Case& c : ReadCases())
        if (c.good) goods.push_back(c.file);
    ASSERT_GE(goods.size(), 2u);
    for (size_t i = 0; i < goods.size(); ++i) {
        const std::string& previous = goods[(i + 1) % goods.size()];
        int code = -1;
        auto direct = LoadSkin(skin_test::FixtureDir() / previous, &code);
        direct->SetPath((skin_test::FixtureDir() / goods[i]).wstring());
        ASSERT_EQ(direct->LoadSkinFromPath(FALSE), 0) << goods[i];

        auto main = LoadSkin(skin_test::FixtureDir() / previous, &code);
        const CTwfObj* kept = main->FindObject(kElemButton, L"");
        ASSERT_NE(kept, nullptr);
        auto loaded = LoadSkin(skin_test::FixtureDir() / goods[i], &code);
        ASSERT_EQ(code, 0) << goods[i];
        ASSERT_TRUE(main->TakeOver(*loaded));
        EXPECT_EQ(SkinListing(*main, 0), SkinListing(*direct, 0)) << goods[i] << " after " << previous;
        EXPECT_EQ(main->FindObject(kElemButton, L""), kept) << goods[i];
        EXPECT_EQ(kept->GetOwnerSkin(), main.get());
        for (const auto& [name, elements] : main->GetSchemes())
            for (const auto& [type, object] : elements) EXPECT_EQ(object->GetOwnerSkin(), main.get());
        EXPECT_TRUE(loaded->GetSchemes().empty());
    }
}
