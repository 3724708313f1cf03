// The skin manager's loaders over real skin files written by the model.
#include <gtest/gtest.h>

#include <cstring>

#include "model/platform/imaging.h"
#include "model/twf_error.h"
#include "model/twf_manager.h"
#include "tests/model/file/skin_test_support.h"

namespace {

using skin_test::ScratchDir;

class ManagerLoadTest : public ::testing::Test {
protected:
    // A folder per test: test processes run in parallel.
    ManagerLoadTest()
        : dir_(std::string("manager-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        skin_test::Imaging();
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetInfo().author = L"author";
        skin.FindObject(4, L"")->SetColor(1, 0x123456);
        good_ = (dir_ / "good.twf").wstring();
        skin.SetPath(good_);
        EXPECT_TRUE(skin.WriteSkinFile());
        // The same file claiming version 2.2 (514), which no reader accepts.
        std::vector<std::uint8_t> bytes = skin_test::ReadBytes(good_);
        EXPECT_EQ(std::memcmp(bytes.data() + 1, "TWF3.0", 6), 0);
        std::memcpy(bytes.data() + 1, "TWF2.2", 6);
        newer_ = (dir_ / "newer.twf").wstring();
        skin_test::WriteBytes(newer_, bytes);
        corrupt_ = (dir_ / "corrupt.twf").wstring();
        skin_test::WriteBytes(corrupt_, std::vector<std::uint8_t>(300, 0x41));
    }
    ScratchDir dir_;
    std::wstring good_, newer_, corrupt_;
};

TEST_F(ManagerLoadTest, MainSkinLoadsReturnTheReadersCodeAndSetTheFlagOnlyOnSuccess) {
    CTwfManager manager;
    EXPECT_EQ(manager.LoadMainSkinFromPath(good_), kTwfNothingToRead); // no main skin yet
    manager.CreateMainSkin(L"Default");
    CTwfObj* button = manager.GetMainSkin()->FindObject(4, L"");

    EXPECT_EQ(manager.LoadMainSkinFromPath(good_), kTwfLoaded);
    EXPECT_TRUE(manager.GetMainSkinLoaded());
    EXPECT_TRUE(manager.GetMainSkin()->IsLoaded());
    EXPECT_EQ(manager.GetMainSkin()->GetPath(), good_);
    EXPECT_EQ(manager.GetMainSkin()->GetInfo().author, L"author");
    // Reloading keeps the default scheme's element objects.
    EXPECT_EQ(manager.GetMainSkin()->FindObject(4, L""), button);
    EXPECT_EQ(button->GetColor(1), 0x123456u);

    EXPECT_EQ(manager.LoadMainSkinFromPath(newer_), kTwfBadVersion);
    EXPECT_FALSE(manager.GetMainSkinLoaded());
    EXPECT_FALSE(manager.GetMainSkin()->IsLoaded());

    EXPECT_EQ(manager.LoadMainSkinFromPath(corrupt_), kTwfCorrupt);
    EXPECT_FALSE(manager.GetMainSkinLoaded());

    EXPECT_EQ(manager.LoadMainSkinFromPath((dir_ / "missing.twf").wstring()), kTwfCorrupt);
    EXPECT_FALSE(manager.GetMainSkinLoaded());
}

TEST_F(ManagerLoadTest, MainSkinFromMemoryForgetsThePath) {
    CTwfManager manager;
    manager.CreateMainSkin(L"Default");
    const std::vector<std::uint8_t> bytes = skin_test::ReadBytes(good_);
    EXPECT_EQ(manager.LoadMainSkinFromMemory(bytes.data(), static_cast<UINT>(bytes.size())), kTwfLoaded);
    EXPECT_TRUE(manager.GetMainSkinLoaded());
    EXPECT_TRUE(manager.GetMainSkin()->GetPath().empty());
    EXPECT_EQ(manager.LoadMainSkinFromMemory(nullptr, 0), kTwfCorrupt);
    EXPECT_FALSE(manager.GetMainSkinLoaded());
}

TEST_F(ManagerLoadTest, FurtherSkins) {
    CTwfManager manager;
    manager.CreateMainSkin(L"Default");
    CTwfSkin* main = manager.GetMainSkin();
    EXPECT_FALSE(manager.LoadSkin(0, good_));
    EXPECT_FALSE(manager.LoadSkin(1, good_));
    EXPECT_EQ(manager.GetMainSkin(), main);
    EXPECT_TRUE(main->GetPath().empty());

    EXPECT_FALSE(manager.LoadSkin(5, newer_));
    EXPECT_EQ(manager.GetSkin(5), nullptr);
    EXPECT_TRUE(manager.LoadSkin(5, good_));
    ASSERT_NE(manager.GetSkin(5), nullptr);
    EXPECT_EQ(manager.GetSkin(5)->FindObject(4, L"Default")->GetColor(1), 0x123456u);
    EXPECT_FALSE(manager.LoadSkin(5, good_)); // id in use
    EXPECT_TRUE(manager.RemoveSkin(5));
    EXPECT_EQ(manager.GetSkin(5), nullptr);
}

} // namespace
