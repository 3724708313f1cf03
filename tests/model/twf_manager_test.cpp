#include "model/twf_manager.h"

#include <gtest/gtest.h>

#include "tests/model/model_test_env.h"

// The runtime's list, as far as the model can see it: an opaque record that
// the manager destroys through the deleter it was given.
class CListOfCtrlManagers {
public:
    explicit CListOfCtrlManagers(int* destroyed) : destroyed_(destroyed) {}
    ~CListOfCtrlManagers() { ++*destroyed_; }

private:
    int* destroyed_;
};

namespace {

class ManagerTest : public ModelTest {};

TEST_F(ManagerTest, MainSkin) {
    CTwfManager manager;
    EXPECT_EQ(manager.GetMainSkin(), nullptr);
    EXPECT_FALSE(manager.IsMainSkinCreated());
    EXPECT_TRUE(manager.CreateMainSkin(L"Default"));
    ASSERT_NE(manager.GetMainSkin(), nullptr);
    EXPECT_EQ(manager.GetMainSkin(), manager.GetSkin(1));
    EXPECT_EQ(manager.GetMainSkin()->GetDefaultSchemeName(), L"Default");
    EXPECT_EQ(manager.GetMainSkin()->GetScheme(L"Default")->size(), 30u);
    EXPECT_TRUE(manager.IsMainSkinCreated());
    EXPECT_EQ(manager.GetSkin(0), nullptr);
    EXPECT_EQ(manager.GetSkin(2), nullptr);

    EXPECT_TRUE(manager.RemoveSkin(1));
    EXPECT_EQ(manager.GetMainSkin(), nullptr);
    EXPECT_FALSE(manager.RemoveSkin(1));
}

TEST_F(ManagerTest, MainSkinLoadedFlagIsSettable) {
    CTwfManager manager;
    EXPECT_FALSE(manager.GetMainSkinLoaded());
    manager.SetMainSkinLoaded(TRUE);
    EXPECT_TRUE(manager.GetMainSkinLoaded());
}

TEST_F(ManagerTest, OwnsTheControlsManagersThroughTheirDeleter) {
    int destroyed = 0;
    {
        CTwfManager manager;
        EXPECT_EQ(manager.GetControlsManagers(), nullptr);
        manager.SetControlsManagers(CTwfManager::ControlsManagersPtr(new CListOfCtrlManagers(&destroyed),
                                                                     [](CListOfCtrlManagers* list) { delete list; }));
        EXPECT_NE(manager.GetControlsManagers(), nullptr);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ManagerTest, CreateAndDelete) {
    CTwfManager* manager = CreateSkinManager();
    ASSERT_NE(manager, nullptr);
    manager->CreateMainSkin(L"Default");
    EXPECT_TRUE(manager->RemoveAllSkins());
    EXPECT_EQ(manager->GetMainSkin(), nullptr);
    EXPECT_TRUE(DeleteSkinManager(manager));
    EXPECT_FALSE(DeleteSkinManager(nullptr));
}

} // namespace
