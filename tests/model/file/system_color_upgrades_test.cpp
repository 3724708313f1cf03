// Old files whose list view, tree, month calendar or date-time lack the
// colour that marks them as carrying their own colours receive system
// colours: checked on the generator's files against the generator's pinned
// colour table, so that every value shows which system colour it came from.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/file/skin_listing.h"
#include "model/file/system_colors.h"
#include "model/twf_skin.h"
#include "tests/model/file/skin_test_support.h"

namespace {

std::vector<COLORREF> PinnedColours() {
    std::vector<COLORREF> table;
    std::ifstream in(skin_test::FixtureDir() / "syscolors" / "colors.txt");
    std::string line;
    while (std::getline(in, line)) table.push_back(static_cast<COLORREF>(std::stoul(line, nullptr, 16)));
    return table;
}

std::vector<std::string> Files() {
    std::vector<std::string> files;
    std::ifstream in(skin_test::FixtureDir() / "syscolors" / "cases.txt");
    std::string file;
    while (in >> file) files.push_back(file);
    return files;
}

class SystemColorUpgrades : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(skin_test::Imaging().IsStarted()); }
};

TEST_F(SystemColorUpgrades, ElementsWithoutTheirTriggerColourTakeThePinnedSystemColours) {
    const std::vector<COLORREF> table = PinnedColours();
    ASSERT_EQ(table.size(), 31u);
    const auto files = Files();
    ASSERT_EQ(files.size(), 4u);
    ScopedSystemColorTable pinned(table);
    for (const std::string& file : files) {
        const auto path = skin_test::FixtureDir() / file;
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.SetPath(path.wstring());
        const int code = skin.LoadSkinFromPath(FALSE);
        EXPECT_EQ(code, 0) << file;
        EXPECT_EQ(SkinListing(skin, code),
                  skin_test::ReadText(std::filesystem::path(path).replace_extension(".expected")))
            << file;
    }
}

TEST_F(SystemColorUpgrades, APinnedTableAnswersOnlyWhileItLives) {
    const COLORREF system = SystemColor(8);
    {
        ScopedSystemColorTable outer({1, 2, 3});
        EXPECT_EQ(SystemColor(2), 3u);
        EXPECT_EQ(SystemColor(8), 0u) << "outside the table";
        {
            ScopedSystemColorTable inner({7});
            EXPECT_EQ(SystemColor(0), 7u);
        }
        EXPECT_EQ(SystemColor(0), 1u);
    }
    EXPECT_EQ(SystemColor(8), system);
#ifdef _WIN32
    EXPECT_EQ(SystemColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW));
#endif
}

} // namespace
