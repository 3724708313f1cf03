// Every file of the independent fixture generator: good files load with
// exactly the generated content (compared through the canonical listing the
// generator wrote for them), survive a save and reload unchanged, and bad
// files are refused with the generator's code.
#include <gtest/gtest.h>

#include <fstream>
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

// The listing without its version line (a save always writes 768).
std::string WithoutVersion(const std::string& listing) {
  std::istringstream in(listing);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("version ", 0) != 0) out += line + "\n";
  }
  return out;
}

class GeneratedSkins : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(skin_test::Imaging().IsStarted()); }
};

TEST_F(GeneratedSkins, FixturesExistForEveryAcceptedVersion) {
  const auto cases = ReadCases();
  ASSERT_GT(cases.size(), 100u);
  for (int v : {512, 513, 515, 516, 517, 518, 519, 520, 521, 522, 523, 524, 525, 526, 527, 528, 529, 530, 531, 532,
                768}) {
    EXPECT_TRUE(std::filesystem::exists(skin_test::FixtureDir() / "good" / ("v" + std::to_string(v) + ".twf"))) << v;
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
    EXPECT_EQ(WithoutVersion(SkinListing(*second, 0)), WithoutVersion(before)) << c.file;
  }
}

}  // namespace
