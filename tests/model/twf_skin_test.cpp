#include "model/twf_skin.h"

#include <gtest/gtest.h>

#include <set>

#include "model/elements.h"
#include "tests/model/model_test_env.h"

namespace {

class SkinTest : public ModelTest {
protected:
    SkinTest() { skin_.InitNewSkin(L"Default"); }
    std::vector<std::wstring> SchemeWalk() const {
        std::vector<std::wstring> names;
        for (std::wstring name = skin_.GetFirstSchemeName(); !name.empty(); name = skin_.GetNextSchemeName(name)) {
            names.push_back(name);
        }
        return names;
    }
    CTwfSkin skin_;
};

TEST(Skin, ConstructionState) {
    CTwfSkin skin;
    EXPECT_TRUE(skin.GetSchemes().empty());
    EXPECT_EQ(skin.GetLoadedFlag(), 0u);
    EXPECT_EQ(skin.GetCompressedFlag(), 0u);
    EXPECT_EQ(skin.GetSchemeModifierSwitch(), 100u);
    for (BYTE b : skin.GetIndexBlock()) ASSERT_EQ(b, 0xFF);
    EXPECT_EQ(skin.GetFirstSchemeName(), L"");
}

TEST_F(SkinTest, NewSkinHasTheThirtyDefaultElements) {
    EXPECT_EQ(skin_.GetVersion(), 768);
    const CTwfScheme* scheme = skin_.GetScheme(L"Default");
    ASSERT_NE(scheme, nullptr);
    EXPECT_EQ(scheme->size(), 30u);
    for (WORD absent : {33, 39, 44}) EXPECT_EQ(scheme->count(absent), 0u) << absent;
    for (WORD present : {2, 25, 5, 13, 34, 38, 43}) EXPECT_EQ(scheme->count(present), 1u) << present;
    EXPECT_EQ(SchemeWalk(), std::vector<std::wstring>{L"Default"});
}

TEST_F(SkinTest, EmptySchemeNameMeansTheDefaultScheme) {
    CTwfObj* byEmpty = skin_.FindObject(4, L"");
    ASSERT_NE(byEmpty, nullptr);
    EXPECT_EQ(byEmpty, skin_.FindObject(4, L"Default"));
    EXPECT_EQ(skin_.GetOrCreateObject(4, L""), byEmpty);
    EXPECT_EQ(skin_.FindObject(4, L"Other"), nullptr);
    EXPECT_EQ(skin_.FindObject(44, L""), nullptr);
    EXPECT_EQ(skin_.GetScheme(L""), nullptr); // no empty-name rule for the map itself
    EXPECT_EQ(skin_.GetOrCreateScheme(L""), skin_.GetScheme(L"Default"));
}

TEST_F(SkinTest, UnknownTypeLeavesTheSchemeCreated) {
    EXPECT_EQ(skin_.GetOrCreateObject(1, L"<CC>\\A"), nullptr);
    EXPECT_NE(skin_.GetScheme(L"<CC>\\A"), nullptr);
}

TEST_F(SkinTest, RemovingTheLastElementRemovesTheScheme) {
    ASSERT_NE(skin_.GetOrCreateObject(4, L"<CC>\\Btn"), nullptr);
    EXPECT_EQ(SchemeWalk().size(), 2u);
    EXPECT_TRUE(skin_.RemoveObject(4, L"<CC>\\Btn"));
    EXPECT_EQ(SchemeWalk(), std::vector<std::wstring>{L"Default"});
    EXPECT_FALSE(skin_.RemoveObject(4, L"<CC>\\Btn"));
    EXPECT_FALSE(skin_.RemoveObject(44, L"Default"));
}

TEST_F(SkinTest, MoveObject) {
    CTwfObj* button = skin_.GetOrCreateObject(4, L"X");
    EXPECT_TRUE(skin_.MoveObject(4, L"[X]", L"Y")); // bracketed name found without its brackets
    EXPECT_EQ(skin_.FindObject(4, L"Y"), button);
    EXPECT_EQ(skin_.GetScheme(L"X"), nullptr);

    // Onto a scheme that already has that kind: refused, both unchanged.
    CTwfObj* other = skin_.GetOrCreateObject(4, L"Z");
    EXPECT_FALSE(skin_.MoveObject(4, L"Y", L"Z"));
    EXPECT_EQ(skin_.FindObject(4, L"Y"), button);
    EXPECT_EQ(skin_.FindObject(4, L"Z"), other);

    EXPECT_TRUE(skin_.MoveObject(4, L"Y", L"Y")); // onto its own scheme: left in place
    EXPECT_EQ(skin_.FindObject(4, L"Y"), button);
    EXPECT_FALSE(skin_.MoveObject(4, L"Missing", L"Y"));
    EXPECT_FALSE(skin_.MoveObject(44, L"Y", L"Q"));
}

TEST_F(SkinTest, ResolveSchemeName) {
    skin_.GetOrCreateObject(33, L"<CC>\\A")->SetFolderId(7);
    skin_.GetOrCreateObject(33, L"<UD>\\U")->SetFolderId(9);
    skin_.GetOrCreateObject(4, L"<CC>\\Plain");
    struct Case {
        const wchar_t* path;
        int kind;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"A\\B", 0, L"<7>B"},
        {L"A\\B", 1, L"A\\B"},
        {L"U\\Data", 1, L"<9>Data"},
        {L"Plain\\B", 0, L"Plain\\B"},
        {L"NoSlash", 0, L"NoSlash"},
        {L"A\\", 0, L"A\\"},
        {L"Missing\\B", 0, L"Missing\\B"},
        {L"<CC>\\A\\B", 2, L"<7>B"},
    };
    for (const Case& c : cases) EXPECT_EQ(skin_.ResolveSchemeName(c.path, c.kind), c.expected) << c.path;
}

