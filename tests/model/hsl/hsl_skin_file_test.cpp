// Adjust and undo over every generated skin file: written back, the skin's
// file is the same, byte for byte, as before the adjustment.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/twf_skin.h"
#include "tests/model/file/skin_test_support.h"

namespace {

std::vector<std::string> GoodFiles() {
    std::vector<std::string> files;
    std::ifstream in(skin_test::FixtureDir() / "cases.txt");
    std::string kind, file;
    int code;
    while (in >> kind >> file >> code) {
        if (kind == "good") files.push_back(file);
    }
    return files;
}

std::vector<std::uint8_t> Written(CTwfSkin& skin, const std::filesystem::path& path) {
    skin.SetPath(path.wstring());
    EXPECT_TRUE(skin.WriteSkinFile());
    return skin_test::ReadBytes(path);
}

TEST(HslSkinFiles, AdjustThenNeutralThenRestoreWritesTheSameFile) {
    ASSERT_TRUE(skin_test::Imaging().IsStarted());
    skin_test::ScratchDir scratch("hsl");
    int checked = 0;
    for (const std::string& file : GoodFiles()) {
        SCOPED_TRACE(file);
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.SetPath((skin_test::FixtureDir() / file).wstring());
        if (skin.LoadSkinFromPath(FALSE) != 0) continue;
        const std::vector<std::uint8_t> before = Written(skin, scratch / "before.twf");
        ASSERT_FALSE(before.empty());

        ASSERT_TRUE(skin.AddHSLModifier(0, 1));
        ASSERT_TRUE(skin.AddSchemeHSLModifier(L"<CC>\\Buttons\\Big", 2));
        ASSERT_TRUE(skin.ApplyHSL(1, 140, -30, 12, 60));
        ASSERT_TRUE(skin.ApplyHSL(1, -75, 80, -5, 100));
        const std::vector<std::uint8_t> adjusted = Written(skin, scratch / "adjusted.twf");
        ASSERT_TRUE(skin.ApplyHSL(1, 0, 0, 0, 100));
        ASSERT_TRUE(skin.RemoveHSLModifier(1));
        ASSERT_TRUE(skin.RemoveHSLModifier(2));
        const std::vector<std::uint8_t> after = Written(skin, scratch / "after.twf");
        EXPECT_TRUE(after == before);
        // Skins that hold only their header have nothing to adjust.
        if (adjusted != before) ++checked;
    }
    EXPECT_GT(checked, 20);
}

} // namespace