TEST_F(SkinTest, ResetKeepsDefaultAndRootElementsClearedAndDropsTheRest) {
    CTwfObj* frame = skin_.FindObject(2, L"");
    frame->SetEnabled(1);
    frame->SetNumber(478, 4);
    frame->SetFolderId(3);
    frame->SetOrder(5);
    CTwfObj* folder = skin_.GetOrCreateObject(33, kRootSchemeName);
    skin_.GetOrCreateObject(4, L"<CC>\\Custom")->SetEnabled(1);
    skin_.GetInfo().author = L"someone";
    skin_.SetLoadedFlag(1);

    EXPECT_TRUE(skin_.Reset());
    EXPECT_EQ(skin_.GetScheme(L"Default")->size(), 30u);
    EXPECT_EQ(skin_.FindObject(2, L""), frame);
    EXPECT_EQ(frame->GetEnabled(), 0u);
    EXPECT_TRUE(frame->GetNumberMap().empty());
    EXPECT_EQ(frame->GetFolderId(), 0);
    EXPECT_EQ(frame->GetOrder(), 0);
    EXPECT_EQ(skin_.FindObject(33, kRootSchemeName), folder);
    ASSERT_NE(skin_.GetScheme(L"<CC>\\Custom"), nullptr); // the scheme entry stays
    EXPECT_TRUE(skin_.GetScheme(L"<CC>\\Custom")->empty());
    EXPECT_TRUE(skin_.GetInfo().author.empty());
    EXPECT_EQ(skin_.GetLoadedFlag(), 0u);
}

TEST_F(SkinTest, RemoveAllEmptiesTheSkin) {
    skin_.SetLoadedFlag(1);
    EXPECT_TRUE(skin_.RemoveAll());
    EXPECT_TRUE(skin_.GetSchemes().empty());
    EXPECT_EQ(skin_.GetLoadedFlag(), 0u);
}

} // namespace
